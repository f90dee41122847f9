#pragma once
// Writes the bits of a text into the red low bits of a picture, at the
// entries 1 .. 8 * L of the position table. Green, blue, the upper seven bits
// of red and every other pixel stay as they were. Refuses, before touching a
// pixel, when the table has fewer than 8 * L entries.
#include "hiding/Bitlayout.h"
#include "picture/Bildflaeche.h"

#include <span>

namespace hiding {

Status einbetten(picture::Bildflaeche& bild, std::span<const std::uint8_t> codes,
                 const key::Positionstabelle& tabelle);

} // namespace hiding
