// The invoice's documents from a document made in the test: the printer texts' widths and
// lines, the groups shown, the labels as each layout cuts them, the address split, the HTML page
// and a PDF that a PDF reader opens and reads back.
#include "invoice/invoice_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "temp_folder.h"

namespace vandrix::invoice {
namespace {

// One receipt selling in groups 1 and 5, one in group 1 only, and a group 2 of gross 0.
InvoiceDocument sample() {
    InvoiceDocument doc;
    doc.seller = {"MAGAZIN SRL", "RO123", "J40/1/2000",
                  "STR. FOARTE LUNGA A MAGAZINULUI NR. 100, BLOC A, SCARA 2, A1"};
    doc.buyer = {"ŞTEFĂNESCU SRL", "RO18547290", "J12/3/2004", "STR. MARE 3, CLUJ"};
    doc.series = "FCT0042";
    doc.date = "10.12.2026";
    doc.labels = {"19%", "09%", "05%", "00%", "FaraTVA"};
    InvoiceReceipt a{"12", "2", "10.12.2026", {}};
    a.amounts.vat[0] = 1900;
    a.amounts.gross[0] = 11900;
    a.amounts.gross[4] = 1000;
    InvoiceReceipt b{"13", "2", "10.12.2026", {}};
    b.amounts.vat[0] = 950;
    b.amounts.gross[0] = 5950;
    doc.receipts = {a, b};
    doc.totals.vat[0] = 2850;
    doc.totals.gross[0] = 17850;
    doc.totals.gross[4] = 1000;
    return doc;
}

std::size_t count(const std::vector<std::string>& lines, const std::string& start) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; }));
}

TEST(InvoiceDocuments, WideTextAtFiftyCharacters) {
    const auto lines = wideInvoiceText(sample(), 50);
    for (const std::string& line : lines)
        if (!line.empty() && line.front() == '+') {
            EXPECT_EQ(line.size(), 48u) << line;
        }
    EXPECT_EQ(lines[1], "|^V^a^n^z^a^t^o^r:" + std::string(29, ' ') + "|");
    // Receipt 12 in groups 1 and 5, receipt 13 in group 1: three entries; group 2 none.
    EXPECT_EQ(count(lines, "|Bon:"), 3u);
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "|Bon:0012 /  |Buc|  1 |  100.00|  100.00| 19.00|"),
        lines.end());
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "|Conform:-   |   |    |        |        |FaraTV|"),
        lines.end());
    EXPECT_EQ(count(lines, "| Val. Fara TVA "), 2u);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "| Val. Fara TVA Fara:   10.00  |   FaraTVA:   0.00|"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "| Total cu TVA : " + std::string(24, ' ') + "188.50|"),
              lines.end());
    // A 60-character address: "Adresa:" and 39 letters, then the other 21.
    EXPECT_EQ(lines[5], "|Adresa:STR. FOARTE LUNGA A MAGAZINULUI NR. 100|");
    EXPECT_EQ(lines[6], "|, BLOC A, SCARA 2, A1" + std::string(25, ' ') + "|");
}

TEST(InvoiceDocuments, NarrowTextAtThirtySevenCharacters) {
    const auto lines = narrowInvoiceText(sample(), 37);
    for (const std::string& line : lines)
        if (!line.empty() && line.front() == '+') {
            EXPECT_EQ(line.size(), 35u);
        }
    EXPECT_EQ(lines[1].size(), 30u);
    EXPECT_EQ(lines[2].size(), 30u);
    EXPECT_EQ(lines[4].size(), 30u);
    EXPECT_EQ(count(lines, "|Conform:- Bon:"), 3u);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "|   TVA- FaraTVA:          0.00   |"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "|  Total cu TVA :        188.50   |"),
              lines.end());
}

TEST(InvoiceDocuments, HtmlSaysItsCodePage) {
    const auto lines = invoiceHtml(sample());
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[2], "<head>");
    EXPECT_EQ(lines[3], "<meta charset=\"windows-1250\">");
    EXPECT_EQ(lines.back(), "</html>");
    EXPECT_EQ(count(lines, "Conform:-&nbsp;&nbsp;Bon:"), 3u);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Denumire:ŞTEFĂNESCU SRL</br>"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), " FaraTVA</br>0.00"), lines.end());
}

// The PDF opens in a PDF reader, and its texts, diacritics included, come back.
TEST(InvoiceDocuments, PdfReadsBack) {
    testing::TempFolder folder;
    const std::string path = (folder.path() / "tmpFact000000001.PDF").string();
    ASSERT_TRUE(writeInvoicePdf(sample(), path));
    EXPECT_EQ(std::system(("qpdf --check '" + path + "' > /dev/null").c_str()), 0);
    const std::string text = (folder.path() / "text.txt").string();
    ASSERT_EQ(std::system(("pdftotext -layout '" + path + "' '" + text + "'").c_str()), 0);
    std::ifstream in(text);
    std::stringstream read;
    read << in.rdbuf();
    const std::string content = read.str();
    for (const char* expected :
         {"VANZATOR:", "CUMPARATOR:", "Denumire:ŞTEFĂNESCU SRL", "FACTURA", "FCT0042",
          "Conform:- Bon:0012", "Z:0002 din 10.12.2026", "FaraTVA", "188.50", "Stampila:"})
        EXPECT_NE(content.find(expected), std::string::npos) << expected << "\n" << content;
}

// The table keeps the height of 31 receipts: one receipt in one group is 2 rows, and 60 filler
// rows follow it. Counted as the cells of one space in the monospace face: the 60 fillers, the
// receipt rows' 4 empty columns, the 4 around the number and date and the delegate block's 10.
TEST(InvoiceDocuments, PdfFillsTheTableToThirtyOneReceipts) {
    testing::TempFolder folder;
    InvoiceDocument doc = sample();
    doc.receipts.resize(1);
    doc.receipts[0].amounts.gross[4] = 0;
    const std::string path = (folder.path() / "one.pdf").string();
    const std::string plain = (folder.path() / "plain.pdf").string();
    ASSERT_TRUE(writeInvoicePdf(doc, path));
    ASSERT_EQ(
        std::system(("qpdf --qdf --object-streams=disable '" + path + "' '" + plain + "'").c_str()),
        0);
    const std::string content = testing::readFileBytes(plain);
    std::size_t spaces = 0;
    for (std::size_t at = content.find("<0020> Tj"); at != std::string::npos;
         at = content.find("<0020> Tj", at + 1))
        ++spaces;
    EXPECT_EQ(spaces, 60u + 4u + 4u + 10u);
}

}  // namespace
}  // namespace vandrix::invoice
