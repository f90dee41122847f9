#include "picture/Bildflaeche.h"

#include <gtest/gtest.h>

#include <set>
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

} // namespace
