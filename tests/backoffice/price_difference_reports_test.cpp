// The price-difference reports: receipt lines sold at another price than the article's
// current one, and the price history in the ANSI code page.
#include "backoffice/csv_reports.h"
#include "report_fixture.h"

namespace vandrix::backoffice {
namespace {

using Lines = std::vector<std::string>;

TEST_F(ReportTest, PriceDifferenceReportsListASaleMadeBeforeAPriceChange) {
    article("1", "PÂINE ȚĂRĂNEASCĂ", "BUC", "10.00");
    article("2", "LAPTE", "L", "5.00");
    receipt("30", "4", "2024-03-01 10:00:00", "2");
    line("300", "30", "1", "2.000", "10.00");
    line("301", "30", "2", "1.000", "5.00");    // sold at its price
    line("302", "30", "-1", "1.000", "-2.00");  // a discount: its amount differs from 0.00
    // The price changes in the back office; later sales are at the new price.
    run("update articol set pret='12.00' where id='1'", {});
    run("insert into modificaripret values ('1','1','1','12.00','2024-03-01 18:00:00')", {});
    receipt("31", "5", "2024-03-02 10:00:00", "2");
    line("310", "31", "1", "1.000", "12.00");

    PriceDifferenceReports reports = writePriceDifferenceReports("baza.db", now);

    ASSERT_TRUE(reports.receipts.written);
    EXPECT_EQ(reports.receipts.path, "rapoarte/20240305143007-modificarepretbon.csv");
    EXPECT_EQ(linesOf(reports.receipts.path),
              (Lines{"EOD,NrBon,Databon,Numeart,Cantitate,PretArt,PretVanz,Diferenta",
                     "2,4,2024-03-01 10:00:00,PÂINE ȚĂRĂNEASCĂ,2.000,12.00,10.00,-4.00",
                     "2,4,2024-03-01 10:00:00,DISCOUNT,1.000,0.00,-2.00,-2.00"}));

    ASSERT_TRUE(reports.history.written);
    EXPECT_EQ(reports.history.path, "rapoarte/20240305143007-modificarepretadmin.csv");
    // Windows-1250: Â C2, Ă C3, and the comma-below Ț as the code page's cedilla Ţ, DE.
    EXPECT_EQ(testing::readFileBytes(folder / reports.history.path),
              "DataModificare,Numeart,PretModificat,IDCotaTVA\r\n"
              "2024-03-01 18:00:00,P\xC2INE \xDE\xC3R\xC3NEASC\xC3,12.00,1\r\n");
}

}  // namespace
}  // namespace vandrix::backoffice
