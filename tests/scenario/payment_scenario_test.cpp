// Paying receipts through the real program: the rows stored, the files the fiscal-printer
// driver receives byte for byte, the split-payment window and what the cashier is told.
#include <gtest/gtest.h>

#include "scenario.h"
#include "shop.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::runScenario;

class PaymentScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string failure;
        db = testing::openShop(
            folder.path(),
            {
                "INSERT INTO articol VALUES (1,'APA','BUC',36.75,'1','1','')",
                "INSERT INTO articol VALUES (2,'CAIET','BUC',10.00,'3','1','')",
                "INSERT INTO articol VALUES (3,'PAINE','BUC',109.00,'2','2','')",
                "INSERT INTO articol VALUES (4,'TIMBRU','BUC',5.00,'2','0','')",
                "INSERT INTO articol VALUES (5,'ȘOSETE ÎNALTE','PER',12.50,'2','1','')",
                "INSERT INTO codbar VALUES (4,'111','1')",
                "INSERT INTO codbar VALUES (5,'222','2')",
                "INSERT INTO codbar VALUES (6,'333','3')",
                "INSERT INTO codbar VALUES (7,'444','4')",
                "INSERT INTO codbar VALUES (8,'555','5')",
                "INSERT INTO articol VALUES (6,'SCUMP','BUC',99999.99,'1','1','')",
                "INSERT INTO articol VALUES (7,'STRICAT','BUC','NaN','1','1','')",
                "INSERT INTO articol VALUES (8,'TICHET','BUC',9.35,'1','1','')",
                "INSERT INTO articol VALUES (9,'VIRGULA','BUC','12,50','1','1','')",
                "INSERT INTO codbar VALUES (9,'666','6')",
                "INSERT INTO codbar VALUES (10,'777','7')",
                "INSERT INTO codbar VALUES (11,'888','8')",
                "INSERT INTO codbar VALUES (12,'999','9')",
            },
            failure);
        ASSERT_TRUE(db) << failure;
    }

    void addSetting(const std::string& line) { testing::addSetting(folder.path(), line); }

    testing::ScenarioRun sell(const std::string& steps) {
        return runScenario(folder.path(), steps + "close\nclick DA\n");
    }

    std::string receiptColumn(const std::string& column, int id) {
        return db->scalarText("select " + column + " from bon where id=?", {std::to_string(id)});
    }

    testing::TempFolder folder;
    std::unique_ptr<store::Database> db;
};

TEST_F(PaymentScenario, CashWithChangeReachesTheDriverByteForByte) {
    fs::create_directories(folder / "Datecs");
    addSetting("DATECS=" + folder.path().string() + "/Datecs/");
    auto run = sell(
        "type 2\nclick X\ntype 111\nkey Enter\ntype 100\nclick pay1\nclick DA\n"
        "expect-rows grid | 0\nexpect total |    0.00\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;

    const std::string name = "BonCMP-000000002-POS01.txt";
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / name),
              "V|APA~BUC|1|36.75|2.000|0|0|0\r\nP|0|100.00\r\n");
    EXPECT_EQ(readFileBytes(folder / "Note" / name),
              "\r\n\r\nAPA\r\n2.000 BUCx36.75 = 73.50\r\n\r\nModplata CASH: 100.00\r\n\r\n"
              "Total    :  73.50\r\n\r\nRest     :  26.50\r\n");
    EXPECT_EQ(readFileBytes(folder / "Datecs" / (name + ".inp")),
              "S,1,______,_,__;APA;36.75;2.000;0;1;1;0;0;BUC\r\nT,1,______,_,__;0;100.00;;;;\r\n");

    EXPECT_EQ(receiptColumn("nrbon", 2), "1");
    EXPECT_EQ(receiptColumn("eod", 2), "2");
    // The cash that stayed in the drawer: 100.00 paid, 26.50 given back.
    EXPECT_EQ(receiptColumn("numerar", 2), "73.5");
    EXPECT_EQ(receiptColumn("restbon", 2), "100.0");  // the paid field, as other programs read it
    EXPECT_EQ(receiptColumn("valbon", 2), "73.5");
    EXPECT_EQ(receiptColumn("incasatbon", 2), "73.5");
    EXPECT_EQ(receiptColumn("idpos", 2), "POS01");
    EXPECT_EQ(db->scalarText("select cant||'/'||pret||'/'||idart from spbon where idbon='2'"),
              "2.0/36.75/1");
}

