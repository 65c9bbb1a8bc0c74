// Pages, fonts selection, cells, line breaks and line width: the operators written to the page.
#include <gtest/gtest.h>

#include <regex>

#include "pdf/pdf_document.h"
#include "pdf_test_helpers.h"

namespace vandrix::pdf {
namespace {

std::optional<platform::SystemFont> noFonts(const platform::FontRequest&) {
    return std::nullopt;
}

int count(std::string_view text, std::string_view part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size())) {
        ++n;
    }
    return n;
}

class PdfPage : public ::testing::Test {
  protected:
    void SetUp() override {
        pdf.pdfCreate("", "", "");
        pdf.pdfAddPage();
    }
    std::string page(int n = 1) const { return std::string(pdf.pageContent(n)); }
    // The text written since the given length of page 1.
    std::string since(std::size_t length) const { return page().substr(length); }

    PdfDocument pdf{noFonts};
};

TEST_F(PdfPage, ArialBoldIsHelveticaBoldAndARepeatedSelectionWritesNothing) {
    std::size_t length = page().size();
    pdf.pdfSetFont("Arial", "B", 10);
    EXPECT_EQ(since(length), "BT /F1 10.00 Tf ET\n");
    length = page().size();
    pdf.pdfSetFont("Arial", "B", 10);
    pdf.pdfSetFont("helvetica", " b ", 0);  // same family, style and size
    EXPECT_EQ(since(length), "");
    pdf.pdfSetFont("Helvetica", "IB", 10);
    pdf.pdfSetFont("Helvetica", "BI", 10);
    EXPECT_EQ(since(length), "BT /F2 10.00 Tf ET\n");
    pdf.pdfSetFont("Symbol", "B", 10);  // the style of Symbol is ignored
    pdf.pdfClose();
    std::string bytes(pdf.documentBytes());
    EXPECT_NE(bytes.find("/BaseFont /Helvetica-Bold\n/Subtype /Type1\n/Encoding /WinAnsiEncoding"),
              std::string::npos);
    EXPECT_NE(bytes.find("/BaseFont /Helvetica-BoldOblique"), std::string::npos);
    EXPECT_NE(bytes.find("/BaseFont /Symbol\n/Subtype /Type1\n>>"), std::string::npos);
    EXPECT_EQ(count(bytes, "/Type /Font\n"), 3);
}

TEST_F(PdfPage, BordersFillsAndLines) {
    struct Case {
        int border;
        int fill;
        int lines;       // "l S" lines
        const char* re;  // the rectangle operator, "" for none
    };
    const Case cases[] = {
        {0, 0, 0, ""},   {1, 0, 0, "re S "}, {0, 1, 0, "re f "},   {1, 1, 0, "re B "},
        {-15, 0, 4, ""}, {-7, 0, 3, ""},     {-13, 1, 3, "re f "}, {-8, 0, 1, ""},
    };
    for (const Case& c : cases) {
        std::size_t length = page().size();
        pdf.pdfCell(20, 5, "", c.border, 0, "", c.fill);
        std::string written = since(length);
        EXPECT_EQ(count(written, " l S "), c.lines) << c.border;
        EXPECT_EQ(count(written, " re "), *c.re ? 1 : 0) << c.border;
        if (*c.re) {
            EXPECT_NE(written.find(c.re), std::string::npos) << c.border;
        }
    }
}

TEST_F(PdfPage, CellCoordinatesAreInPointsFromTheBottomLeft) {
    std::size_t length = page().size();
    pdf.pdfCell(20, 5, "", -9);
    // x = 10 mm, y = 10 mm from the top: 28.35 pt, 841.89 - 28.35 = 813.54 pt.
    EXPECT_EQ(since(length), "28.35 813.54 m 28.35 799.37 l S 28.35 799.37 m 85.04 799.37 l S \n");
    length = page().size();
    pdf.pdfCell(0, 5, "", 1);  // width 0: to the right margin, 210 - 10 - 30 mm
    EXPECT_EQ(since(length), "85.04 813.54 481.89 -14.17 re S \n");
}

