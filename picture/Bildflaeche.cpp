#include "picture/Bildflaeche.h"

#include <algorithm>
#include <stdexcept>

namespace picture {
namespace {

int seite(int laenge) {
    if (laenge > kMaxSeite) {
        throw std::length_error("Bildflaeche: Seite länger als 16384 Bildpunkte");
    }
    return std::max(laenge, 0);
}

} // namespace

Bildflaeche::Bildflaeche(int breite, int hoehe)
    : breite_(seite(breite)), hoehe_(seite(hoehe)),
      pixel_(static_cast<std::size_t>(breite_) * static_cast<std::size_t>(hoehe_),
             inRgbx(kUndurchsichtig)) {}

void Bildflaeche::kreis(int x, int y, int radius, Farbwert c) {
    if (radius < 0) {
        return;
    }
    int dx = radius;
    int dy = 0;
    int fehler = 1 - radius;
    // Eight symmetric points per step; where they coincide (on the axes and
    // diagonals) the same pixel is set twice with the same colour.
    while (dx >= dy) {
        setzen(x + dx, y + dy, c);
        setzen(x + dy, y + dx, c);
        setzen(x - dy, y + dx, c);
        setzen(x - dx, y + dy, c);
        setzen(x - dx, y - dy, c);
        setzen(x - dy, y - dx, c);
        setzen(x + dy, y - dx, c);
        setzen(x + dx, y - dy, c);
        ++dy;
        if (fehler < 0) {
            fehler += 2 * dy + 1;
        } else {
            --dx;
            fehler += 2 * (dy - dx) + 1;
        }
    }
}

} // namespace picture
