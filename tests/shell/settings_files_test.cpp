// The settings files in a working folder: templates, the order of reading, ANSI files, the
// post-processing after the database and the rewrite after "ZINI" opened a period.
#include "shell/settings_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/paths.h"
#include "temp_folder.h"

namespace vandrix::shell {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::ScopedWorkingFolder;
using testing::TempFolder;
using testing::writeFileBytes;

std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

class SettingsFilesTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};
    std::string base = platform::currentFolderWithSeparator();
};

TEST_F(SettingsFilesTest, FirstStartWritesTheTemplateAndItsFolders) {
    Settings s = loadSettings(base);
    std::string bytes = readFileBytes(folder / "CaleBonuri.ini");
    auto lines = caleBonuriTemplate(base);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(bytes, crlf(lines));
    EXPECT_EQ(lines[0], "ServerDir=" + base + "Bonuri/");
    EXPECT_EQ(lines[1], ";ServerConfirmare=" + base + "Bonuri/");
    EXPECT_EQ(lines[2], "NoteDir=" + base + "Note/");
    EXPECT_EQ(lines[3], ";DATECS=" + base + "Datecs/");
    EXPECT_EQ(lines[6], ";ZDir=" + base + "Bonuri/");
    EXPECT_EQ(lines[13], "Palette=Palette/solarized.txt");
    EXPECT_EQ(lines[14], ";Palette=Palette/default.txt");
    EXPECT_EQ(lines[30], ";etichete=TSC");
    EXPECT_TRUE(fs::is_directory(folder / "Bonuri"));
    EXPECT_TRUE(fs::is_directory(folder / "Datecs"));
    EXPECT_TRUE(fs::is_directory(folder / "Note"));
    // The template's own values.
    EXPECT_EQ(s.serverDir, base + "Bonuri/");
    EXPECT_EQ(s.noteDir, base + "Note/");
    EXPECT_EQ(s.fiscal, 1);
    EXPECT_EQ(s.winsize, 0);
    EXPECT_EQ(s.pos, "POS01");
    EXPECT_EQ(s.taskbar, 1);
    EXPECT_EQ(s.palette, "Palette/solarized.txt");
    EXPECT_EQ(s.tipAmef, "M20");
    EXPECT_EQ(s.login, 0);
    EXPECT_EQ(s.displayPort, "");
    EXPECT_FALSE(s.param1Present);
    EXPECT_EQ(s.datecs, "");
}

TEST_F(SettingsFilesTest, TemplateIsUtf8WithTheBaseFolderAsItIs) {
    fs::create_directory(folder / "Casă");
    ScopedWorkingFolder inner(folder / "Casă");
    std::string casa = platform::currentFolderWithSeparator();
    loadSettings(casa);
    std::string bytes = readFileBytes(folder / "Casă" / "CaleBonuri.ini");
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), "ServerDir=" + casa + "Bonuri/");
    EXPECT_NE(bytes.find("Cas\xC4\x83/Bonuri/"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(folder / "Casă" / "Datecs"));
}

TEST_F(SettingsFilesTest, OtherDefaultFilesAreWrittenWithTheirLines) {
    Settings s = loadSettings(base);
    EXPECT_EQ(readFileBytes(folder / "grupa.ini"),
              crlf({"dep0=grupa0", "dep1=grupa1", "dep2=grupa2", "dep3=grupa3", "dep4=grupa4",
                    "dep5=grupa5", "dep6=grupa6", "dep7=grupa7", "dep8=grupa8", "dep9=grupa9"}));
    EXPECT_EQ(readFileBytes(folder / "ModuriPlata.ini"),
              crlf({"1=C A S H|0", "2= C A R D|1", "3=BONURI|4", "4=CREDIT|6"}));
    for (int g = 0; g <= 9; ++g)
        EXPECT_EQ(s.departmentMap[static_cast<size_t>(g)], g);
    const char* names[] = {"", "C A S H", " C A R D", "BONURI", "CREDIT"};
    const char* codes[] = {"", "0", "1", "4", "6"};
    for (size_t m = 1; m <= 4; ++m) {
        EXPECT_EQ(s.paymentModes[m].name, names[m]) << m;
        EXPECT_EQ(s.paymentModes[m].code(), codes[m]) << m;
    }
}

TEST_F(SettingsFilesTest, ExistingFilesAreReadNotRewritten) {
    const std::string cale = "pos=7\r\nPalette=Palette\\tomorrow.txt";  // no line end at the end
    writeFileBytes(folder / "CaleBonuri.ini", cale);
    writeFileBytes(folder / "grupa.ini", "dep3=grupa7\ndep12=grupa15\n");
    // Only modes 1 and 2, in ANSI: "Numerar ş" with the code page's cedilla s.
    writeFileBytes(folder / "ModuriPlata.ini", "1=Numerar \xBA|0\r\n\r\n2=Card|1\r\n");
    Settings s = loadSettings(base);
    EXPECT_EQ(readFileBytes(folder / "CaleBonuri.ini"), cale);
    EXPECT_FALSE(fs::exists(folder / "Bonuri"));
    EXPECT_EQ(s.pos, "7");
    EXPECT_EQ(s.palette, "Palette\\tomorrow.txt");
    EXPECT_EQ(s.serverDir, "");
    EXPECT_EQ(s.departmentMap[7], 3);
    EXPECT_EQ(s.departmentMap[5], 2);
    EXPECT_EQ(s.departmentMap[3], 0);
    EXPECT_EQ(s.paymentModes[1].name, "Numerar \xC5\x9F");
    EXPECT_EQ(s.paymentModes[2].definition, "Card|1");
    // Voucher and credit modes have no name (their buttons are not created); the driver codes
    // keep their defaults.
    EXPECT_EQ(s.paymentModes[3].name, "");
    EXPECT_EQ(s.paymentModes[4].name, "");
    EXPECT_EQ(s.paymentModes[3].code(), "4");
    EXPECT_EQ(s.paymentModes[4].code(), "6");
}

