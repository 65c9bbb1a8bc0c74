// The diagnostic log: lines with their time and level reach the file at once, the file rotates,
// and a log that cannot be written stays silent instead of failing.
#include "shell/diagnostic_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "temp_folder.h"

namespace vandrix::shell {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::TempFolder;
using testing::writeFileBytes;

TEST(DiagnosticLog, WritesEachLineWithTimeAndLevelAtOnce) {
    TempFolder folder;
    const fs::path file = folder / DiagnosticLog::kFileName;
    DiagnosticLog log;
    ASSERT_TRUE(log.open(file.string()));
    log.error("Baza de date nu poate fi citita: file is not a database");
    log.warning("Programul nu s-a inchis normal");
    log.info("pornit");

    // Read while the log is still open: nothing waits in a buffer.
    const std::string text = readFileBytes(file);
    const std::regex expected(
        "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\[error\\] Baza de date nu poate fi citita: "
        "file is not a database\n"
        "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\[warning\\] Programul nu s-a inchis normal\n"
        "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\[info\\] pornit\n");
    EXPECT_TRUE(std::regex_match(text, expected)) << text;
}

TEST(DiagnosticLog, AppendsAcrossRunsAndRotatesIntoTwoOlderFiles) {
    TempFolder folder;
    const fs::path file = folder / DiagnosticLog::kFileName;
    {
        DiagnosticLog first;
        ASSERT_TRUE(first.open(file.string()));
        first.error("prima pornire");
    }
    DiagnosticLog log;
    ASSERT_TRUE(log.open(file.string()));
    log.error("a doua pornire");
    EXPECT_NE(readFileBytes(file).find("prima pornire"), std::string::npos);
    EXPECT_NE(readFileBytes(file).find("a doua pornire"), std::string::npos);

    const std::string line(1000, 'x');
    for (size_t written = 0; written < 5 * DiagnosticLog::kMaxFileBytes; written += line.size())
        log.error(line);
    EXPECT_LE(fs::file_size(file), DiagnosticLog::kMaxFileBytes);
    EXPECT_TRUE(fs::exists(folder / "vandrix.1.log"));
    EXPECT_TRUE(fs::exists(folder / "vandrix.2.log"));
    EXPECT_FALSE(fs::exists(folder / "vandrix.3.log"));
}

TEST(DiagnosticLog, AnUnwritablePlaceLeavesALogThatDoesNothing) {
    TempFolder folder;
    // A folder that cannot be created, even by the superuser: its parent is a plain file.
    writeFileBytes(folder / "fisier", "x");
    DiagnosticLog log;
    EXPECT_FALSE(log.open((folder / "fisier" / DiagnosticLog::kFileName).string()));
    EXPECT_FALSE(log.isOpen());
    log.error("nimic");
    log.warning("nimic");
    log.info("nimic");

    // A log whose file is removed under it goes on without a word.
    DiagnosticLog removed;
    ASSERT_TRUE(removed.open((folder / DiagnosticLog::kFileName).string()));
    fs::remove(folder / DiagnosticLog::kFileName);
    removed.error("dupa stergere");
    removed.warning("dupa stergere");
}

}  // namespace
}  // namespace vandrix::shell
