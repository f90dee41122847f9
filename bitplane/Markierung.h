#pragma once
// Markers for the positions that carry the bits of a text, coloured by the
// red low bit of each position's pixel as read just before it is marked.
#include "hiding/Bitlayout.h"
#include "key/Positionstabelle.h"
#include "picture/Bildflaeche.h"

namespace bitplane {

enum class Markierung {
    Kreise, // outline of radius 2: red (255) for bit 1, green (65280) for bit 0
    Punkte, // the pixel itself: red (255) for bit 1, yellow (65535) for bit 0
};

inline constexpr int kKreisradius = 2;

// Marks entries 1 .. n in order; an entry on an earlier circle reads that
// circle's colour. Refuses, before drawing, when the table has fewer than n
// entries.
hiding::Status markieren(picture::Bildflaeche& bild, const key::Positionstabelle& tabelle,
                         std::int64_t n, Markierung art);

} // namespace bitplane
