// The core fonts' names and the telling rows of their width tables.
#include "pdf/core_fonts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vandrix::pdf {
namespace {

TEST(CoreFonts, WidthTablesHoldTheStandardMetrics) {
    struct Case {
        const char* familyStyle;
        const char* name;
        int code;
        int width;
    };
    const Case cases[] = {
        {"HELVETICA", "Helvetica", ' ', 278},
        {"HELVETICA", "Helvetica", 'A', 667},
        {"HELVETICA", "Helvetica", 'a', 556},
        {"HELVETICA", "Helvetica", '0', 556},
        {"HELVETICA", "Helvetica", 0, 278},
        {"HELVETICA", "Helvetica", 0x81, 278},
        {"HELVETICA", "Helvetica", 0x80, 556},
        {"HELVETICA", "Helvetica", '\'', 191},
        {"HELVETICAB", "Helvetica-Bold", 'A', 722},
        {"TIMES", "Times-Roman", ' ', 250},
        {"TIMES", "Times-Roman", 'A', 722},
        {"TIMES", "Times-Roman", 'a', 444},
        {"TIMESI", "Times-Italic", 'A', 611},
        {"TIMESBI", "Times-BoldItalic", 'A', 667},
        {"SYMBOL", "Symbol", 0, 0},
        {"SYMBOL", "Symbol", 'a', 631},
        {"ZAPFDINGBATS", "ZapfDingbats", 0, 0},
        {"COURIERBI", "Courier-BoldOblique", 'W', 600},
    };
    for (const Case& c : cases) {
        const CoreFont* font = findCoreFont(c.familyStyle);
        ASSERT_NE(font, nullptr) << c.familyStyle;
        EXPECT_EQ(font->name, c.name);
        EXPECT_EQ((*font->widths)[c.code], c.width) << c.familyStyle << " " << c.code;
    }
}

TEST(CoreFonts, CourierIsMonospacedAndUnknownFamiliesAreNotCore) {
    for (const char* key : {"COURIER", "COURIERB", "COURIERI", "COURIERBI"}) {
        const auto& widths = *findCoreFont(key)->widths;
        EXPECT_TRUE(std::all_of(widths.begin(), widths.end(), [](int w) { return w == 600; }));
    }
    EXPECT_EQ(findCoreFont("ARIAL"), nullptr);
    EXPECT_EQ(findCoreFont("SYMBOLB"), nullptr);
    EXPECT_TRUE(findCoreFont("SYMBOL")->symbolic);
    EXPECT_FALSE(findCoreFont("TIMES")->symbolic);
}

}  // namespace
}  // namespace vandrix::pdf
