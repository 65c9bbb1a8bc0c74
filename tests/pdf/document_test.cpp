// The document lifecycle and its serialised form: defaults, units, object numbering, the
// cross-reference table and saving.
#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <locale>
#include <regex>

#include "pdf/byte_buffer.h"
#include "pdf/pdf_document.h"
#include "pdf_test_helpers.h"
#include "temp_folder.h"

namespace vandrix::pdf {
namespace {

using vandrix::testing::readFileBytes;
using vandrix::testing::TempFolder;

std::optional<platform::SystemFont> noFonts(const platform::FontRequest&) {
    return std::nullopt;
}

std::string closedDocument(PdfDocument& pdf) {
    pdf.pdfClose();
    return std::string(pdf.documentBytes());
}

TEST(PdfDocument, EmptyTextsGiveA4PortraitInMillimetres) {
    PdfDocument pdf(noFonts);
    ASSERT_EQ(pdf.pdfCreate("", "", ""), 1);
    EXPECT_EQ(pdf.state(), kStateStarted);
    EXPECT_FLOAT_EQ(static_cast<float>(pdf.scaleFactor()), 72.0f / 25.4f);
    EXPECT_NEAR(pdf.pageWidth(), 210.0, 0.002);
    EXPECT_NEAR(pdf.pageHeight(), 297.0, 0.002);
    // 28.35 pt (1 cm) margins, the page break twice that above the bottom edge.
    EXPECT_DOUBLE_EQ(pdf.pdfGetX(), 28.35 / pdf.scaleFactor());
    EXPECT_DOUBLE_EQ(pdf.pageBreakTrigger(), (841.89 - 2 * 28.35) / pdf.scaleFactor());
    pdf.pdfAddPage();
    std::string bytes = closedDocument(pdf);
    EXPECT_EQ(bytes.substr(0, 9), "%PDF-1.3\n");
    EXPECT_NE(bytes.find("/MediaBox [0 0 595.28 841.89]"), std::string::npos);
}

TEST(PdfDocument, UnitsAndOrientations) {
    struct Case {
        const char* orientation;
        const char* unit;
        const char* format;
        double k;
        double widthPt, heightPt;
    };
    const Case cases[] = {
        {"", "pt", "", 1, 595.28, 841.89},
        {"p", "cm", "", 72 / 2.54, 595.28, 841.89},
        {"", "in", "", 72, 595.28, 841.89},
        {"", "km", "", 72 / 25.4, 595.28, 841.89},  // an unknown unit is millimetres
        {"l", "mm", "", 72 / 25.4, 841.89, 595.28},
        {"Landscape", "mm", "", 72 / 25.4, 841.89, 595.28},
        {"X", "pt", "200,100", 1, 200, 100},
        {"", "pt", "A5", 1, 595.28, 841.89},  // an unreadable format keeps A4
    };
    for (const Case& c : cases) {
        PdfDocument pdf(noFonts);
        pdf.pdfCreate(c.orientation, c.unit, c.format);
        EXPECT_NEAR(pdf.scaleFactor(), c.k, 1e-5) << c.unit;
        EXPECT_NEAR(pdf.pageWidth() * pdf.scaleFactor(), c.widthPt, 1e-3) << c.orientation;
        EXPECT_NEAR(pdf.pageHeight() * pdf.scaleFactor(), c.heightPt, 1e-3) << c.orientation;
    }
}

TEST(PdfDocument, DocumentWithoutPagesGetsOneEmptyPage) {
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    std::string bytes = closedDocument(pdf);
    EXPECT_EQ(pdf.state(), kStateFinished);
    testing::ParsedPdf parsed = testing::parsePdf(bytes);
    EXPECT_NE(parsed.objects[1].body.find("/Kids [3 0 R]\n/Count 1"), std::string::npos);
    EXPECT_NE(parsed.objects[3].body.find("/Type /Page\n"), std::string::npos);
    EXPECT_EQ(testing::streamData(parsed.objects[4].body), "2 J\n0.57 w\n");
    EXPECT_NE(parsed.objects[4].body.find("<</Length 11>>"), std::string::npos);
}

TEST(PdfDocument, CrossReferenceOffsetsPointAtEachObject) {
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    pdf.pdfAddPage();
    pdf.pdfSetFont("Times", "", 12);
    pdf.pdfCell(40, 10, "one", 1);
    pdf.pdfAddPage("L", "");
    pdf.pdfSetFont("Courier", "B", 9);
    pdf.pdfCell(40, 10, "two", 1);
    std::string bytes = closedDocument(pdf);

    testing::ParsedPdf parsed = testing::parsePdf(bytes);
    std::size_t objects = parsed.objects.size();
    ASSERT_EQ(parsed.xrefEntryCount, objects + 1);
    ASSERT_EQ(parsed.xrefOffsets.size(), objects);
    for (std::size_t n = 1; n <= objects; ++n) {
        std::string line = std::to_string(n) + " 0 obj\n";
        EXPECT_EQ(bytes.substr(parsed.xrefOffsets[n - 1], line.size()), line);
    }
    EXPECT_EQ(bytes.substr(parsed.startxref, 5), "xref\n");
    std::size_t xref = parsed.startxref;
    std::string table = bytes.substr(xref, bytes.find("trailer", xref) - xref);
    EXPECT_TRUE(std::regex_search(table, std::regex("^xref\n0 \\d+\n0000000000 65535 f \n")));
    EXPECT_EQ(table.size() - table.find("0000000000"), 20 * (objects + 1));

    std::string size = "/Size " + std::to_string(objects + 1);
    EXPECT_NE(parsed.trailer.find(size), std::string::npos);
    // Object 1 the page tree, 2 the resources, the Info second to last, the Catalog last.
    EXPECT_NE(parsed.objects[1].body.find("/Type /Pages"), std::string::npos);
    EXPECT_NE(parsed.objects[2].body.find("/ProcSet [/PDF /Text /ImageB /ImageC /ImageI]"),
              std::string::npos);
    EXPECT_NE(parsed.objects[2].body.find("/F1 "), std::string::npos);
    EXPECT_NE(parsed.objects[2].body.find("/F2 "), std::string::npos);
    int last = static_cast<int>(objects);
    EXPECT_NE(parsed.trailer.find("/Root " + std::to_string(last) + " 0 R"), std::string::npos);
    EXPECT_NE(parsed.trailer.find("/Info " + std::to_string(last - 1) + " 0 R"), std::string::npos);
    EXPECT_NE(parsed.objects[last].body.find("/Type /Catalog\n/Pages 1 0 R\n"
                                             "/OpenAction [3 0 R /FitH null]\n"
                                             "/PageLayout /OneColumn"),
              std::string::npos);
    const std::string& info = parsed.objects[last - 1].body;
    using namespace std::string_literals;
    EXPECT_NE(info.find("/Producer (\xFE\xFF"s), std::string::npos);
    EXPECT_NE(info.find("\0v\0\x32\0.\0\x32\0\x35)"s), std::string::npos);  // "v2.25"
    EXPECT_TRUE(std::regex_search(info, std::regex("/CreationDate \\(D:\\d{14}\\)")));
    EXPECT_NE(bytes.find("\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n"), std::string::npos);
}

TEST(PdfDocument, StreamLengthsMatchTheirData) {
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    pdf.pdfSetFont("Helvetica", "", 10);
    for (int i = 0; i < 200; ++i)
        pdf.pdfCell(0, 5, "line " + std::to_string(i), 0, 1);
    testing::ParsedPdf parsed = testing::parsePdf(closedDocument(pdf));
    int streams = 0;
    for (const auto& [n, object] : parsed.objects) {
        std::smatch length;
        if (!std::regex_search(object.body, length, std::regex("/Length (\\d+)")))
            continue;
        EXPECT_EQ(testing::streamData(object.body).size(), std::stoul(length[1])) << n;
        ++streams;
    }
    EXPECT_GE(streams, 2);  // the 200 lines need more than one page
}

// A numpunct with "," as decimal point, standing in for a Romanian user locale.
struct CommaPunct : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(PdfDocument, NumbersUsePointUnderACommaLocale) {
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    std::string previousC = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"ro_RO.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr)
            break;
    }
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    pdf.pdfSetFont("Arial", "", 10);
    pdf.pdfSetLineWidth(0.3);
    pdf.pdfCell(33.3, 7.7, "x", 1, 0, "C");
    std::string bytes = closedDocument(pdf);
    std::setlocale(LC_NUMERIC, previousC.c_str());
    std::locale::global(previous);

