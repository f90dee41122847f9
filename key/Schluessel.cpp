#include "key/Schluessel.h"

namespace key {

Schluesselwert schluesselwert(std::span<const std::uint8_t> codes) {
    Schluesselwert wert;
    for (std::uint8_t c : codes) {
        wert = wert.value_or(0) + c;
    }
    return wert;
}

} // namespace key
