#include "bitplane/Markierung.h"

namespace bitplane {

hiding::Status markieren(picture::Bildflaeche& bild, const key::Positionstabelle& tabelle,
                         std::int64_t n, Markierung art) {
    if (!hiding::reicht(tabelle, n)) {
        return hiding::Status::ZuWenigePositionen;
    }
    for (std::int64_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int x = tabelle.PosX[k];
        const int y = tabelle.PosY[k];
        const bool eins = (picture::rot(bild.lesen(x, y)) & 1) == 1;
        if (art == Markierung::Kreise) {
            bild.kreis(x, y, kKreisradius, eins ? picture::kRot : picture::kGruen);
        } else {
            bild.setzen(x, y, eins ? picture::kRot : picture::kGelb);
        }
    }
    return hiding::Status::Ok;
}

} // namespace bitplane
