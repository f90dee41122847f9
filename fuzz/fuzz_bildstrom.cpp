// libFuzzer target for the picture-stream decoder, the program's only parser.
// Any input must give either a picture whose size matches its header or an
// error with a description; never a crash, a leak or an out-of-bounds read.
#include "picture/Bildstrom.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const picture::DecodeResult r = picture::decode({daten, groesse});
    if (r.error != picture::DecodeError::None) {
        if (r.bild.breite() != 0 || r.bild.hoehe() != 0 ||
            std::strlen(picture::describe(r.error)) == 0) {
            std::abort();
        }
        return 0;
    }
    if (r.bild.breite() < 1 || r.bild.hoehe() < 1 || r.bild.breite() > picture::kMaxSeite ||
        r.bild.hoehe() > picture::kMaxSeite) {
        std::abort();
    }
    // Read every pixel, so that a bad surface would show up under the sanitizers.
    std::uint32_t summe = 0;
    for (int y = 0; y < r.bild.hoehe(); ++y) {
        for (int x = 0; x < r.bild.breite(); ++x) {
            summe += static_cast<std::uint32_t>(r.bild.lesen(x, y));
        }
    }
    volatile std::uint32_t senke = summe;
    (void)senke;
    return 0;
}
