// Numbers in PDF output: fixed decimals with "." whatever the locale.
#include "pdf/number_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

namespace vandrix::pdf {
namespace {

TEST(FormatNumber, RoundsToTheGivenDecimals) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.3 * 72.0f / 25.4f, 2, "0.85"},
        {595.28, 2, "595.28"},
        {-23.8125, 2, "-23.81"},
        {-0.001, 2, "0.00"},
        {12, 2, "12.00"},
        {1.23456, 3, "1.235"},
        {3.75, 0, "4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.decimals), c.text) << c.text;
}

// A numpunct with "," as decimal point, standing in for a Romanian user locale.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(FormatNumber, UsesPointUnderACommaLocale) {
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    // Where the system has a comma locale, the C locale is switched too.
    std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"ro_RO.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr)
            break;
    }
    EXPECT_EQ(formatNumber(841.89, 2), "841.89");
    EXPECT_EQ(parsePageFormat("595.28,841.89"), (std::pair{595.28, 841.89}));
    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);
}

TEST(ParsePageFormat, RejectsTextsThatAreNotTwoPositiveNumbers) {
    for (const char* text : {"", "A4", "595.28", "0,841.89", "-1,2", "1,2x", "1;2"}) {
        EXPECT_FALSE(parsePageFormat(text).has_value()) << text;
    }
    EXPECT_EQ(parsePageFormat("100, 200"), (std::pair{100.0, 200.0}));
}

}  // namespace
}  // namespace vandrix::pdf
