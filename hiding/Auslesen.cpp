#include "hiding/Auslesen.h"

#include <algorithm>

namespace hiding {

Bitfolge bitfolge(const picture::Bildflaeche& bild, const key::Positionstabelle& tabelle,
                  std::int64_t n) {
    Bitfolge bits;
    if (n <= 0 || !reicht(tabelle, n)) {
        return bits;
    }
    bits.reserve(static_cast<std::size_t>(n));
    for (std::size_t k = 1; k <= static_cast<std::size_t>(n); ++k) {
        const int rot = picture::rot(bild.lesen(tabelle.PosX[k], tabelle.PosY[k]));
        bits.push_back((rot & 1) == 1 ? '1' : '0');
    }
    return bits;
}

text::Codes zeichenAus(const Bitfolge& bits) {
    text::Codes codes;
    codes.reserve(bits.size() / kBitsJeZeichen);
    for (std::size_t i = 0; i + kBitsJeZeichen <= bits.size(); i += kBitsJeZeichen) {
        int wert = 0;
        for (int j = 0; j < kBitsJeZeichen; ++j) {
            if (bits[i + static_cast<std::size_t>(j)] == '1') {
                wert += 1 << (7 - j);
            }
        }
        codes.push_back(static_cast<std::uint8_t>(wert));
    }
    return codes;
}

AuslesenErgebnis auslesen(const picture::Bildflaeche& bild, const key::Positionstabelle& tabelle,
                          std::int64_t zeichen) {
    if (!reichtFuerZeichen(tabelle, zeichen)) {
        return {Status::ZuWenigePositionen, {}};
    }
    return {Status::Ok,
            zeichenAus(bitfolge(bild, tabelle, bitanzahl(std::max<std::int64_t>(zeichen, 0))))};
}

} // namespace hiding
