// The stock-of-the-day report: which barcodes it lists and the stock it shows for each, the
// latest count minus what was sold since.
#include <array>

#include "backoffice/csv_reports.h"
#include "report_fixture.h"

namespace vandrix::backoffice {
namespace {

using Lines = std::vector<std::string>;

TEST_F(ReportTest, StockReportListsEveryBarcodeButTheTipAndDiscountCodes) {
    article("1", "PÂINE", "BUC", "3.50");
    barcode("10", "111", "1");
    barcode("11", "112", "1");  // a second barcode of the same article
    article("2", "LAPTE", "L", "5.00");
    barcode("12", "222", "2");
    article("3", "OUA", "BUC", "1.00");
    article("4", "SARE", "BUC", "2.00");
    barcode("13", "999", "3");  // one code on two articles: not listed
    barcode("14", "999", "4");
    count("1", "1", "10.000", "2024-03-01 08:00:00");
    receipt("20", "1", "2024-02-28 12:00:00", "2");  // before the count
    line("200", "20", "1", "2.000", "3.50");
    receipt("21", "2", "2024-03-02 12:00:00", "2");
    line("210", "21", "1", "3.000", "3.50");
    line("211", "21", "2", "1.500", "5.00");
    line("212", "21", "2", "2.500", "5.00");  // milk was never counted: 4 sold

    ReportFile report = writeStockReport("baza.db", now);

    ASSERT_TRUE(report.written);
    EXPECT_EQ(report.path, "rapoarte/20240305143007-StocLaZI.csv");
    EXPECT_EQ(linesOf(report.path),
              (Lines{"codbar,Articol,um,cantitate,pret", "A,AVANS,BUC,0.000,0.00",
                     "S,STORNO AVANS,BUC,0.000,0.00", "111,PÂINE,BUC,7.000,3.50",
                     "112,PÂINE,BUC,7.000,3.50", "222,LAPTE,L,-4.000,5.00"}));
}

// The stock shown for one article: its counts (id, quantity, date; an empty quantity is a
// count without one) and its sales (date, quantity).
struct StockCase {
    const char* name;
    std::vector<std::array<const char*, 3>> counts;
    std::vector<std::array<const char*, 2>> sales;
    const char* stock;
};

class StockRuleTest : public ReportTest, public ::testing::WithParamInterface<StockCase> {};

TEST_P(StockRuleTest, StockIsTheLatestCountLessWhatWasSoldSince) {
    const StockCase& c = GetParam();
    article("1", "PÂINE", "BUC", "3.50");
    barcode("10", "111", "1");
    for (const auto& [id, quantity, date] : c.counts) {
        if (*quantity)
            count(id, "1", quantity, date);
        else
            run("insert into spstoc (id,idart,obs,data) values (?,'1','OBS',?)", {id, date});
    }
    int n = 20;
    for (const auto& [date, quantity] : c.sales) {
        const std::string id = std::to_string(n++);
        receipt(id, "1", date, "2");
        line(id, id, "1", quantity, "3.50");
    }

    ReportFile report = writeStockReport("baza.db", now);

    ASSERT_TRUE(report.written);
    Lines lines = linesOf(report.path);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], std::string("111,PÂINE,BUC,") + c.stock + ",3.50");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StockRuleTest,
    ::testing::Values(
        StockCase{"NeverCountedShowsAllSoldAsNegative",
                  {},
                  {{"2023-06-01 10:00:00", "2.000"}, {"2024-03-01 10:00:00", "1.500"}},
                  "-3.500"},
        StockCase{"SalesBeforeTheCountAreNotTakenOff",
                  {{"1", "10.000", "2024-03-01 08:00:00"}},
                  {{"2024-02-29 18:00:00", "4.000"}},
                  "10.000"},
        StockCase{"ASaleAtTheCountsMomentIsTakenOff",
                  {{"1", "10.000", "2024-03-01 08:00:00"}},
                  {{"2024-03-01 08:00:00", "1.000"}},
                  "9.000"},
        StockCase{"TheLatestCountByDateWinsOverTheFirstAndTheHighestId",
                  {{"1", "50.000", "2024-02-01 08:00:00"},
                   {"2", "5.000", "2024-03-02 08:00:00"},
                   {"3", "20.000", "2024-03-01 08:00:00"}},
                  {{"2024-03-01 12:00:00", "1.000"}, {"2024-03-03 12:00:00", "2.000"}},
                  "3.000"},
        StockCase{"FractionsWithThreeDecimals",
                  {{"1", "2.500", "2024-03-01 08:00:00"}},
                  {{"2024-03-02 08:00:00", "0.750"}},
                  "1.750"},
        StockCase{"ACountWithoutQuantityCountsZero",
                  {{"1", "", "2024-03-01 08:00:00"}},
                  {{"2024-03-02 08:00:00", "1.000"}},
                  "-1.000"}),
    [](const ::testing::TestParamInfo<StockCase>& test) { return test.param.name; });

}  // namespace
}  // namespace vandrix::backoffice
