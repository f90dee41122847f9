#pragma once
// A picture surface of W x H pixels, addressed (x, y) from (0, 0) at the top
// left. Each pixel holds 8 bits each of red, green and blue; a set pixel reads
// back as exactly the Farbwert that was set. Reads outside the surface give
// black and sets outside it are ignored, so a clipped drawing is always safe.
#include "picture/Farbwert.h"

#include <cstdint>
#include <vector>

namespace picture {

class Bildflaeche {
  public:
    Bildflaeche() = default;
    // A surface of breite x hoehe black pixels; negative sizes count as 0.
    Bildflaeche(int breite, int hoehe);

    int breite() const { return breite_; }
    int hoehe() const { return hoehe_; }
    bool enthaelt(int x, int y) const { return x >= 0 && y >= 0 && x < breite_ && y < hoehe_; }

    Farbwert lesen(int x, int y) const {
        return enthaelt(x, y) ? static_cast<Farbwert>(pixel_[index(x, y)] & 0x00FFFFFFu) : kSchwarz;
    }
    void setzen(int x, int y, Farbwert c) {
        if (enthaelt(x, y)) {
            pixel_[index(x, y)] = kUndurchsichtig | (static_cast<std::uint32_t>(c) & 0x00FFFFFFu);
        }
    }

    // The one-pixel-wide outline of a circle (midpoint rule), clipped at the
    // edges; the inside and the centre are not drawn. Radius 2 covers the 12
    // pixels at offsets (+-2, 0), (0, +-2), (+-2, +-1) and (+-1, +-2).
    void kreis(int x, int y, int radius, Farbwert c);

    // Rows top to bottom, each pixel as the bytes red, green, blue, 255: the
    // layout a display can show without conversion.
    const std::uint32_t* rgbx() const { return pixel_.data(); }

    bool operator==(const Bildflaeche&) const = default;

  private:
    static constexpr std::uint32_t kUndurchsichtig = 0xFF000000u;
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(breite_) +
               static_cast<std::size_t>(x);
    }

    int breite_ = 0;
    int hoehe_ = 0;
    std::vector<std::uint32_t> pixel_;
};

} // namespace picture
