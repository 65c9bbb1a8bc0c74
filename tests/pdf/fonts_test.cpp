// System TrueType fonts in a document: the embedding forms, two-byte texts, string widths, and
// fonts the system cannot give or whose program is unreadable.
#include <gtest/gtest.h>

#include <regex>

#include "pdf/pdf_document.h"
#include "pdf/truetype.h"
#include "pdf_test_helpers.h"

namespace vandrix::pdf {
namespace {

using namespace std::string_literals;
using testing::ParsedPdf;
using testing::TestFont;

// A font loader that gives the test font under a family name and records the requests.
struct FakeFonts {
    std::string program = TestFont{}.build();
    std::string family = "Test Mono";
    std::vector<platform::FontRequest> requests;

    FontLoader loader() {
        return [this](const platform::FontRequest& r) -> std::optional<platform::SystemFont> {
            requests.push_back(r);
            if (program.empty())
                return std::nullopt;
            std::string file = "/fonts/" + family + (r.bold ? "-Bold" : "") + ".ttf";
            return platform::SystemFont{family, file, program};
        };
    }
};

const testing::PdfObject* findObject(const ParsedPdf& pdf, const std::string& part) {
    for (const auto& [n, object] : pdf.objects) {
        if (object.body.find(part) != std::string::npos)
            return &object;
    }
    return nullptr;
}

int referenced(const std::string& body, const std::string& key) {
    std::smatch m;
    if (!std::regex_search(body, m, std::regex(key + " ?(\\d+) 0 R")))
        return -1;
    return std::stoi(m[1]);
}

TEST(TrueTypeFonts, UnicodeFontIsEmbeddedAsType0WithCharacterMap) {
    FakeFonts fonts;
    PdfDocument pdf(fonts.loader());
    pdf.pdfCreate("", "", "");
    pdf.pdfAddPage();
    pdf.pdfSetFont("Lucida Console", "", 8);
    ASSERT_EQ(fonts.requests.size(), 1u);
    EXPECT_EQ(fonts.requests[0].face, "Lucida Console");
    EXPECT_FALSE(fonts.requests[0].bold);
    pdf.pdfCell(50, 5, "AșB(");
    // Two-byte codes, high byte first, without a byte-order mark; "(" escaped.
    EXPECT_NE(pdf.pageContent(1).find("Td (\0A\x02\x19\0B\0\\() Tj ET"s), std::string::npos);
    pdf.pdfClose();
    ParsedPdf parsed = testing::parsePdf(std::string(pdf.documentBytes()));

    const auto* type0 = findObject(parsed, "/Subtype /Type0");
    ASSERT_NE(type0, nullptr);
    EXPECT_NE(type0->body.find("/BaseFont /Test#20Mono-UCS\n/Encoding /Identity-H"),
              std::string::npos);
    EXPECT_NE(parsed.objects[2].body.find("/F1 " + type0->body.substr(0, type0->body.find(' '))),
              std::string::npos);

    const auto& cid = parsed.objects[referenced(type0->body, "/DescendantFonts \\[")];
    EXPECT_NE(cid.body.find("/Subtype /CIDFontType2\n/BaseFont /Test#20Mono\n"
                            "/CIDSystemInfo <</Registry (Adobe) /Ordering (UCS) /Supplement 0>>"),
              std::string::npos);
    // Per glyph, per code: code [width].
    EXPECT_NE(cid.body.find("/W [65 [602] 66 [63] 537 [63] 32 [63] ]"), std::string::npos);

    const auto& map = parsed.objects[referenced(cid.body, "/CIDToGIDMap")];
    EXPECT_NE(map.body.find("/Filter /ASCII85Decode\n"), std::string::npos);
    EXPECT_NE(map.body.find("/Length1 131072\n"), std::string::npos);
    auto mapBytes = testing::ascii85Decode(testing::streamData(map.body));
    ASSERT_TRUE(mapBytes.has_value());
    EXPECT_EQ(*mapBytes, characterMapBytes(parseTrueType(fonts.program)));

    const auto& descriptor = parsed.objects[referenced(cid.body, "/FontDescriptor")];
    EXPECT_NE(descriptor.body.find("/FontName /Test#20Mono\n/Ascent 928\n/Descent -236\n"
                                   "/CapHeight 928\n/Flags 4\n/FontBBox [-63 -300 600 928]\n"
                                   "/ItalicAngle 0.00\n/StemV 70\n/MissingWidth 488\n"),
              std::string::npos);
    const auto& program = parsed.objects[referenced(descriptor.body, "/FontFile2")];
    EXPECT_NE(program.body.find("/Length1 " + std::to_string(fonts.program.size()) + "\n"),
              std::string::npos);
    EXPECT_EQ(testing::ascii85Decode(testing::streamData(program.body)), fonts.program);
}

TEST(TrueTypeFonts, StringWidthUsesGlyphAdvancesAnd1000ForUnmappedCodes) {
    FakeFonts fonts;
    PdfDocument pdf(fonts.loader(), nullptr);
    pdf.pdfCreate("", "pt", "");
    pdf.pdfSetFont("Lucida Console", "", 10);
    // 'A' 602, 'ș' 63, 'Z' unmapped 1000: 1665 thousandths of 10 pt.
    EXPECT_NEAR(pdf.pdfGetStringWidth("AșZ"), 16.65, 1e-9);
}

TEST(TrueTypeFonts, StylesOfOneFileShareTheProgram) {
    FakeFonts fonts;
    PdfDocument pdf(fonts.loader());
    pdf.pdfCreate("", "", "");
    pdf.pdfAddPage();
    pdf.pdfSetFont("Lucida Console", "", 8);
    pdf.pdfSetFont("Lucida Console", "I", 8);  // the same file in the fake
    pdf.pdfSetFont("Lucida Console", "B", 8);  // another file
    ASSERT_EQ(fonts.requests.size(), 3u);
    EXPECT_TRUE(fonts.requests[1].italic);
    EXPECT_TRUE(fonts.requests[2].bold);
    pdf.pdfSetFont("Lucida Console", "", 10);  // known: no new request
    EXPECT_EQ(fonts.requests.size(), 3u);
    pdf.pdfClose();
    ParsedPdf parsed = testing::parsePdf(std::string(pdf.documentBytes()));
    std::vector<int> programs;
    for (const auto& [n, object] : parsed.objects) {
        if (object.body.find("/Type /FontDescriptor") != std::string::npos) {
            programs.push_back(referenced(object.body, "/FontFile2"));
        }
    }
    ASSERT_EQ(programs.size(), 3u);
    EXPECT_EQ(programs[0], programs[1]);
    EXPECT_NE(programs[0], programs[2]);
}

TEST(TrueTypeFonts, UnusableFontsGiveARecordWithoutMetricsAndNoEmbedding) {
    struct Case {
        const char* what;
        std::string program;
    };
    std::string valid = TestFont{}.build();
    const Case cases[] = {
        {"no font", ""},
        {"truncated", valid.substr(0, valid.size() / 2)},
        {"not TrueType", "OTTO" + valid.substr(4)},
    };
    for (const Case& c : cases) {
        FakeFonts fonts;
        fonts.program = c.program;
        PdfDocument pdf(fonts.loader());
        pdf.pdfCreate("", "pt", "");
        pdf.pdfAddPage();
        pdf.pdfSetFont("Lucida Console", "", 10);
        EXPECT_EQ(pdf.pdfGetStringWidth("Ab"), 0) << c.what;
        pdf.pdfCell(100, 10, "Ab");
        EXPECT_NE(pdf.pageContent(1).find("(Ab) Tj"), std::string::npos) << c.what;
        pdf.pdfClose();
        std::string bytes(pdf.documentBytes());
        EXPECT_NE(bytes.find("/Subtype /TrueType\n/Name /F1\n/BaseFont /"), std::string::npos);
        EXPECT_EQ(bytes.find("/FontFile2"), std::string::npos) << c.what;
        EXPECT_NE(bytes.find("%%EOF"), std::string::npos);
    }
}

TEST(TrueTypeFonts, FontWithoutUnicodeMapIsASimpleTrueTypeFont) {
    FakeFonts fonts;
    TestFont symbol;
    symbol.cmapEncoding = 0;
    fonts.program = symbol.build();
    PdfDocument pdf(fonts.loader());
    pdf.pdfCreate("", "", "");
    pdf.pdfAddPage();
    pdf.pdfSetFont("Wingdings", "", 10);
    pdf.pdfCell(100, 10, "Ab");
    EXPECT_NE(pdf.pageContent(1).find("(Ab) Tj"), std::string::npos);
    pdf.pdfClose();
    ParsedPdf parsed = testing::parsePdf(std::string(pdf.documentBytes()));
    const auto* font = findObject(parsed, "/Subtype /TrueType");
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font->body.find("/Encoding /WinAnsiEncoding\n/FirstChar 0\n/LastChar 255\n"),
              std::string::npos);
    const auto& widths = parsed.objects[referenced(font->body, "/Widths")];
    EXPECT_EQ(std::count(widths.body.begin(), widths.body.end(), ' '), 255 + 2);
    const auto& descriptor = parsed.objects[referenced(font->body, "/FontDescriptor")];
    EXPECT_GT(referenced(descriptor.body, "/FontFile2"), 0);
}

TEST(SystemFonts, MonospaceAndSansFacesGetTrueTypeSubstitutes) {
    auto mono = platform::loadSystemFont({"Lucida Console"});
    auto sans = platform::loadSystemFont({"Arial"});
    auto monoBold = platform::loadSystemFont({"Lucida Console", 750, true});
    if (!mono || !sans || !monoBold)
        GTEST_SKIP() << "no TrueType fonts installed";
    for (const auto* font : {&*mono, &*sans, &*monoBold}) {
        EXPECT_FALSE(font->family.empty());
        EXPECT_EQ(font->program.substr(0, 4), std::string("\0\1\0\0", 4)) << font->file;
        EXPECT_TRUE(parseTrueType(font->program).valid) << font->file;
    }
    EXPECT_EQ(mono->family, monoBold->family);
    EXPECT_NE(mono->file, monoBold->file);
    // The sans substitute is proportional, the monospace one is not.
    auto widthsDiffer = [](const platform::SystemFont& f) {
        TrueTypeMetrics m = parseTrueType(f.program);
        return m.glyphs[m.codeToGlyph['i']].width != m.glyphs[m.codeToGlyph['W']].width;
    };
    EXPECT_FALSE(widthsDiffer(*mono));
    EXPECT_TRUE(widthsDiffer(*sans));
}

}  // namespace
}  // namespace vandrix::pdf
