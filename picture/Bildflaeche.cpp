#include "picture/Bildflaeche.h"

#include <algorithm>

namespace picture {

Bildflaeche::Bildflaeche(int breite, int hoehe)
    : breite_(std::max(breite, 0)), hoehe_(std::max(hoehe, 0)),
      pixel_(static_cast<std::size_t>(breite_) * static_cast<std::size_t>(hoehe_),
             kUndurchsichtig) {}

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
