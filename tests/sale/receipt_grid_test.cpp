// The receipt grid's total: line amounts, the discount line and the selection.
#include <gtest/gtest.h>

#include <cmath>

#include "sale/receipt_grid.h"
#include "sale/sale_desk.h"

namespace vandrix::sale {
namespace {

Row line(const std::string& name, double quantity, double price, const std::string& id = "1") {
    return {name,
            "BUC",
            quantityCell(std::llround(quantity * 1000)),
            priceCell(std::llround(price * 100)),
            id,
            id,
            "1",
            "2"};
}

Row discount(double percent) {
    return {
        "DISCOUNT", "BUC", quantityCell(1000), discountCell(std::llround(percent * 100)), "-1", "D",
        "1",        "0"};
}

TEST(ReceiptCells, QuantitiesAndMoneyRightAlignedInSevenAndNeverCut) {
    EXPECT_EQ(quantityCell(2500), "  2.500");
    EXPECT_EQ(quantityCell(1234568), "1234.568");  // wider than the field: the field widens
    EXPECT_EQ(priceCell(3675), "  36.75");
    EXPECT_EQ(priceCell(0), "   0.00");
    EXPECT_EQ(priceCell(9999999), "99999.99");
    EXPECT_EQ(discountCell(1000), "% 10.00");
}

TEST(RecomputeTotals, SumsLineAmountsRoundedToTheCent) {
    ReceiptGrid grid;
    grid.append(line("A", 2, 1.50));
    grid.append(line("B", 3, 0.99));
    EXPECT_EQ(lineAmount(grid.row(0)), 300);
    EXPECT_EQ(lineAmount(grid.row(1)), 297);
    EXPECT_EQ(recomputeReceiptTotals(grid), "   5.97");
    EXPECT_EQ(grid.selected(), 1);
}

// Each line is rounded to the cent as the fiscal printer rounds it, and the total is the sum of
// the rounded lines: forty lines of 0.333 kg at 12.99 are 40 x 4.33.
TEST(RecomputeTotals, TheTotalIsTheSumOfTheRoundedLines) {
    ReceiptGrid grid;
    for (int i = 0; i < 40; ++i)
        grid.append(line("BRANZA", 0.333, 12.99, std::to_string(i + 1)));
    EXPECT_EQ(lineAmount(grid.row(0)), 433);
    EXPECT_EQ(recomputeReceiptTotals(grid), " 173.20");
    EXPECT_EQ(receiptTotal(grid), 17320);
}

TEST(RecomputeTotals, DiscountMovesToTheEndAndAppliesToTheLinesAbove) {
    ReceiptGrid grid;
    grid.append(line("A", 1, 40));
    grid.append(discount(10));
    grid.append(line("B", 2, 30));
    EXPECT_EQ(recomputeReceiptTotals(grid), "  90.00");
    ASSERT_EQ(grid.size(), 3);
    EXPECT_EQ(grid.cell(2, kNameCell), "DISCOUNT");
    EXPECT_EQ(grid.cell(1, kNameCell), "B");
    EXPECT_EQ(grid.selected(), 2);
}

TEST(RecomputeTotals, LoneDiscountAndEmptyGrid) {
    ReceiptGrid alone;
    alone.append(discount(10));
    EXPECT_EQ(recomputeReceiptTotals(alone), "   0.00");
    EXPECT_TRUE(alone.empty());
    EXPECT_EQ(alone.selected(), -1);

    ReceiptGrid empty;
    EXPECT_EQ(recomputeReceiptTotals(empty), "   0.00");
    EXPECT_EQ(empty.selected(), -1);
}

// The discount line is the discount article's (id -1) whatever its name; when several exist
// the last one counts and the others go, so the file and the rows apply the same discount. An
// article whose name begins with "Discount" is sold as an article.
TEST(RecomputeTotals, TheLastDiscountLineCountsAndNamesDoNotMakeDiscounts) {
    ReceiptGrid grid;
    grid.append(line("A", 1, 50));
    grid.append(discount(10));
    Row second = discount(20);
    second[kNameCell] = "  discount special";
    grid.append(second);
    grid.append(line("B", 1, 50));
    grid.append(line("Discount card", 1, 5, "7"));
    EXPECT_EQ(recomputeReceiptTotals(grid), "  84.00");
    ASSERT_EQ(grid.size(), 4);
    EXPECT_EQ(grid.cell(3, kNameCell), "  discount special");
    EXPECT_EQ(grid.cell(2, kNameCell), "Discount card");
    EXPECT_EQ(receiptTotal(grid), 8400);
}

TEST(RecomputeTotals, CellsThatAreNotNumbersReadAsZero) {
    ReceiptGrid grid;
    grid.append({"A", "BUC", "abc", "  1.00", "1", "1", "1", "2"});
    grid.append(line("B", 1, 2.50));
    EXPECT_EQ(recomputeReceiptTotals(grid), "   2.50");
}

TEST(PaymentQuestion, AmountTextFollowsTheMode) {
    EXPECT_EQ(SaleDesk::amountText(1, "20", "1.000", "   0.00"), "1.00 x 20.00 = 20.00");
    EXPECT_EQ(SaleDesk::amountText(2, "20", "2.500", "   0.00"), "2.50 x 20.00 = 50.00");
    EXPECT_EQ(SaleDesk::amountText(4, "20", "1.000", "   0.00"), "20.00 x 1.00 = 20.00");
    EXPECT_EQ(SaleDesk::amountText(1, "", "1.000", "  73.50"), "73.50");
    EXPECT_EQ(SaleDesk::paymentQuestionFlags(1), 4);
    EXPECT_EQ(SaleDesk::paymentQuestionFlags(2), 4 + 16);
    EXPECT_EQ(SaleDesk::paymentQuestionFlags(3), 4 + 64);
    EXPECT_EQ(SaleDesk::paymentQuestionFlags(4), 4 + 48);
}

}  // namespace
}  // namespace vandrix::sale
