// The connection to the shop's database and its statements. Every value reaches SQLite as a
// bound text parameter, never pasted into the statement, so an apostrophe can neither break a
// statement nor inject SQL; SQLite's column affinities store a bound text exactly as the same
// text between quotes would be stored.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vandrix::store {

using Params = std::vector<std::string>;

class StatementCache;

// The rows of one query. A query that failed to prepare has no rows. Finish a query (let it go
// out of scope) before the next one starts on the same connection. A query whose statement
// came from the connection's cache hands it back, reset, when it ends.
class Query {
  public:
    Query() = default;
    Query(sqlite3_stmt* statement, std::shared_ptr<StatementCache> cache)
        : statement_(statement), cache_(std::move(cache)) {}
    Query(Query&& other) noexcept;
    Query& operator=(Query&& other) noexcept;
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;
    ~Query();

    bool prepared() const { return statement_ != nullptr; }  // false: the statement failed
    bool next();  // steps to the next row; false when there is none (or on an error)
    // Column n (from 0) of the current row; a missing column or NULL reads as "" or 0.
    std::string text(int column) const;
    std::int64_t integer(int column) const;
    double real(int column) const;
    bool isNull(int column) const;
    int columnCount() const;

  private:
    friend class Database;
    void release();
    sqlite3_stmt* statement_ = nullptr;
    std::shared_ptr<StatementCache> cache_;  // null for a statement of its own
    bool hasRow_ = false;
};

class Database {
  public:
    // Opens (and creates when missing) the database file; nullptr when it cannot be opened.
    static std::unique_ptr<Database> open(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Runs one statement that returns no rows, with its '?' parameters bound as text in order.
    // False when it failed; the message is kept in lastError().
    bool exec(std::string_view sql, const Params& params = {});
    Query query(std::string_view sql, const Params& params = {});

    // The first column of the first row as text / integer / double; "" or 0 without a row.
    std::string scalarText(std::string_view sql, const Params& params = {});
    std::int64_t scalarInteger(std::string_view sql, const Params& params = {});

    // Runs the statements of fn in one transaction: committed when fn returns true, rolled back
    // otherwise (also when a statement in it failed and fn reports it). A COMMIT that is refused
    // (the database held by another program past the busy time-out, a full disk) is rolled back
    // too, so the connection is ready for the next transaction; lastError() keeps the cause.
    template <typename Fn>
    bool transaction(Fn&& fn) {
        if (!exec("BEGIN IMMEDIATE"))
            return false;
        if (fn() && exec("COMMIT"))
            return true;
        rollback();
        return false;
    }

    // Makes a one-argument SQL function of this connection that gives, for an id, the value of
    // one column of a table's row with that id (the column's value as stored; NULL when no row
    // has that id), read once into memory: "select name(id), ..." then costs a lookup in memory
    // for each row where a join would search the table's tree. The argument is read as the table's
    // integer id column compares it (the text "12" finds row 12). False when the table cannot be
    // read.
    bool defineRowLookup(const std::string& name, const std::string& table,
                         const std::string& column);

    const std::string& lastError() const { return lastError_; }
    // SQLite's primary result code of the last failure (SQLITE_BUSY, SQLITE_FULL, ...).
    int lastErrorCode() const { return lastErrorCode_; }
    // True while a transaction is open on this connection.
    bool inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }
    sqlite3* handle() { return db_; }

  private:
    void rollback();  // rolls back an open transaction, keeping lastError()
    explicit Database(sqlite3* db);
    sqlite3_stmt* prepare(std::string_view sql, const Params& params);
    sqlite3* db_;
    // Statements prepared once and reused by every later exec() or query() of the same text:
    // a loop that runs one statement per row (a receipt's lines, a report's lookups) parses it
    // only the first time.
    std::shared_ptr<StatementCache> cache_;
    std::string lastError_;
    int lastErrorCode_ = SQLITE_OK;
};

// A statement written the way the program's fixed SQL is given, with every value between single
// quotes, turned into the same statement with a '?' for each quoted value and the values as
// parameters: "insert into tva values ('1','19');" -> "insert into tva values (?,?);", {"1","19"}.
struct BoundStatement {
    std::string sql;
    Params params;
};
BoundStatement bindQuotedValues(std::string_view quotedSql);

}  // namespace vandrix::store
