// The held receipt's lines: a plain receipt in the plain format, everything that belongs to the
// receipt back as it was, and a file that the program did not write refused with its line.
#include "sale/held_receipt.h"

#include <gtest/gtest.h>

namespace vandrix::sale {
namespace {

// A shop with articles 1 and 2 and VAT groups 1 to 5.
HeldReceiptChecks shopChecks() {
    return {[](const std::string& id) { return id == "1" || id == "2" || id == "-1"; },
            [](int group) { return group >= 1 && group <= 5; }};
}

TEST(HeldReceipt, PlainLinesKeepThePlainFormat) {
    HeldReceipt held;
    held.grid.append({"PAINE", "BUC", "  1.000", "   3.50", "1", "111", "1", "2"});
    EXPECT_EQ(heldReceiptLines(held),
              std::vector<std::string>{"PAINE|BUC|  1.000|   3.50|1|111|1|2|"});
}

TEST(HeldReceipt, TheReceiptComesBackWithItsCodeTextAndChangedPrices) {
    HeldReceipt held;
    held.grid.append({"A|B\\", "BUC", "  2.000", "   1.25", "1", "x|y", "1", "2"});
    held.grid.append({"PAINE", "KG", "  0.350", "   4.00", "2", "222", "5", "3"});
    held.grid.markRepriced(1);
    held.grid.append({"DISCOUNT", "BUC", "  1.000", "% 10.00", "-1", "D", "1", "0"});
    held.buyerFiscalCode = "RO1590082";
    held.receiptText = "Pentru clientul A|linia 2||";
    const HeldReceiptRead back = readHeldReceipt(heldReceiptLines(held), shopChecks());
    ASSERT_TRUE(back.receipt) << back.problem;
    ASSERT_EQ(back.receipt->grid.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back.receipt->grid.row(i), held.grid.row(i)) << i;
        EXPECT_EQ(back.receipt->grid.repriced(i), i == 1) << i;
    }
    EXPECT_EQ(back.receipt->buyerFiscalCode, "RO1590082");
    EXPECT_EQ(back.receipt->receiptText, "Pentru clientul A|linia 2||");
}

TEST(HeldReceipt, AnEarlierVersionsFileReadsWithoutCodeOrText) {
    const HeldReceiptRead back = readHeldReceipt(
        {"", "PAINE|BUC|  1.000|   3.50|1|111|1|2|", "DISCOUNT|BUC|      1|   0.00|-1|D|1|0|"},
        shopChecks());
    ASSERT_TRUE(back.receipt) << back.problem;
    ASSERT_EQ(back.receipt->grid.size(), 2);
    EXPECT_EQ(back.receipt->grid.cell(1, kPriceCell), "%  0.00");
    EXPECT_EQ(back.receipt->buyerFiscalCode, "");
    EXPECT_EQ(back.receipt->receiptText, "");
}

// Each file was met in a real run (edited by hand, cut by a full disk, written by another
// program); none of it may reach the receipt.
TEST(HeldReceipt, AFileTheProgramDidNotWriteIsRefusedWithItsLine) {
    const std::string good = "PAINE|BUC|  1.000|   3.50|1|111|1|2|";
    const struct {
        std::string line;
        std::string problem;
    } cases[] = {
        {"PAINE|BUC| -1.000|   3.50|1|111|1|2|", "linia 2: cantitatea \"-1.000\""},
        {"PAINE|BUC|  0.000|   3.50|1|111|1|2|", "linia 2: cantitatea"},
        {"PAINE|BUC|  1.000|     5.|1|111|1|2|", "linia 2: pretul \"5.\""},
        {"PAINE|BUC|  1.000|    NaN|1|111|1|2|", "linia 2: pretul"},
        {"PAINE|BUC|  1.000|    1e3|1|111|1|2|", "linia 2: pretul"},
        {"PAINE|BUC|  1.000|   5,50|1|111|1|2|", "linia 2: pretul"},
        {"PAINE|BUC|  1.000|   4.555|1|111|1|2|", "linia 2: pretul"},
        {"PAINE|BUC|  1.000|99999999999.99|1|111|1|2|", "linia 2: pretul"},
        {"PAINE|BUC|99999.999|9999999.99|1|111|1|2|", "linia 2: pretul"},
        {"DISCOUNT|BUC|  1.000|%150.00|-1|D|1|0|", "linia 2: discountul \"%150.00\""},
        {"PAINE|BUC|  1.000|   3.50|1|111|1|", "linia 2: linia nu are cele 8 campuri"},
        {"PAINE|BUC|  1.000|   3.50|1|111|1|2|x|", "linia 2: linia nu are cele 8 campuri"},
        {"PAINE|BUC|  1.000|   3.", "linia 2: linia este incompleta"},
        {"PAINE|BUC|  1.000|   3.50|77|111|1|2|", "linia 2: articolul cu id \"77\""},
        {"BACSIS|BUC|      1|   5.00|0|0|1|1|", "linia 2: articolul cu id \"0\""},
        {"PAINE|BUC|  1.000|   3.50|1.0|111|1|2|", "linia 2: articolul cu id \"1.0\""},
        {"PAINE|BUC|  1.000|   3.50|1|111|7|2|", "linia 2: grupa de TVA \"7\""},
        {"PAINE|BUC|  1.000|   3.50|1|111|1|77777|", "linia 2: grupa \"77777\""},
        {"PAINE|BUC|  1.000|   3.50|1|111|1|-1|", "linia 2: grupa \"-1\""},
        {"PA\x01INE|BUC|  1.000|   3.50|1|111|1|2|", "linia 2: linia are un camp"},
        {"PAINE\\r\\nX|BUC|  1.000|   3.50|1|111|1|2|", "linia 2: linia are un camp"},
        {"\xff\xfe\x00\x01|", "linia 2: linia nu este text"},
        {"\\CUI|RO1\x02|", "linia 2: linia nu este a unui bon"},
        {"\\XYZ|1|", "linia 2: linia nu este a unui bon"},
        {"\\ROSU|5|", "liniile cu pret modificat"},
        {"PAINE|BUC|  1.000|9999999.99|1|111|1|2|", "Valoarea depaseste"},
    };
    for (const auto& c : cases) {
        const HeldReceiptRead back = readHeldReceipt({good, c.line}, shopChecks());
        EXPECT_FALSE(back.receipt) << c.line;
        EXPECT_EQ(back.problem.rfind(c.problem, 0), 0u) << c.line << " -> " << back.problem;
    }
}

TEST(HeldReceipt, AReceiptLongerThanAGridHoldsIsRefused) {
    std::vector<std::string> lines(kMaxHeldLines + 1, "PAINE|BUC|  1.000|   0.01|1|111|1|2|");
    const HeldReceiptRead back = readHeldReceipt(lines, shopChecks());
    EXPECT_FALSE(back.receipt);
    EXPECT_NE(back.problem.find("mai mult de 1000 linii"), std::string::npos) << back.problem;
    lines.pop_back();
    EXPECT_TRUE(readHeldReceipt(lines, shopChecks()).receipt);
}

}  // namespace
}  // namespace vandrix::sale
