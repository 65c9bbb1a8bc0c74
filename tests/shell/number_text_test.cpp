// Number texts: single precision with a "." whatever the locale, rounding by formatting, and
// aligned fields.
#include <gtest/gtest.h>

#include <clocale>

#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::shell {
namespace {

TEST(NumberText, FormatsFromSinglePrecision) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {1.5, 2, "1.50"},        {2.5, 3, "2.500"},
        {0.125, 2, "0.12"},  // float 0.125 is exact
        {2.675, 2, "2.67"},  // single precision keeps 2.67499995
        {-0.001, 2, "0.00"},     {16777217, 2, "16777216.00"},
        {36.75 * 2, 2, "73.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.text) << c.value;
}

TEST(NumberText, PointWhateverTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "ro_RO.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(money(1.5), "1.50");
    EXPECT_DOUBLE_EQ(numberOf("2.75"), 2.75);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(numberOf("  2.500"), 2.5);
    EXPECT_DOUBLE_EQ(numberOf("-3.25x"), -3.25);
    EXPECT_DOUBLE_EQ(numberOf("5."), 5);
    EXPECT_DOUBLE_EQ(numberOf(".5"), 0.5);
    EXPECT_EQ(numberOf("abc"), 0);
    EXPECT_EQ(numberOf(""), 0);
    EXPECT_EQ(numberOf("-"), 0);
    EXPECT_EQ(round2(2.999), 3.0);
}

TEST(NumberText, AlignsInAField) {
    EXPECT_EQ(rightAlign("5.97", 7), "   5.97");
    EXPECT_EQ(rightAlign("12345678", 7), "1234567");
    EXPECT_EQ(leftAlign("3.00", 8), "3.00    ");
    EXPECT_EQ(leftAlign("ăîș", 5, '.'), "ăîș..");
    EXPECT_EQ(rightAlign("ăîșțâ", 3), "ăîș");
}

}  // namespace
}  // namespace vandrix::shell
