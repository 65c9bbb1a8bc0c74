// A database that cannot be used is said at start, after a run that did not end cleanly and
// before a Z report; selling never starts on it, and a normal start is not slowed or changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "scenario.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::runScenario;
using testing::writeFileBytes;

constexpr const char* kMarker = "vandrix.ruleaza";
constexpr const char* kStartAndClose = "click DA\nclose\nclick DA\n";
constexpr const char* kCloseOnly = "close\nclick DA\n";

std::string damagedMessage(const testing::TempFolder& folder, const std::string& consequence) {
    return "message Eroare | Baza de date " + folder.path().string() +
           "/baza.db este deteriorata sau nu poate fi citita.\\r\\n\\r\\n"
           "Inlocuiti fisierul cu o copie de siguranta sau chemati service-ul (detalii in "
           "vandrix.log).\\r\\n" +
           consequence + " | 0";
}

bool anyWindowOpened(const testing::ScenarioRun& run) {
    return std::any_of(run.transcript.begin(), run.transcript.end(),
                       [](const std::string& line) { return line.rfind("open ", 0) == 0; });
}

bool logHas(const testing::TempFolder& folder, const std::string& text) {
    return readFileBytes(folder / "vandrix.log").find(text) != std::string::npos;
}

TEST(DamagedDatabase, AFileOfRandomBytesStopsTheStartWithAMessage) {
    testing::TempFolder folder;
    std::mt19937 random(7);
    std::string garbage(32 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    writeFileBytes(folder / "baza.db", garbage);

    auto run = runScenario(folder.path(), "click OK\n");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    EXPECT_TRUE(run.transcriptHas(damagedMessage(folder, "Programul se inchide."))) << run.output;
    EXPECT_FALSE(anyWindowOpened(run));
    EXPECT_TRUE(logHas(folder, "[error] Baza de date " + folder.path().string() + "/baza.db"));
    EXPECT_TRUE(logHas(folder, "file is not a database"));
    // The file is left as it was for whoever restores it, and no run was begun.
    EXPECT_EQ(readFileBytes(folder / "baza.db"), garbage);
    EXPECT_FALSE(fs::exists(folder / kMarker));
}

// A database that another program holds is not damaged: the cashier is told to close that
// program, never to replace the file.
TEST(DamagedDatabase, ADatabaseHeldByAnotherProgramIsNotCalledDamaged) {
    testing::TempFolder folder;
    ASSERT_EQ(runScenario(folder.path(), kStartAndClose).exitStatus, 0);
    auto other = store::Database::open((folder / "baza.db").string());
    ASSERT_TRUE(other->exec("BEGIN EXCLUSIVE"));

    auto run = runScenario(folder.path(), "click OK\n");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Eroare | Baza de date " + folder.path().string() +
                                  "/baza.db este folosita de alt program.\\r\\n\\r\\nInchideti "
                                  "programul care o foloseste si incercati din nou.\\r\\n"
                                  "Programul se inchide. | 0"))
        << run.output;
    other->exec("ROLLBACK");
}

TEST(DamagedDatabase, ACleanRunLeavesNoMarkerAndAnEmptyLog) {
    testing::TempFolder folder;
    auto run = runScenario(folder.path(), kStartAndClose);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Inchidem | Inchidem? | 6"));
    EXPECT_FALSE(fs::exists(folder / kMarker));
    EXPECT_EQ(readFileBytes(folder / "vandrix.log"), "");
}

// A run that ends without its shutdown (here the script runs out while the sale window waits)
// leaves its marker; the next start checks every page, starts normally and clears it.
TEST(DamagedDatabase, ARunThatDidNotEndIsFollowedByAFullCheck) {
    testing::TempFolder folder;
    ASSERT_EQ(runScenario(folder.path(), "click DA\n").exitStatus, 3);
    ASSERT_TRUE(fs::exists(folder / kMarker));

    auto next = runScenario(folder.path(), kCloseOnly);
    ASSERT_EQ(next.exitStatus, 0) << next.output;
    EXPECT_FALSE(fs::exists(folder / kMarker));
    EXPECT_TRUE(logHas(folder, "[warning] Rularea anterioara nu s-a incheiat normal"));
}

// A damaged page deep in the file: the quick check at every start does not read it, the full
// check after a crash and before a Z report does.
class DamagedPage : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(runScenario(folder.path(), kStartAndClose).exitStatus, 0);
        {
            auto db = store::Database::open((folder / "baza.db").string());
            ASSERT_TRUE(db->exec("create table umplutura (id integer primary key, text text);"));
            ASSERT_TRUE(db->transaction([&] {
                for (int i = 0; i < 1500; ++i)
                    if (!db->exec("insert into umplutura (text) values (?);",
                                  {std::string(100, 'U')}))
                        return false;
                return true;
            }));
        }
        // Rows added in order end in the file's last page: overwrite it.
        std::string bytes = readFileBytes(folder / "baza.db");
        const size_t page = 4096;
        ASSERT_GT(bytes.size(), 20 * page);
        bytes.replace(bytes.size() - page, page, std::string(page, '\xFF'));
        writeFileBytes(folder / "baza.db", bytes);
    }

    testing::TempFolder folder;
};

TEST_F(DamagedPage, NoZReportIsSentOnIt) {
    auto run = runScenario(folder.path(),
                           "click Rapoarte\nclick Raport Z\nclick OK\nexpect-title Rapoarte\n"
                           "close\nclose\nclick DA\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(damagedMessage(folder, "Raportul Z nu a fost trimis.")))
        << run.output;
    EXPECT_FALSE(fs::exists(folder / "Bonuri" / "BonRaportZ-0002-POS01.txt"));
    EXPECT_TRUE(logHas(folder, "verificare completa"));
    auto db = store::Database::open((folder / "baza.db").string());
    EXPECT_EQ(db->scalarInteger("Select max(id) from eod where data is null;"), 2);
}

TEST_F(DamagedPage, AStartAfterACrashRefusesIt) {
    writeFileBytes(folder / kMarker, "");
    auto run = runScenario(folder.path(), "click OK\n");
    EXPECT_EQ(run.exitStatus, 1) << run.output;
    EXPECT_TRUE(run.transcriptHas(damagedMessage(folder, "Programul se inchide.")));
    EXPECT_FALSE(anyWindowOpened(run));
    // Still suspect: the next start checks every page again.
    EXPECT_TRUE(fs::exists(folder / kMarker));
}

}  // namespace
}  // namespace vandrix
