#pragma once
// The key value: the sum of the character codes of the key, or no value for
// an empty key. Each code adds at most 255, so 64 bits cannot overflow.
#include <cstdint>
#include <optional>
#include <span>

namespace key {

using Schluesselwert = std::optional<std::int64_t>;

Schluesselwert schluesselwert(std::span<const std::uint8_t> codes);

} // namespace key
