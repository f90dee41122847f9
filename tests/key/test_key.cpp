#include "key/Positionstabelle.h"
#include "key/Schluessel.h"
#include "key/Zufallsgenerator.h"
#include "picture/Bildflaeche.h"
#include "text/Systemtext.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include <set>
#include <string>
#include <utility>

namespace {
using namespace key;

Schluesselwert wertVon(std::u32string_view s) {
    return schluesselwert(text::codes(s));
}

TEST(Schluessel, ValueIsTheSumOfTheCodes) {
    EXPECT_EQ(wertVon(U"A"), 65);
    EXPECT_EQ(wertVon(U"ü"), 252);
    EXPECT_EQ(wertVon(U"Waldsee"), 709);
    EXPECT_EQ(wertVon(U"123"), 49 + 50 + 51) << "digits count by their codes";
    EXPECT_EQ(wertVon(U"esleedWa"), wertVon(U"Waldseee"));
    EXPECT_EQ(wertVon(U"€"), 128);
    EXPECT_EQ(wertVon(U"😀"), 63) << "a character the code page lacks counts as '?'";
    EXPECT_FALSE(wertVon(U"").has_value());
    EXPECT_EQ(wertVon(std::u32string_view(U"\0", 1)), 0)
        << "a key of code 0 has the value 0, not no value";
}

TEST(Schluessel, LongKeyDoesNotOverflow) {
    const std::u32string lang(1'000'000, U'ÿ');
    EXPECT_EQ(wertVon(lang), 255'000'000LL);
    const text::Codes riesig(20'000'000, 255);
    EXPECT_EQ(schluesselwert(riesig), 5'100'000'000LL);
}

// Our engine must be the standard's mt19937_64 number for number, or the
// positions would differ from every other build: the 10000th output that the
// standard fixes, and long runs after several seeds, across refills.
TEST(Zufallsgenerator, EngineIsTheStandardOne) {
    Mersenne64 eigene;
    for (int i = 0; i < 9999; ++i) {
        eigene();
    }
    EXPECT_EQ(eigene(), 9981545732273789042ULL);
    for (std::uint64_t seed : {0ULL, 1ULL, 709ULL, 5489ULL, ~0ULL, 0x8000000000000000ULL}) {
        Mersenne64 a(seed);
        std::mt19937_64 b(seed);
        for (int i = 0; i < 100000; ++i) {
            ASSERT_EQ(a(), b()) << "seed " << seed << " number " << i;
        }
    }
}

TEST(Zufallsgenerator, FirstValuesForFixedSeedsNeverDrift) {
    struct Golden {
        std::int64_t seed;
        double werte[4];
    };
    for (const Golden& g : {Golden{0,
                                   {0.15979336337046079, 0.99214520962982877, 0.039569025844865657,
                                    0.59749466269467166}},
                            Golden{709,
                                   {0.022602247731619673, 0.91193470184484349, 0.11949781922180291,
                                    0.70769238396780054}}}) {
        Zufallsgenerator z;
        z.Zufallszahl(); // what was drawn before seeding plays no part
        z.Startpunkt_festlegen(g.seed);
        for (double w : g.werte) {
            EXPECT_EQ(z.Zufallszahl(), w) << "seed " << g.seed;
        }
    }
}

TEST(Zufallsgenerator, IntegerPartStaysBelowTheCount) {
    const double fastEins = 1.0 - 0x1.0p-53;
    for (int anzahl : {1, 2, 3, 224, 290, 16384, 1 << 30, std::numeric_limits<int>::max()}) {
        EXPECT_EQ(ganzzahlig(fastEins, anzahl), anzahl - 1) << anzahl;
        EXPECT_EQ(ganzzahlig(0.0, anzahl), 0);
    }
}

// Just below k / W the double product u * W can round up to k (and on x87 it
// does not), so a floating-point floor differs between machines. The integer
// part must be exact: k - 1 at the largest multiple of 2^-53 below k / W, k at
// the next one, for every k of the picture's sides and a sample of large W.
TEST(Zufallsgenerator, IntegerPartIsExactAtEveryBoundary) {
    constexpr std::uint64_t kEins = std::uint64_t{1} << 53;
    auto wert = [](std::uint64_t m) { return static_cast<double>(m) * 0x1.0p-53; };
    EXPECT_EQ(ganzzahlig(0x1.c3f8f01c3f8f0p-5, 290), 15);
    for (int w : {224, 290, 3, 1 << 30, std::numeric_limits<int>::max()}) {
        const std::uint64_t schritt = w > 290 ? w / 97 : 1;
        for (std::uint64_t k = 1; k < static_cast<std::uint64_t>(w); k += schritt) {
            // The largest m with m * w < k * 2^53; k * 2^53 / w is below 2^53.
            const std::uint64_t q = kEins / w * k + kEins % w * k / w;
            const std::uint64_t m = (kEins % w * k) % w == 0 ? q - 1 : q;
            ASSERT_EQ(ganzzahlig(wert(m), w), static_cast<int>(k) - 1) << k << " / " << w;
            ASSERT_EQ(ganzzahlig(wert(m + 1), w), static_cast<int>(k)) << k << " / " << w;
        }
    }
    EXPECT_EQ(ganzzahlig(wert((16 * kEins - 1) / 290), 290), 15);
    EXPECT_EQ(ganzzahlig(wert((36 * kEins - 1) / 224), 224), 35);
}

// The table as the plain rule makes it: each candidate compared with every
// earlier entry, drawn again as a pair when it matches one.
Positionstabelle referenz(Zufallsgenerator& z, std::int64_t wert, std::int64_t n, int breite,
                          int hoehe) {
    z.Startpunkt_festlegen(wert);
    Positionstabelle t;
    for (std::int64_t i = 1; i <= n; ++i) {
        t.PosX.resize(static_cast<std::size_t>(i) + 1);
        t.PosY.resize(static_cast<std::size_t>(i) + 1);
        bool frei = false;
        while (!frei) {
            t.PosX[i] = ganzzahlig(z.Zufallszahl(), breite);
            t.PosY[i] = ganzzahlig(z.Zufallszahl(), hoehe);
            frei = true;
            for (std::int64_t j = 1; j < i && frei; ++j) {
                frei = !(t.PosX[j] == t.PosX[i] && t.PosY[j] == t.PosY[i]);
            }
        }
    }
    return t;
}

struct Fall {
    std::int64_t wert;
    std::int64_t n;
    int breite, hoehe;
};

class GegenReferenz : public ::testing::TestWithParam<Fall> {};

// The occupancy bitmap must reject exactly the candidates the scan rejects, so
// that the same draws are consumed: same table, and the generator left at the
// same place afterwards. Includes completely full pictures.
TEST_P(GegenReferenz, BitmapAgreesWithTheLinearScan) {
    const Fall f = GetParam();
    Zufallsgenerator a;
    Zufallsgenerator b;
    const ErmittlungsErgebnis e = ermitteln(a, f.wert, f.n, f.breite, f.hoehe);
    ASSERT_EQ(e.status, Ermittlung::Ok);
    const Positionstabelle r = referenz(b, f.wert, f.n, f.breite, f.hoehe);
    EXPECT_EQ(e.tabelle.PosX, r.PosX);
    EXPECT_EQ(e.tabelle.PosY, r.PosY);
    EXPECT_EQ(a.Zufallszahl(), b.Zufallszahl());
}

INSTANTIATE_TEST_SUITE_P(Faelle, GegenReferenz,
                         ::testing::Values(Fall{0, 8, 290, 224}, Fall{709, 1344, 290, 224},
                                           Fall{709, 4000, 290, 224}, Fall{12345, 15, 3, 5},
                                           Fall{1, 1, 1, 1}, Fall{7, 64, 8, 8},
                                           Fall{99, 600, 40, 15}, Fall{3, 1000, 1000, 1}));

TEST(Positionstabelle, FullPictureTakesEveryPixelOnce) {
    Zufallsgenerator z;
    const ErmittlungsErgebnis e = ermitteln(z, 709, 64960, 290, 224);
    ASSERT_EQ(e.status, Ermittlung::Ok);
    ASSERT_EQ(e.tabelle.eintraege(), 64960);
    std::set<std::pair<int, int>> gesehen;
    for (std::size_t k = 1; k <= 64960; ++k) {
        ASSERT_GE(e.tabelle.PosX[k], 0);
        ASSERT_LT(e.tabelle.PosX[k], 290);
        ASSERT_GE(e.tabelle.PosY[k], 0);
        ASSERT_LT(e.tabelle.PosY[k], 224);
        gesehen.insert({e.tabelle.PosX[k], e.tabelle.PosY[k]});
    }
    EXPECT_EQ(gesehen.size(), 64960u);
}

TEST(Positionstabelle, FixedKeyGivesTheGoldenTable) {
    Zufallsgenerator z;
    const ErmittlungsErgebnis e = ermitteln(z, 709, 8, 290, 224);
    EXPECT_EQ(e.tabelle.PosX, (std::vector<std::int32_t>{0, 6, 34, 73, 78, 248, 205, 37, 36}));
    EXPECT_EQ(e.tabelle.PosY, (std::vector<std::int32_t>{0, 204, 158, 26, 189, 16, 52, 108, 71}));
}

TEST(Positionstabelle, SameKeyAndLengthGiveTheSameTableWhateverWasDrawnBetween) {
    Zufallsgenerator z;
    const auto erste = ermitteln(z, 709, 800, 290, 224).tabelle;
    for (int i = 0; i < 1000; ++i) {
        z.Zufallszahl();
    }
    const auto zweite = ermitteln(z, 709, 800, 290, 224).tabelle;
    EXPECT_EQ(erste.PosX, zweite.PosX);
    EXPECT_EQ(erste.PosY, zweite.PosY);
    const auto kuerzer = ermitteln(z, 709, 16, 290, 224).tabelle;
    EXPECT_EQ(kuerzer.eintraege(), 16);
    EXPECT_TRUE(std::equal(kuerzer.PosX.begin(), kuerzer.PosX.end(), erste.PosX.begin()));
}

// More bits than pixels can never be placed: refused at once, without even
// seeding, instead of looping for ever.
TEST(Positionstabelle, MoreBitsThanPixelsIsRefusedUntouched) {
    for (auto [n, b, h] : {std::tuple{64961LL, 290, 224},
                           {16LL, 3, 5},
                           {1LL, 0, 224},
                           {1LL, 290, 0},
                           {8LL, -1, -1},
                           // Larger than any surface: 2^32 + 65536 pixels would
                           // overflow every size on a 32-bit machine.
                           {8LL, 65536, 65537},
                           {1LL, picture::kMaxSeite + 1, 1}}) {
        Zufallsgenerator z;
        z.Startpunkt_festlegen(42);
        Zufallsgenerator unberuehrt = z;
        const ErmittlungsErgebnis e = ermitteln(z, 709, n, b, h);
        EXPECT_EQ(e.status, Ermittlung::ZuVielePositionen);
        EXPECT_EQ(e.tabelle.eintraege(), 0);
        EXPECT_EQ(z.Zufallszahl(), unberuehrt.Zufallszahl()) << "no seeding on refusal";
    }
}

TEST(Positionstabelle, ListLinesHaveAtLeastThreeDigits) {
    EXPECT_EQ(listenzeile(7, 123), "007   123");
    EXPECT_EQ(listenzeile(12, 5), "012   005");
    EXPECT_EQ(listenzeile(0, 0), "000   000");
    EXPECT_EQ(listenzeile(289, 45), "289   045");
    EXPECT_EQ(listenzeile(1234, 99), "1234   099");
}

} // namespace

namespace {
// The random rule adds r = floor(2u): it must be 0 or 1, and about as often
// one as the other, or the noise picture would lean towards one colour.
TEST(Zufallsgenerator, TwiceTheDrawGivesBalancedBits) {
    key::Zufallsgenerator z;
    z.Startpunkt_festlegen(709);
    int einsen = 0;
    for (int i = 0; i < 100000; ++i) {
        const int bit = static_cast<int>(2 * z.Zufallszahl());
        ASSERT_TRUE(bit == 0 || bit == 1) << i;
        einsen += bit;
    }
    EXPECT_GT(einsen, 49000);
    EXPECT_LT(einsen, 51000);
}
} // namespace
