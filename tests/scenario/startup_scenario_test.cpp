// First and later starts of the program in a working folder: the files, folders and database
// it leaves, the questions it asks, the period it opens.
#include <gtest/gtest.h>

#include <map>

#include "platform/instance_lock.h"
#include "platform/system.h"
#include "scenario.h"
#include "shell/settings_files.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;
using testing::fileLines;
using testing::readFileBytes;
using testing::runScenario;

constexpr const char* kStartAndClose = "click DA\nclose\nclick DA\n";
constexpr const char* kCloseOnly = "close\nclick DA\n";

std::string base(const testing::TempFolder& folder) {
    return folder.path().string() + "/";
}

// Every file under the folder (but the database) with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string name = fs::relative(entry.path(), folder).string();
        if (entry.is_regular_file() && name != "baza.db" && name.rfind(".scenario", 0) != 0 &&
            name.find(".lock") == std::string::npos)
            files[name] = readFileBytes(entry.path());
        else if (entry.is_directory())
            files[name + "/"] = "";
    }
    return files;
}

TEST(FirstStart, LaysOutTheWorkingFolder) {
    testing::TempFolder folder;
    auto run = runScenario(folder.path(), kStartAndClose);
    ASSERT_EQ(run.exitStatus, 0) << run.output;

    EXPECT_EQ(fileLines(folder / "CaleBonuri.ini"), shell::caleBonuriTemplate(base(folder)));
    EXPECT_EQ(fileLines(folder / "CaleBonuri.ini").size(), 31u);
    EXPECT_EQ(fileLines(folder / "CaleBonuri.ini")[0], "ServerDir=" + base(folder) + "Bonuri/");
    EXPECT_EQ(readFileBytes(folder / "ModuriPlata.ini"),
              "1=C A S H|0\r\n2= C A R D|1\r\n3=BONURI|4\r\n4=CREDIT|6\r\n");
    EXPECT_EQ(fileLines(folder / "grupa.ini").size(), 10u);
    EXPECT_EQ(fileLines(folder / "grupa.ini")[7], "dep7=grupa7");
    EXPECT_EQ(readFileBytes(folder / "operatori.ini"), "Operator=5193\r\n");
    EXPECT_EQ(readFileBytes(folder / "platitortva.vandrix"), "0\r\n");
    ASSERT_TRUE(fs::exists(folder / "fixzrapoarte"));
    EXPECT_EQ(fs::file_size(folder / "fixzrapoarte"), 0u);

    for (const char* dir : {"Data", "dll", "dll/32bit", "dll/64bit", "rapoarte", "import", "Bonuri",
                            "Datecs", "Palette"})
        EXPECT_TRUE(fs::is_directory(folder / dir)) << dir;
    int palettes = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder / "Palette"))
        ++palettes;
    EXPECT_EQ(palettes, 8);
    for (const char* icon :
         {"Data/arrow-up-icon.png", "Data/arrow-down-icon.png", "Data/arrow-left-icon.png"})
        EXPECT_EQ(readFileBytes(folder / icon).substr(1, 3), "PNG") << icon;
    EXPECT_GT(fs::file_size(folder / "cacert.pem"), 1000u);

    auto db = store::Database::open((folder / "baza.db").string());
    ASSERT_TRUE(db);
    EXPECT_EQ(db->scalarInteger("Select max(id) from eod where data is null;"), 2);
    EXPECT_EQ(db->scalarInteger("select count(*) from articol"), 5);
    EXPECT_EQ(db->scalarText("select denumire from partener where id=-1"), "ANAF");

    EXPECT_TRUE(
        run.transcriptHas("message Atentie | Firma este Platitoare de TVA?\\r\\n\\r\\n | 6"));
    EXPECT_TRUE(run.transcriptHas("message Inchidem | Inchidem? | 6"));
    EXPECT_TRUE(run.transcriptHas(
        "message Sincronizare | Sincronizare Baza Date / Echipamente\\r\\n\\r\\n | 0"));
    EXPECT_EQ(run.transcript.back(), "close Utilizator: Operator");
}

