#pragma once
// The one pseudo-random source of the system. Its sequence after
// Startpunkt_festlegen(v) depends on v alone, on every compiler and platform:
// the engine is MT19937-64 as the standard fixes it for std::mt19937_64, and
// the step to [0, 1) is ours.
#include "key/Mersenne64.h"

#include <cstdint>

namespace key {

// floor(m * 2^-53 * anzahl) for m < 2^53, exactly and in integers, so the same
// on every floating-point unit; lies in 0 .. anzahl - 1. anzahl must be at
// least 1.
inline int anteil(std::uint64_t m, int anzahl) {
    const auto w = static_cast<std::uint64_t>(anzahl);
    if (anzahl <= 2048) {
        return static_cast<int>((m * w) >> 53); // below 2^64
    }
    // The product can need 84 bits, so m is split at bit 32; the low 32 bits
    // of the lower partial product cannot carry into bit 53 and are dropped.
    const std::uint64_t oben = (m >> 32) * w;
    const std::uint64_t unten = ((m & 0xFFFFFFFFu) * w) >> 32;
    return static_cast<int>((oben + unten) >> 21);
}

class Zufallsgenerator {
  public:
    void Startpunkt_festlegen(std::int64_t startpunkt) {
        engine_.seed(static_cast<std::uint64_t>(startpunkt));
    }
    // The next value u of the sequence, 0 <= u < 1, a multiple of 2^-53.
    double Zufallszahl() { return static_cast<double>(zufallsbits()) * 0x1.0p-53; }
    // ganzzahlig(Zufallszahl(), anzahl), the same value from the same draw,
    // without the way through double.
    int Zufallsganzzahl(int anzahl) { return anteil(zufallsbits(), anzahl); }

  private:
    // The 53-bit integer m of the next value u = m * 2^-53.
    std::uint64_t zufallsbits() { return engine_() >> 11; }
    Mersenne64 engine_;
};

// floor(u * anzahl) exactly, for u a multiple of 2^-53 in [0, 1) as
// Zufallszahl gives it (any other u is first cut down to one); lies in
// 0 .. anzahl - 1. anzahl must be at least 1.
inline int ganzzahlig(double u, int anzahl) {
    return anteil(static_cast<std::uint64_t>(static_cast<std::int64_t>(u * 0x1.0p53)), anzahl);
}

} // namespace key
