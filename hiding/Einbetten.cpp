#include "hiding/Einbetten.h"

namespace hiding {

Status einbetten(picture::Bildflaeche& bild, std::span<const std::uint8_t> codes,
                 const key::Positionstabelle& tabelle) {
    if (!reichtFuerZeichen(tabelle, static_cast<std::int64_t>(codes.size()))) {
        return Status::ZuWenigePositionen;
    }
    std::size_t k = 0;
    for (std::uint8_t code : codes) {
        for (int j = 0; j < kBitsJeZeichen; ++j) {
            ++k;
            const int x = tabelle.PosX[k];
            const int y = tabelle.PosY[k];
            const picture::Farbwert alt = bild.lesen(x, y);
            const int bit = (code >> (7 - j)) & 1;
            const int rot = (picture::rot(alt) & 254) | bit;
            bild.setzen(x, y, picture::farbwert(rot, picture::gruen(alt), picture::blau(alt)));
        }
    }
    return Status::Ok;
}

} // namespace hiding
