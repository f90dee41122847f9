#pragma once
// The text of the system: a sequence of codes 0..255, where a line break is
// the two codes 13 10. Converts a text box's contents to it, and it back to
// something a text box can show.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace text {

using Codes = std::vector<std::uint8_t>;

// Each line break ("\r\n", "\r", "\n", U+2028 or U+2029) becomes 13 10; every
// other character becomes its code, '?' where the code page lacks it.
Codes codes(std::u32string_view zeichen);

inline constexpr char32_t kPlatzhalter = 0xFFFD;

// For showing recovered codes: 13 10 and a lone 13 or 10 become '\n'; code 0,
// the other control codes except tab, and the five undefined codes become
// kPlatzhalter, so that no recovered character vanishes; every other code
// becomes its character.
std::u32string anzeige(std::span<const std::uint8_t> codes);

} // namespace text
