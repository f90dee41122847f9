#include "sitzung/Fensterlayout.h"
#include "sitzung/Infotext.h"

#include <gtest/gtest.h>

namespace {
using namespace sitzung;

void erwarte(const Rechteck& r, float l, float t, float w, float h, const char* name) {
    EXPECT_EQ(r.Left, l) << name;
    EXPECT_EQ(r.Top, t) << name;
    EXPECT_EQ(r.Width, w) << name;
    EXPECT_EQ(r.Height, h) << name;
}

TEST(Fensterlayout, TwelveTwipsPerPixel) {
    const Fensterlayout f = fensterlayout(12, 12, 290, 224);
    erwarte(f.Picture1, 60, 0, 3480, 2688, "Picture1");
    erwarte(f.Picture2, 3576, 0, 3480, 2688, "Picture2");
    erwarte(f.Label1, 60, 2724, 3480, 192, "Label1");
    erwarte(f.Label2, 3576, 2724, 3480, 192, "Label2");
    erwarte(f.List1, 7092, 0, 1092, 2688, "List1");
    erwarte(f.Text2, 60, 2952, 3480, 1272, "Text2");
    erwarte(f.Text3, 3576, 2952, 3480, 1272, "Text3");
    EXPECT_EQ(f.Width, 8424);
    EXPECT_EQ(f.Height, 4944);
    struct Px {
        float twips;
        int erwartet;
    };
    for (Px p : {Px{f.Picture1.Left, 5},
                 {f.Picture2.Left, 298},
                 {f.List1.Left, 591},
                 {f.List1.Width, 91},
                 {f.Label1.Top, 227},
                 {f.Label1.Height, 16},
                 {f.Text2.Top, 246},
                 {f.Text2.Height, 106},
                 {f.Width, 702},
                 {f.Height, 412}}) {
        EXPECT_EQ(pixel(p.twips, 12), p.erwartet) << p.twips;
    }
}

TEST(Fensterlayout, FifteenTwipsPerPixel) {
    const Fensterlayout f = fensterlayout(15, 15, 290, 224);
    erwarte(f.Picture1, 60, 0, 4350, 3360, "Picture1");
    EXPECT_EQ(f.Picture2.Left, 4455);
    EXPECT_EQ(f.List1.Left, 8850);
}

struct Format {
    float wert;
    const char* trenner;
    const char* erwartet;
};

class ZahlText : public ::testing::TestWithParam<Format> {};

// No group separator ever (QLocale would write "64.960"), no fraction for a
// whole number, at most 7 significant digits otherwise.
TEST_P(ZahlText, GeneralFormatOfASingle) {
    EXPECT_EQ(zahlText(GetParam().wert, GetParam().trenner), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(Werte, ZahlText,
                         ::testing::Values(Format{64960, ",", "64960"}, Format{8120, ",", "8120"},
                                           Format{290, ".", "290"}, Format{1.875f, ",", "1,875"},
                                           Format{1.875f, ".", "1.875"}, Format{0, ",", "0"},
                                           Format{1.0f / 3.0f, ",", "0,3333333"},
                                           Format{1234567, ",", "1234567"}));

TEST(Infotext, BuiltInPictureAndAFractionalCount) {
    EXPECT_EQ(infoZumBild({290, 224, 64960}, ","),
              "Das Bild hat 290 * 224 = 64960 Bildpunkte Damit könnte man theortsch eine "
              "Nachricht mit 8120 Buchstaben verschlüsseln");
    EXPECT_EQ(infoZumBild({3, 5, 15}, ","),
              "Das Bild hat 3 * 5 = 15 Bildpunkte Damit könnte man theortsch eine Nachricht mit "
              "1,875 Buchstaben verschlüsseln");
    EXPECT_NE(infoZumBild({3, 5, 15}, ".").find(" 1.875 "), std::string::npos);
}

} // namespace

// The window at a device pixel ratio is the window at 96 × ratio dpi, in
// device pixels: what a 125 %, 150 % or 175 % screen shows the desktop
// program, with the pictures at k × k device pixels a picture pixel.
TEST(Geraetelayout, EveryRatio) {
    const struct {
        double ratio;
        int k, breite, hoehe;
    } faelle[] = {
        {1.0, 1, 683, 388},  {1.25, 1, 702, 412}, {1.5, 1, 721, 436},
        {1.75, 1, 740, 461}, {2.0, 2, 1366, 776}, {0.0, 1, 683, 388}, // no ratio: 1
    };
    for (const auto& f : faelle) {
        const sitzung::Geraetelayout g = sitzung::geraetelayout(f.ratio, 290, 224);
        EXPECT_EQ(g.k, f.k) << f.ratio;
        EXPECT_EQ(g.Width, f.breite) << f.ratio;
        EXPECT_EQ(g.Height, f.hoehe) << f.ratio;
        // Three pixels between the pictures, and between Picture2 and the list.
        EXPECT_EQ(g.Picture2.left - g.Picture1.left, 293 * f.k) << f.ratio;
        EXPECT_EQ(g.List1.left - g.Picture2.left, 293 * f.k) << f.ratio;
        EXPECT_EQ(g.Picture1.width, 290 * f.k) << "a picture pixel is k × k device pixels";
        EXPECT_EQ(g.Picture1.height, 224 * f.k);
    }
}
