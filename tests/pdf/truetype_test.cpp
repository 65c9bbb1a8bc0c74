// Reading TrueType metrics: scaling, the format-4 character map, and safety on bad input.
#include "pdf/truetype.h"

#include <gtest/gtest.h>

#include "pdf_test_helpers.h"
#include "platform/fonts.h"

namespace vandrix::pdf {
namespace {

using testing::TestFont;

TEST(TrueType, ReadsScaledMetricsOfAValidFont) {
    TrueTypeMetrics m = parseTrueType(TestFont{}.build());
    ASSERT_TRUE(m.valid);
    EXPECT_TRUE(m.unicode);
    EXPECT_EQ(m.glyphCount, 4);
    EXPECT_EQ(m.horizontalMetricsCount, 3);
    EXPECT_EQ(m.unitsPerEm, 2048);
    // 1000 / 2048 * v rounded half away from zero: -128 -> -62.5 -> -63.
    EXPECT_EQ(m.boundingBox, (std::array<int, 4>{-63, -300, 600, 928}));
    EXPECT_EQ(m.ascent, 928);
    EXPECT_EQ(m.descent, -236);
    EXPECT_EQ(m.capHeight, 928);
    ASSERT_EQ(m.glyphs.size(), 4u);
    EXPECT_EQ(m.glyphs[0].width, 488);
    EXPECT_EQ(m.glyphs[1].width, 602);
    EXPECT_EQ(m.glyphs[2].width, 63);
    EXPECT_EQ(m.glyphs[3].width, 63);  // beyond the metrics count: the last advance
    EXPECT_EQ(m.italicAngle, 0);
    EXPECT_EQ(m.stemWidth, 70);
}

TEST(TrueType, MapsCodesThroughDeltaAndGlyphArraySegments) {
    TrueTypeMetrics m = parseTrueType(TestFont{}.build());
    ASSERT_EQ(m.codeToGlyph.size(), 65536u);
    EXPECT_EQ(m.codeToGlyph['A'], 1);
    EXPECT_EQ(m.codeToGlyph['B'], 2);
    EXPECT_EQ(m.codeToGlyph[0x219], 2);
    EXPECT_EQ(m.codeToGlyph[' '], 3);
    EXPECT_EQ(m.codeToGlyph['C'], 0);
    EXPECT_EQ(m.codeToGlyph[0xFFFF], 0);
    EXPECT_EQ(m.glyphs[2].codes, (std::vector<std::uint16_t>{'B', 0x219}));
    EXPECT_TRUE(m.glyphs[0].codes.empty());

    std::string map = characterMapBytes(m);
    ASSERT_EQ(map.size(), 131072u);
    EXPECT_EQ(map.substr(0x219 * 2, 2), std::string("\0\2", 2));
    EXPECT_EQ(map.substr('A' * 2, 2), std::string("\0\1", 2));
}

TEST(TrueType, ReadsItalicAngleAndBoldWeight) {
    struct Case {
        std::string subfamily;
        std::int32_t angle;
        double italicAngle;
        int stem;
    };
    const Case cases[] = {
        {"Bold Oblique", -12 * 65536 - 32768, -12.5, 120},
        {"BLACK", 0, 0, 120},
        {"Italic", -11 * 65536, -11, 70},
    };
    for (const Case& c : cases) {
        TestFont font;
        font.subfamily = c.subfamily;
        font.italicAngleFixed = c.angle;
        TrueTypeMetrics m = parseTrueType(font.build());
        ASSERT_TRUE(m.valid);
        EXPECT_EQ(m.italicAngle, c.italicAngle) << c.subfamily;
        EXPECT_EQ(m.stemWidth, c.stem) << c.subfamily;
    }
}

TEST(TrueType, FontWithoutUnicodeMapOrPostStillHasMetrics) {
    TestFont symbol;
    symbol.cmapEncoding = 0;
    symbol.withPost = false;
    TrueTypeMetrics m = parseTrueType(symbol.build());
    EXPECT_TRUE(m.valid);
    EXPECT_FALSE(m.unicode);
    EXPECT_TRUE(m.codeToGlyph.empty());
    EXPECT_EQ(m.italicAngle, 0);
}

TEST(TrueType, MissingTablesOrBadHeaderGiveNoMetrics) {
    for (const char* tag : {"cmap", "head", "hhea", "hmtx", "maxp", "name"}) {
        TestFont font;
        font.omit = {tag};
        EXPECT_FALSE(parseTrueType(font.build()).valid) << tag;
    }
    std::string otf = TestFont{}.build();
    otf.replace(0, 4, "OTTO");
    EXPECT_FALSE(parseTrueType(otf).valid);
    TestFont noUnits;
    noUnits.unitsPerEm = 0;
    EXPECT_FALSE(parseTrueType(noUnits.build()).valid);
    TestFont noMetrics;
    noMetrics.advances.clear();
    EXPECT_FALSE(parseTrueType(noMetrics.build()).valid);
}

TEST(TrueType, EveryTruncationIsSafe) {
    std::string font = TestFont{}.build();
    for (std::size_t n = 0; n < font.size(); ++n) {
        TrueTypeMetrics m = parseTrueType(std::string_view(font).substr(0, n));
        if (m.valid) {
            // Only the padding after the last table may go without losing a needed table.
            EXPECT_GT(n, font.size() - 40) << n;
        }
    }
}

TEST(TrueType, CorruptedBytesNeverReadOutOfBounds) {
    // Overwrites every byte of the table directory and of the tables in turn with values that
    // make offsets, lengths and counts large; the reader must stay inside the data (the
    // sanitizer build and the fuzz target check the reads themselves).
    std::string font = TestFont{}.build();
    for (std::size_t i = 4; i < font.size(); ++i) {
        for (char value : {'\xFF', '\x80', '\x00'}) {
            std::string bad = font;
            bad[i] = value;
            TrueTypeMetrics m = parseTrueType(bad);
            if (m.valid) {
                EXPECT_EQ(m.glyphs.size(), static_cast<std::size_t>(m.glyphCount));
                for (std::uint16_t g : m.codeToGlyph)
                    EXPECT_LT(g, m.glyphCount);
            }
        }
    }
}

TEST(TrueType, ReadsTheSystemMonospaceFont) {
    auto system = platform::loadSystemFont({"Lucida Console"});
    if (!system)
        GTEST_SKIP() << "no TrueType font installed";
    TrueTypeMetrics m = parseTrueType(system->program);
    ASSERT_TRUE(m.valid);
    ASSERT_TRUE(m.unicode);
    // A monospace substitute: every letter and digit has the same advance, the Romanian
    // letters included.
    int advance = m.glyphs[m.codeToGlyph['M']].width;
    for (char32_t c : std::u32string_view(U"Ail0ăîșțȘȚ")) {
        ASSERT_NE(m.codeToGlyph[c], 0) << static_cast<int>(c);
        EXPECT_EQ(m.glyphs[m.codeToGlyph[c]].width, advance) << static_cast<int>(c);
    }
}

}  // namespace
}  // namespace vandrix::pdf
