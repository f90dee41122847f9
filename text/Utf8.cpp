#include "text/Utf8.h"

namespace text {
namespace {

constexpr char32_t kErsatz = 0xFFFD;

bool gueltig(char32_t z) {
    return z <= 0x10FFFF && (z < 0xD800 || z > 0xDFFF);
}

} // namespace

std::string utf8(std::u32string_view zeichen) {
    std::string ergebnis;
    ergebnis.reserve(zeichen.size());
    for (char32_t z : zeichen) {
        if (!gueltig(z)) {
            z = kErsatz;
        }
        if (z < 0x80) {
            ergebnis += static_cast<char>(z);
        } else if (z < 0x800) {
            ergebnis += static_cast<char>(0xC0 | (z >> 6));
            ergebnis += static_cast<char>(0x80 | (z & 0x3F));
        } else if (z < 0x10000) {
            ergebnis += static_cast<char>(0xE0 | (z >> 12));
            ergebnis += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            ergebnis += static_cast<char>(0x80 | (z & 0x3F));
        } else {
            ergebnis += static_cast<char>(0xF0 | (z >> 18));
            ergebnis += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
            ergebnis += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
            ergebnis += static_cast<char>(0x80 | (z & 0x3F));
        }
    }
    return ergebnis;
}

std::u32string ausUtf8(std::string_view bytes) {
    std::u32string ergebnis;
    ergebnis.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        int folge = 0;
        char32_t z = 0;
        char32_t kleinste = 0;
        if (b < 0x80) {
            ergebnis += b;
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            folge = 1;
            z = b & 0x1F;
            kleinste = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            folge = 2;
            z = b & 0x0F;
            kleinste = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            folge = 3;
            z = b & 0x07;
            kleinste = 0x10000;
        } else {
            ergebnis += kErsatz;
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        for (; j < bytes.size() && j <= i + static_cast<std::size_t>(folge); ++j) {
            const auto f = static_cast<unsigned char>(bytes[j]);
            if ((f & 0xC0) != 0x80) {
                break;
            }
            z = (z << 6) | (f & 0x3F);
        }
        const bool vollstaendig = j == i + 1 + static_cast<std::size_t>(folge);
        ergebnis += vollstaendig && z >= kleinste && gueltig(z) ? z : kErsatz;
        i = j;
    }
    return ergebnis;
}

} // namespace text
