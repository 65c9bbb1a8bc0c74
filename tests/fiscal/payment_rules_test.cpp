// The rules of payment and storage: the split-payment list, the prices and VAT sums written for
// each line, and a receipt stored whole or not at all.
#include <gtest/gtest.h>

#include "fiscal/cash_window.h"
#include "fiscal/payment.h"
#include "fiscal/receipt_storage.h"
#include "fiscal/split_payment.h"
#include "sale/receipt_grid.h"
#include "shell/settings.h"
#include "store/database.h"
#include "store/database2020.h"
#include "temp_folder.h"

namespace vandrix::fiscal {
namespace {

shell::Settings settingsWithModes(const char* cash, const char* card, const char* vouchers,
                                  const char* credit) {
    shell::Settings s;
    const char* definitions[] = {"", cash, card, vouchers, credit};
    for (int m = 1; m <= 4; ++m) {
        std::string d = definitions[m];
        s.paymentModes[static_cast<size_t>(m)] = {d, d.substr(0, d.find('|'))};
    }
    return s;
}

// A line of the quantity in thousandths and the price in cents.
sale::Row line(const std::string& name, shell::Thousandths quantity, shell::Cents price,
               const std::string& vat) {
    return {name, "BUC", sale::quantityCell(quantity), sale::priceCell(price), "1", "1", vat, "2"};
}

sale::Row discountLine(shell::Hundredths percent) {
    return {"DISCOUNT", "BUC", sale::quantityCell(1000), sale::discountCell(percent), "-1", "D",
            "1",        "0"};
}

// What a payment key does with the sale window's fields, decided without a window.
TEST(PaymentDecision, AmountsModesAndChange) {
    using Step = PaymentDecision::Step;
    struct Case {
        const char* entry;
        const char* quantity;
        int mode;
        Step step;
        const char* total;
        const char* paid;
    };
    const Case cases[] = {
        {"", "1.000", 2, Step::Finish, "   0.00", "  73.50"},      // nothing typed: all of it
        {"100", "1.000", 1, Step::Finish, " -26.50", " 100.00"},   // cash gives change
        {"80", "1.000", 2, Step::Refused, "", ""},                 // a card cannot pay more
        {"50", "1.000", 2, Step::Split, "  23.50", "  50.00"},     // a part: the split window
        {"24.5", "3.000", 3, Step::Finish, "   0.00", "  73.50"},  // three vouchers of 24.50
        {"0.055", "1.000", 1, Step::Split, "  73.44", "   0.06"},  // to the cent, half away
        {"ABC", "1.000", 1, Step::Refused, "", ""},
        {"99999999999999999999", "1.000", 1, Step::Refused, "", ""},
    };
    for (const Case& c : cases) {
        const PaymentDecision d =
            decidePayment({c.entry, c.quantity, "  73.50", ""}, c.mode, false);
        EXPECT_EQ(d.step, c.step) << c.entry;
        EXPECT_EQ(d.total, c.total) << c.entry;
        EXPECT_EQ(d.paid, c.paid) << c.entry;
    }
    EXPECT_EQ(decidePayment({"", "1.000", "   0.00", ""}, 1, true).step, Step::Nothing);
}

TEST(CashWindow, AmountsTheFiscalPrinterTakesAsTyped) {
    for (const char* good : {"50", "12.5", "0.01", "9999999.99"})
        EXPECT_TRUE(cashAmountAccepted(good)) << good;
    for (const char* bad : {"", "0", "12.345", "-5", "ABC", "10000000.00", "1e3"})
        EXPECT_FALSE(cashAmountAccepted(bad)) << bad;
}

TEST(SplitPayment, AmountTimesQuantityOrTheRest) {
    const shell::Settings s = settingsWithModes("C A S H|0", " C A R D|1", "BONURI|4", "CREDIT|6");
    SplitPayments p{{{"  50.00", "CARD", 2}}, "  23.50", "  50.00"};
    // Three vouchers of 5 make one row of 15.00.
    EXPECT_EQ(addSplitPayment(p, s, 3, "5", "3"), SplitOutcome::Added);
    ASSERT_EQ(p.rows.size(), 2u);
    EXPECT_EQ(p.rows[1].value, "  15.00");
    EXPECT_EQ(p.rows[1].modeName, "BONURI");
    EXPECT_EQ(p.remaining, "   8.50");
    EXPECT_EQ(p.paid, "  65.00");
    // Nothing typed: the rest.
    EXPECT_EQ(addSplitPayment(p, s, 2, "", "1"), SplitOutcome::Added);
    EXPECT_EQ(p.rows[2].value, "   8.50");
    EXPECT_EQ(p.remaining, "   0.00");
}

TEST(SplitPayment, OverpayingOnlyInModesWhoseFiscalCodeIsZero) {
    struct Case {
        const char* cash;
        int mode;
        SplitOutcome outcome;
    };
    const Case cases[] = {
        {"C A S H|0", 1, SplitOutcome::Added},    // cash gives change
        {"C A S H|0", 2, SplitOutcome::Refused},  // a card cannot pay more than is due
        {"C A S H|0", 3, SplitOutcome::Refused},
        {"C A S H|9", 1, SplitOutcome::Refused},  // the rule follows the code, not the mode
    };
    for (const auto& c : cases) {
        const shell::Settings s = settingsWithModes(c.cash, " C A R D|1", "BONURI|4", "CREDIT|6");
        SplitPayments p{{{"  50.00", "CARD", 2}}, "  23.50", "  50.00"};
        EXPECT_EQ(addSplitPayment(p, s, c.mode, "30", "1"), c.outcome) << c.cash << " " << c.mode;
        if (c.outcome == SplitOutcome::Added) {
            EXPECT_EQ(p.remaining, "  -6.50");
        } else {
            EXPECT_EQ(p.rows.size(), 1u);
            EXPECT_EQ(p.remaining, "  23.50");
        }
    }
}

TEST(ReceiptStorage, PricesAsPlainNumbersAndTheDiscountAsItsAmount) {
    sale::ReceiptGrid grid;
    grid.append(line("A", 2000, 1250, "1"));
    grid.append(line("B", 1000, 7500, "1"));
    grid.append(discountLine(1000));
    EXPECT_EQ(storedPrices(grid), (std::vector<std::string>{"12.5", "75", "-10.00"}));
}

TEST(ReceiptStorage, VatAndGrossSumsPerGroup) {
    VatRates rates{0, 1900, 900, 500, 0, 0};
    sale::ReceiptGrid grid;
    grid.append(line("A", 3000, 1000, "1"));
    grid.append(line("B", 1000, 10900, "2"));
    grid.append(line("C", 1000, 500, "0"));  // "0" counts in group 5
    grid.append(line("D", 1000, 700, "X"));  // a group that is none of them counts nowhere
    VatSums sums = vatSums(grid, rates);
    EXPECT_EQ(sums.gross[1], "30.00");
    EXPECT_EQ(sums.vat[1], "4.79");
    EXPECT_EQ(sums.gross[2], "109.00");
    EXPECT_EQ(sums.vat[2], "9.00");
    EXPECT_EQ(sums.gross[5], "5.00");
    EXPECT_EQ(sums.vat[5], "0.00");
    EXPECT_EQ(sums.gross[3], "");
    EXPECT_EQ(sums.vat[4], "");
}

// The discount is spread over the VAT groups in proportion to their gross values, the leftover
// cent going to the largest group, so the gross sums add up to the receipt's value; each
// group's VAT is taken once from its gross.
TEST(ReceiptStorage, DiscountSpreadOverTheGroups) {
    const VatRates rates{0, 1900, 900, 500, 0, 0};
    struct Case {
        std::vector<sale::Row> lines;
        shell::Hundredths percent;
        std::array<const char*, 6> gross, vat;
    };
    const Case cases[] = {
        {{line("A", 1000, 10000, "1")},
         1000,
         {"", "90.00", "", "", "", ""},
         {"", "14.37", "", "", "", ""}},
        // 10 % of 15.00 is 1.50; shares 0.50 and 1.00.
        {{line("A", 1000, 500, "1"), line("B", 1000, 1000, "2")},
         1000,
         {"", "4.50", "9.00", "", "", ""},
         {"", "0.72", "0.74", "", "", ""}},
        // 10 % of 0.03 is 0.00 (0.003): nothing to spread; of 0.05 it is 0.01 (0.005 rounds
        // away from zero), and the cent goes to the larger group.
        {{line("A", 1000, 1, "1"), line("B", 1000, 4, "2")},
         1000,
         {"", "0.01", "0.03", "", "", ""},
         {"", "0.00", "0.00", "", "", ""}},
        // Three equal groups share 1.00: 0.33 each and the leftover cent to group 1.
        {{line("A", 1000, 333, "1"), line("B", 1000, 333, "2"), line("C", 1000, 334, "3")},
         10000,
         {"", "0.00", "0.00", "0.00", "", ""},
         {"", "0.00", "0.00", "0.00", "", ""}},
    };
    for (const Case& c : cases) {
        sale::ReceiptGrid grid;
        for (const auto& l : c.lines)
            grid.append(l);
        grid.append(discountLine(c.percent));
        const VatSums sums = vatSums(grid, rates);
        shell::Cents allGross = 0;
        for (size_t g = 1; g <= 5; ++g) {
            EXPECT_EQ(sums.gross[g], c.gross[g]) << g;
            EXPECT_EQ(sums.vat[g], c.vat[g]) << g;
            allGross += shell::scaledOr0(sums.gross[g], 2);
        }
        EXPECT_EQ(allGross, sale::receiptTotal(grid));
    }
}

TEST(ReceiptStorage, AReceiptIsStoredWholeOrNotAtAll) {
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd(folder.path());
    store::Database2020("baza.db");
    auto db = store::Database::open("baza.db");
    sale::ReceiptGrid grid;
    grid.append(line("A", 2000, 1250, "1"));
    grid.append(line("B", 1000, 500, "2"));
    ReceiptToStore receipt{&grid, 3000, {0, 3000, 0, 0, 0}, "  30.00", "RO123", 2, "POS01", 0};

    StoredReceipt stored = storeReceipt(*db, receipt);
    ASSERT_TRUE(stored.stored);
    EXPECT_EQ(stored.receiptId, 2);
    EXPECT_EQ(stored.receiptNumber, 1);
    EXPECT_EQ(db->scalarText(
                  "select valbon||'/'||incasatbon||'/'||numerar||'/'||cui from bon where id=2"),
              "30.0/30.0/30.0/RO123");
    EXPECT_EQ(db->scalarInteger("select count(*) from spbon where idbon='2'"), 2);

    // The receipt row is refused after its lines went in: none of its lines may stay.
    ASSERT_TRUE(db->exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON bon BEGIN SELECT RAISE(ABORT, 'full'); END;"));
    StoredReceipt failed = storeReceipt(*db, receipt);
    EXPECT_FALSE(failed.stored);
    EXPECT_EQ(db->scalarInteger("select count(*) from bon"), 2);
    EXPECT_EQ(db->scalarInteger("select count(*) from spbon where idbon='3'"), 0);
}

TEST(ReceiptStorage, DiscountLineLowersTheStoredValue) {
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd(folder.path());
    store::Database2020("baza.db");
    auto db = store::Database::open("baza.db");
    sale::ReceiptGrid grid;
    grid.append(line("A", 1000, 10000, "1"));
    grid.append(discountLine(1000));
    ReceiptToStore receipt{&grid, 9000, {0, 9000, 0, 0, 0}, "  90.00", "", 2, "POS01", 0};
    ASSERT_TRUE(storeReceipt(*db, receipt).stored);
    EXPECT_EQ(db->scalarText("select pret from spbon where idbon='2' and idart='-1'"), "-10.0");
    EXPECT_EQ(db->scalarText("select valbon||'/'||incasatbon from bon where id=2"), "90.0/90.0");
    EXPECT_EQ(db->scalarText("select brut1||'/'||tva1 from bon where id=2"), "90.0/14.37");
}

TEST(ReceiptStorage, TipReceiptStoresItsValueAsCash) {
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd(folder.path());
    store::Database2020("baza.db");
    auto db = store::Database::open("baza.db");
    sale::ReceiptGrid grid;
    grid.append({"BACSIS", "BUC", "      1", "   5.00", "0", "0", "1", "1"});
    ReceiptToStore tip{&grid, 0, {}, "", "", 2, "POS01", 0};
    ASSERT_TRUE(storeTipReceipt(*db, tip, true).stored);
    EXPECT_EQ(db->scalarText("select nrbon||'/'||valbon||'/'||numerar||'/'||card||'/'||incasatbon "
                             "from bon where id=2"),
              "1/5.0/5.0/0.0/0.0");
    ASSERT_TRUE(storeTipReceipt(*db, tip, false).stored);
    EXPECT_EQ(db->scalarText("select nrbon from bon where id=3"), "0");
}

}  // namespace
}  // namespace vandrix::fiscal
