#include "text/Codepage.h"
#include "text/Systemtext.h"

#include <gtest/gtest.h>

namespace {
using namespace text;

struct Paar {
    char32_t zeichen;
    std::uint8_t code;
};

class Windows1252 : public ::testing::TestWithParam<Paar> {};

// Places where Windows-1252 departs from Latin-1, and both ends of each range.
TEST_P(Windows1252, MapsBothWays) {
    EXPECT_EQ(code(GetParam().zeichen), GetParam().code);
    EXPECT_EQ(zeichen(GetParam().code), GetParam().zeichen);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, Windows1252,
                         ::testing::Values(Paar{U'A', 65}, Paar{0, 0}, Paar{0x7F, 0x7F},
                                           Paar{U'€', 0x80}, Paar{U'‚', 0x82}, Paar{U'Š', 0x8A},
                                           Paar{U'Ž', 0x8E}, Paar{U'‘', 0x91}, Paar{U'™', 0x99},
                                           Paar{U'Ÿ', 0x9F}, Paar{0xA0, 0xA0}, Paar{U'ü', 252},
                                           Paar{U'ÿ', 255}, Paar{0x81, 0x81}, Paar{0x9D, 0x9D}));

TEST(Windows1252, EveryCodeRoundTrips) {
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(code(zeichen(static_cast<std::uint8_t>(c))), c);
    }
}

TEST(Windows1252, LackingCharactersBecomeQuestionMarks) {
    for (char32_t z : {char32_t{0x80}, char32_t{0x9F}, char32_t{0x100}, char32_t{0x20AD},
                       char32_t{0x1F600}, char32_t{0x10FFFF}}) {
        EXPECT_EQ(code(z), kFragezeichen) << static_cast<unsigned>(z);
    }
}

TEST(Systemtext, EveryLineBreakCountsAsCarriageReturnLineFeed) {
    const Codes erwartet = {'a', 13, 10, 'b', 13, 10, 'c', 13, 10, 13, 10, 'd', 13, 10};
    EXPECT_EQ(codes(U"a\nb\r\nc\r\u2029d\u2028"), erwartet);
    EXPECT_EQ(codes(U""), Codes{});
    EXPECT_EQ(codes(U"für €"), (Codes{'f', 252, 'r', ' ', 128}));
}

TEST(Systemtext, ShownTextKeepsEveryRecoveredCharacterVisible) {
    const Codes gelesen = {'H', 0, 13, 10, 0x81, 252, 13, 'x', 10, 9, 1, 0x80};
    EXPECT_EQ(anzeige(gelesen), std::u32string({U'H', kPlatzhalter, U'\n', kPlatzhalter, U'ü',
                                                U'\n', U'x', U'\n', U'\t', kPlatzhalter, U'€'}));
}

} // namespace
