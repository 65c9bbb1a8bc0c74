// The article search window through the real program: the three-letter rule, the on-screen
// keys, a barcode fragment, the stock column, and a double click that sells with the quantity.
#include <gtest/gtest.h>

#include "shop.h"

namespace vandrix {
namespace {

class ArticleSearchScenario : public testing::ShopScenario {
  protected:
    ArticleSearchScenario()
        : ShopScenario({"INSERT INTO articol VALUES (1,'PAINE ALBA','BUC',3.50,'2','2','')",
                        "INSERT INTO articol VALUES (2,'LAPTE','L',5.00,'2','2','')",
                        "INSERT INTO codbar VALUES (10,'5940001','1')",
                        "INSERT INTO codbar VALUES (11,'5940002','2')",
                        "INSERT INTO spstoc VALUES (1,'1','',10,'2026-12-01 08:00:00')",
                        "INSERT INTO bon (id,databon,eod) VALUES (2,'2026-12-02 10:00:00',2)",
                        "INSERT INTO spbon VALUES (2,'2','1',3,3.5)"}) {}
};

TEST_F(ArticleSearchScenario, AThirdLetterListsAndADoubleClickSells) {
    auto run = sell(
        "type 2\nclick X\n"
        "click Art. Den.\nexpect-title Articole\n"
        "click P\nclick A\nexpect-rows articole | 0\n"
        "click I\nexpect cautare | pai\n"
        "expect-rows articole | 1\n"
        "expect-row articole | 0 | 1 | PAINE ALBA | BUC | 3.50 | 2 | 5940001 | 2 |  | 7.000\n"
        "click <--\nclick <--\nclick <--\n"
        "type 002\nexpect-rows articole | 1\n"
        "expect-row articole | 0 | 2 | LAPTE\n"
        "select articole | 0\ndblclick articole\n"
        "expect-row grid | 0 | LAPTE | L |   2.000 |    5.00\n"
        "expect total |   10.00\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST_F(ArticleSearchScenario, ClosingAddsNothing) {
    auto run = sell("click Art. Den.\ntype LAP\nclose\nexpect-rows grid | 0\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

}  // namespace
}  // namespace vandrix
