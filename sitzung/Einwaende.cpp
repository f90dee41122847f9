#include "sitzung/Einwaende.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sitzung {
namespace {

// A whole number with a point between each group of three digits.
std::string zahl(std::int64_t n) {
    const std::string ziffern = std::to_string(n < 0 ? -n : n);
    std::string text;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) {
            text += '.';
        }
        text += ziffern[i];
    }
    return n < 0 ? "-" + text : text;
}


// Code points that belong to the character before them: combining marks of
// the scripts a German class meets, enclosing marks, joiners, variation
// selectors, skin tones and tags.
constexpr std::array<std::pair<char32_t, char32_t>, 40> kAnhaengend = {{
    {0x0300, 0x036F},   {0x0483, 0x0489},   {0x0591, 0x05BD},   {0x05BF, 0x05BF},
    {0x05C1, 0x05C2},   {0x05C4, 0x05C5},   {0x05C7, 0x05C7},   {0x0610, 0x061A},
    {0x064B, 0x065F},   {0x0670, 0x0670},   {0x06D6, 0x06DC},   {0x06DF, 0x06E4},
    {0x06E7, 0x06E8},   {0x06EA, 0x06ED},   {0x0711, 0x0711},   {0x0730, 0x074A},
    {0x07A6, 0x07B0},   {0x07EB, 0x07F3},   {0x08CA, 0x08FF},   {0x0900, 0x0903},
    {0x093A, 0x094F},   {0x0951, 0x0957},   {0x0962, 0x0963},   {0x0E31, 0x0E31},
    {0x0E34, 0x0E3A},   {0x0E47, 0x0E4E},   {0x0F71, 0x0F84},   {0x1AB0, 0x1AFF},
    {0x1DC0, 0x1DFF},   {0x200C, 0x200D},   {0x20D0, 0x20FF},   {0x302A, 0x302F},
    {0x3099, 0x309A},   {0xFE00, 0xFE0F},   {0xFE20, 0xFE2F},   {0x1F3FB, 0x1F3FF},
    {0xE0020, 0xE007F}, {0xE0100, 0xE01EF}, {0x0F35, 0x0F35},   {0x0F37, 0x0F37},
}};

bool anhaengend(char32_t c) {
    return std::any_of(kAnhaengend.begin(), kAnhaengend.end(),
                       [c](const auto& b) { return c >= b.first && c <= b.second; });
}

} // namespace

std::string textZuLang(std::int64_t laenge) {
    return "Der Text wäre " + zahl(laenge) + " Zeichen lang. Ein Textfeld nimmt höchstens " +
           zahl(kHoechstZeichen) +
           " Zeichen auf; das Bild kann ohnehin nur einen kurzen Text verstecken. Der Text "
           "bleibt, wie er war.";
}

std::string zeichenZuLang(std::int64_t teile) {
    return "Der Text enthält ein Zeichen aus " + zahl(teile) +
           " Teilen, einen Buchstaben mit übereinander gestapelten Akzenten. Ein Textfeld nimmt "
           "höchstens " +
           zahl(kHoechstKombinierend) + " Teile je Zeichen auf. Der Text bleibt, wie er war.";
}

std::string schluesselZuLang(std::int64_t laenge) {
    return "Der Schlüssel wäre " + zahl(laenge) + " Zeichen lang. Das Eingabefeld nimmt "
           "höchstens " +
           zahl(kHoechstZeichen) + " Zeichen auf. Der Schlüssel bleibt, wie er war.";
}

std::int64_t laengstesZeichen(std::u16string_view text) {
    std::int64_t laengstes = 0;
    std::int64_t jetzt = 0;
    bool verbunden = false; // after a joiner the next character belongs to this one too
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = text[i];
        std::size_t teile = 1;
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            teile = 2;
        }
        const bool zeilenende = c == u'\n' && i > 0 && text[i - 1] == u'\r';
        if (anhaengend(c) || verbunden || zeilenende) {
            jetzt += static_cast<std::int64_t>(teile);
        } else {
            jetzt = static_cast<std::int64_t>(teile);
        }
        verbunden = c == 0x200D;
        laengstes = std::max(laengstes, jetzt);
        i += teile;
    }
    return laengstes;
}

std::string laengenEinwand(Ort feld, std::int64_t laenge) {
    if (laenge <= kHoechstZeichen) {
        return {};
    }
    return feld == Ort::Schluessel ? schluesselZuLang(laenge) : textZuLang(laenge);
}

std::string einwand(Ort feld, std::u16string_view ergebnis) {
    std::string meldung = laengenEinwand(feld, static_cast<std::int64_t>(ergebnis.size()));
    if (meldung.empty() && feld != Ort::Schluessel) {
        const std::int64_t teile = laengstesZeichen(ergebnis);
        if (teile > kHoechstKombinierend) {
            meldung = zeichenZuLang(teile);
        }
    }
    return meldung;
}

} // namespace sitzung
