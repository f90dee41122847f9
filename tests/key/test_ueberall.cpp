// The same key must give the same positions, and the built-in picture the same
// pixels, on every machine: big- and little-endian, 32 and 64 bits, x87 and SSE
// floating point, libstdc++ and libc++. Each test hashes a whole result with
// FNV-1a over bytes in a fixed order and prints the hash, so that builds for
// different targets can be compared line by line.
#include "key/Positionstabelle.h"
#include "picture/Bildstrom.h"
#include "picture/Originalbild.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>

namespace {

class Fnv1a {
  public:
    void byte(std::uint8_t b) {
        wert_ ^= b;
        wert_ *= 0x100000001B3ULL;
    }
    // Little-endian, whatever the machine's own order.
    void wort(std::uint32_t w) {
        for (int i = 0; i < 4; ++i) {
            byte(static_cast<std::uint8_t>(w >> (8 * i)));
        }
    }
    std::uint64_t wert() const { return wert_; }

  private:
    std::uint64_t wert_ = 0xCBF29CE484222325ULL;
};

void zeigen(const char* was, std::uint64_t hash) {
    std::printf("Hash %s: %016" PRIx64 "\n", was, hash);
}

TEST(Ueberall, FullTableForKey709) {
    key::Zufallsgenerator z;
    const key::ErmittlungsErgebnis e = key::ermitteln(z, 709, 64960, 290, 224);
    ASSERT_EQ(e.status, key::Ermittlung::Ok);
    Fnv1a h;
    for (std::size_t k = 1; k < e.tabelle.PosX.size(); ++k) {
        h.wort(static_cast<std::uint32_t>(e.tabelle.PosX[k]));
        h.wort(static_cast<std::uint32_t>(e.tabelle.PosY[k]));
    }
    zeigen("Positionstabelle 709 290x224 n=64960", h.wert());
    EXPECT_EQ(h.wert(), 0x172d5026b93a5189ULL);
}

TEST(Ueberall, DecodedOriginalbild) {
    const picture::DecodeResult r = picture::decode(picture::originalbildStrom());
    ASSERT_EQ(r.error, picture::DecodeError::None);
    Fnv1a h;
    for (int y = 0; y < r.bild.hoehe(); ++y) {
        for (int x = 0; x < r.bild.breite(); ++x) {
            h.wort(static_cast<std::uint32_t>(r.bild.lesen(x, y)));
        }
    }
    zeigen("Originalbild decodiert", h.wert());
    EXPECT_EQ(h.wert(), 0x6e0a3f647ec2dfe4ULL);
}

} // namespace
