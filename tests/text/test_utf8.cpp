#include "text/Utf8.h"

#include <gtest/gtest.h>

namespace {

struct Utf8Fall {
    const char* name;
    std::string bytes;
    std::u32string zeichen;
};

// Every malformed input gives replacement characters and never reads past
// the end; a well-formed one goes there and back unchanged.
TEST(Utf8, DecodesAndReplaces) {
    const Utf8Fall faelle[] = {
        {"ascii", "abc", U"abc"},
        {"umlaut and euro", "\xC3\xBC\xE2\x82\xAC", U"\u00FC\u20AC"},
        {"astral", "\xF0\x9F\x98\x80", U"\U0001F600"},
        {"lone continuation",
         "\x80"
         "a",
         U"\uFFFDa"},
        {"truncated at the end", "a\xE2\x82", U"a\uFFFD"},
        {"truncated before ascii",
         "\xE2\x82"
         "b",
         U"\uFFFDb"},
        {"overlong slash", "\xC0\xAF", U"\uFFFD"},
        {"surrogate", "\xED\xA0\x80", U"\uFFFD"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD"},
        {"invalid lead", "\xFF", U"\uFFFD"},
    };
    for (const Utf8Fall& f : faelle) {
        EXPECT_EQ(text::ausUtf8(f.bytes), f.zeichen) << f.name;
    }
    for (const Utf8Fall& f : faelle) {
        if (f.zeichen.find(U'\uFFFD') == std::u32string::npos) {
            EXPECT_EQ(text::utf8(f.zeichen), f.bytes) << f.name;
        }
    }
    EXPECT_EQ(text::utf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
}

} // namespace
