#include "sitzung/Infotext.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
using sitzung::zahlText;

// The window takes the separator from the user's locale; QLocale's own number
// format would write "64.960" under de_DE, so only its decimal point is used.
TEST(Infotext, DecimalSeparatorOfTheLocale) {
    const auto trenner = [](QLocale::Language sprache, QLocale::Country land) {
        return QLocale(sprache, land).decimalPoint().toStdString();
    };
    const std::string deutsch = trenner(QLocale::German, QLocale::Germany);
    const std::string c = QLocale::c().decimalPoint().toStdString();
    EXPECT_EQ(zahlText(1.875f, deutsch), "1,875");
    EXPECT_EQ(zahlText(1.875f, c), "1.875");
    EXPECT_EQ(zahlText(64960, deutsch), "64960");
}

} // namespace
