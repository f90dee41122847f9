#pragma once
// Whole-picture tools on the red low bit.
#include "key/Zufallsgenerator.h"
#include "picture/Bildflaeche.h"

namespace bitplane {

// In place: white where red is odd, black where it is even. Every red low bit
// stays as it was.
void letztesBitAnzeigen(picture::Bildflaeche& bild);

enum class Regel {
    Null,   // odd red lowered by 1
    Eins,   // even red raised by 1
    Zufall, // r = floor(2u) added to red; 255 + 1 composes as 255
};

// A new picture of the original's size: red forced by the rule, green and blue
// unchanged. The random rule draws exactly once per pixel, columns left to
// right and each column top to bottom, so draw x * H + y belongs to (x, y);
// it does not seed the generator.
picture::Bildflaeche letztesBitSetzen(const picture::Bildflaeche& original, Regel regel,
                                      key::Zufallsgenerator& generator);

} // namespace bitplane