TEST_F(PdfPage, LnAfterACellMovesDownByItsHeight) {
    const double m = 28.35 / pdf.scaleFactor();  // the 1 cm margin
    pdf.pdfCell(40, 3, "", 0, 0);
    EXPECT_DOUBLE_EQ(pdf.pdfGetX(), m + 40);
    pdf.pdfLn(-1);
    EXPECT_DOUBLE_EQ(pdf.pdfGetX(), m);
    EXPECT_DOUBLE_EQ(pdf.pdfGetY(), m + 3);
    pdf.pdfLn(2.5);
    EXPECT_DOUBLE_EQ(pdf.pdfGetY(), m + 5.5);
    pdf.pdfCell(40, 4, "", 0, 2);  // below: x stays
    EXPECT_DOUBLE_EQ(pdf.pdfGetX(), m);
    EXPECT_DOUBLE_EQ(pdf.pdfGetY(), m + 9.5);
    pdf.pdfSetMargins(20, 20);
    pdf.pdfCell(40, 4, "", 0, 1);
    EXPECT_DOUBLE_EQ(pdf.pdfGetX(), 20);
    EXPECT_DOUBLE_EQ(pdf.pdfGetY(), m + 13.5);
}

TEST_F(PdfPage, LineWidthIsWrittenInPoints) {
    std::size_t length = page().size();
    pdf.pdfSetLineWidth(0.3);
    EXPECT_EQ(since(length), "0.85 w\n");
    pdf.pdfAddPage();
    EXPECT_EQ(page(2), "2 J\n0.85 w\n");  // a new page keeps the line width
}

TEST_F(PdfPage, TextAlignmentsPlaceTheTextInTheCell) {
    pdf.pdfSetFont("Courier", "", 10);
    // Courier: 600 / 1000 of 10 pt per character, so "AB" is 12 pt wide.
    double k = pdf.scaleFactor();
    EXPECT_NEAR(pdf.pdfGetStringWidth("AB") * k, 12, 1e-9);
    struct Case {
        const char* align;
        double xPt;  // where the text starts
    };
    const double cellX = 28.35, cellW = 100, margin = 2.835;
    const Case cases[] = {
        {"", cellX + margin},
        {"L", cellX + margin},
        {"R", cellX + cellW - margin - 12},
        {"C", cellX + (cellW - 12) / 2},
    };
    for (const Case& c : cases) {
        pdf.pdfSetXY(10, 50);
        std::size_t length = page().size();
        pdf.pdfCell(cellW / k, 10, "AB", 0, 0, c.align);
        std::smatch m;
        std::string written = since(length);
        ASSERT_TRUE(std::regex_search(written, m,
                                      std::regex("^BT ([0-9.]+) ([0-9.]+) Td \\(AB\\) Tj ET\n$")))
            << written;
        EXPECT_NEAR(std::stod(m[1]), c.xPt, 0.006) << c.align;
        // The baseline: y + h/2 + 0.3 * font size from the top.
        EXPECT_NEAR(std::stod(m[2]), 841.89 - (50 + 5) * k - 0.3 * 10, 0.006) << c.align;
    }
}

TEST_F(PdfPage, FullJustificationSpreadsTheBlanksAndResetsTheSpacing) {
    pdf.pdfSetFont("Courier", "", 10);
    double k = pdf.scaleFactor();
    std::size_t length = page().size();
    // "A B C": 5 characters, 30 pt; a 100 pt cell leaves 100 - 2 * 2.835 - 30 for 2 blanks.
    pdf.pdfCell(100 / k, 10, "A B C", 0, 0, "FJ");
    std::string written = since(length);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(written, m,
                                  std::regex("^([0-9.]+) Tw\nBT .* Td \\(A B C\\) Tj ET\n0 Tw\n$")))
        << written;
    EXPECT_NEAR(std::stod(m[1]), (100 - 2 * 2.835 - 30) / 2, 0.002);
}

