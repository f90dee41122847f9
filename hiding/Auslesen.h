#pragma once
// Reads a hidden text back: the red low bits at entries 1 .. 8 * L of the
// position table, grouped by 8, most significant first. L comes from the
// caller (the length of the text to hide), not from the picture.
#include "hiding/Bitlayout.h"
#include "picture/Bildflaeche.h"
#include "text/Systemtext.h"

#include <string>

namespace hiding {

// '1' and '0', one per bit in Bitnummer order.
using Bitfolge = std::string;

struct AuslesenErgebnis {
    Status status = Status::Ok;
    text::Codes codes; // L codes; empty when refused
};

// The bits at entries 1 .. n; n must not exceed the table's entries.
Bitfolge bitfolge(const picture::Bildflaeche& bild, const key::Positionstabelle& tabelle,
                  std::int64_t n);

// One code per complete group of 8 bits.
text::Codes zeichenAus(const Bitfolge& bits);

// Refuses, before reading a pixel, when the table has fewer than 8 * L entries.
AuslesenErgebnis auslesen(const picture::Bildflaeche& bild, const key::Positionstabelle& tabelle,
                          std::int64_t zeichen);

} // namespace hiding