TEST_F(SettingsFilesTest, EmptyFilesAreWrittenAgain) {
    for (const char* name : {"CaleBonuri.ini", "grupa.ini", "ModuriPlata.ini"})
        writeFileBytes(folder / name, "");
    loadSettings(base);
    EXPECT_EQ(readFileBytes(folder / "CaleBonuri.ini"), crlf(caleBonuriTemplate(base)));
    EXPECT_EQ(readFileBytes(folder / "grupa.ini").rfind("dep0=grupa0\r\ndep1=grupa1\r\n", 0), 0u);
    EXPECT_EQ(readFileBytes(folder / "ModuriPlata.ini").rfind("1=C A S H|0\r\n", 0), 0u);
}

TEST_F(SettingsFilesTest, HandSavedAnsiCaleBonuriIsReadAsAnsi) {
    // "NoteDir2=C:\Casă\Note" saved in Windows-1250 (ă is 0xE3).
    writeFileBytes(folder / "CaleBonuri.ini", "NoteDir2=C:\\Cas\xE3\\Note\r\npos=1\r\n");
    Settings s = loadSettings(base);
    EXPECT_EQ(s.noteDir2, "C:\\Cas\xC4\x83\\Note");
}

TEST_F(SettingsFilesTest, FolderInPlaceOfAFileLeavesTheDefaults) {
    fs::create_directory(folder / "CaleBonuri.ini");
    Settings s = loadSettings(base);
    EXPECT_TRUE(fs::is_directory(folder / "CaleBonuri.ini"));
    EXPECT_EQ(s.pos, "1");
    EXPECT_FALSE(fs::exists(folder / "Bonuri"));
}

TEST_F(SettingsFilesTest, FinishAddsOneSeparatorToTheFolders) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Casa\\Bonuri", "C:\\Casa\\Bonuri/"},
        {"C:\\Casa\\Bonuri\\", "C:\\Casa\\Bonuri\\"},
        {"/srv/bonuri/", "/srv/bonuri/"},
        {"", ""},
    };
    for (const auto& [value, expected] : cases) {
        Settings s;
        s.serverDir = value;
        s.noteDir = value;
        s.noteDir2 = "/x";
        finishSettings(s);
        EXPECT_EQ(s.serverDir, expected) << value;
        EXPECT_EQ(s.noteDir, expected) << value;
        EXPECT_EQ(s.noteDir2, "/x");
    }
}

TEST_F(SettingsFilesTest, FinishReplacesAFileNamedLikeTheConfirmationFolder) {
    writeFileBytes(folder / "Confirm", "x");
    ::chmod((folder / "Confirm").c_str(), 0444);
    Settings s;
    s.serverConfirmare = "Confirm\\";
    finishSettings(s);
    EXPECT_TRUE(fs::is_directory(folder / "Confirm"));
    // An existing folder keeps what it holds.
    writeFileBytes(folder / "Confirm" / "a.txt", "a");
    finishSettings(s);
    EXPECT_EQ(readFileBytes(folder / "Confirm" / "a.txt"), "a");
}

// A COM port whose device is named in the settings is that device.
TEST_F(SettingsFilesTest, FinishPutsTheNamedDeviceForAComPort) {
    Settings s;
    applyCaleBonuriLines(
        s, {"Display=COM1,ESCPOS", "Cantar=COM2,ACS", "COM1=/dev/ttyUSB0", "COM2=/dev/ttyUSB1"});
    finishSettings(s);
    EXPECT_EQ(s.displayPort, "/dev/ttyUSB0");
    EXPECT_EQ(s.displayType, "ESCPOS");
    EXPECT_EQ(s.scale, "/dev/ttyUSB1,ACS");
}

// Every line but "ZINI" stays as the shop wrote it: comments, case, spaces, a lone LF end, a
// last line without its end, bytes that are not UTF-8.
TEST_F(SettingsFilesTest, RewriteAfterZiniTakesOutOnlyTheZiniLines) {
    const std::string before =
        "ServerDir=/srv/bonuri\r\n;comentariu\r\n zini = 5\r\nparam1=1\nPalette=Palette/"
        "tomorrow.txt\r\n\xE3\xEE=1\r\nZINI=7\r\ntipamef=TM80";
    writeFileBytes(folder / "CaleBonuri.ini", before);
    Settings s = loadSettings(base);
    EXPECT_EQ(s.zini, 7);
    EXPECT_TRUE(rewriteCaleBonuriAfterZini());
    EXPECT_EQ(readFileBytes(folder / "CaleBonuri.ini"),
              "ServerDir=/srv/bonuri\r\n;comentariu\r\nparam1=1\nPalette=Palette/tomorrow.txt\r\n"
              "\xE3\xEE=1\r\ntipamef=TM80");
    Settings next = loadSettings(base);
    EXPECT_EQ(next.zini, 0);
    EXPECT_EQ(next.tipAmef, "TM80");
    EXPECT_TRUE(next.param1Present);
}

}  // namespace
}  // namespace vandrix::shell
