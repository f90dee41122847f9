#pragma once
// A pixel's colour, laid out 0x00BBGGRR: red in bits 0-7, green in 8-15,
// blue in 16-23, bits 24-31 zero. Pixel values lie in 0..16777215.
#include <algorithm>
#include <cstdint>

namespace picture {

using Farbwert = std::int32_t;

inline constexpr Farbwert kSchwarz = 0;
inline constexpr Farbwert kRot = 255;
inline constexpr Farbwert kGruen = 65280;
inline constexpr Farbwert kGelb = 65535;
inline constexpr Farbwert kWeiss = 16777215;

// The channel split: each result is 0..255 for any pixel value.
inline constexpr int rot(Farbwert c) {
    return c & 255;
}
inline constexpr int gruen(Farbwert c) {
    return (c & 65280) / 256;
}
inline constexpr int blau(Farbwert c) {
    return c / 256 / 256;
}

// Composition red + 256 * green + 65536 * blue. A component above 255 counts
// as 255 (so red 256 composes as 255), one below 0 as 0.
inline constexpr Farbwert farbwert(int r, int g, int b) {
    auto kanal = [](int v) { return std::clamp(v, 0, 255); };
    return kanal(r) + 256 * kanal(g) + 65536 * kanal(b);
}

} // namespace picture
