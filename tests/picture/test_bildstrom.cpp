#include "picture/Abmessungen.h"
#include "picture/Bildstrom.h"
#include "picture/Originalbild.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(a, n) ((void)(a), (void)(n))
#define ASAN_UNPOISON_MEMORY_REGION(a, n) ((void)(a), (void)(n))
#endif

namespace {
using namespace picture;

std::vector<std::uint8_t> eingebaut() {
    const auto s = originalbildStrom();
    return {s.begin(), s.end()};
}

constexpr std::size_t kPixeldaten = 62; // from the start of the stream

Farbwert ausBytes(const std::vector<std::uint8_t>& s, std::size_t pos) {
    return s[pos + 2] + 256 * s[pos + 1] + 65536 * s[pos];
}

TEST(Bildstrom, BuiltInPictureDecodesAt290x224) {
    const auto strom = eingebaut();
    ASSERT_EQ(strom.size(), 195390u);
    const DecodeResult r = decode(strom);
    ASSERT_EQ(r.error, DecodeError::None) << describe(r.error);
    EXPECT_EQ(r.bild.breite(), 290);
    EXPECT_EQ(r.bild.hoehe(), 224);
    const Abmessungen a = abmessungenVon(r.bild);
    EXPECT_EQ(a.Bildbreite, 290.0f);
    EXPECT_EQ(a.Bildhoehe, 224.0f);
    EXPECT_EQ(a.Bildpunktzahl, 64960.0f);
}

// Rows are stored bottom-up with 2 padding bytes each; a decoder that reads
// top-down, ignores the padding or swaps blue and red fails here.
TEST(Bildstrom, PixelsComeFromTheirStoredBytes) {
    const auto strom = eingebaut();
    const DecodeResult r = decode(strom);
    ASSERT_EQ(r.error, DecodeError::None);
    EXPECT_EQ(r.bild.lesen(0, 223), ausBytes(strom, kPixeldaten + 0));
    EXPECT_EQ(r.bild.lesen(289, 0), ausBytes(strom, kPixeldaten + 195323));
    for (int y = 0; y < 224; ++y) {
        for (int x = 0; x < 290; ++x) {
            const std::size_t pos = kPixeldaten + static_cast<std::size_t>(223 - y) * 872 + 3u * x;
            ASSERT_EQ(r.bild.lesen(x, y), ausBytes(strom, pos)) << x << "," << y;
        }
    }
}

// Under AddressSanitizer each byte past the cut is out of bounds, as past a
// buffer of exactly that length, without copying the stream for every cut.
TEST(Bildstrom, EveryTruncationIsAnError) {
    auto strom = eingebaut();
    for (std::size_t laenge = strom.size(); laenge-- > 0;) {
        ASAN_POISON_MEMORY_REGION(strom.data() + laenge, strom.size() - laenge);
        ASSERT_NE(decode(std::span(strom.data(), laenge)).error, DecodeError::None) << laenge;
    }
    ASAN_UNPOISON_MEMORY_REGION(strom.data(), strom.size());
}

struct Schaden {
    const char* name;
    std::size_t pos; // from the start of the stream
    std::vector<std::uint8_t> bytes;
    DecodeError erwartet;
};

void schreibe32(std::vector<std::uint8_t>& s, std::size_t pos, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        s[pos + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}
std::vector<std::uint8_t> le32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
            static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
}

class BildstromSchaden : public ::testing::TestWithParam<Schaden> {};

// Each damaged field is caught by its own check, not by a later one by luck.
TEST_P(BildstromSchaden, NamesTheDamagedField) {
    const Schaden& s = GetParam();
    auto strom = eingebaut();
    std::memcpy(strom.data() + s.pos, s.bytes.data(), s.bytes.size());
    const DecodeResult r = decode(strom);
    EXPECT_EQ(r.error, s.erwartet) << describe(r.error);
    EXPECT_EQ(r.bild.breite(), 0);
    EXPECT_STRNE(describe(r.error), describe(DecodeError::None));
}

INSTANTIATE_TEST_SUITE_P(
    Felder, BildstromSchaden,
    ::testing::Values(Schaden{"magic", 0, {0x6D}, DecodeError::BadMagic},
                      Schaden{"magic3", 3, {0x01}, DecodeError::BadMagic},
                      Schaden{"streamlength", 4, le32(195383), DecodeError::StreamLength},
                      Schaden{"signature", 8, {'B', 'N'}, DecodeError::BadSignature},
                      Schaden{"filesize", 10, le32(195381), DecodeError::FileSize},
                      Schaden{"offsetlow", 18, le32(53), DecodeError::DataOffset},
                      Schaden{"offsethigh", 18, le32(195383), DecodeError::DataOffset},
                      Schaden{"infosize", 22, le32(12), DecodeError::InfoHeaderSize},
                      Schaden{"width0", 26, le32(0), DecodeError::Width},
                      Schaden{"widthneg", 26, le32(0xFFFFFF00u), DecodeError::Width},
                      Schaden{"widthhuge", 26, le32(0x7FFFFFFFu), DecodeError::Width},
                      Schaden{"height0", 30, le32(0), DecodeError::Height},
                      Schaden{"topdown", 30, le32(static_cast<std::uint32_t>(-224)),
                              DecodeError::Height},
                      Schaden{"planes", 34, {2, 0}, DecodeError::Planes},
                      Schaden{"bpp", 36, {32, 0}, DecodeError::BitsPerPixel},
                      Schaden{"compression", 38, le32(1), DecodeError::Compression},
                      Schaden{"imagesize", 42, le32(195327), DecodeError::ImageSize},
                      Schaden{"width291", 26, le32(291), DecodeError::ImageSize},
                      Schaden{"offsetlate", 18, le32(56), DecodeError::PixelDataTruncated}),
    [](const auto& info) { return std::string(info.param.name); });

// A size field consistent with a picture larger than the bytes present must
// be refused before anything is allocated or read.
TEST(Bildstrom, ConsistentButLargerPictureIsRefused) {
    auto strom = eingebaut();
    schreibe32(strom, 26, 16384);
    schreibe32(strom, 30, 16384);
    schreibe32(strom, 42, 16384u * 3 * 16384);
    EXPECT_EQ(decode(strom).error, DecodeError::PixelDataTruncated);
}

} // namespace