TEST_F(PdfPage, UnderlineDrawsARectangleUnderTheText) {
    pdf.pdfSetFont("Courier", "BU", 10);
    std::size_t length = page().size();
    pdf.pdfCell(50, 10, "AB");
    std::string written = since(length);
    // Twice 0.05 of the size for a bold style; as wide as the text.
    EXPECT_TRUE(
        std::regex_search(written, std::regex("\\) Tj ET [0-9.]+ [0-9.]+ 12.00 -1.00 re f\n$")))
        << written;
    pdf.pdfSetFont("Courier", "B", 10);  // no "U": underlining ends
    length = page().size();
    pdf.pdfCell(50, 10, "AB");
    EXPECT_EQ(count(since(length), " re f"), 0);
}

TEST_F(PdfPage, TextIsEscapedAndTrailingLineEndsDropped) {
    pdf.pdfSetFont("Times", "", 12);
    std::size_t length = page().size();
    pdf.pdfCell(50, 10, "f(x) = a\\b\r\n");
    EXPECT_NE(since(length).find("(f\\(x\\) = a\\\\b) Tj ET\n"), std::string::npos);
}

TEST_F(PdfPage, CellPastTheTriggerStartsANewPageAtTheTopMargin) {
    pdf.pdfSetFont("Helvetica", "B", 9);
    pdf.pdfSetLineWidth(0.3);
    pdf.pdfSetXY(30, 270);
    pdf.pdfCell(20, 7.5, "", 1);  // 270 + 7.5 > 277
    ASSERT_EQ(pdf.pageCount(), 2);
    EXPECT_DOUBLE_EQ(pdf.pdfGetX(), 50);                         // x kept, then moved by the cell
    EXPECT_DOUBLE_EQ(pdf.pdfGetY(), 28.35 / pdf.scaleFactor());  // the top margin
    // The new page starts with the line width and the font of the previous one.
    EXPECT_EQ(page(2), "2 J\n0.85 w\nBT /F1 9.00 Tf ET\n85.04 813.54 56.69 -21.26 re S \n");
    pdf.pdfSetAutoPageBreak(false);
    pdf.pdfSetXY(10, 290);
    pdf.pdfCell(20, 10, "", 1);
    EXPECT_EQ(pdf.pageCount(), 2);
}

TEST_F(PdfPage, PagesOfAnotherOrientationOrFormat) {
    pdf.pdfAddPage("L", "");
    EXPECT_NEAR(pdf.pageWidth(), 297.0, 0.001);
    EXPECT_NEAR(pdf.pageBreakTrigger(), 210.0 - 20, 0.002);
    pdf.pdfAddPage("", "283.46,425.2");  // 100 x 150 mm, default orientation
    EXPECT_NEAR(pdf.pageWidth(), 100, 0.01);
    EXPECT_NEAR(pdf.pageHeight(), 150, 0.01);
    pdf.pdfAddPage();
    EXPECT_NEAR(pdf.pageHeight(), 150, 0.01);  // the new format holds for later pages
    pdf.pdfClose();
    std::string bytes(pdf.documentBytes());
    EXPECT_EQ(count(bytes, "/MediaBox [0 0 595.28 841.89]"), 1);
    EXPECT_EQ(count(bytes, "/MediaBox [0 0 841.89 595.28]"), 1);
    EXPECT_EQ(count(bytes, "/MediaBox [0 0 283.46 425.20]"), 2);
}

TEST(PdfCell, WithoutAPageOrFontDrawsNoStrayOperators) {
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    pdf.pdfCell(20, 5, "no font yet", 1);  // opens the first page; no text without a font
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_EQ(pdf.pageContent(1), "2 J\n0.57 w\n28.35 813.54 56.69 -14.17 re S \n");
}

}  // namespace
}  // namespace vandrix::pdf