TEST(FirstStart, AnswerNoMakesTheShopNotAVatPayer) {
    testing::TempFolder folder;
    auto run = runScenario(folder.path(), "click NU\nclose\nclick DA\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(readFileBytes(folder / "platitortva.vandrix"), "1\r\n");
}

TEST(FirstStart, EnterPressesTheFocusedButton) {
    testing::TempFolder folder;
    // The focus starts on DA; Tab moves it to NU, and Enter presses NU.
    auto run = runScenario(folder.path(), "key Tab\nkey Enter\nclose\nclick DA\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(readFileBytes(folder / "platitortva.vandrix"), "1\r\n");
    EXPECT_TRUE(
        run.transcriptHas("message Atentie | Firma este Platitoare de TVA?\\r\\n\\r\\n | 7"));
}

TEST(LaterStart, AsksNothingAndChangesNothing) {
    testing::TempFolder folder;
    ASSERT_EQ(runScenario(folder.path(), kStartAndClose).exitStatus, 0);
    auto before = snapshot(folder.path());
    auto second = runScenario(folder.path(), kCloseOnly);
    ASSERT_EQ(second.exitStatus, 0) << second.output;
    EXPECT_FALSE(
        second.transcriptHas("message Atentie | Firma este Platitoare de TVA?\\r\\n\\r\\n | 6"));
    EXPECT_EQ(snapshot(folder.path()), before);

    auto db = store::Database::open((folder / "baza.db").string());
    EXPECT_EQ(db->scalarInteger("select count(*) from eod"), 2);
    EXPECT_EQ(db->scalarInteger("select count(*) from bon"), 1);
}

TEST(LaterStart, ResourceFilesFollowTheSizeRule) {
    testing::TempFolder folder;
    ASSERT_EQ(runScenario(folder.path(), kStartAndClose).exitStatus, 0);
    std::string icon = readFileBytes(folder / "Data/arrow-up-icon.png");
    testing::writeFileBytes(folder / "Data/arrow-up-icon.png", "damaged");
    testing::writeFileBytes(folder / "cacert.pem", "");
    fs::remove(folder / "Data/arrow-down-icon.png");
    ASSERT_EQ(runScenario(folder.path(), kCloseOnly).exitStatus, 0);
    EXPECT_EQ(readFileBytes(folder / "Data/arrow-up-icon.png"), icon);
    EXPECT_TRUE(fs::exists(folder / "Data/arrow-down-icon.png"));
    EXPECT_EQ(fs::file_size(folder / "cacert.pem"), 0u);
}

TEST(LaterStart, ZiniOpensItsPeriodAndIsRemovedFromTheSettings) {
    testing::TempFolder folder;
    ASSERT_EQ(runScenario(folder.path(), kStartAndClose).exitStatus, 0);
    {
        auto db = store::Database::open((folder / "baza.db").string());
        ASSERT_TRUE(db->exec("update eod set z=0, data='2026-12-09 20:00:00' where id=2"));
    }
    // The shop's own settings, with "ZINI" among them and a line of its own making.
    const std::string before = readFileBytes(folder / "CaleBonuri.ini");
    const std::string own = "; setat de mana\r\nadunaarticole=1\r\n";
    testing::writeFileBytes(folder / "CaleBonuri.ini", before + "ZINI=5\r\n" + own);

    auto run = runScenario(folder.path(), kCloseOnly);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    auto db = store::Database::open((folder / "baza.db").string());
    EXPECT_EQ(db->scalarInteger("Select max(id) from eod where data is null;"), 5);
    // Only the "ZINI" line went; every other byte is as the shop wrote it.
    EXPECT_EQ(readFileBytes(folder / "CaleBonuri.ini"), before + own);

    // The next start finds period 5 open and opens nothing more.
    ASSERT_EQ(runScenario(folder.path(), kCloseOnly).exitStatus, 0);
    EXPECT_EQ(db->scalarInteger("select count(*) from eod"), 3);
}

TEST(SingleInstance, SecondStartUnderTheSameUserIsRefused) {
    testing::TempFolder folder;
    auto run = [&] { return runScenario(folder.path(), kStartAndClose); };
    {
        // The program's lock lives in its temporary folder: take it there first.
        const char* previous = std::getenv("TMPDIR");
        std::string saved = previous ? previous : "";
        ::setenv("TMPDIR", folder.path().c_str(), 1);
        auto lock = platform::InstanceLock::acquire(platform::userName());
        if (previous)
            ::setenv("TMPDIR", saved.c_str(), 1);
        else
            ::unsetenv("TMPDIR");
        ASSERT_TRUE(lock);
        auto refused = run();
        EXPECT_EQ(refused.exitStatus, 1);
        EXPECT_TRUE(refused.transcriptHas("message Eroare | Aplicatia ruleaza! | 0"));
        EXPECT_FALSE(fs::exists(folder / "baza.db"));
    }
    // Another temporary folder stands for another user: that start runs.
    testing::TempFolder other;
    auto elsewhere = runScenario(other.path(), kStartAndClose);
    EXPECT_EQ(elsewhere.exitStatus, 0) << elsewhere.output;
}

TEST(UpdateSwap, ADifferentUpdateIsSwappedIn) {
    testing::TempFolder folder;
    testing::writeFileBytes(folder / "vandrixupdate.dat", "a newer program");
    auto run = runScenario(folder.path(), kStartAndClose);
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("run sh update.sh"));
    std::string script = readFileBytes(folder / "update.sh");
    EXPECT_NE(
        script.find("mv 'vandrixupdate.dat' '" + fs::canonical(VANDRIX_EXECUTABLE).string() + "'"),
        std::string::npos)
        << script;
    // The program ended for the swap before it built a window or a database.
    EXPECT_FALSE(fs::exists(folder / "baza.db"));
    EXPECT_TRUE(fs::exists(folder / "Data/arrow-up-icon.png"));
}

TEST(UpdateSwap, AnIdenticalUpdateIsLeftInPlace) {
    testing::TempFolder folder;
    fs::copy_file(VANDRIX_EXECUTABLE, folder / "vandrixupdate.dat");
    auto run = runScenario(folder.path(), kStartAndClose);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_FALSE(fs::exists(folder / "update.sh"));
    EXPECT_TRUE(fs::exists(folder / "vandrixupdate.dat"));
    EXPECT_TRUE(fs::exists(folder / "baza.db"));
}

}  // namespace
}  // namespace vandrix