TEST_F(PaymentScenario, SplitPaymentCardThenCash) {
    auto run = sell(
        "type 2\nclick X\ntype 111\nkey Enter\n"
        "type 50\nclick pay2\nclick DA\n"
        "expect-title Incasare\n"
        "expect-row payments | 0 |   50.00 | CARD | 2\n"
        "expect remaining |   23.50\nexpect paid |   50.00\n"
        "click 3\nclick 0\nclick pay1\n"
        "expect-title Utilizator: Operator / v3.0.60.286\n"
        "expect-rows grid | 0\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(receiptColumn("card", 2), "50.0");
    EXPECT_EQ(receiptColumn("numerar", 2), "23.5");  // 30.00 less the change of 6.50
    EXPECT_EQ(receiptColumn("credit", 2), "0.0");
    EXPECT_EQ(receiptColumn("valbonmasa", 2), "0.0");
    const std::string name = "BonCMP-000000002-POS01.txt";
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / name),
              "V|APA~BUC|1|36.75|2.000|0|0|0\r\nP|1|50.00\r\nP|0|30.00\r\n");
    EXPECT_NE(readFileBytes(folder / "Note" / name).find("Rest     :   6.50"), std::string::npos);
    // No Datecs folder is set: no copy of that kind.
    EXPECT_FALSE(fs::exists(folder / "Datecs" / (name + ".inp")));
}

TEST_F(PaymentScenario, RefusedAndCancelledPaymentsChangeNothing) {
    auto run = sell(
        "type 2\nclick X\ntype 111\nkey Enter\n"
        // card 80 on 73.50
        "type 80\nclick pay2\nclick DA\nexpect-title Eroare\nclick OK\n"
        "expect total |   73.50\nexpect entry |\n"
        // a partial card payment, then the split window cancelled
        "type 20\nclick pay2\nclick DA\nclick Anuleaza\nclick OK\n"
        "expect total |   73.50\nexpect-rows grid | 1\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Eroare | Suma nepermisa | 0"));
    EXPECT_TRUE(run.transcriptHas("message Eroare | Plati Anulate | 0"));
    EXPECT_EQ(db->scalarInteger("select count(*) from bon"), 1);
    EXPECT_FALSE(fs::exists(folder / "Bonuri" / "BonCMP-000000002-POS01.txt"));
}

TEST_F(PaymentScenario, VatAndGrossSumsPerGroup) {
    auto run = sell(
        "type 3\nclick X\ntype 222\nkey Enter\ntype 333\nkey Enter\n"
        "type 444\nkey Enter\nclick pay1\nclick DA\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(receiptColumn("brut1", 2), "30.0");
    EXPECT_EQ(receiptColumn("tva1", 2), "4.79");
    EXPECT_EQ(receiptColumn("brut2", 2), "109.0");
    EXPECT_EQ(receiptColumn("tva2", 2), "9.0");
    EXPECT_EQ(receiptColumn("brut5", 2), "5.0");  // VAT group "0" counts in group 5
    EXPECT_EQ(receiptColumn("tva5", 2), "0.0");
    EXPECT_EQ(receiptColumn("brut3", 2), "");  // a group without a line stays empty
}

TEST_F(PaymentScenario, ReceiptNumbersRestartInANewPeriod) {
    ASSERT_EQ(sell("type 111\nkey Enter\nclick pay1\nclick DA\n"
                   "type 111\nkey Enter\nclick pay1\nclick DA\n")
                  .exitStatus,
              0);
    EXPECT_EQ(receiptColumn("nrbon", 3), "2");
    ASSERT_TRUE(db->exec("update eod set z=0, data='2026-12-10 20:00:00' where id=2"));
    ASSERT_TRUE(db->exec("insert into eod (id) values (3)"));
    ASSERT_EQ(sell("type 111\nkey Enter\nclick pay1\nclick DA\n").exitStatus, 0);
    EXPECT_EQ(receiptColumn("nrbon", 4), "1");
    EXPECT_EQ(receiptColumn("eod", 4), "3");
    EXPECT_TRUE(fs::exists(folder / "Bonuri" / "BonCMP-000000004-POS01.txt"));
}

TEST_F(PaymentScenario, RomanianLettersTravelInBothEncodings) {
    ASSERT_EQ(sell("type 555\nkey Enter\nclick pay1\nclick DA\n").exitStatus, 0);
    // Windows-1250: Ş (cedilla) 0xAA, Î 0xCE in the driver's ANSI record.
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonCMP-000000002-POS01.txt"),
              "V|\xAA"
              "OSETE \xCE"
              "NALTE~PER|1|12.50|1.000|0|0|1\r\nP|0|12.50\r\n");
    EXPECT_EQ(db->scalarText("select nume from articol where id=5"), "ȘOSETE ÎNALTE");
}

