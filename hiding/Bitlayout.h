#pragma once
// The message bit layout: 8 bits per character, most significant first. Bit j
// (0..7) of character c (from 1) is Bitnummer 8 * (c - 1) + j + 1 and is carried
// by the red low bit of the pixel at that entry of the position table. No
// length, header or terminator is stored.
#include "key/Positionstabelle.h"

#include <cstdint>

namespace hiding {

enum class Status { Ok, ZuWenigePositionen };

inline constexpr int kBitsJeZeichen = 8;

// The number of bits for a text of `zeichen` characters, in 64 bits.
inline constexpr std::int64_t bitanzahl(std::int64_t zeichen) {
    return kBitsJeZeichen * zeichen;
}

// True when the table has an entry for every one of the n bits.
inline bool reicht(const key::Positionstabelle& tabelle, std::int64_t n) {
    return n <= tabelle.eintraege();
}

// True when the table has the entries for every bit of a text of `zeichen`
// characters. Compared before multiplying: 8 * zeichen overflows for counts
// that no table can reach.
inline bool reichtFuerZeichen(const key::Positionstabelle& tabelle, std::int64_t zeichen) {
    return zeichen <= tabelle.eintraege() / kBitsJeZeichen;
}

} // namespace hiding
