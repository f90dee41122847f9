#pragma once
// The table of pixel positions: entry k (from 1) carries bit k of the message.
// PosX and PosY are parallel, with index 0 unused; all entries are distinct
// pixels inside the picture.
#include "key/Schluessel.h"
#include "key/Zufallsgenerator.h"

#include <cstdint>
#include <string>
#include <vector>

namespace key {

struct Positionstabelle {
    std::vector<std::int32_t> PosX;
    std::vector<std::int32_t> PosY;

    // Number of entries, 0 for a table that was never determined.
    std::int64_t eintraege() const {
        return PosX.empty() ? 0 : static_cast<std::int64_t>(PosX.size()) - 1;
    }
};

enum class Ermittlung { Ok, ZuVielePositionen };

struct ErmittlungsErgebnis {
    Ermittlung status = Ermittlung::Ok;
    Positionstabelle tabelle; // the n new entries; empty when n == 0 or refused
};

// Seeds the generator with the key value (0 when it has none) and draws n
// pairwise distinct positions: for each entry a column, then a row, drawn
// again as a pair while the pixel is already taken. Refuses, before seeding,
// when n exceeds breite * hoehe, since no n distinct pixels exist, and when a
// side exceeds picture::kMaxSeite, since no surface has such pixels.
ErmittlungsErgebnis ermitteln(Zufallsgenerator& generator, Schluesselwert wert, std::int64_t n,
                              int breite, int hoehe);

// "007   123": each coordinate with at least three digits, 0 as "000".
std::string listenzeile(std::int32_t x, std::int32_t y);

} // namespace key