TEST_F(PaymentScenario, ShiftPaysCashAtOnceAndNeverAnEmptyReceipt) {
    auto run = sell("key Shift\ntype 111\nkey Enter\nkey Shift\nexpect-rows grid | 0\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(db->scalarInteger("select count(*) from bon"), 2);
    EXPECT_EQ(receiptColumn("numerar", 2), "36.75");
    for (const auto& line : run.transcript)
        EXPECT_EQ(line.find("Atentionare"), std::string::npos) << line;
}

// Numbers the fiscal printer takes go through whole; the ones it cannot take are refused with a
// message and sell nothing.
TEST_F(PaymentScenario, PricesAndAmountsAreNeverCutNorGuessed) {
    auto run = sell(
        // A price of eight characters is sold, sent and stored as it is.
        "type 666\nkey Enter\nexpect total | 99999.99\n"
        // Prices that are not numbers sell nothing.
        "type 777\nkey Enter\nexpect-title Eroare\nclick OK\n"
        "type 999\nkey Enter\nexpect-title Eroare\nclick OK\nexpect-rows grid | 1\n"
        // Neither does a quantity beyond the printer's, typed or reached by merging.
        "set qty | 99999999\ntype 888\nkey Enter\nexpect-title Eroare\nclick OK\n"
        "expect-rows grid | 1\nset qty | 1.000\n"
        // A typed amount that is no amount pays nothing.
        "type 99999999999999999999\nclick pay1\nclick DA\nexpect-title Eroare\nclick OK\n"
        "expect-rows grid | 1\n"
        "click pay1\nclick DA\nexpect-rows grid | 0\n"
        // Three vouchers of 9.35 pay a receipt of 28.05 exactly, compared in cents.
        "type 3\nclick X\ntype 888\nkey Enter\nexpect total |   28.05\n"
        "type 3\nclick X\ntype 9.35\nclick pay3\nclick DA\nexpect-rows grid | 0\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonCMP-000000002-POS01.txt"),
              "V|SCUMP~BUC|1|99999.99|1.000|0|0|0\r\nP|0|99999.99\r\n");
    EXPECT_EQ(receiptColumn("valbon", 2), "99999.99");
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonCMP-000000003-POS01.txt"),
              "V|TICHET~BUC|1|9.35|3.000|0|0|0\r\nP|4|28.05\r\n");
    EXPECT_EQ(receiptColumn("valbonmasa||'/'||valbon", 3), "28.05/28.05");
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Articolul STRICAT are pretul \"NaN\", care nu poate fi vandut.\\r\\n"
        "Corectati pretul articolului.\\r\\n\\r\\n | 0"));
}

// A receipt of weighed lines: each line rounded as the fiscal printer rounds it, and the screen,
// the database and the note all say the same total; an exact payment has no change.
TEST_F(PaymentScenario, WeighedLinesAgreeToTheCentEverywhere) {
    ASSERT_TRUE(db->exec("INSERT INTO articol VALUES (10,'BRANZA','KG',12.99,'1','1','')"));
    ASSERT_TRUE(db->exec("INSERT INTO codbar VALUES (13,'1010','10')"));
    addSetting("AdunaArticole=0");
    std::string steps;
    for (int i = 0; i < 4; ++i)
        steps += "set qty | 0.333\ntype 1010\nkey Enter\n";
    auto run = sell(steps + "expect total |   17.32\nclick pay1\nclick DA\nexpect-rows grid | 0\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(receiptColumn("valbon||'/'||incasatbon||'/'||numerar||'/'||brut1", 2),
              "17.32/17.32/17.32/17.32");
    const std::string note = readFileBytes(folder / "Note" / "BonCMP-000000002-POS01.txt");
    EXPECT_NE(note.find("Total    :  17.32"), std::string::npos) << note;
    EXPECT_EQ(note.find("Rest"), std::string::npos) << note;
}

bool transcriptHasPrefix(const testing::ScenarioRun& run, const std::string& prefix) {
    for (const auto& line : run.transcript)
        if (line.rfind(prefix, 0) == 0)
            return true;
    return false;
}

