#pragma once
// The limits of what a text box or the key box takes, and the German
// messages that refuse more. They keep the front end's text layout quick on
// every keystroke; the text to hide fits 8,120 characters and a key is a word.
#include <cstdint>
#include <string>

namespace sitzung {

inline constexpr std::int64_t kHoechstZeichen = 32768;    // UTF-16 units in one box
inline constexpr std::int64_t kHoechstKombinierend = 32;  // units in one character

// The message for a text box that would hold `laenge` units, or one
// character of `teile` units; in UTF-8.
std::string textZuLang(std::int64_t laenge);
std::string zeichenZuLang(std::int64_t teile);
// The same for the key box.
std::string schluesselZuLang(std::int64_t laenge);

} // namespace sitzung
