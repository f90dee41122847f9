#pragma once
// The system's single-byte code page, Windows-1252, as our own table.
#include <cstdint>

namespace text {

inline constexpr std::uint8_t kFragezeichen = 63; // '?'

// The code of a character; a character the code page lacks becomes '?'.
// The five codes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) are reached from U+0081 etc., so every code 0..255 has a character.
std::uint8_t code(char32_t zeichen);

// The character for a code, the inverse of code(): code(zeichen(c)) == c.
char32_t zeichen(std::uint8_t code);

// True for the five codes without a character of their own.
bool undefiniert(std::uint8_t code);

} // namespace text
