#pragma once
// The dimension values of the Originalbild, single-precision numbers holding
// whole values, fixed once at start-up.
#include "picture/Bildflaeche.h"

namespace picture {

struct Abmessungen {
    float Bildbreite = 0;
    float Bildhoehe = 0;
    float Bildpunktzahl = 0; // Bildhoehe * Bildbreite, multiplied in single precision
};

Abmessungen abmessungenVon(const Bildflaeche& bild);

} // namespace picture
