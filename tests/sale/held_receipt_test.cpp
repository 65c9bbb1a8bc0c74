// The held receipt's lines: a plain receipt in the plain format, and every cell back as it was,
// whatever it holds.
#include "sale/held_receipt.h"

#include <gtest/gtest.h>

namespace vandrix::sale {
namespace {

TEST(HeldReceipt, PlainLinesKeepThePlainFormat) {
    ReceiptGrid grid;
    grid.append({"PAINE", "BUC", "  1.000", "   3.50", "1", "111", "1", "2"});
    EXPECT_EQ(heldReceiptLines(grid),
              std::vector<std::string>{"PAINE|BUC|  1.000|   3.50|1|111|1|2|"});
}

TEST(HeldReceipt, EveryCellComesBackAsItWas) {
    ReceiptGrid grid;
    grid.append({"A|B", "C\r\nD", "\\x\\", "|", "", "5", "6", "7"});
    grid.append({"DISCOUNT", "BUC", "  1.000", "% 10.00", "-1", "D", "1", "0"});
    const ReceiptGrid back = heldReceiptRows(heldReceiptLines(grid));
    ASSERT_EQ(back.size(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(back.row(i), grid.row(i)) << i;
    // A file written by hand or by an earlier version: empty lines add nothing, short lines
    // leave the rest empty.
    const ReceiptGrid older = heldReceiptRows({"", "PAINE|BUC|  1.000|   3.50|1|111|1|2|", "X|Y"});
    ASSERT_EQ(older.size(), 2);
    EXPECT_EQ(older.cell(0, kPriceCell), "   3.50");
    EXPECT_EQ(older.cell(1, kUnitCell), "Y");
    EXPECT_EQ(older.cell(1, kGroupCell), "");
}

}  // namespace
}  // namespace vandrix::sale
