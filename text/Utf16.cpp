#include "text/Utf16.h"

namespace text {

std::u32string ausUtf16(std::u16string_view einheiten) {
    std::u32string ergebnis;
    ergebnis.reserve(einheiten.size());
    for (std::size_t i = 0; i < einheiten.size(); ++i) {
        const char32_t e = einheiten[i];
        const bool hoch = e >= 0xD800 && e <= 0xDBFF;
        const bool tief = e >= 0xDC00 && e <= 0xDFFF;
        if (hoch && i + 1 < einheiten.size() && einheiten[i + 1] >= 0xDC00 &&
            einheiten[i + 1] <= 0xDFFF) {
            ergebnis += 0x10000 + ((e - 0xD800) << 10) + (einheiten[i + 1] - 0xDC00);
            ++i;
        } else {
            ergebnis += hoch || tief ? char32_t{0xFFFD} : e;
        }
    }
    return ergebnis;
}

} // namespace text
