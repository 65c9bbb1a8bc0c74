// The day's end through the reports window: X and Z reports, cash in and out, the period list
// and the CSV reports.
#include <gtest/gtest.h>

#include <regex>

#include "scenario.h"
#include "shop.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::runScenario;

class DayEndScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string failure;
        db = testing::openShop(folder.path(),
                               {
                                   "INSERT INTO articol VALUES (1,'APA','BUC',36.75,'2','1','')",
                                   "INSERT INTO articol VALUES (2,'PAINE','BUC',4.50,'2','2','')",
                                   "INSERT INTO codbar VALUES (4,'111','1')",
                                   "INSERT INTO codbar VALUES (5,'222','2')",
                               },
                               failure);
        ASSERT_TRUE(db) << failure;
    }

    void setSetting(const std::string& from, const std::string& to) {
        testing::replaceSetting(folder.path(), from, to);
    }

    // Two receipts: APA paid with 100 cash (73.50 with change 26.50... one APA is 36.75) and
    // PAINE by card.
    static constexpr const char* kTwoReceipts =
        "type 111\nkey Enter\ntype 100\nclick pay1\nclick DA\n"
        "type 222\nkey Enter\nclick pay2\nclick DA\n";

    testing::ScenarioRun run(const std::string& steps) {
        return runScenario(folder.path(), steps + "close\nclick DA\n");
    }

    std::vector<std::string> filesIn(const fs::path& dir, const std::string& pattern) {
        std::vector<std::string> names;
        std::regex re(pattern);
        if (fs::exists(dir))
            for (const auto& e : fs::directory_iterator(dir))
                if (std::regex_match(e.path().filename().string(), re))
                    names.push_back(e.path().filename().string());
        return names;
    }

    testing::TempFolder folder;
    std::unique_ptr<store::Database> db;
};

TEST_F(DayEndScenario, ConfirmedZClosesThePeriodAndOpensTheNext) {
    auto r = run(std::string(kTwoReceipts) +
                 "click Rapoarte\nexpect-title Rapoarte\nexpect-rows periods | 2\n"
                 "click Raport Z\nexpect-title Raport Z\nclick DA\n"
                 "expect-rows periods | 3\nexpect-row periods | 1 |     2 |    41.25\n"
                 "close\n"
                 "type 111\nkey Enter\nclick pay1\nclick DA\n");
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    // The Z total is what the shop sold, as the fiscal printer counts it: 36.75 in cash (100.00
    // tendered, 63.25 given back) and 4.50 by card.
    EXPECT_TRUE(r.transcriptHas(
        "message Raport Z | Rog Confirmati Raportul Z pe casa de marcat\\r\\n41.25\\r\\n | 6"));
    EXPECT_EQ(db->scalarText("select z from eod where id=2"), "41.25");
    EXPECT_FALSE(db->scalarText("select data from eod where id=2").empty());
    EXPECT_EQ(db->scalarInteger("Select max(id) from eod where data is null;"), 3);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonRaportZ-0002-POS01.txt"), "Z\r\n");
    auto lastz = testing::fileLines(folder / "lastz");
    ASSERT_EQ(lastz.size(), 2u);
    EXPECT_EQ(lastz[1], "2");
    EXPECT_GT(std::stoll(lastz[0]), 1700000000);
    // The next receipt is number 1 of the new period.
    EXPECT_EQ(db->scalarText("select nrbon||'/'||eod from bon where id=4"), "1/3");
}

TEST_F(DayEndScenario, ZAnsweredNoAndXChangeNoPeriod) {
    auto r = run(std::string(kTwoReceipts) +
                 "click Rapoarte\nclick Raport Z\nclick NU\nclick Raport X\n"
                 "expect-title BonRaport X\nclick DA\nclose\n");
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_EQ(db->scalarInteger("select count(*) from eod"), 2);
    EXPECT_TRUE(db->scalarText("select data from eod where id=2").empty());
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonRaportZ-0002-POS01.txt"), "Z\r\n");
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonRaportX-0002-POS01.txt"), "X\r\n");
}

TEST_F(DayEndScenario, WithoutFiscalModeNoRequestAndNoZ) {
    setSetting("Fiscal=1", "Fiscal=0");
    auto r =
        run("click Rapoarte\nexpect-state Raport Z | disabled\nclick Raport X\nclick DA\nclose\n");
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    EXPECT_TRUE(filesIn(folder / "Bonuri", "BonRaport.*").empty());
}

