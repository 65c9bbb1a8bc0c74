// The check of the database file at start and before a Z report: what passes, what fails and
// which failures only the thorough check finds.
#include "store/database_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

#include "store/database.h"
#include "temp_folder.h"

namespace vandrix::store {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::ScopedWorkingFolder;
using testing::TempFolder;
using testing::writeFileBytes;

constexpr const char* kFile = "baza.db";
constexpr size_t kPageSize = 4096;

// A real database of some fifty pages: a table filled in rowid order, so its last leaf is the
// last page of the file.
void makeDatabase() {
    auto db = Database::open(kFile);
    ASSERT_TRUE(db);
    ASSERT_TRUE(db->exec("PRAGMA page_size=4096;"));
    ASSERT_TRUE(db->exec("create table bon (id integer primary key, text varchar(200));"));
    ASSERT_TRUE(db->transaction([&] {
        for (int i = 1; i <= 1500; ++i)
            if (!db->exec("insert into bon (text) values (?);", {std::string(100, 'A' + i % 26)}))
                return false;
        return true;
    }));
}

std::string randomBytes(size_t size) {
    std::mt19937 random(20261210);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

struct CheckCase {
    const char* label;
    std::function<void()> prepare;
    bool quickOk;     // the start's check
    bool thoroughOk;  // the check after a crash and before a Z report
    const char* errorHas;
};

TEST(DatabaseCheck, FindsWhatCannotBeUsed) {
    const CheckCase cases[] = {
        {"missing", [] {}, true, true, ""},
        {"empty", [] { writeFileBytes(kFile, ""); }, true, true, ""},
        {"good", [] { makeDatabase(); }, true, true, ""},
        {"garbage", [] { writeFileBytes(kFile, randomBytes(64 * 1024)); }, false, false,
         "not a database"},
        {"truncated",
         [] {
             makeDatabase();
             fs::resize_file(kFile, fs::file_size(kFile) / 2);
         },
         false, false, "malformed"},
        {"damaged page",
         [] {
             makeDatabase();
             std::string bytes = readFileBytes(kFile);
             ASSERT_GT(bytes.size(), 10 * kPageSize);
             bytes.replace(bytes.size() - kPageSize, kPageSize, std::string(kPageSize, '\xFF'));
             writeFileBytes(kFile, bytes);
         },
         true, false, "malformed"},
        {"a folder", [] { fs::create_directory(kFile); }, false, false, "unable to open"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder folder;
        ScopedWorkingFolder cwd(folder.path());
        c.prepare();
        const bool existed = fs::exists(kFile);

        DatabaseCheck quick = checkDatabase(kFile, false);
        DatabaseCheck thorough = checkDatabase(kFile, true);

        EXPECT_EQ(quick.ok, c.quickOk) << quick.error;
        EXPECT_EQ(thorough.ok, c.thoroughOk) << thorough.error;
        EXPECT_EQ(quick.ok, quick.error.empty()) << quick.error;
        EXPECT_EQ(thorough.ok, thorough.error.empty()) << thorough.error;
        if (!c.thoroughOk) {
            EXPECT_NE(thorough.error.find(c.errorHas), std::string::npos) << thorough.error;
        }
        // The check never creates the database: that is the schema step's work.
        EXPECT_EQ(fs::exists(kFile), existed);
    }
}

}  // namespace
}  // namespace vandrix::store
