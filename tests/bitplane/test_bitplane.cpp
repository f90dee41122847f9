#include "bitplane/LetztesBit.h"
#include "bitplane/Markierung.h"
#include "hiding/Auslesen.h"
#include "hiding/Einbetten.h"
#include "picture/Bildstrom.h"
#include "picture/Originalbild.h"

#include <gtest/gtest.h>

namespace {
using namespace bitplane;
using picture::Bildflaeche;
using picture::Farbwert;

Bildflaeche originalbild() {
    return picture::decode(picture::originalbildStrom()).bild;
}

key::Positionstabelle tabelle(std::int64_t n) {
    key::Zufallsgenerator z;
    return key::ermitteln(z, 709, n, 290, 224).tabelle;
}

key::Positionstabelle aus(std::initializer_list<std::pair<int, int>> punkte) {
    key::Positionstabelle t{{0}, {0}};
    for (auto [x, y] : punkte) {
        t.PosX.push_back(x);
        t.PosY.push_back(y);
    }
    return t;
}

template <typename F> void jederPunkt(const Bildflaeche& b, F f) {
    for (int y = 0; y < b.hoehe(); ++y) {
        for (int x = 0; x < b.breite(); ++x) {
            f(x, y, b.lesen(x, y));
        }
    }
}

TEST(LetztesBitAnzeigen, OddRedIsWhiteEvenRedIsBlackAndTheLowBitsStay) {
    Bildflaeche bild(4, 1);
    bild.setzen(0, 0, picture::farbwert(1, 0, 0));
    bild.setzen(1, 0, picture::farbwert(254, 255, 255));
    bild.setzen(2, 0, picture::farbwert(255, 17, 3));
    bild.setzen(3, 0, picture::farbwert(0, 200, 100));
    letztesBitAnzeigen(bild);
    EXPECT_EQ(bild.lesen(0, 0), picture::kWeiss);
    EXPECT_EQ(bild.lesen(1, 0), picture::kSchwarz);
    EXPECT_EQ(bild.lesen(2, 0), picture::kWeiss);
    EXPECT_EQ(bild.lesen(3, 0), picture::kSchwarz);

    const Bildflaeche vorher = originalbild();
    Bildflaeche ansicht = vorher;
    letztesBitAnzeigen(ansicht);
    jederPunkt(ansicht, [&](int x, int y, Farbwert c) {
        ASSERT_EQ(picture::rot(c) & 1, picture::rot(vorher.lesen(x, y)) & 1);
    });
    Bildflaeche zweimal = ansicht;
    letztesBitAnzeigen(zweimal);
    EXPECT_EQ(zweimal, ansicht) << "the view is idempotent";
}

TEST(LetztesBitAnzeigen, HiddenTextStillReadsBack) {
    Bildflaeche bild = originalbild();
    const text::Codes codes = {'G', 'e', 'h', 'e', 'i', 'm', 252};
    const auto t = tabelle(8 * 7);
    ASSERT_EQ(hiding::einbetten(bild, codes, t), hiding::Status::Ok);
    letztesBitAnzeigen(bild);
    EXPECT_EQ(hiding::auslesen(bild, t, 7).codes, codes);
}

struct RegelFall {
    Regel regel;
    int rot, erwartet;
};

TEST(LetztesBitSetzen, RulesOnRed) {
    key::Zufallsgenerator z;
    for (RegelFall f : {RegelFall{Regel::Null, 0, 0},
                        {Regel::Null, 1, 0},
                        {Regel::Null, 255, 254},
                        {Regel::Eins, 0, 1},
                        {Regel::Eins, 254, 255},
                        {Regel::Eins, 255, 255}}) {
        Bildflaeche original(1, 1);
        original.setzen(0, 0, picture::farbwert(f.rot, 12, 34));
        const Bildflaeche neu = letztesBitSetzen(original, f.regel, z);
        EXPECT_EQ(neu.lesen(0, 0), picture::farbwert(f.erwartet, 12, 34)) << f.rot;
    }
}

// The random rule adds the draw; it does not replace the low bit. Checked
// against a plain loop over the same seeded sequence: draw x * H + y belongs
// to pixel (x, y), and red 255 + 1 composes as 255.
TEST(LetztesBitSetzen, RandomRuleAddsOneDrawPerPixelInColumnOrder) {
    Bildflaeche original(7, 5);
    const int rote[] = {0, 1, 3, 127, 254, 255};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            original.setzen(x, y, picture::farbwert(rote[(x + 2 * y) % 6], x * 30, y * 50));
        }
    }
    key::Zufallsgenerator z;
    z.Startpunkt_festlegen(4711);
    const Bildflaeche neu = letztesBitSetzen(original, Regel::Zufall, z);
    key::Zufallsgenerator r;
    r.Startpunkt_festlegen(4711);
    for (int x = 0; x < 7; ++x) {
        for (int y = 0; y < 5; ++y) {
            const Farbwert c = original.lesen(x, y);
            const int rot = picture::rot(c) + static_cast<int>(2 * r.Zufallszahl());
            const int erwartet = rot > 255 ? 255 : rot;
            EXPECT_EQ(neu.lesen(x, y),
                      picture::farbwert(erwartet, picture::gruen(c), picture::blau(c)))
                << x << "," << y;
        }
    }
    EXPECT_EQ(z.Zufallszahl(), r.Zufallszahl()) << "exactly W * H draws";
}

