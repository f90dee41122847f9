#include "bitplane/LetztesBit.h"

namespace bitplane {

void letztesBitAnzeigen(picture::Bildflaeche& bild) {
    for (int y = 0; y < bild.hoehe(); ++y) {
        for (int x = 0; x < bild.breite(); ++x) {
            const bool ungerade = (picture::rot(bild.lesen(x, y)) & 1) == 1;
            bild.setzen(x, y, ungerade ? picture::kWeiss : picture::kSchwarz);
        }
    }
}

picture::Bildflaeche letztesBitSetzen(const picture::Bildflaeche& original, Regel regel,
                                      key::Zufallsgenerator& generator) {
    picture::Bildflaeche bild(original.breite(), original.hoehe());
    // Columns outside, rows inside: the order of the draws is part of the result.
    for (int x = 0; x < original.breite(); ++x) {
        for (int y = 0; y < original.hoehe(); ++y) {
            const picture::Farbwert c = original.lesen(x, y);
            int rot = picture::rot(c);
            switch (regel) {
            case Regel::Null:
                rot -= rot % 2;
                break;
            case Regel::Eins:
                rot |= 1;
                break;
            case Regel::Zufall:
                rot += generator.Zufallszahl() < 0.5 ? 0 : 1;
                break;
            }
            bild.setzen(x, y, picture::farbwert(rot, picture::gruen(c), picture::blau(c)));
        }
    }
    return bild;
}

} // namespace bitplane
