// Parking a receipt and taking it back, and cancelling one, on the sale window: the file
// "bonasteptare", the questions, the button's caption across a restart, and a receipt that
// stays on screen when it cannot be parked.
#include <gtest/gtest.h>

#include <filesystem>

#include "scenario.h"
#include "shop.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;

class HoldScenario : public testing::ShopScenario {
  protected:
    HoldScenario()
        : ShopScenario({"INSERT INTO articol VALUES (1,'APA|PLATA','BUC',1.50,'2','1','')",
                        "INSERT INTO articol VALUES (2,'PAINE','BUC',0.99,'2','2','')",
                        "INSERT INTO codbar VALUES (4,'111','1')",
                        "INSERT INTO codbar VALUES (5,'222','2')"}) {}

    fs::path held() const { return folder / "bonasteptare"; }
};

// Three lines parked and taken back whole, a "|" in a name among them; no question on an empty
// receipt; the file goes when the receipt comes back.
TEST_F(HoldScenario, AParkedReceiptComesBackAsItWas) {
    auto run = sell(
        "type 111\nkey Enter\ntype 2\nclick X\ntype 222\nkey Enter\ntype 111\nkey Enter\n"
        "expect total |    4.98\n"
        "click Astept\n"
        "expect-rows grid | 0\nexpect total |    0.00\n"
        "click Revin\n"
        "expect-rows grid | 3\n"
        "expect-row grid | 1 | PAINE | BUC |   2.000 |    0.99 | 2 | 222 | 2 | 2\n"
        "expect total |    4.98\n"
        "click Astept\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_FALSE(
        run.transcriptHas("message Eroare | Revenirea la bonul initial anuleaza bonul "
                          "curent !\\r\\n\\r\\n | 6"));
    // Parked again before closing: three lines, the name's "|" escaped.
    const auto lines = testing::fileLines(held());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "APA\\|PLATA|BUC|  1.000|   1.50|1|111|1|2|");
    EXPECT_EQ(lines[1], "PAINE|BUC|  2.000|   0.99|2|222|2|2|");

    // After a restart the button offers the parked receipt; with another on screen it asks, NU
    // keeps both, DA replaces.
    run = sell(
        "expect Revin | Revin\n"
        "type 222\nkey Enter\n"
        "click Revin\nclick NU\n"
        "expect-rows grid | 1\n"
        "click Revin\nclick DA\n"
        "expect-rows grid | 3\nexpect total |    4.98\n"
        "expect Astept | Astept\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_FALSE(fs::exists(held()));
}

TEST_F(HoldScenario, AReceiptThatCannotBeParkedStaysOnScreen) {
    fs::create_directory(held());  // a folder where the file should go
    auto run = sell(
        "type 111\nkey Enter\n"
        "click Astept\n"
        "expect-title Eroare\nclick OK\n"
        "expect-rows grid | 1\nexpect Astept | Astept\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Bonul nu a putut fi pus in asteptare: fisierul bonasteptare nu poate fi "
        "scris.\\r\\nBonul ramane pe ecran.\\r\\n | 0"))
        << run.output;
}

TEST_F(HoldScenario, CancelAsksAndClearsTheReceipt) {
    auto run = sell(
        "type 2\nclick X\ntype 111\nkey Enter\n"
        "click Anuleaza\nclick NU\n"
        "expect-rows grid | 1\n"
        "type 3\nclick X\n"
        "click Anuleaza\nclick DA\n"
        "expect-rows grid | 0\nexpect total |    0.00\nexpect qty | 1.000\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Eroare | Anulati Bonul? | 6")) << run.output;
}

}  // namespace
}  // namespace vandrix