    EXPECT_NE(bytes.find("0.85 w"), std::string::npos);
    EXPECT_NE(bytes.find("/MediaBox [0 0 595.28 841.89]"), std::string::npos);
    EXPECT_FALSE(std::regex_search(bytes, std::regex("\\d,\\d")));
}

TEST(PdfSave, WritesTheDocumentAndFreesIt) {
    TempFolder folder;
    std::string file = (folder / "factura.pdf").string();
    vandrix::testing::writeFileBytes(file, "old");
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    pdf.pdfAddPage();
    pdf.pdfSave(file);
    EXPECT_EQ(pdf.pdfError(), 0);
    EXPECT_EQ(pdf.state(), kStateFinished);
    EXPECT_TRUE(pdf.documentBytes().empty());
    std::string bytes = readFileBytes(file);
    EXPECT_EQ(bytes.substr(0, 8), "%PDF-1.3");
    EXPECT_EQ(bytes.substr(bytes.size() - 6), "%%EOF\n");
    // Only the document is left in the folder: the temporary name is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(PdfSave, InvalidNamesGiveError15AndNoFile) {
    for (const char* name : {"a?b.pdf", "a*b.pdf", "a:b.pdf", "a<b.pdf", "a>b.pdf", "a|b.pdf",
                             "a\"b.pdf", "a\tb.pdf", "sub/", "a\\b?.pdf"}) {
        TempFolder folder;
        PdfDocument pdf(noFonts);
        pdf.pdfCreate("", "", "");
        pdf.pdfSave((folder / name).string());
        EXPECT_EQ(pdf.pdfError(), kErrorFileName) << name;
        EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << name;
        EXPECT_TRUE(pdf.documentBytes().empty());
    }
}

TEST(PdfSave, FileThatCannotBeCreatedGivesError16) {
    TempFolder folder;
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    pdf.pdfSave((folder / "missing" / "factura.pdf").string());
    EXPECT_EQ(pdf.pdfError(), kErrorFileCreate);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST(PdfSave, EmptyNameWritesNothingAndAFinishedDocumentTakesNoDrawing) {
    TempFolder folder;
    vandrix::testing::ScopedWorkingFolder inFolder(folder.path());
    PdfDocument pdf(noFonts);
    pdf.pdfCreate("", "", "");
    pdf.pdfClose();
    std::string closed(pdf.documentBytes());
    pdf.pdfSetFont("Courier", "", 10);
    pdf.pdfCell(10, 10, "late", 1);
    pdf.pdfAddPage();
    pdf.pdfClose();
    EXPECT_EQ(pdf.documentBytes(), closed);
    pdf.pdfSave("");
    EXPECT_EQ(pdf.pdfError(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(PdfDocument, AddingAPageWithoutADocumentCreatesOne) {
    PdfDocument pdf(noFonts);
    pdf.pdfAddPage();
    EXPECT_EQ(pdf.state(), kStatePageOpen);
    EXPECT_EQ(pdf.pageCount(), 1);
    EXPECT_NEAR(pdf.pageWidth(), 210.0, 0.002);
}

TEST(ByteBuffer, GrowsInStepsOf2048) {
    ByteBuffer buffer;
    ASSERT_TRUE(buffer.reserve(1));
    EXPECT_EQ(buffer.capacity(), 2048u);
    ASSERT_TRUE(buffer.append(std::string(2048, 'a')));
    EXPECT_EQ(buffer.capacity(), 2048u);
    ASSERT_TRUE(buffer.append("b"));
    EXPECT_EQ(buffer.capacity(), 4096u);
    EXPECT_EQ(buffer.view(), std::string(2048, 'a') + "b");
    ASSERT_TRUE(buffer.reserve(65536));
    EXPECT_EQ(buffer.capacity(), 65536u);
    EXPECT_EQ(buffer.size(), 2049u);
    buffer.release();
    EXPECT_EQ(buffer.capacity(), 0u);
    EXPECT_TRUE(buffer.view().empty());
}

}  // namespace
}  // namespace vandrix::pdf
