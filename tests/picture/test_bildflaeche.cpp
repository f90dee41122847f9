#include "picture/Bildflaeche.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <stdexcept>
#include <utility>

namespace {
using namespace picture;

// Any colour reduction or channel mix-up in the storage shows here: every one
// of the 2^24 colour values is set and read back.
TEST(Bildflaeche, EveryColourValueReadsBackExactly) {
    Bildflaeche bild(4096, 4096);
    for (Farbwert c = 0; c <= kWeiss; ++c) {
        bild.setzen(c % 4096, c / 4096, c);
    }
    Farbwert erster_fehler = -1;
    for (Farbwert c = 0; c <= kWeiss && erster_fehler < 0; ++c) {
        if (bild.lesen(c % 4096, c / 4096) != c) {
            erster_fehler = c;
        }
    }
    EXPECT_EQ(erster_fehler, -1);
}

TEST(Bildflaeche, OutsideReadsBlackAndSetsNothing) {
    Bildflaeche bild(3, 2);
    bild.setzen(1, 1, kWeiss);
    const Bildflaeche vorher = bild;
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {3, 0}, {0, 2}, {100000, 100000}}) {
        bild.setzen(x, y, kRot);
        EXPECT_EQ(bild.lesen(x, y), kSchwarz);
    }
    EXPECT_EQ(bild, vorher);
}

std::set<std::pair<int, int>> gesetztePunkte(const Bildflaeche& bild) {
    std::set<std::pair<int, int>> punkte;
    for (int y = 0; y < bild.hoehe(); ++y) {
        for (int x = 0; x < bild.breite(); ++x) {
            if (bild.lesen(x, y) != kSchwarz) {
                punkte.insert({x, y});
            }
        }
    }
    return punkte;
}

TEST(Bildflaeche, CircleOfRadius2IsTheTwelvePixelOutline) {
    Bildflaeche bild(9, 9);
    bild.kreis(4, 4, 2, kGruen);
    const std::set<std::pair<int, int>> erwartet = {{6, 4}, {2, 4}, {4, 6}, {4, 2}, {6, 5}, {6, 3},
                                                    {2, 5}, {2, 3}, {5, 6}, {3, 6}, {5, 2}, {3, 2}};
    EXPECT_EQ(gesetztePunkte(bild), erwartet);
    EXPECT_EQ(bild.lesen(4, 4), kSchwarz) << "the centre is not drawn";
    EXPECT_EQ(bild.lesen(6, 4), kGruen);
}

// A circle near the edge must be cut off there, and never wrap into the
// neighbouring row or write outside the pixels.
TEST(Bildflaeche, CircleIsClippedAtEveryEdge) {
    for (auto [x, y] : {std::pair{0, 0}, {4, 0}, {0, 2}, {4, 2}, {1, 1}}) {
        Bildflaeche bild(5, 3);
        bild.kreis(x, y, 2, kRot);
        Bildflaeche gross(9, 7);
        gross.kreis(x + 2, y + 2, 2, kRot);
        std::set<std::pair<int, int>> innen;
        for (auto [gx, gy] : gesetztePunkte(gross)) {
            if (gx - 2 >= 0 && gx - 2 < 5 && gy - 2 >= 0 && gy - 2 < 3) {
                innen.insert({gx - 2, gy - 2});
            }
        }
        EXPECT_EQ(gesetztePunkte(bild), innen) << "centre " << x << "," << y;
    }
}

TEST(Bildflaeche, CopyIsIndependent) {
    Bildflaeche original(2, 2);
    original.setzen(0, 0, 0x123456);
    Bildflaeche kopie = original;
    kopie.setzen(0, 0, kGelb);
    EXPECT_EQ(original.lesen(0, 0), 0x123456);
    kopie = original;
    EXPECT_EQ(kopie, original);
}

// The window shows rgbx() as bytes R, G, B, 255 without conversion; storing
// native words would swap the colours on a big-endian machine.
TEST(Bildflaeche, RgbxBytesAreRedGreenBlue255InRowOrder) {
    struct Fall {
        int x, y;
        Farbwert c;
        std::array<std::uint8_t, 4> bytes;
    };
    Bildflaeche bild(3, 2);
    const Fall faelle[] = {{0, 0, 0x123456, {0x56, 0x34, 0x12, 0xFF}},
                           {1, 0, kRot, {0xFF, 0x00, 0x00, 0xFF}},
                           {2, 0, 0xFEDCBA, {0xBA, 0xDC, 0xFE, 0xFF}},
                           {0, 1, kWeiss, {0xFF, 0xFF, 0xFF, 0xFF}},
                           {2, 1, kSchwarz, {0x00, 0x00, 0x00, 0xFF}}};
    for (const Fall& f : faelle) {
        bild.setzen(f.x, f.y, f.c);
    }
    for (const Fall& f : faelle) {
        const std::uint8_t* p = bild.rgbx() + 4 * (f.y * 3 + f.x);
        EXPECT_EQ((std::array{p[0], p[1], p[2], p[3]}), f.bytes) << f.x << "," << f.y;
    }
    EXPECT_EQ(bild.rgbx()[4 * 4 + 3], 0xFF) << "an unset pixel is opaque black";
}

// A side above the limit would make the pixel count overflow std::size_t on a
// 32-bit machine and the surface far smaller than its sides; it is refused
// before anything is allocated.
TEST(Bildflaeche, OversizedSidesAreRefused) {
    for (auto [b, h] : {std::pair{65536, 65537}, {kMaxSeite + 1, 1}, {1, kMaxSeite + 1}}) {
        EXPECT_THROW(Bildflaeche(b, h), std::length_error) << b << " x " << h;
    }
    EXPECT_EQ(Bildflaeche(kMaxSeite, 1).breite(), kMaxSeite);
}

} // namespace
