// The database check on a connection of its own, closed before it returns.
#include "store/database_check.h"

#include <sqlite3.h>

#include <vector>

#include "platform/files.h"
#include "platform/paths.h"

namespace vandrix::store {
namespace {

constexpr int kBusyTimeoutMs = 5000;  // as the program's own connection waits
constexpr int kReportedProblems = 5;  // the first lines of the quick check's answer

DatabaseCheck failed(sqlite3* db, const std::string& fallback) {
    const char* message = db ? sqlite3_errmsg(db) : nullptr;
    const int code = db ? sqlite3_errcode(db) & 0xFF : SQLITE_OK;
    return {false, message && *message ? message : fallback,
            code == SQLITE_BUSY || code == SQLITE_LOCKED};
}

// Runs one statement and gathers its rows' first column. False on an error.
bool rows(sqlite3* db, const char* sql, std::vector<std::string>& out, int limit) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return false;
    }
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (static_cast<int>(out.size()) < limit) {
            const auto* text = sqlite3_column_text(statement, 0);
            out.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
    }
    sqlite3_finalize(statement);
    return rc == SQLITE_DONE;
}

DatabaseCheck check(sqlite3* db, bool thorough) {
    std::vector<std::string> answer;
    // Reading the schema reads the file's header and first page: a file that is not a
    // database, or one shorter than its header says, fails here.
    if (!rows(db, "select count(*) from sqlite_master;", answer, 1))
        return failed(db, "schema not readable");
    if (!thorough)
        return {};
    answer.clear();
    if (!rows(db, "PRAGMA quick_check;", answer, kReportedProblems))
        return failed(db, "quick check failed");
    if (answer.size() == 1 && answer[0] == "ok")
        return {};
    std::string problems;
    for (const auto& line : answer)
        problems += (problems.empty() ? "" : "; ") + line;
    return {false, problems.empty() ? "quick check gave no answer" : problems};
}

}  // namespace

DatabaseCheck checkDatabase(const std::string& path, bool thorough) {
    const std::string file = platform::toPlatformPath(path);
    if (!platform::fileExists(file) || platform::fileSize(file) == 0)
        return {};
    sqlite3* db = nullptr;
    // Read-write without create: a journal left by a crash is rolled back on the first read, as
    // the program's own connection would do, instead of being taken for damage.
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        DatabaseCheck result = failed(db, "cannot open");
        sqlite3_close_v2(db);
        return result;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    DatabaseCheck result = check(db, thorough);
    sqlite3_close_v2(db);
    return result;
}

}  // namespace vandrix::store
