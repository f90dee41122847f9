#include "picture/Abmessungen.h"

namespace picture {

Abmessungen abmessungenVon(const Bildflaeche& bild) {
    const float h = static_cast<float>(bild.hoehe());
    const float w = static_cast<float>(bild.breite());
    return Abmessungen{w, h, h * w};
}

} // namespace picture
