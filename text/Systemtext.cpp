#include "text/Systemtext.h"

#include "text/Codepage.h"

namespace text {

Codes codes(std::u32string_view zeichen) {
    Codes ergebnis;
    ergebnis.reserve(zeichen.size());
    for (std::size_t i = 0; i < zeichen.size(); ++i) {
        const char32_t z = zeichen[i];
        if (z == U'\r' || z == U'\n' || z == 0x2028 || z == 0x2029) {
            if (z == U'\r' && i + 1 < zeichen.size() && zeichen[i + 1] == U'\n') {
                ++i;
            }
            ergebnis.push_back(13);
            ergebnis.push_back(10);
        } else {
            ergebnis.push_back(code(z));
        }
    }
    return ergebnis;
}

std::u32string anzeige(std::span<const std::uint8_t> codes) {
    std::u32string ergebnis;
    ergebnis.reserve(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::uint8_t c = codes[i];
        if (c == 13 || c == 10) {
            if (c == 13 && i + 1 < codes.size() && codes[i + 1] == 10) {
                ++i;
            }
            ergebnis.push_back(U'\n');
        } else if ((c < 32 && c != 9) || c == 127 || undefiniert(c)) {
            ergebnis.push_back(kPlatzhalter);
        } else {
            ergebnis.push_back(zeichen(c));
        }
    }
    return ergebnis;
}

} // namespace text
