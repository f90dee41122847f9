#include "sitzung/Positionsspeicher.h"

#include "picture/Bildflaeche.h"

#include <algorithm>
#include <limits>

namespace sitzung {

static_assert(picture::kMaxSeite - 1 <= std::numeric_limits<std::uint16_t>::max(),
              "a coordinate must fit a list entry");

std::int64_t Positionsspeicher::anhaengen(const key::Positionstabelle& tabelle) {
    const std::int64_t n =
        std::max<std::int64_t>(std::min(tabelle.eintraege(), kHoechstens - zeilen_), 0);
    // Every block is allocated before a line is written: if memory runs out,
    // std::bad_alloc leaves the list as it was.
    const auto ende = static_cast<std::size_t>(zeilen_ + n);
    const std::size_t bloecke = (ende + kBlock - 1) >> kBlockBits;
    bloecke_.reserve(bloecke);
    while (bloecke_.size() < bloecke) {
        // Default-initialised, not zeroed: only the pages that are written
        // become resident.
        bloecke_.emplace_back(new Eintrag[kBlock]);
    }
    const std::int32_t* xs = tabelle.PosX.data() + 1;
    const std::int32_t* ys = tabelle.PosY.data() + 1;
    for (std::int64_t k = 0; k < n; ++k, ++zeilen_) {
        const auto i = static_cast<std::size_t>(zeilen_);
        bloecke_[i >> kBlockBits][i & (kBlock - 1)] = {static_cast<std::uint16_t>(xs[k]),
                                                       static_cast<std::uint16_t>(ys[k])};
    }
    return n;
}

std::string Positionsspeicher::zeile(std::int64_t i) const {
    const Eintrag& e = eintrag(i);
    return key::listenzeile(e.x, e.y);
}

} // namespace sitzung
