// The sample document read by outside PDF tools: qpdf checks its structure, pdftotext gives
// back the texts, pdffonts shows the embedded TrueType font, pdftoppm renders it.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "pdf_test_helpers.h"
#include "temp_folder.h"

namespace vandrix::pdf {
namespace {

using testing::runCommand;

class SampleDocument : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* tool : {"qpdf", "pdftotext", "pdffonts", "pdftoppm"}) {
            if (!testing::toolAvailable(tool))
                GTEST_SKIP() << tool << " is not installed";
        }
        auto [status, output] =
            runCommand("LSAN_OPTIONS=suppressions=" PDF_LSAN_SUPPRESSIONS " " PDF_SAMPLE_PATH " '" +
                       file() + "' 2>&1");
        ASSERT_EQ(status, 0) << output;
    }
    std::string file() const { return (folder / "sample.pdf").string(); }

    vandrix::testing::TempFolder folder;
};

TEST_F(SampleDocument, QpdfFindsNoProblem) {
    auto [status, output] = runCommand("qpdf --check '" + file() + "' 2>&1");
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("No syntax or stream encoding errors found"), std::string::npos);
    EXPECT_EQ(output.find("WARNING"), std::string::npos) << output;
}

TEST_F(SampleDocument, PdftotextGivesBackTheTexts) {
    auto [status, text] = runCommand("pdftotext -enc UTF-8 '" + file() + "' - 2>&1");
    ASSERT_EQ(status, 0) << text;
    for (const char* expected :
         {"Courier: Factura fiscala nr. 1024", "Helvetica bold: Cod fiscal RO1234567",
          "Times bold italic: Cota TVA 19%", "Arial bold: Total de plata",
          "Lucida Console: ăâîșț ĂÂÎȘȚ (paranteze) \\ backslash", "Aliniat la dreapta"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_EQ(text.find("\xEF\xBB\xBF"), std::string::npos) << "a stray byte-order mark";
}

TEST_F(SampleDocument, PdffontsShowsTheEmbeddedTrueTypeFontAndTheCoreFonts) {
    auto [status, fonts] = runCommand("pdffonts '" + file() + "' 2>&1");
    ASSERT_EQ(status, 0) << fonts;
    bool embeddedTrueType = false;
    std::istringstream lines(fonts);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("CID TrueType") != std::string::npos &&
            line.find("Identity-H") != std::string::npos &&
            line.find(" yes ") != std::string::npos) {
            embeddedTrueType = true;
        }
    }
    EXPECT_TRUE(embeddedTrueType) << fonts;
    for (const char* core :
         {"Courier-BoldOblique", "Helvetica-Bold", "Times-Italic", "Symbol", "ZapfDingbats"}) {
        EXPECT_NE(fonts.find(core), std::string::npos) << core;
    }
    EXPECT_EQ(fonts.find("Error"), std::string::npos) << fonts;
}

TEST_F(SampleDocument, PdftoppmRendersThePage) {
    std::string prefix = (folder / "page").string();
    auto [status, output] =
        runCommand("pdftoppm -png -r 50 '" + file() + "' '" + prefix + "' 2>&1");
    EXPECT_EQ(status, 0) << output;
    EXPECT_TRUE(output.empty()) << output;  // poppler reports every problem it meets
    std::filesystem::path png = folder / "page-1.png";
    ASSERT_TRUE(std::filesystem::exists(png));
    EXPECT_EQ(vandrix::testing::readFileBytes(png).substr(1, 3), "PNG");
    EXPECT_FALSE(std::filesystem::exists(folder / "page-2.png"));
}

}  // namespace
}  // namespace vandrix::pdf
