#pragma once
// A picture surface of W x H pixels, addressed (x, y) from (0, 0) at the top
// left. Each pixel holds 8 bits each of red, green and blue; a set pixel reads
// back as exactly the Farbwert that was set. Reads outside the surface give
// black and sets outside it are ignored, so a clipped drawing is always safe.
#include "picture/Farbwert.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace picture {

// The longest side of a surface. 16384 x 16384 pixels of 4 bytes still fit the
// address space of a 32-bit machine, so no size or index computation of a
// surface can overflow std::size_t or int.
inline constexpr int kMaxSeite = 16384;

class Bildflaeche {
  public:
    Bildflaeche() = default;
    // A surface of breite x hoehe black pixels; negative sizes count as 0.
    // Throws std::length_error, before allocating, for a side above kMaxSeite.
    Bildflaeche(int breite, int hoehe);

    int breite() const { return breite_; }
    int hoehe() const { return hoehe_; }
    bool enthaelt(int x, int y) const { return x >= 0 && y >= 0 && x < breite_ && y < hoehe_; }

    Farbwert lesen(int x, int y) const {
        return enthaelt(x, y) ? static_cast<Farbwert>(inRgbx(pixel_[index(x, y)]) & 0x00FFFFFFu)
                              : kSchwarz;
    }
    void setzen(int x, int y, Farbwert c) {
        if (enthaelt(x, y)) {
            pixel_[index(x, y)] =
                inRgbx(kUndurchsichtig | (static_cast<std::uint32_t>(c) & 0x00FFFFFFu));
        }
    }

    // The one-pixel-wide outline of a circle (midpoint rule), clipped at the
    // edges; the inside and the centre are not drawn. Radius 2 covers the 12
    // pixels at offsets (+-2, 0), (0, +-2), (+-2, +-1) and (+-1, +-2).
    void kreis(int x, int y, int radius, Farbwert c);

    // Rows top to bottom, each pixel as the bytes red, green, blue, 255: the
    // layout a display can show without conversion.
    const std::uint8_t* rgbx() const {
        return reinterpret_cast<const std::uint8_t*>(pixel_.data());
    }

    bool operator==(const Bildflaeche&) const = default;

  private:
    static constexpr std::uint32_t kUndurchsichtig = 0xFF000000u;
    // A word 0xFFBBGGRR lies in memory as R, G, B, 255 on a little-endian
    // machine; a big-endian one needs its bytes reversed, both ways. On
    // little-endian machines this is no code at all.
    static constexpr std::uint32_t inRgbx(std::uint32_t w) {
        if constexpr (std::endian::native == std::endian::little) {
            return w;
        } else {
            return (w >> 24) | ((w >> 8) & 0x0000FF00u) | ((w << 8) & 0x00FF0000u) | (w << 24);
        }
    }
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(breite_) +
               static_cast<std::size_t>(x);
    }

    int breite_ = 0;
    int hoehe_ = 0;
    std::vector<std::uint32_t> pixel_;
};

} // namespace picture
