#include "hiding/Auslesen.h"
#include "hiding/Einbetten.h"
#include "key/Positionstabelle.h"
#include "picture/Bildstrom.h"
#include "picture/Originalbild.h"
#include "text/Systemtext.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
using namespace hiding;
using picture::Bildflaeche;

Bildflaeche originalbild() {
    return picture::decode(picture::originalbildStrom()).bild;
}

key::Positionstabelle tabelle(std::int64_t n, std::int64_t wert = 709) {
    key::Zufallsgenerator z;
    return key::ermitteln(z, wert, n, 290, 224).tabelle;
}

// A table along the first row: entry k is pixel (k - 1, 0).
key::Positionstabelle zeile(int n) {
    key::Positionstabelle t;
    t.PosX.push_back(0);
    t.PosY.push_back(0);
    for (int k = 1; k <= n; ++k) {
        t.PosX.push_back(k - 1);
        t.PosY.push_back(0);
    }
    return t;
}

struct Rotfall {
    int rot;
    int bit;
    int erwartet;
};

// The carrier is the red low bit alone: no carry, no borrow, no change to
// green and blue, whatever red is at the ends of its range.
TEST(Einbetten, SetsOnlyTheRedLowBit) {
    for (Rotfall f : {Rotfall{255, 1, 255},
                      {0, 0, 0},
                      {254, 1, 255},
                      {1, 0, 0},
                      {255, 0, 254},
                      {0, 1, 1},
                      {128, 1, 129},
                      {127, 0, 126}}) {
        Bildflaeche bild(8, 1);
        for (int x = 0; x < 8; ++x) {
            bild.setzen(x, 0, picture::farbwert(f.rot, 0xAB, 0xCD));
        }
        const text::Codes code = {static_cast<std::uint8_t>(f.bit ? 255 : 0)};
        ASSERT_EQ(einbetten(bild, code, zeile(8)), Status::Ok);
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(bild.lesen(x, 0), picture::farbwert(f.erwartet, 0xAB, 0xCD))
                << "red " << f.rot << " bit " << f.bit;
        }
    }
}

TEST(Einbetten, LetterAPutsItsBitsMostSignificantFirst) {
    Bildflaeche bild(16, 1); // all black: red 0 everywhere
    ASSERT_EQ(einbetten(bild, text::Codes{'A'}, zeile(16)), Status::Ok);
    std::string bits;
    for (int x = 0; x < 16; ++x) {
        bits += (picture::rot(bild.lesen(x, 0)) & 1) ? '1' : '0';
    }
    EXPECT_EQ(bits, "0100000100000000") << "65 at entries 1-8, entries 9-16 untouched";
}

// Only the carrier pixels may change, and only in the red low bit.
TEST(Einbetten, EverythingElseOfThePictureStaysAsItWas) {
    const Bildflaeche vorher = originalbild();
    Bildflaeche bild = vorher;
    const text::Codes codes = text::codes(U"Ein geheimer Text für den Test");
    const key::Positionstabelle t = tabelle(8 * static_cast<std::int64_t>(codes.size()) + 100);
    ASSERT_EQ(einbetten(bild, codes, t), Status::Ok);
    std::vector<bool> traeger(290 * 224, false);
    for (std::size_t k = 1; k <= 8 * codes.size(); ++k) {
        traeger[static_cast<std::size_t>(t.PosY[k]) * 290 + t.PosX[k]] = true;
    }
    int geaendert = 0;
    for (int y = 0; y < 224; ++y) {
        for (int x = 0; x < 290; ++x) {
            const picture::Farbwert a = vorher.lesen(x, y);
            const picture::Farbwert b = bild.lesen(x, y);
            if (!traeger[static_cast<std::size_t>(y) * 290 + x]) {
                ASSERT_EQ(a, b) << x << "," << y;
            } else {
                ASSERT_EQ(a & ~1, b & ~1) << x << "," << y;
                geaendert += a != b;
            }
        }
    }
    EXPECT_GT(geaendert, 0);
    Bildflaeche nochmal = bild;
    ASSERT_EQ(einbetten(nochmal, codes, t), Status::Ok);
    EXPECT_EQ(nochmal, bild) << "embedding the same text again changes nothing";
}

