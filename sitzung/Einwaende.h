#pragma once
// The limits of what a text box or the key box takes, and the German
// messages that refuse more. They keep the front end's text layout quick on
// every keystroke; the text to hide fits 8,120 characters and a key is a word.
#include "sitzung/Oberflaeche.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sitzung {

inline constexpr std::int64_t kHoechstZeichen = 32768;    // UTF-16 units in one box
inline constexpr std::int64_t kHoechstKombinierend = 32;  // units in one character

// The message for a text box that would hold `laenge` units, or one
// character of `teile` units; in UTF-8.
std::string textZuLang(std::int64_t laenge);
std::string zeichenZuLang(std::int64_t teile);
// The same for the key box.
std::string schluesselZuLang(std::int64_t laenge);


// The UTF-16 units of the longest character of `text`: a letter with every
// combining mark, joiner and variation selector that follows it.
std::int64_t laengstesZeichen(std::u16string_view text);

// Why `ergebnis` may not stand in a box (Text2, Text3 or Schluessel), as the
// German message; empty when it may. A key has no limit per character.
std::string einwand(Ort feld, std::u16string_view ergebnis);
// The same for a box that would be `laenge` units long, told before the text
// is built (a paste of megabytes).
std::string laengenEinwand(Ort feld, std::int64_t laenge);

} // namespace sitzung
