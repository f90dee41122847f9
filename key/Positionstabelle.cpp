#include "key/Positionstabelle.h"

#include "picture/Bildflaeche.h"

#include <cstdio>

namespace key {

ErmittlungsErgebnis ermitteln(Zufallsgenerator& generator, Schluesselwert wert, std::int64_t n,
                              int breite, int hoehe) {
    // A picture larger than any surface has no usable position; refusing it
    // also keeps every size and pixel index below within std::size_t and int.
    const bool flaeche =
        breite > 0 && hoehe > 0 && breite <= picture::kMaxSeite && hoehe <= picture::kMaxSeite;
    const std::int64_t kapazitaet = flaeche ? static_cast<std::int64_t>(breite) * hoehe : 0;
    if (n > kapazitaet) {
        return {Ermittlung::ZuVielePositionen, {}};
    }
    generator.Startpunkt_festlegen(wert.value_or(0));
    ErmittlungsErgebnis ergebnis;
    if (n <= 0) {
        return ergebnis;
    }
    auto& t = ergebnis.tabelle;
    t.PosX.assign(static_cast<std::size_t>(n) + 1, 0);
    t.PosY.assign(static_cast<std::size_t>(n) + 1, 0);
    // Rejects exactly the candidates that a scan of all earlier entries would
    // reject, so the same draws are consumed and the table is the same.
    // One bit per pixel: the whole map of a picture stays in the first-level cache.
    std::vector<std::uint64_t> belegt((static_cast<std::size_t>(kapazitaet) + 63) / 64, 0);
    for (std::int64_t i = 1; i <= n; ++i) {
        int x = 0;
        int y = 0;
        std::size_t pixel = 0;
        do {
            x = generator.Zufallsganzzahl(breite);
            y = generator.Zufallsganzzahl(hoehe);
            pixel = static_cast<std::size_t>(y) * static_cast<std::size_t>(breite) +
                    static_cast<std::size_t>(x);
        } while ((belegt[pixel / 64] >> (pixel % 64)) & 1);
        belegt[pixel / 64] |= std::uint64_t{1} << (pixel % 64);
        t.PosX[static_cast<std::size_t>(i)] = x;
        t.PosY[static_cast<std::size_t>(i)] = y;
    }
    return ergebnis;
}

std::string listenzeile(std::int32_t x, std::int32_t y) {
    char puffer[32];
    const int laenge = std::snprintf(puffer, sizeof puffer, "%03d   %03d", x, y);
    return std::string(puffer, static_cast<std::size_t>(laenge));
}

} // namespace key
