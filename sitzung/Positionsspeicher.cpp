#include "sitzung/Positionsspeicher.h"

#include "picture/Bildflaeche.h"

#include <algorithm>
#include <limits>

namespace sitzung {

static_assert(picture::kMaxSeite - 1 <= std::numeric_limits<std::uint16_t>::max(),
              "a coordinate must fit a list entry");

std::int64_t Positionsspeicher::anhaengen(const key::Positionstabelle& tabelle) {
    const std::int64_t n = std::min(tabelle.eintraege(), kHoechstens - zeilen_);
    const std::int32_t* xs = tabelle.PosX.data() + 1;
    const std::int32_t* ys = tabelle.PosY.data() + 1;
    for (std::int64_t k = 0; k < n;) {
        const auto versatz = static_cast<std::size_t>(zeilen_) & (kBlock - 1);
        if (versatz == 0) {
            // Default-initialised, not zeroed: only the pages that are written
            // become resident.
            bloecke_.emplace_back(new Eintrag[kBlock]);
        }
        const auto stueck = static_cast<std::int64_t>(
            std::min<std::size_t>(kBlock - versatz, static_cast<std::size_t>(n - k)));
        Eintrag* block = bloecke_.back().get() + versatz;
        for (std::int64_t j = 0; j < stueck; ++j) {
            block[j] = {static_cast<std::uint16_t>(xs[k + j]),
                        static_cast<std::uint16_t>(ys[k + j])};
        }
        k += stueck;
        zeilen_ += stueck;
    }
    return std::max<std::int64_t>(n, 0);
}

std::string Positionsspeicher::zeile(std::int64_t i) const {
    const Eintrag& e = eintrag(i);
    return key::listenzeile(e.x, e.y);
}

} // namespace sitzung
