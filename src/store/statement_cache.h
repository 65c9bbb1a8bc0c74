// The prepared statements of one connection, kept for the next run of the same SQL text.
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vandrix::store {

class StatementCache {
  public:
    explicit StatementCache(std::size_t capacity) : capacity_(capacity) {}
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // A free statement prepared from exactly this text, now in use; nullptr when there is none
    // (never prepared, or its statement is in use by a query still running on it).
    sqlite3_stmt* take(std::string_view sql);
    // Keeps a statement just prepared from this text, in use, while there is room.
    void adopt(std::string_view sql, sqlite3_stmt* statement);
    // A statement is done with: a kept one is reset with its values cleared and waits for the
    // next run of its text; any other one is finalized.
    void giveBack(sqlite3_stmt* statement);
    // The connection closes: the free statements are finalized now, those in use when they are
    // given back.
    void close();

  private:
    struct Entry {
        std::string sql;
        sqlite3_stmt* statement;
        bool inUse;
    };
    std::vector<Entry> entries_;
    std::size_t capacity_;
    bool closed_ = false;
};

}  // namespace vandrix::store
