#include "text/Codepage.h"

#include <array>

namespace text {
namespace {

// 0x80..0x9F; the undefined places hold their C1 control character.
constexpr std::array<char32_t, 32> kObereSteuerzone = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t zeichen(std::uint8_t code) {
    if (code >= 0x80 && code <= 0x9F) {
        return kObereSteuerzone[code - 0x80];
    }
    return code; // elsewhere Windows-1252 agrees with Latin-1
}

std::uint8_t code(char32_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return static_cast<std::uint8_t>(zeichen);
    }
    for (std::size_t i = 0; i < kObereSteuerzone.size(); ++i) {
        if (kObereSteuerzone[i] == zeichen) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return kFragezeichen;
}

bool undefiniert(std::uint8_t code) {
    return code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 || code == 0x9D;
}

} // namespace text