TEST_F(DayEndScenario, CashInAndOutReachTheDriver) {
    auto r =
        run("click Rapoarte\nclick Sume Introduse\nexpect label | Sume Introduse\n"
            "click 5\nclick 0\nclick E N T E R\n"
            // An empty amount, or one the printer cannot take as typed, sends nothing.
            "click Sume Scoase\nkey Enter\nexpect-title Eroare\nclick OK\n"
            "set amount | 12.345\nkey Enter\nexpect-title Eroare\nclick OK\n"
            "set amount | 12.5\nkey Enter\n"
            "click Sume Introduse\nclick 7\nclose\n"
            "close\n");
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    auto files = filesIn(folder / "Bonuri", "BONPOS01-2026121009[0-9]{4}\\.TXT");
    ASSERT_EQ(files.size(), 2u) << r.output;
    std::vector<std::string> contents;
    for (const auto& f : files)
        contents.push_back(readFileBytes(folder / "Bonuri" / f));
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ(contents, (std::vector<std::string>{"+|50\r\n", "-|12.5\r\n"}));
}

TEST_F(DayEndScenario, DatecsFolderTakesRequestsAndCashInItsSyntax) {
    fs::create_directories(folder / "Datecs");
    testing::writeFileBytes(folder / "CaleBonuri.ini", readFileBytes(folder / "CaleBonuri.ini") +
                                                           "DATECS=" + folder.path().string() +
                                                           "/Datecs/\r\n");
    auto r =
        run("click Rapoarte\nclick Raport X\nclick DA\nclick Raport Z\nclick NU\n"
            "click Sume Introduse\nclick 5\nclick E N T E R\nclose\n");
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    // The X request still waits for the driver beside the Z request that followed it.
    EXPECT_EQ(readFileBytes(folder / "Datecs" / "BonRaportX-0002-POS01.inp"),
              "Z,1,______,_,__;0;\r\n");
    EXPECT_EQ(readFileBytes(folder / "Datecs" / "BonRaportZ-0002-POS01.inp"),
              "Z,1,______,_,__;1;\r\n");
    auto cash = filesIn(folder / "Datecs", "BONPOS01-2026121009[0-9]{4}\\.inp");
    ASSERT_EQ(cash.size(), 1u);
    EXPECT_EQ(readFileBytes(folder / "Datecs" / cash[0]), "I,1,______,_,__;0;5;;;;\r\n");
    EXPECT_TRUE(filesIn(folder / "Bonuri", "Bon.*|BON.*").empty());
}

TEST_F(DayEndScenario, ReportsAreWrittenAndShown) {
    auto r = run(std::string(kTwoReceipts) +
                 "click Rapoarte\nselect periods | 1\nclick Raport Vanzare\n"
                 "expect-title OK\nclick OK\n"
                 "click Stoc La Zi\nclick OK\nclick PretModificat\n"
                 "select periods | -1\nexpect-state Raport Vanzare | disabled\nclose\n");
    ASSERT_EQ(r.exitStatus, 0) << r.output;
    auto sales = filesIn(folder / "rapoarte", "2026121009[0-9]{4}-eod0002-Vanzare\\.csv");
    ASSERT_EQ(sales.size(), 1u);
    EXPECT_TRUE(r.transcriptHas("shell-open rapoarte/" + sales[0]));
    EXPECT_TRUE(r.transcriptHas("shell-open rapoarte/"));
    EXPECT_TRUE(r.transcriptHas("message OK | Raport Vanzare\\r\\n  Z:0002\\r\\n | 0"));
    EXPECT_TRUE(r.transcriptHas("message OK | Raport Stoc Zi | 0"));
    auto lines = testing::fileLines(folder / "rapoarte" / sales[0]);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(
        lines[0],
        "eod,data,Bon,codbar,Articol,um,cantitate,pretart,pretvanz,cant*pretvanz,cotatva,cui,pos");
    EXPECT_EQ(lines.back(), ",,,,,,,,Total,41.25");
    EXPECT_EQ(filesIn(folder / "rapoarte", ".*-StocLaZI\\.csv").size(), 1u);
    EXPECT_EQ(filesIn(folder / "rapoarte", ".*-modificarepret(bon|admin)\\.csv").size(), 2u);
    // The sale window is back after the reports window closed.
    EXPECT_TRUE(r.transcriptHas("close Rapoarte"));
}

}  // namespace
}  // namespace vandrix
