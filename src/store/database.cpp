// The SQLite connection wrapper: statements prepared with their values bound as text, queries
// stepped row by row, and the turning of quoted-value statements into bound ones.
#include "store/database.h"

#include "platform/paths.h"
#include "store/statement_cache.h"

namespace vandrix::store {
namespace {

// True when the rest of a statement text holds nothing but spaces, line ends and ';'.
bool onlySeparatorsLeft(const char* tail) {
    for (; tail && *tail; ++tail) {
        char c = *tail;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != ';')
            return false;
    }
    return true;
}

// Enough for every statement a report or a receipt runs in its loops.
constexpr std::size_t kCachedStatements = 64;

}  // namespace

Query::Query(Query&& other) noexcept
    : statement_(other.statement_), cache_(std::move(other.cache_)), hasRow_(other.hasRow_) {
    other.statement_ = nullptr;
    other.hasRow_ = false;
}

Query& Query::operator=(Query&& other) noexcept {
    if (this != &other) {
        release();
        statement_ = other.statement_;
        cache_ = std::move(other.cache_);
        hasRow_ = other.hasRow_;
        other.statement_ = nullptr;
        other.hasRow_ = false;
    }
    return *this;
}

Query::~Query() {
    release();
}

void Query::release() {
    if (!statement_)
        return;
    if (cache_)
        cache_->giveBack(statement_);
    else
        sqlite3_finalize(statement_);
    statement_ = nullptr;
}

bool Query::next() {
    if (!statement_)
        return false;
    hasRow_ = sqlite3_step(statement_) == SQLITE_ROW;
    return hasRow_;
}

int Query::columnCount() const {
    return statement_ ? sqlite3_column_count(statement_) : 0;
}

bool Query::isNull(int column) const {
    if (!hasRow_ || column < 0 || column >= columnCount())
        return true;
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::string Query::text(int column) const {
    if (isNull(column))
        return {};
    const auto* bytes = sqlite3_column_text(statement_, column);
    int size = sqlite3_column_bytes(statement_, column);
    if (!bytes)
        return {};
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<size_t>(size));
}

std::int64_t Query::integer(int column) const {
    if (isNull(column))
        return 0;
    return sqlite3_column_int64(statement_, column);
}

double Query::real(int column) const {
    if (isNull(column))
        return 0;
    return sqlite3_column_double(statement_, column);
}

std::unique_ptr<Database> Database::open(const std::string& path) {
    sqlite3* db = nullptr;
    std::string file = platform::toPlatformPath(path);
    int rc =
        sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    // Second connections to the same file exist for short moments (lists walked while another
    // query runs); a writer waits for them instead of failing at once.
    sqlite3_busy_timeout(db, 5000);
    // A rollback journal synced at every commit: a committed receipt survives a power cut, and
    // baza.db stays one self-contained file that other programs and backup copies can read.
    sqlite3_exec(db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
    return std::unique_ptr<Database>(new Database(db));
}

Database::Database(sqlite3* db)
    : db_(db), cache_(std::make_shared<StatementCache>(kCachedStatements)) {}

Database::~Database() {
    // A query still running keeps its statement until it ends; the connection closes then.
    cache_->close();
    sqlite3_close_v2(db_);
}

sqlite3_stmt* Database::prepare(std::string_view sql, const Params& params) {
    sqlite3_stmt* statement = cache_->take(sql);
    if (!statement) {
        const char* tail = nullptr;
        int rc =
            sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, &tail);
        if (rc != SQLITE_OK || !statement) {
            lastError_ = rc != SQLITE_OK ? sqlite3_errmsg(db_) : "empty statement";
            lastErrorCode_ = rc != SQLITE_OK ? rc & 0xFF : SQLITE_ERROR;
            sqlite3_finalize(statement);
            return nullptr;
        }
        // One statement per call: anything after it would run unbound and unseen.
        std::string rest(tail ? tail : "",
                         tail ? static_cast<size_t>(sql.data() + sql.size() - tail) : 0);
        if (!onlySeparatorsLeft(rest.c_str())) {
            lastError_ = "more than one statement";
            lastErrorCode_ = SQLITE_ERROR;
            sqlite3_finalize(statement);
            return nullptr;
        }
        cache_->adopt(sql, statement);
    }
    if (sqlite3_bind_parameter_count(statement) != static_cast<int>(params.size())) {
        lastError_ = "parameter count does not match";
        lastErrorCode_ = SQLITE_RANGE;
        cache_->giveBack(statement);
        return nullptr;
    }
    for (size_t i = 0; i < params.size(); ++i) {
        int rc = sqlite3_bind_text(statement, static_cast<int>(i + 1), params[i].data(),
                                   static_cast<int>(params[i].size()), SQLITE_TRANSIENT);
        if (rc != SQLITE_OK) {
            lastError_ = sqlite3_errmsg(db_);
            lastErrorCode_ = rc & 0xFF;
            cache_->giveBack(statement);
            return nullptr;
        }
    }
    return statement;
}

bool Database::exec(std::string_view sql, const Params& params) {
    sqlite3_stmt* statement = prepare(sql, params);
    if (!statement)
        return false;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) {
        lastError_ = sqlite3_errmsg(db_);
        lastErrorCode_ = rc & 0xFF;
    }
    cache_->giveBack(statement);
    return rc == SQLITE_DONE;
}

void Database::rollback() {
    if (sqlite3_get_autocommit(db_))
        return;  // SQLite already rolled back (some I/O errors end the transaction)
    const std::string cause = lastError_;
    const int code = lastErrorCode_;
    exec("ROLLBACK");
    lastError_ = cause;
    lastErrorCode_ = code;
}

Query Database::query(std::string_view sql, const Params& params) {
    sqlite3_stmt* statement = prepare(sql, params);
    return statement ? Query(statement, cache_) : Query();
}

std::string Database::scalarText(std::string_view sql, const Params& params) {
    Query q = query(sql, params);
    return q.next() ? q.text(0) : std::string();
}

std::int64_t Database::scalarInteger(std::string_view sql, const Params& params) {
    Query q = query(sql, params);
    return q.next() ? q.integer(0) : 0;
}

BoundStatement bindQuotedValues(std::string_view quotedSql) {
    BoundStatement out;
    size_t i = 0;
    while (i < quotedSql.size()) {
        char c = quotedSql[i];
        if (c != '\'') {
            out.sql.push_back(c);
            ++i;
            continue;
        }
        // A quoted value: up to the closing quote; a doubled quote inside stands for one.
        std::string value;
        ++i;
        while (i < quotedSql.size()) {
            if (quotedSql[i] == '\'') {
                if (i + 1 < quotedSql.size() && quotedSql[i + 1] == '\'') {
                    value.push_back('\'');
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            value.push_back(quotedSql[i++]);
        }
        out.sql.push_back('?');
        out.params.push_back(std::move(value));
    }
    return out;
}

}  // namespace vandrix::store
