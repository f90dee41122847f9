#pragma once
// The one pseudo-random source of the system. Its sequence after
// Startpunkt_festlegen(v) depends on v alone, on every compiler and platform:
// the engine is MT19937-64 as the standard fixes it for std::mt19937_64, and
// the step to [0, 1) is ours.
#include "key/Mersenne64.h"

#include <cstdint>

namespace key {

class Zufallsgenerator {
  public:
    void Startpunkt_festlegen(std::int64_t startpunkt) {
        engine_.seed(static_cast<std::uint64_t>(startpunkt));
    }
    // The next value u of the sequence, 0 <= u < 1, a multiple of 2^-53.
    double Zufallszahl() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

  private:
    Mersenne64 engine_;
};

// floor(u * anzahl), kept inside 0 .. anzahl - 1 even where rounding of the
// product would reach anzahl. anzahl must be at least 1.
int ganzzahlig(double u, int anzahl);

} // namespace key