TEST(LetztesBitSetzen, RebuildsFromTheOriginalWithGreenAndBlueUnchanged) {
    const Bildflaeche original = originalbild();
    key::Zufallsgenerator z;
    for (Regel regel : {Regel::Null, Regel::Eins, Regel::Zufall}) {
        const Bildflaeche neu = letztesBitSetzen(original, regel, z);
        ASSERT_EQ(neu.breite(), 290);
        ASSERT_EQ(neu.hoehe(), 224);
        jederPunkt(neu, [&](int x, int y, Farbwert c) {
            const Farbwert o = original.lesen(x, y);
            ASSERT_EQ(picture::gruen(c), picture::gruen(o));
            ASSERT_EQ(picture::blau(c), picture::blau(o));
            if (regel == Regel::Null) {
                ASSERT_EQ(picture::rot(c) & 1, 0);
            } else if (regel == Regel::Eins) {
                ASSERT_EQ(picture::rot(c) & 1, 1);
            }
        });
    }
    Bildflaeche leer;
    EXPECT_EQ(letztesBitSetzen(leer, Regel::Zufall, z), leer);
}

TEST(LetztesBitSetzen, RecoveryAfterForcingGivesCodes0And255) {
    const auto t = tabelle(8 * 4);
    key::Zufallsgenerator z;
    for (auto [regel, code] : {std::pair{Regel::Null, 0}, {Regel::Eins, 255}}) {
        const Bildflaeche bild = letztesBitSetzen(originalbild(), regel, z);
        EXPECT_EQ(hiding::auslesen(bild, t, 4).codes,
                  text::Codes(4, static_cast<std::uint8_t>(code)));
    }
}

TEST(Markieren, EmptyTextDrawsNothingAndMissingEntriesAreRefused) {
    Bildflaeche bild = originalbild();
    const Bildflaeche vorher = bild;
    EXPECT_EQ(markieren(bild, key::Positionstabelle{}, 0, Markierung::Kreise), hiding::Status::Ok);
    EXPECT_EQ(markieren(bild, tabelle(16), 24, Markierung::Punkte),
              hiding::Status::ZuWenigePositionen);
    EXPECT_EQ(markieren(bild, key::Positionstabelle{}, 8, Markierung::Kreise),
              hiding::Status::ZuWenigePositionen);
    EXPECT_EQ(bild, vorher);
}

// Three characters mark exactly entries 1-24: red where the hidden bit is 1,
// yellow where it is 0; nothing else changes.
TEST(Markieren, PointsShowTheHiddenBits) {
    Bildflaeche bild = originalbild();
    const auto t = tabelle(8 * 5);
    const text::Codes codes = {'A', 'b', 0xFF, 0, 'z'};
    ASSERT_EQ(hiding::einbetten(bild, codes, t), hiding::Status::Ok);
    const Bildflaeche versteckt = bild;
    ASSERT_EQ(markieren(bild, t, 24, Markierung::Punkte), hiding::Status::Ok);
    int geaendert = 0;
    jederPunkt(bild, [&](int x, int y, Farbwert c) { geaendert += c != versteckt.lesen(x, y); });
    for (std::size_t k = 1; k <= 24; ++k) {
        const int bit = (codes[(k - 1) / 8] >> (7 - (k - 1) % 8)) & 1;
        EXPECT_EQ(bild.lesen(t.PosX[k], t.PosY[k]), bit ? picture::kRot : picture::kGelb) << k;
    }
    EXPECT_LE(geaendert, 24);
    EXPECT_EQ(bild.lesen(t.PosX[25], t.PosY[25]), versteckt.lesen(t.PosX[25], t.PosY[25]));

    // Both colours have red 255: afterwards every bit reads 1.
    EXPECT_EQ(hiding::auslesen(bild, t, 3).codes, text::Codes(3, 255));
    Bildflaeche kreise = bild;
    ASSERT_EQ(markieren(kreise, t, 24, Markierung::Kreise), hiding::Status::Ok);
    jederPunkt(kreise, [&](int x, int y, Farbwert c) {
        if (c != bild.lesen(x, y)) {
            ASSERT_EQ(c, picture::kRot) << "only red circles after the points";
        }
    });
}

// A position that lies on the circle of an earlier one reads that circle's
// colour: here entry 2 sits 2 pixels right of entry 1, on its green circle.
TEST(Markieren, LaterPositionReadsTheColourOfAnEarlierCircle) {
    Bildflaeche bild(20, 20);
    bild.setzen(12, 10, picture::farbwert(1, 0, 0)); // bit 1 on its own
    const auto t = aus({{10, 10}, {12, 10}, {0, 0}});
    ASSERT_EQ(markieren(bild, t, 3, Markierung::Kreise), hiding::Status::Ok);
    EXPECT_EQ(bild.lesen(12, 12), picture::kGruen) << "entry 2 read green (red 0) from circle 1";
    EXPECT_EQ(bild.lesen(14, 10), picture::kGruen);
    EXPECT_EQ(bild.lesen(2, 0), picture::kGruen) << "corner circle cut off, rest drawn";
    EXPECT_EQ(bild.lesen(0, 2), picture::kGruen);

    Bildflaeche ohne(20, 20);
    ohne.setzen(12, 10, picture::farbwert(1, 0, 0));
    ASSERT_EQ(markieren(ohne, aus({{12, 10}}), 1, Markierung::Kreise), hiding::Status::Ok);
    EXPECT_EQ(ohne.lesen(14, 10), picture::kRot) << "alone, entry 2 reads its own bit 1";
}

} // namespace
