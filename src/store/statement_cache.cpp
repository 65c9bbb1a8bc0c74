// The statement cache of a connection: a few dozen statements, looked up by their text.
#include "store/statement_cache.h"

#include <algorithm>

namespace vandrix::store {

StatementCache::~StatementCache() {
    for (Entry& entry : entries_)
        sqlite3_finalize(entry.statement);
}

sqlite3_stmt* StatementCache::take(std::string_view sql) {
    if (closed_)
        return nullptr;
    for (Entry& entry : entries_) {
        if (!entry.inUse && entry.sql == sql) {
            entry.inUse = true;
            return entry.statement;
        }
    }
    return nullptr;
}

void StatementCache::adopt(std::string_view sql, sqlite3_stmt* statement) {
    if (!closed_ && entries_.size() < capacity_)
        entries_.push_back({std::string(sql), statement, true});
}

void StatementCache::giveBack(sqlite3_stmt* statement) {
    auto kept = std::find_if(entries_.begin(), entries_.end(),
                             [&](const Entry& entry) { return entry.statement == statement; });
    if (kept == entries_.end() || closed_) {
        sqlite3_finalize(statement);
        if (kept != entries_.end())
            entries_.erase(kept);
        return;
    }
    // The reset ends the statement's read of the database; its result code repeats the last
    // step's, which the caller has already seen.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    kept->inUse = false;
}

void StatementCache::close() {
    closed_ = true;
    auto free = std::remove_if(entries_.begin(), entries_.end(), [](const Entry& entry) {
        if (entry.inUse)
            return false;
        sqlite3_finalize(entry.statement);
        return true;
    });
    entries_.erase(free, entries_.end());
}

}  // namespace vandrix::store
