// Selling on the sale window: article entry, the receipt grid, the keypad and the payment
// questions, driven through the real program.
#include <gtest/gtest.h>

#include "scenario.h"
#include "shop.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

using testing::runScenario;

// A shop that has started once, with three articles: "111" APA PLATA 1.50, "222" PAINE 0.99
// and "333" MERE at 36.75 without a group.
class SaleScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string failure;
        auto db = testing::openShop(
            folder.path(),
            {
                "INSERT INTO articol VALUES (1,'APA PLATA','BUC',1.50,'2','1','')",
                "INSERT INTO articol VALUES (2,'PAINE','BUC',0.99,'2','2','')",
                "INSERT INTO articol VALUES (3,'MERE','KG',36.75,'','1','')",
                "INSERT INTO codbar VALUES (4,'111','1')",
                "INSERT INTO codbar VALUES (5,'222','2')",
                "INSERT INTO codbar VALUES (6,'333','3')",
            },
            failure);
        ASSERT_TRUE(db) << failure;
    }

    void setSetting(const std::string& from, const std::string& to) {
        testing::replaceSetting(folder.path(), from, to);
    }

    testing::ScenarioRun sell(const std::string& steps) {
        return runScenario(folder.path(), steps + "close\nclick DA\n");
    }

    testing::TempFolder folder;
};

