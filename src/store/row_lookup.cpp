// SQL functions that look a row's column up in memory by the row's id.
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "store/database.h"

namespace vandrix::store {
namespace {

// A stored value: numbers kept as they are (most columns looked up are prices), any other
// value as SQLite's own copy.
struct Stored {
    int type = 0;  // SQLite's type code; 0 where no row has the id
    double real = 0;
    std::int64_t integer = 0;
    sqlite3_value* other = nullptr;
};

Stored stored(sqlite3_value* value) {
    Stored s;
    s.type = sqlite3_value_type(value);
    if (s.type == SQLITE_FLOAT)
        s.real = sqlite3_value_double(value);
    else if (s.type == SQLITE_INTEGER)
        s.integer = sqlite3_value_int64(value);
    else if (s.type != SQLITE_NULL)
        s.other = sqlite3_value_dup(value);
    return s;
}

// The values of one column by row id. Ids that are nearly all taken between the lowest and the
// highest (articles 1 to N) are looked up by position, any others by hash.
class RowValues {
  public:
    ~RowValues() {
        for (const Stored& value : dense_)
            sqlite3_value_free(value.other);
        for (const auto& [id, value] : sparse_)
            sqlite3_value_free(value.other);
    }
    void add(std::int64_t id, sqlite3_value* value) { rows_.emplace_back(id, stored(value)); }
    // After the last add: the values go where they are found fastest.
    void index() {
        std::int64_t low = 0, high = -1;
        for (const auto& [id, value] : rows_) {
            low = high < low ? id : std::min(low, id);
            high = std::max(high, id);
        }
        const bool packed =
            !rows_.empty() && static_cast<std::uint64_t>(high - low) < 4 * rows_.size() + 1024;
        if (packed) {
            first_ = low;
            dense_.assign(static_cast<size_t>(high - low + 1), Stored{});
        }
        for (auto& [id, value] : rows_) {
            Stored& slot = packed ? dense_[static_cast<size_t>(id - low)] : sparse_[id];
            sqlite3_value_free(slot.other);  // a second row of the same id: the last one counts
            slot = value;
        }
        rows_.clear();
        rows_.shrink_to_fit();
    }
    const Stored* find(std::int64_t id) const {
        if (!dense_.empty()) {
            if (id < first_ || id - first_ >= static_cast<std::int64_t>(dense_.size()))
                return nullptr;
            const Stored& value = dense_[static_cast<size_t>(id - first_)];
            return value.type == 0 ? nullptr : &value;
        }
        auto found = sparse_.find(id);
        return found == sparse_.end() ? nullptr : &found->second;
    }

  private:
    std::vector<std::pair<std::int64_t, Stored>> rows_;
    std::int64_t first_ = 0;
    std::vector<Stored> dense_;
    std::unordered_map<std::int64_t, Stored> sparse_;
};

// The argument as an integer id column compares it: numeric text becomes its number, and a
// number equal to a whole one ("12", "12.0") finds that id.
std::optional<std::int64_t> idOf(sqlite3_value* argument) {
    const int type = sqlite3_value_numeric_type(argument);
    if (type == SQLITE_INTEGER)
        return sqlite3_value_int64(argument);
    if (type == SQLITE_FLOAT) {
        const double number = sqlite3_value_double(argument);
        if (number >= -9.2e18 && number <= 9.2e18 && std::trunc(number) == number)
            return static_cast<std::int64_t>(number);
    }
    return std::nullopt;
}

void lookUp(sqlite3_context* context, int, sqlite3_value** arguments) {
    const auto* values = static_cast<const RowValues*>(sqlite3_user_data(context));
    const std::optional<std::int64_t> id = idOf(arguments[0]);
    const Stored* value = id ? values->find(*id) : nullptr;
    if (!value || value->type == SQLITE_NULL)
        sqlite3_result_null(context);
    else if (value->type == SQLITE_FLOAT)
        sqlite3_result_double(context, value->real);
    else if (value->type == SQLITE_INTEGER)
        sqlite3_result_int64(context, value->integer);
    else
        sqlite3_result_value(context, value->other);
}

void release(void* values) {
    delete static_cast<RowValues*>(values);
}

}  // namespace

bool Database::defineRowLookup(const std::string& name, const std::string& table,
                               const std::string& column) {
    auto values = std::make_unique<RowValues>();
    {
        // Names of the program's own tables and columns, never a user's text.
        Query rows = query("select id, " + column + " from " + table);
        if (!rows.prepared())
            return false;
        while (rows.next())
            values->add(rows.integer(0), sqlite3_column_value(rows.statement_, 1));
    }
    values->index();
    // From here the connection owns the values and frees them with the function, or at once
    // when the function cannot be made.
    const int rc =
        sqlite3_create_function_v2(db_, name.c_str(), 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   values.release(), lookUp, nullptr, nullptr, release);
    if (rc != SQLITE_OK) {
        lastError_ = sqlite3_errmsg(db_);
        lastErrorCode_ = rc & 0xFF;
        return false;
    }
    return true;
}

}  // namespace vandrix::store
