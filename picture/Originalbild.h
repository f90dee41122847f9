#pragma once
// The built-in Originalbild as its picture stream (header plus bitmap file),
// 290 x 224 pixels, compiled into the program.
#include <cstdint>
#include <span>

namespace picture {

std::span<const std::uint8_t> originalbildStrom();

} // namespace picture
