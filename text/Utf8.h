#pragma once
// UTF-8, the encoding in which front ends hand texts over and take them back.
#include <string>
#include <string_view>

namespace text {

// Characters above U+10FFFF and surrogates become U+FFFD.
std::string utf8(std::u32string_view zeichen);

// Every malformed or truncated sequence, overlong form and surrogate becomes
// one U+FFFD; nothing is read past the end.
std::u32string ausUtf8(std::string_view bytes);

} // namespace text