// A stored receipt whose folder is missing waits in the working folder's spool, the cashier is
// told which one, and it is delivered, once, at the next start after the folder is back.
TEST_F(PaymentScenario, AReceiptThatCannotReachThePrinterWaitsAndGoesLater) {
    const std::string name = "BonCMP-000000002-POS01.txt";
    fs::remove_all(folder / "Bonuri");
    auto run = sell(
        "type 111\nkey Enter\nclick pay1\nclick DA\n"
        "expect-title Eroare\nclick OK\nexpect-rows grid | 0\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(receiptColumn("numerar", 2), "36.75");
    EXPECT_TRUE(fs::exists(folder / "netrimise" / name));
    EXPECT_TRUE(transcriptHasPrefix(
        run, "message Eroare | Bonul nr. 1 (fisierul " + name +
                 ") este salvat, dar NU a ajuns la casa de marcat:\\r\\nfolderul "));
    const std::string driver = readFileBytes(folder / "netrimise" / name);

    // Still missing at the next start: the cashier is told again before selling, and no Z
    // report closes the day while the receipt has not been printed.
    run = sell(
        "expect-title Eroare\nclick OK\n"
        "click Rapoarte\nclick Raport Z\nexpect-title Eroare\nclick OK\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(transcriptHasPrefix(run, "message Eroare | Raportul Z nu a fost trimis."));
    EXPECT_EQ(db->scalarInteger("select count(*) from eod where data is null"), 1);
    EXPECT_FALSE(fs::exists(folder / "Bonuri"));

    fs::create_directories(folder / "Bonuri");
    run = sell("");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / name), driver);
    EXPECT_FALSE(fs::exists(folder / "netrimise" / name));
    EXPECT_TRUE(transcriptHasPrefix(run, "message Atentie | Bonuri salvate care nu ajunsesera"));

    // Taken by the driver, it never comes back.
    fs::remove(folder / "Bonuri" / name);
    run = sell("");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_FALSE(fs::exists(folder / "Bonuri" / name));
}

// Storing refused: nothing is sent, the receipt stays on the screen, and once the cause is
// gone the same receipt is stored and sent once.
TEST_F(PaymentScenario, RefusedStoringSendsNothingAndTheReceiptCanBePaidAgain) {
    ASSERT_TRUE(db->exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON bon BEGIN SELECT RAISE(ABORT, 'full'); END;"));
    auto run = sell(
        "type 2\nclick X\ntype 111\nkey Enter\nclick pay1\nclick DA\n"
        "expect-title Eroare\nclick OK\n"
        "expect-rows grid | 1\nexpect total |   73.50\nexpect paid |\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(transcriptHasPrefix(run, "message Eroare | Plata NU a fost inregistrata!"));
    EXPECT_EQ(db->scalarInteger("select count(*) from bon"), 1);  // the seed row only
    EXPECT_EQ(db->scalarInteger("select count(*) from spbon where idbon='2'"), 0);
    EXPECT_TRUE(fs::is_empty(folder / "Bonuri"));
    EXPECT_TRUE(fs::is_empty(folder / "netrimise"));

    // The split window's payments are dropped as after "Plati Anulate".
    run = sell(
        "type 111\nkey Enter\ntype 10\nclick pay2\nclick DA\nclick pay1\n"
        "expect-title Eroare\nclick OK\n"
        "expect-rows grid | 1\nexpect total |   36.75\nexpect paid |\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;

    ASSERT_TRUE(db->exec("DROP TRIGGER refuse"));
    run = sell("type 111\nkey Enter\nclick pay1\nclick DA\nexpect-rows grid | 0\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(db->scalarInteger("select count(*) from bon"), 2);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonCMP-000000002-POS01.txt"),
              "V|APA~BUC|1|36.75|1.000|0|0|0\r\nP|0|36.75\r\n");
}

// Another program holding the database past the busy time-out, reading across the commit or
// writing before it: the receipt fails whole, and the next one, once the other program is
// gone, is stored normally.
TEST_F(PaymentScenario, ADatabaseHeldByAnotherProgramFailsWholeAndRecovers) {
    for (const char* hold : {"BEGIN", "BEGIN IMMEDIATE"}) {
        SCOPED_TRACE(hold);
        const long receipts = db->scalarInteger("select count(*) from bon");
        auto other = store::Database::open((folder / "baza.db").string());
        ASSERT_TRUE(other->exec(hold));
        auto q = other->query("select count(*) from bon");
        ASSERT_TRUE(q.next());  // holds the read lock
        auto run = sell(
            "type 111\nkey Enter\nclick pay1\nclick DA\n"
            "expect-title Eroare\nclick OK\nexpect-rows grid | 1\n");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        EXPECT_TRUE(transcriptHasPrefix(
            run,
            "message Eroare | Plata NU a fost inregistrata!\\r\\n\\r\\nBonul nu a putut fi "
            "salvat: baza de date baza.db este folosita de alt program"));
        q = store::Query();
        other->exec("COMMIT");
        other.reset();
        EXPECT_EQ(db->scalarInteger("select count(*) from bon"), receipts);
        EXPECT_EQ(
            std::distance(fs::directory_iterator(folder / "Bonuri"), fs::directory_iterator()),
            receipts - 1);

        run = sell("type 111\nkey Enter\nclick pay1\nclick DA\nexpect-rows grid | 0\n");
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        EXPECT_EQ(db->scalarInteger("select count(*) from bon"), receipts + 1);
        EXPECT_TRUE(fs::exists(folder / "Bonuri" /
                               ("BonCMP-00000000" + std::to_string(receipts + 1) + "-POS01.txt")));
    }
}

}  // namespace
}  // namespace vandrix
