// The connection wrapper: values bound as text, queries row by row, failures as results.
#include "store/database.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "temp_folder.h"

namespace vandrix::store {
namespace {

using testing::ScopedWorkingFolder;
using testing::TempFolder;

TEST(BindQuotedValues, TurnsEachQuotedValueIntoAParameter) {
    struct Case {
        const char* quoted;
        const char* sql;
        Params params;
    };
    const Case cases[] = {
        {"insert into tva values ('1','19');", "insert into tva values (?,?);", {"1", "19"}},
        {"insert into eod values ('1', '1', CURRENT_TIMESTAMP);",
         "insert into eod values (?, ?, CURRENT_TIMESTAMP);",
         {"1", "1"}},
        {"insert into x values ('','a b','')", "insert into x values (?,?,?)", {"", "a b", ""}},
        {"select max(id) from eod where data is null;",
         "select max(id) from eod where data is null;",
         {}},
        {"select 'it''s'", "select ?", {"it's"}},
        {"update eod set z=12.50 where id='3';", "update eod set z=12.50 where id=?;", {"3"}},
    };
    for (const auto& c : cases) {
        BoundStatement bound = bindQuotedValues(c.quoted);
        EXPECT_EQ(bound.sql, c.sql) << c.quoted;
        EXPECT_EQ(bound.params, c.params) << c.quoted;
    }
}

class DatabaseTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};
    std::unique_ptr<Database> db = Database::open("baza.db");

    void SetUp() override {
        ASSERT_TRUE(db);
        ASSERT_TRUE(
            db->exec("create table t (id integer primary key, name varchar(255), v double)"));
    }
};

TEST_F(DatabaseTest, StoresAnApostropheAsItIsAndCannotBeInjected) {
    const std::string hostile = "O'Brien'); drop table t; --";
    ASSERT_TRUE(db->exec("insert into t values (?, ?, ?)", {"1", hostile, "2.50"}));
    EXPECT_EQ(db->scalarText("select name from t where id=?", {"1"}), hostile);
    EXPECT_EQ(db->scalarInteger("select count(*) from t"), 1);
    // A quoted-value statement bound the same way stores the same text.
    BoundStatement bound = bindQuotedValues("insert into t values ('2','x','1.00')");
    bound.params[1] = "it's";
    ASSERT_TRUE(db->exec(bound.sql, bound.params));
    EXPECT_EQ(db->scalarText("select name from t where id=2"), "it's");
}

TEST_F(DatabaseTest, BoundTextTakesTheColumnAffinityAsQuotedTextWould) {
    ASSERT_TRUE(db->exec("insert into t values (?, ?, ?)", {"7", "12", "1.00"}));
    ASSERT_TRUE(db->exec("insert into t values ('8', '12', '1.00')"));
    for (const char* id : {"7", "8"}) {
        EXPECT_EQ(
            db->scalarText("select typeof(id)||typeof(name)||typeof(v) from t where id=?", {id}),
            "integertextreal")
            << id;
    }
    // Ids written as text compare with integer ids, as the quoted statements do.
    EXPECT_EQ(db->scalarInteger("select count(*) from t where id=?", {"7"}), 1);
}

TEST_F(DatabaseTest, ReadsColumnsAsTextIntegerAndDouble) {
    ASSERT_TRUE(db->exec("insert into t values (3, null, 2.5)"));
    Query q = db->query("select id, name, v from t");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.columnCount(), 3);
    EXPECT_EQ(q.integer(0), 3);
    EXPECT_EQ(q.text(0), "3");
    EXPECT_TRUE(q.isNull(1));
    EXPECT_EQ(q.text(1), "");
    EXPECT_EQ(q.integer(1), 0);
    EXPECT_DOUBLE_EQ(q.real(2), 2.5);
    EXPECT_EQ(q.text(9), "");  // a column that is not there
    EXPECT_FALSE(q.next());
    EXPECT_EQ(q.text(0), "");  // no current row
}

TEST_F(DatabaseTest, FailuresAreResultsNotExceptions) {
    EXPECT_FALSE(db->exec("insert into missing values (1)"));
    EXPECT_FALSE(db->lastError().empty());
    Query q = db->query("select * from missing");
    EXPECT_FALSE(q.next());
    EXPECT_EQ(db->scalarText("select name from missing"), "");
    EXPECT_EQ(db->scalarInteger("select max(id) from t"), 0);  // NULL of an empty table
    // A parameter count that does not match the statement, and a second statement, are refused.
    EXPECT_FALSE(db->exec("insert into t values (?, ?, ?)", {"1"}));
    EXPECT_FALSE(db->exec("insert into t values (1,'a',1); drop table t"));
    EXPECT_EQ(db->scalarInteger("select count(*) from t"), 0);
    // A failed primary-key insert leaves the first row as it was.
    ASSERT_TRUE(db->exec("insert into t values ('1','a','1')"));
    EXPECT_FALSE(db->exec("insert into t values ('1','b','2')"));
    EXPECT_EQ(db->scalarText("select name from t where id=1"), "a");
}