TEST_F(SaleScenario, ScannedArticlesFillTheGridAndTheTotal) {
    auto run = sell(
        "expect-state pay1 | disabled\n"
        "expect-state Anuleaza | disabled\n"
        "expect-state St. Poz. | disabled\n"
        "type 111\nkey Enter\n"
        "expect-rows grid | 1\n"
        "expect-row grid | 0 | APA PLATA | BUC |   1.000 |    1.50 | 1 | 111 | 1 | 2\n"
        "expect total |    1.50\n"
        "expect-state pay1 | enabled\n"
        "expect-state Anuleaza | enabled\n"
        "expect-state M. Pret | enabled\n"
        "type 2\nclick X\nexpect qty | 2.000\nexpect entry |\n"
        "type 222\nclick E N T E R\n"
        "type 3\nclick .\nclick 5\nclick X\n"
        "type 333\nkey Enter\n"
        "expect qty | 1.000\n"
        "expect-rows grid | 3\n"
        "expect-row grid | 1 | PAINE | BUC |   2.000 |    0.99 | 2 | 222 | 2 | 2\n"
        "expect-row grid | 2 | MERE | KG |   3.500 |   36.75 | 3 | 333 | 1 | 2\n"
        "expect total |  132.11\n"  // 3.5 x 36.75 = 128.625 rounds half away to 128.63

        "select grid | 0\n"
        "click St. Poz.\n"
        "expect-rows grid | 2\n"
        "expect-row grid | 0 | PAINE\n"
        "expect total |  130.61\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST_F(SaleScenario, MergingAddsToTheExistingLine) {
    setSetting("adunaarticole=0", "adunaarticole=1");
    auto run = sell(
        "type 111\nkey Enter\ntype 222\nkey Enter\ntype 111\nkey Enter\n"
        "expect-rows grid | 2\n"
        "expect-row grid | 0 | APA PLATA | BUC |   2.000\n"
        "expect total |    3.99\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST_F(SaleScenario, NotAVatPayerSellsInGroupFive) {
    testing::writeFileBytes(folder / "platitortva.vandrix", "1\r\n");
    auto run = sell(
        "type 111\nkey Enter\nexpect-row grid | 0 | APA PLATA | BUC |   1.000 |    1.50 | 1 | 111 "
        "| 5\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST_F(SaleScenario, EntryErrorsAndWhatTheyLeave) {
    auto run = sell(
        // an unknown code
        "type 999\nkey Enter\nexpect-title Eroare\nclick OK\n"
        "expect entry |\nexpect qty | 1\nexpect-rows grid | 0\n"
        // an empty entry, and "0", are not processed
        "key Enter\ntype 0\nkey Enter\nexpect entry | 0\nexpect-rows grid | 0\n"
        "set entry |\n"
        // a quantity of zero
        "set qty | 0\ntype 111\nkey Enter\nclick OK\nexpect-rows grid | 0\nexpect qty | 0\n"
        // the discount button on an empty receipt
        "set qty | 1.000\nclick Discount\nclick OK\nexpect-rows grid | 0\n"
        "expect total |    0.00\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Eroare | CodBar nu este gasit | 0"));
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Nu putem avea cantitate zero sau negativa\\r\\n\\r\\nApasati 1 x sau "
        "QTY (daca aveti cantar)\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(
        run.transcriptHas("message Eroare | Nu putei avea numai discount pe bon\\r\\n\\r\\n | 0"));
}

TEST_F(SaleScenario, CodeOfDigitsAndLettersTypedInOneBurstSells) {
    auto db = store::Database::open((folder / "baza.db").string());
    ASSERT_TRUE(db->exec("INSERT INTO codbar VALUES (7,'12AB34','2')"));
    db.reset();
    auto run = sell(
        "type 12AB34\nkey Enter\n"
        "expect-rows grid | 1\n"
        "expect-row grid | 0 | PAINE | BUC |   1.000 |    0.99 | 2 | 12AB34\n"
        "type 1a2b\nexpect entry | 1A2B\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

// The access codes open the back office's windows and add nothing to the receipt.
TEST_F(SaleScenario, AccessCodesAddNothing) {
    auto run = sell(
        "type 482916730541\nkey Enter\nexpect-title Administrator\nclose\n"
        "type 02064917385520\nkey Enter\nexpect-title Selecteaza\nclose\n"
        "expect-rows grid | 0\nexpect entry |\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    for (const std::string& line : run.transcript)
        EXPECT_EQ(line.rfind("message Eroare", 0), std::string::npos) << line;
}

TEST_F(SaleScenario, PaymentQuestionsNameTheAmount) {
    auto run = sell(
        "type 111\nkey Enter\n"
        "type 20\nclick pay1\nexpect-title Atentionare\nclick NU\n"
        "expect entry |\nexpect qty | 1.000\n"
        "type 20\nclick pay4\nclick NU\n"
        "click pay2\nclick NU\n"
        "expect-rows grid | 1\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    const std::string cash =
        "message Atentionare | Atentie !!!\\r\\n\\r\\nTranzactie cu CASH\\r\\n\\r\\nSunteti Sigur "
        "ca incasati CASH?\\r\\n\\r\\nValoare Incasare : 1.00 x 20.00 = 20.00 | 7";
    const std::string credit =
        "message Atentionare | Atentie !!!\\r\\n\\r\\nTranzactie pe CREDIT\\r\\n\\r\\nSunteti "
        "Sigur "
        "ca incasati cu CREDIT?\\r\\n\\r\\nValoare Incasare : 20.00 x 1.00 = 20.00 | 7";
    EXPECT_TRUE(run.transcriptHas(cash));
    EXPECT_TRUE(run.transcriptHas(credit));
    // Without an amount typed the question names the receipt's total.
    bool card = false;
    for (const auto& line : run.transcript)
        card |= line.find("Tranzactie cu Cardul Bancar") != std::string::npos &&
                line.find("Valoare Incasare : 1.50 | 7") != std::string::npos;
    EXPECT_TRUE(card);
}

TEST_F(SaleScenario, ArrowsMoveTheSelection) {
    auto run = sell(
        "type 111\nkey Enter\ntype 222\nkey Enter\ntype 333\nkey Enter\n"
        "click up\nclick up\nclick up\nclick St. Poz.\n"
        "expect-rows grid | 2\nexpect-row grid | 0 | PAINE\n"
        "select grid | 0\nclick down\nclick St. Poz.\n"
        "expect-rows grid | 1\nexpect-row grid | 0 | PAINE\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

TEST_F(SaleScenario, TickerAndLogoLink) {
    testing::writeFileBytes(folder / "text.txt", "OFERTA\r\n");
    testing::writeFileBytes(folder / "logolink.txt", "magazin.example.ro\r\n");
    testing::writeFileBytes(folder / "logo.bmp",
                            testing::readFileBytes(folder / "Data/arrow-up-icon.png"));
    auto run = sell("expect-state logo | shown\nclick logo\nwait 150\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("shell-open https://magazin.example.ro"));
}

}  // namespace
}  // namespace vandrix
