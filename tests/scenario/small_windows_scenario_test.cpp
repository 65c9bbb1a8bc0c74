// The sale's small windows through the real program: the discount's percentage, the buyer's
// fiscal code and the receipt's free text.
#include <gtest/gtest.h>

#include "scenario.h"
#include "shop.h"

namespace vandrix {
namespace {

// A shop with one article "100" at 100.00.
class SmallWindows : public testing::ShopScenario {
  protected:
    SmallWindows()
        : ShopScenario({"INSERT INTO articol VALUES (1,'RADIO','BUC',100.00,'2','1','')",
                        "INSERT INTO codbar VALUES (4,'100','1')"}) {}
};

TEST_F(SmallWindows, DiscountPercentageIsTypedOnTheKeypadUpTo9999) {
    auto run = sell(
        "type 100\nkey Enter\n"
        "click Discount\n"
        "expect-title Discount\nexpect total | 100.00\n"
        "type 7\n"  // keyboard digits do nothing here
        "click 1\nclick 5\nexpect procent | 15\nclick E N T E R\n"
        "expect-row grid | 1 | DISCOUNT | BUC |   1.000 | % 15.00\n"
        "expect total |   85.00\n"
        "click St. Poz.\n"
        "click Discount\nclick 1\nclick 5\nclick 0\nexpect procent | 99.99\n"
        "click DEL\nclick .\nclick .\nexpect procent | 99.99\nclose\n"
        "expect-row grid | 1 | DISCOUNT\n"
        "expect total |  100.00\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST_F(SmallWindows, ALinesNewPriceIsTypedOnTheKeypad) {
    auto run = sell(
        "type 2\nclick X\ntype 100\nkey Enter\n"
        "select grid | 0\nclick M. Pret\n"
        "expect-title ModificaPret\nexpect linie | RADIO - 100.00\n"
        "click 2\nclick .\nclick .\nclick 5\nclick 7\nexpect pret | 2.57\n"
        "click Del\nclick E N T E R\n"
        "expect-row grid | 0 | RADIO | BUC |   2.000 |    2.50\n"
        "expect total |    5.00\n"
        "select grid | 0\nclick M. Pret\n"
        "click 9\nclick 9\nclick 9\nclick 9\nclick 9\nclick 9\nclick 9\nclick 9\n"
        "click E N T E R\nexpect-title Eroare\nclick OK\n"
        "expect-title ModificaPret\nclose\n"
        "expect total |    5.00\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST_F(SmallWindows, AFiscalCodeIsKeptOnlyWithItsRightControlDigit) {
    auto run = sell(
        "click CUI\nexpect-title CUI pe BON\n"
        "click 1\nclick 5\nclick 9\nclick 0\nclick 0\nclick 8\nclick 3\n"
        "click E N T E R\nexpect-title Eroare\nclick OK\n"
        "expect-title CUI pe BON\nexpect cod | 1590083\n"
        "click DEL\nclick 2\nclick RO\nexpect cod | RO1590082\n"
        "click E N T E R\n"
        "expect CUI RO1590082 | CUI RO1590082\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Eroare | CIF Incorect | 0")) << run.output;
}

TEST_F(SmallWindows, ClosingTheFiscalCodeWindowLeavesNoCode) {
    auto run = sell("click CUI\nclick 6\nclick 0\nclose\nexpect CUI | CUI\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

}  // namespace
}  // namespace vandrix
