// Whether the shop's database can be used at all: checked at start before anything reads or
// completes it, and thoroughly before a Z report closes the day on it.
#pragma once

#include <string>

namespace vandrix::store {

struct DatabaseCheck {
    bool ok = true;
    std::string error;  // SQLite's own text of what failed; "" when ok
    bool busy = false;  // not damaged: another program held it past the busy time-out
};

// Opens the database file without creating it and reads its schema, which fails on a file that
// is not a database, a truncated database, or one that cannot be opened or read. With thorough
// set, SQLite's quick check also walks every page and record (seconds on a big database). A
// missing or empty file passes: the schema step creates it.
DatabaseCheck checkDatabase(const std::string& path, bool thorough);

}  // namespace vandrix::store