TEST(Auslesen, EveryCodeRoundTripsAndCodeZeroDoesNotEndTheText) {
    text::Codes alle;
    for (int c = 0; c < 256; ++c) {
        alle.push_back(static_cast<std::uint8_t>(c));
    }
    alle.push_back('x'); // after code 0 there is more text
    Bildflaeche bild = originalbild();
    const key::Positionstabelle t = tabelle(8 * 257);
    ASSERT_EQ(einbetten(bild, alle, t), Status::Ok);
    const AuslesenErgebnis e = auslesen(bild, t, 257);
    ASSERT_EQ(e.status, Status::Ok);
    EXPECT_EQ(e.codes, alle);
}

TEST(Auslesen, LengthComesFromTheCallerNotThePicture) {
    const text::Codes gesteckt = text::codes(U"Hier kommt etwas zu stehen, über das Bild");
    Bildflaeche bild = originalbild();
    const key::Positionstabelle t = tabelle(8 * 60);
    ASSERT_EQ(einbetten(bild, gesteckt, t), Status::Ok);

    const AuslesenErgebnis kurz = auslesen(bild, t, 5);
    EXPECT_EQ(kurz.codes, text::Codes(gesteckt.begin(), gesteckt.begin() + 5));

    const AuslesenErgebnis lang = auslesen(bild, t, 60);
    ASSERT_EQ(lang.codes.size(), 60u);
    EXPECT_TRUE(std::equal(gesteckt.begin(), gesteckt.end(), lang.codes.begin()));
    // The characters behind the hidden text are spelled by the picture's own bits.
    const Bitfolge eigene = bitfolge(originalbild(), t, 8 * 60);
    const text::Codes eigeneZeichen = zeichenAus(eigene);
    EXPECT_TRUE(std::equal(lang.codes.begin() + gesteckt.size(), lang.codes.end(),
                           eigeneZeichen.begin() + gesteckt.size()));

    EXPECT_EQ(auslesen(bild, t, 0).codes, text::Codes{});
}

TEST(Auslesen, BitsAreGroupedByEightMostSignificantFirst) {
    EXPECT_EQ(zeichenAus("01000001"
                         "00000000"
                         "11111100"),
              (text::Codes{'A', 0, 252}));
    EXPECT_EQ(zeichenAus("0100000"), text::Codes{}) << "an incomplete group gives no character";
}

// A table shorter than the text must be refused before any pixel is touched.
TEST(Einbetten, TooFewPositionsIsRefusedBeforeAnyPixelChanges) {
    for (std::int64_t eintraege : {0, 7, 15}) {
        Bildflaeche bild = originalbild();
        const Bildflaeche vorher = bild;
        const key::Positionstabelle t = tabelle(eintraege);
        EXPECT_EQ(einbetten(bild, text::Codes{'A', 'B'}, t), Status::ZuWenigePositionen);
        EXPECT_EQ(bild, vorher);
        // 8 * INT64_MAX overflows: the count must be compared, not multiplied.
        for (std::int64_t zeichen : {std::int64_t{2}, std::numeric_limits<std::int64_t>::max()}) {
            const AuslesenErgebnis e = auslesen(bild, t, zeichen);
            EXPECT_EQ(e.status, Status::ZuWenigePositionen) << zeichen;
            EXPECT_TRUE(e.codes.empty());
        }
    }
    Bildflaeche bild = originalbild();
    EXPECT_EQ(einbetten(bild, text::Codes{}, key::Positionstabelle{}), Status::Ok);
    EXPECT_EQ(bitanzahl(268435456), 2147483648LL) << "no 32-bit overflow";
}

} // namespace