TEST_F(DatabaseTest, MovedQueryKeepsItsRowsAndFinishesOnce) {
    ASSERT_TRUE(db->exec("insert into t values (1, 'a', 0), (2, 'b', 0)"));
    Query first = db->query("select name from t order by id");
    ASSERT_TRUE(first.next());
    Query moved = std::move(first);
    EXPECT_EQ(moved.text(0), "a");
    ASSERT_TRUE(moved.next());
    EXPECT_EQ(moved.text(0), "b");
    EXPECT_FALSE(first.next());  // NOLINT: a moved-from query has no rows
}

TEST_F(DatabaseTest, TransactionCommitsOrRollsBack) {
    EXPECT_FALSE(db->transaction([&] {
        db->exec("insert into t values (1, 'a', 0)");
        return false;
    }));
    EXPECT_EQ(db->scalarInteger("select count(*) from t"), 0);
    EXPECT_TRUE(db->transaction([&] { return db->exec("insert into t values (1, 'a', 0)"); }));
    EXPECT_EQ(db->scalarInteger("select count(*) from t"), 1);
}

// Statements are prepared once and reused, but never shared by two queries at a time: the same
// text run while its first query still walks its rows gets a statement of its own, each keeps
// its own values, and a query that outlives its connection still finishes cleanly.
TEST_F(DatabaseTest, ReusedStatementsKeepTheirQueriesApart) {
    for (int i = 1; i <= 3; ++i)
        ASSERT_TRUE(db->exec("insert into t values (?,?,?)", {std::to_string(i), "n", "1.5"}));
    const char* byId = "select id from t where id>=? order by id";
    std::vector<std::string> pairs;
    for (int round = 0; round < 2; ++round) {
        Query outer = db->query(byId, {"2"});
        while (outer.next()) {
            Query inner = db->query(byId, {outer.text(0)});
            while (inner.next())
                pairs.push_back(outer.text(0) + ">" + inner.text(0));
        }
    }
    EXPECT_EQ(pairs, (std::vector<std::string>{"2>2", "2>3", "3>3", "2>2", "2>3", "3>3"}));
    // A failed run leaves the statement ready for the next one.
    EXPECT_FALSE(db->exec("insert into t values (?,?,?)", {"1", "dup", "0"}));
    EXPECT_TRUE(db->exec("insert into t values (?,?,?)", {"4", "ok", "0"}));
    // A query still walking its rows when its connection closes ends without harm.
    Query left = db->query(byId, {"1"});
    ASSERT_TRUE(left.next());
    db.reset();
    EXPECT_TRUE(left.next());
}

// A lookup function answers, for an id, the column's value as stored: a number, a text, NULL;
// an id given as text finds its row as the integer column compares it; ids spread far apart
// are found as well as packed ones.
TEST_F(DatabaseTest, RowLookupsAnswerTheStoredValueById) {
    for (const auto& [id, name, v] : std::vector<std::array<const char*, 3>>{
             {"1", "a", "12.5"}, {"2", "b", "abc"}, {"3", "c", "7"}, {"9000000000", "d", "0.1"}})
        ASSERT_TRUE(db->exec("insert into t values (?,?,?)", {id, name, v}));
    ASSERT_TRUE(db->exec("insert into t (id) values (4)"));
    ASSERT_TRUE(db->defineRowLookup("v_of", "t", "v"));
    struct Case {
        const char* argument;
        const char* answer;  // typeof and value
    };
    const Case cases[] = {{"1", "real 12.5"}, {"'1'", "real 12.5"}, {"'1.0'", "real 12.5"},
                          {"2", "text abc"},  {"3", "real 7.0"},    {"4", "null "},
                          {"5", "null "},     {"'1x'", "null "},    {"9000000000", "real 0.1"},
                          {"-1", "null "}};
    for (const Case& c : cases) {
        const std::string sql = std::string("select typeof(v_of(") + c.argument + "))||' '||" +
                                "coalesce(v_of(" + c.argument + "),'')";
        EXPECT_EQ(db->scalarText(sql), c.answer) << c.argument;
    }
    EXPECT_FALSE(db->defineRowLookup("w_of", "missing", "v"));
}

TEST(DatabaseOpen, FailsForAFileInAMissingFolder) {
    TempFolder folder;
    ScopedWorkingFolder cwd(folder.path());
    EXPECT_EQ(Database::open("nowhere/baza.db"), nullptr);
}

TEST(DatabaseOpen, SecondConnectionSeesTheFirstOnesWrites) {
    TempFolder folder;
    ScopedWorkingFolder cwd(folder.path());
    auto main = Database::open("baza.db");
    ASSERT_TRUE(main);
    ASSERT_TRUE(main->exec("create table t (id integer primary key)"));
    ASSERT_TRUE(main->exec("insert into t values (5)"));
    auto second = Database::open("baza.db");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->scalarInteger("select max(id) from t"), 5);
}

}  // namespace
}  // namespace vandrix::store
