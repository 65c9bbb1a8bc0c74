// The automation contract: steps, targets, exit statuses and failure reports, the login prompt
// and the pictures of windows.
#include <gtest/gtest.h>

#include "scenario.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;
using testing::runScenario;

TEST(Automation, ExitStatusTellsHowTheScriptEnded) {
    struct Case {
        const char* name;
        const char* script;
        int status;
        const char* output;  // a text the output must hold ("" for none)
    };
    const Case cases[] = {
        {"shutdown", "click DA\nclose\nclick DA\n", 0, ""},
        {"script ran out", "click DA\n", 3, ""},
        {"failed expect", "click DA\n\n# comment\nexpect qty | 2.000\n", 4,
         "step at line 4 failed: 'qty' holds '1.000', expected '2.000'"},
        {"unknown gadget", "click DA\nclick Nimic\n", 4, "no gadget 'Nimic'"},
        {"disabled gadget", "click DA\nclick pay2\n", 4, "'pay2' is disabled or hidden"},
        {"hidden gadget", "click DA\nclick c\n", 4, "'c' is disabled or hidden"},
        {"not a step", "click DA\nfly away\n", 5, "line 2"},
        {"bad key", "key Hyper\n", 5, "line 1"},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        auto run = runScenario(folder.path(), c.script);
        EXPECT_EQ(run.exitStatus, c.status) << c.name << "\n" << run.output;
        EXPECT_NE(run.output.find(c.output), std::string::npos) << c.name << "\n" << run.output;
    }
}

TEST(Automation, FailureReportNamesTheWindowAndItsGadgets) {
    testing::TempFolder folder;
    auto run = runScenario(folder.path(), "click DA\nexpect-title Altceva\n");
    EXPECT_EQ(run.exitStatus, 4);
    EXPECT_NE(run.output.find("active window: Utilizator: Operator / v3.0.60.286"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(" entry\n"), std::string::npos);
    EXPECT_NE(run.output.find(" E N T E R\n"), std::string::npos);
    EXPECT_NE(run.output.find(" backdrop-left\n"), std::string::npos);
}

TEST(Automation, SaleWindowAsBuilt) {
    testing::TempFolder folder;
    auto run = runScenario(folder.path(),
                           "click DA\n"
                           "expect-title Utilizator: Operator / v3.0.60.286\n"
                           "expect qty | 1.000\n"
                           "expect entry |\n"
                           "expect QTY | QTY\n"
                           "expect #2 | QTY\n"
                           "expect-state Discount | shown\n"
                           "expect-state TEXT | shown\n"
                           "expect-state c | hidden\n"
                           "expect-state paid | hidden\n"
                           "expect-state pay1 | disabled\n"
                           "expect-state pay2 | disabled\n"
                           "expect-state pay3 | disabled\n"
                           "expect-rows grid | 0\n"
                           "expect E N T E R | E N T E R\n"
                           "type 12\n"
                           "shot sale.png\n"
                           "close\n"
                           "shot inchidem.png\n"
                           "click NU\n"
                           "close\n"
                           "click DA\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Inchidem | Inchidem? | 7"));
    EXPECT_EQ(testing::readFileBytes(folder / "sale.png").substr(1, 3), "PNG");
    EXPECT_EQ(testing::readFileBytes(folder / "inchidem.png").substr(1, 3), "PNG");
}

TEST(Automation, BackdropLeftDoubleClickAsksToClose) {
    testing::TempFolder folder;
    auto run = runScenario(folder.path(), "click DA\ndblclick backdrop-left\nclick DA\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Inchidem | Inchidem? | 6"));
}

TEST(Login, PasswordIsComparedAsAnInteger) {
    testing::TempFolder folder;
    ASSERT_EQ(runScenario(folder.path(), "click DA\nclose\nclick DA\n").exitStatus, 0);
    std::string settings = testing::readFileBytes(folder / "CaleBonuri.ini");
    settings.replace(settings.find("login=0"), 7, "login=1");
    testing::writeFileBytes(folder / "CaleBonuri.ini", settings);
    testing::writeFileBytes(folder / "operatori.ini", "Ana=12\r\nDan=12\r\nOperator=5193\r\n");

    auto run = runScenario(folder.path(),
                           "expect-title Parola\n"
                           "set input | 0\n"
                           "click OK\n"
                           "expect-title Parola\n"
                           "expect input |\n"
                           "set input | 05193\n"
                           "click OK\n"
                           "expect-title Utilizator: Operator / v3.0.60.286\n"
                           "close\n"
                           "click DA\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(
        run.transcriptHas("input Parola | Introduceti parola pentru logare:\\r\\n\\r\\n | Ok|0"));
    EXPECT_TRUE(run.transcriptHas(
        "input Parola | Introduceti parola pentru logare:\\r\\n\\r\\n | Ok|05193"));

    auto first = runScenario(folder.path(),
                             "set input | 12\nclick OK\n"
                             "expect-title Utilizator: Ana / v3.0.60.286\n"
                             "close\nclick DA\n");
    EXPECT_EQ(first.exitStatus, 0) << first.output;

    // Closing the prompt asks "Inchidem?"; DA ends the program there.
    auto quit = runScenario(folder.path(), "close\nclick DA\n");
    EXPECT_EQ(quit.exitStatus, 0) << quit.output;
    EXPECT_TRUE(quit.transcriptHas("message Inchidem | Inchidem? | 6"));
    EXPECT_FALSE(quit.transcriptHas(
        "message Sincronizare | Sincronizare Baza Date / Echipamente\\r\\n\\r\\n | 0"));
}

}  // namespace
}  // namespace vandrix
