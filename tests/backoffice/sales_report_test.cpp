// The sales report of a period: its lines, the discount line's value, the totals line and the
// file name with the padded period.
#include <filesystem>

#include "backoffice/csv_reports.h"
#include "report_fixture.h"

namespace vandrix::backoffice {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const char* const kHeader =
    "eod,data,Bon,codbar,Articol,um,cantitate,pretart,pretvanz,cant*pretvanz,cotatva,cui,pos";

TEST_F(ReportTest, SalesReportListsThePeriodsLinesWithTheDiscountAndTheTotal) {
    article("1", "PÂINE", "BUC", "3.00", "2");
    barcode("10", "111", "1");
    barcode("11", "112", "1");
    article("2", "LAPTE", "L", "25.00");  // no barcode
    // 50.00 of articles and a 10 % discount; the bread was sold above its current price.
    receipt("10", "1", "2024-03-04 09:15:00", "3", "RO123");
    line("100", "10", "1", "2.500", "10.00");
    line("101", "10", "2", "1.000", "25.00");
    line("102", "10", "-1", "1.000", "10.00");
    receipt("11", "2", "2024-03-04 09:20:00", "3");
    line("103", "11", "1", "0.333", "3.00");  // 0.999 taken to 1.00
    line("107", "11", "1", "0.500", "1.15");  // 0.575 rounds away from zero, as on the receipt
    receipt("12", "1", "2024-03-05 08:00:00", "4");  // another period
    line("104", "12", "2", "1.000", "25.00");
    // As a paid receipt stores it: the discount line holds the amount it took off.
    receipt("13", "3", "2024-03-04 10:00:00", "3");
    line("105", "13", "2", "2.000", "25.00");
    line("106", "13", "-1", "1.000", "-5.00");

    ReportFile report = writeSalesReport("baza.db", "3", now);

    ASSERT_TRUE(report.written);
    EXPECT_EQ(report.path, "rapoarte/20240305143007-eod0003-Vanzare.csv");
    EXPECT_EQ(
        linesOf(report.path),
        (Lines{kHeader, "3,2024-03-04 09:15:00,1,111,PÂINE,BUC,2.500,3.00,10.00,25.00,9,RO123,1",
               "3,2024-03-04 09:15:00,1,,LAPTE,L,1.000,25.00,25.00,25.00,19,RO123,1",
               "3,2024-03-04 09:15:00,1,D,DISCOUNT,BUC,1.000,0.00,10.00,-5.00,19,RO123,1",
               "3,2024-03-04 09:20:00,2,111,PÂINE,BUC,0.333,3.00,3.00,1.00,9,,1",
               "3,2024-03-04 09:20:00,2,111,PÂINE,BUC,0.500,3.00,1.15,0.58,9,,1",
               "3,2024-03-04 10:00:00,3,,LAPTE,L,2.000,25.00,25.00,50.00,19,,1",
               "3,2024-03-04 10:00:00,3,D,DISCOUNT,BUC,1.000,0.00,-5.00,-5.00,19,,1",
               ",,,,,,,,Total,91.58"}));
}

TEST_F(ReportTest, SalesReportOfAPeriodWithoutReceiptsHoldsTheHeaderAndAZeroTotal) {
    ReportFile report = writeSalesReport("baza.db", "7", now);
    ASSERT_TRUE(report.written);
    EXPECT_EQ(linesOf(report.path), (Lines{kHeader, ",,,,,,,,Total,0.00"}));
}

TEST_F(ReportTest, SalesReportKeepsANameWithACommaInOneField) {
    article("1", "APA 0,5L", "BUC", "2.00");
    article("2", "SUC \"X\"", "BUC", "4.00");
    receipt("10", "1", "2024-03-04 09:15:00", "2");
    line("100", "10", "1", "1.000", "2.00");
    line("101", "10", "2", "1.000", "4.00");

    ReportFile report = writeSalesReport("baza.db", "2", now);

    ASSERT_TRUE(report.written);
    Lines lines = linesOf(report.path);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1], "2,2024-03-04 09:15:00,1,,\"APA 0,5L\",BUC,1.000,2.00,2.00,2.00,19,,1");
    EXPECT_EQ(lines[2],
              "2,2024-03-04 09:15:00,1,,\"SUC \"\"X\"\"\",BUC,1.000,4.00,4.00,4.00,19,,1");
}

TEST_F(ReportTest, SalesReportNamesTheFileAfterThePaddedPeriod) {
    const struct {
        const char* period;
        const char* padded;
    } cases[] = {
        {"12", "0012"},   {"7", "0007"},     {" 1 2 ", "0012"},  // the list's cell, spaces dropped
        {"1234", "1234"}, {"12345", "1234"},  // a longer number keeps its first 4 characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        EXPECT_EQ(paddedPeriod(c.period), c.padded);
        EXPECT_EQ(salesReportMessage(c.period),
                  std::string("Raport Vanzare\r\n  Z:") + c.padded + "\r\n");
        ReportFile report = writeSalesReport("baza.db", c.period, now);
        EXPECT_TRUE(report.written);
        EXPECT_EQ(report.path,
                  std::string("rapoarte/20240305143007-eod") + c.padded + "-Vanzare.csv");
        EXPECT_TRUE(fs::is_regular_file(folder / report.path));
    }
}

TEST_F(ReportTest, SalesReportWithoutAPeriodWritesNothing) {
    for (const char* period : {"", "   ", "../1", "1a", "-3"}) {
        SCOPED_TRACE(period);
        ReportFile report = writeSalesReport("baza.db", period, now);
        EXPECT_FALSE(report.written);
        EXPECT_EQ(report.path, "");
    }
    EXPECT_TRUE(fs::is_empty(folder / "rapoarte"));
}

}  // namespace
}  // namespace vandrix::backoffice
