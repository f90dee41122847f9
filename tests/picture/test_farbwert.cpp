#include "picture/Farbwert.h"

#include <gtest/gtest.h>

namespace {
using namespace picture;

struct Split {
    Farbwert c;
    int r, g, b;
};

class FarbwertSplit : public ::testing::TestWithParam<Split> {};

// A wrong mask or shift in the split, or a composition that weights the
// channels wrongly, breaks one of these in either direction.
TEST_P(FarbwertSplit, SplitsAndComposesBack) {
    const Split s = GetParam();
    EXPECT_EQ(rot(s.c), s.r);
    EXPECT_EQ(gruen(s.c), s.g);
    EXPECT_EQ(blau(s.c), s.b);
    EXPECT_EQ(farbwert(s.r, s.g, s.b), s.c);
}

INSTANTIATE_TEST_SUITE_P(Farben, FarbwertSplit,
                         ::testing::Values(Split{kSchwarz, 0, 0, 0}, Split{kRot, 255, 0, 0},
                                           Split{kGruen, 0, 255, 0}, Split{kGelb, 255, 255, 0},
                                           Split{kWeiss, 255, 255, 255},
                                           Split{0x123456, 0x56, 0x34, 0x12},
                                           Split{0xFE0001, 1, 0, 254}));

// A component above 255 must not carry into the next channel.
TEST(Farbwert, ComponentAbove255CountsAs255) {
    EXPECT_EQ(farbwert(256, 0, 0), 255);
    EXPECT_EQ(farbwert(255, 255, 256), 16777215);
    EXPECT_EQ(farbwert(256, 256, 256), kWeiss);
}

} // namespace
