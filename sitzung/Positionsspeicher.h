#pragma once
// The lines of the position list: one entry per position of every
// determination so far, never cleared. Entries are kept as plain coordinates,
// 4 bytes a line, and become the text "ddd   ddd" only when a line is read, so
// a list of millions of lines costs what its read lines cost.
#include "key/Positionstabelle.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace sitzung {

class Positionsspeicher {
  public:
    // The most lines the list holds: what a view can count with an int.
    static constexpr std::int64_t kHoechstens = 2147483647;

    // Appends entries 1..n of the table in order, as far as kHoechstens
    // allows. Coordinates are pixels of a surface, 0 .. kMaxSeite - 1. Returns
    // how many lines were appended.
    std::int64_t anhaengen(const key::Positionstabelle& tabelle);

    std::int64_t zeilen() const { return zeilen_; }
    // The line of row i, 0 <= i < zeilen(): column and row of the position.
    std::int32_t spalte(std::int64_t i) const { return eintrag(i).x; }
    std::int32_t reihe(std::int64_t i) const { return eintrag(i).y; }
    std::string zeile(std::int64_t i) const;

  private:
    struct Eintrag {
        std::uint16_t x;
        std::uint16_t y;
    };
    // Fixed-size blocks of 512 KiB: appending never moves what is already
    // stored, and at most one block is partly empty.
    static constexpr int kBlockBits = 17;
    static constexpr std::size_t kBlock = std::size_t{1} << kBlockBits;

    const Eintrag& eintrag(std::int64_t i) const {
        const auto k = static_cast<std::size_t>(i);
        return bloecke_[k >> kBlockBits][k & (kBlock - 1)];
    }

    std::vector<std::unique_ptr<Eintrag[]>> bloecke_;
    std::int64_t zeilen_ = 0;
};

} // namespace sitzung
