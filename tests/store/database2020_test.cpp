// The schema created for a new database: every table's columns, every seed row with the type
// SQLite stored it as, and what a second start changes.
#include "store/database2020.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "store/database.h"
#include "temp_folder.h"

namespace vandrix::store {
namespace {

using testing::ScopedWorkingFolder;
using testing::TempFolder;

// "name type" of each column, in order.
std::vector<std::string> columnsOf(Database& db, const std::string& table) {
    std::vector<std::string> out;
    Query q = db.query("select name, lower(type) from pragma_table_info(?)", {table});
    while (q.next())
        out.push_back(q.text(0) + " " + q.text(1));
    return out;
}

// Every row of a table as "value|value|...", each value as SQLite's quote() writes it (1 for an
// integer, 1.0 for a real, 'x' for a text, NULL), ordered by id. Time stamps read as 'TS'.
std::vector<std::string> rowsOf(Database& db, const std::string& table) {
    std::string select;
    for (const auto& column : columnsOf(db, table)) {
        if (!select.empty())
            select += "||'|'||";
        select += "quote(" + column.substr(0, column.find(' ')) + ")";
    }
    std::vector<std::string> out;
    Query q = db.query("select " + select + " from " + table + " order by id");
    static const std::regex stamp("'\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d'");
    while (q.next())
        out.push_back(std::regex_replace(q.text(0), stamp, "'TS'"));
    return out;
}

std::vector<std::string> tablesOf(Database& db) {
    std::vector<std::string> out;
    Query q = db.query("select name from sqlite_master where type='table' order by name");
    while (q.next())
        out.push_back(q.text(0));
    return out;
}

std::map<std::string, std::vector<std::string>> dump(Database& db) {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& table : tablesOf(db))
        out[table] = rowsOf(db, table);
    return out;
}

class Database2020Test : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};
};

TEST_F(Database2020Test, CreatesEveryTableWithItsDeclaredColumns) {
    Database2020("baza.db");
    auto db = Database::open("baza.db");
    ASSERT_TRUE(db);
    const std::string id = "id integer";
    const std::map<std::string, std::vector<std::string>> expected = {
        {"articol",
         {id, "nume varchar(255)", "um varchar(255)", "pret double", "idgrupa varchar(255)",
          "idtva varchar(255)", "obs varchar(255)"}},
        {"codbar", {id, "codbar varchar(255)", "idarticol varchar(255)"}},
        {"tva", {id, "procent varchar(255)"}},
        {"bonmasa", {id, "val double", "nume varchar(255)"}},
        {"grupa", {id, "denumire varchar(255)", "shortcut varchar(255)"}},
        {"partener",
         {id, "denumire varchar(255)", "adresa varchar(255)", "cui varchar(255)", "j varchar(255)",
          "telefon varchar(255)", "fax varchar(255)", "codpostal varchar(255)",
          "judet varchar(255)", "actautorizare varchar(255)", "banca varchar(255)",
          "cont varchar(255)", "sofer varchar(255)", "ci varchar(255)"}},
        {"bon",
         {id,
          "nrbon integer",
          "databon date",
          "valbon double",
          "incasatbon double",
          "restbon double",
          "valbonmasa double",
          "nrbonmasa double",
          "card double",
          "numerar double",
          "credit double",
          "cui varchar(255)",
          "eod integer",
          "tva1 double",
          "tva2 double",
          "tva3 double",
          "tva4 double",
          "tva5 double",
          "brut1 double",
          "brut2 double",
          "brut3 double",
          "brut4 double",
          "brut5 double",
          "idpos varchar(255)"}},
        {"spbon", {id, "idbon varchar(255)", "idart varchar(255)", "cant double", "pret double"}},
        {"stoc", {id, "data date", "nume varchar(255)", "obs varchar(255)"}},
        {"spstoc", {id, "idart varchar(255)", "obs varchar(255)", "cantitate double", "data date"}},
        {"eod", {id, "z double", "data date"}},
        {"fact",
         {id, "nrfact integer", "seriefact1 varchar(255)", "seriefact2 varchar(255)",
          "seriefact varchar(255)", "idpart integer", "valoare double", "data date", "tva1 double",
          "tva2 double", "tva3 double", "tva4 double", "tva5 double", "brut1 double",
          "brut2 double", "brut3 double", "brut4 double", "brut5 double"}},
        {"spfact",
         {id, "idfact integer", "idbon integer", "tva1 double", "tva2 double", "tva3 double",
          "tva4 double", "tva5 double", "brut1 double", "brut2 double", "brut3 double",
          "brut4 double", "brut5 double"}},
        {"modificaripret",
         {id, "idart integer", "idcotatva integer", "pret double", "datamodificare date"}},
    };
    std::vector<std::string> names;
    for (const auto& [table, columns] : expected) {
        names.push_back(table);
        EXPECT_EQ(columnsOf(*db, table), columns) << table;
    }
    EXPECT_EQ(tablesOf(*db), names);  // no other table
}

TEST_F(Database2020Test, HoldsExactlyTheSeedRowsWithTheirStoredTypes) {
    Database2020("baza.db");
    auto db = Database::open("baza.db");
    ASSERT_TRUE(db);
    using Rows = std::vector<std::string>;
    const std::map<std::string, Rows> expected = {
        {"articol",
         {"-4|'TEST'|'BUC'|1.0|'0'|'1'|'TEST'",
          "-3|'STORNO AVANS'|'BUC'|0.0|'0'|'1'|'STORNO AVANS'",
          "-2|'AVANS'|'BUC'|0.0|'0'|'1'|'AVANS'", "-1|'DISCOUNT'|'BUC'|0.0|'0'|'1'|'DISCOUNT'",
          "0|'BACSIS'|'BUC'|0.0|'1'|'1'|'BACSIS'"}},
        {"codbar", {"0|'0'|'0'", "1|'D'|'-1'", "2|'A'|'-2'", "3|'S'|'-3'"}},
        {"tva", {"1|'19'", "2|'9'", "3|'5'", "4|'0'", "5|'FaraTVA'"}},
        {"bonmasa", {"1|9.35|'BonMasa'"}},
        {"grupa", {"0|'Special'|'NU'", "1|'BACSIS'|'NU'", "2|'General'|'DA'"}},
        {"partener", {"-1|'ANAF'|'ANAF'|'-1'|''|''|''|''|''|''|''|''|''|''"}},
        {"bon",
         {"1|1|'TS'|1.0|1.0|0.0|0.0|0.0|0.0|1.0|0.0|''|1|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|1.0|"
          "'1'"}},
        {"spbon", {"1|'1'|'-4'|1.0|1.0"}},
        {"stoc", {}},
        {"spstoc", {}},
        {"eod", {"1|1.0|'TS'", "2|NULL|NULL"}},
        {"fact",
         {"0|0|''|''|'FISCALIZARE ANAF'|-1|1.0|'TS'|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|1.0"}},
        {"spfact", {"0|0|1|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0|0.0"}},
        {"modificaripret", {}},
    };
    EXPECT_EQ(dump(*db), expected);
}

TEST_F(Database2020Test, FreshDatabaseAnswersTheQueriesOtherPartsRelyOn) {
    Database2020("baza.db");
    auto db = Database::open("baza.db");
    ASSERT_TRUE(db);
    EXPECT_EQ(db->scalarInteger("Select max(id) from eod where data is null;"), 2);
    const std::pair<const char*, std::int64_t> lookups[] = {
        {"0", 0}, {"D", -1}, {"A", -2}, {"S", -3}};
    for (const auto& [code, article] : lookups) {
        EXPECT_EQ(db->scalarInteger("select articol.id from codbar, articol where codbar.codbar=? "
                                    "and articol.id=codbar.idarticol",
                                    {code}),
                  article)
            << code;
    }
}

TEST_F(Database2020Test, SecondRunChangesNothing) {
    Database2020("baza.db");
    auto before = [] {
        auto db = Database::open("baza.db");
        return dump(*db);
    }();
    // A row added by the shop stays, and no seed row comes back after it was changed.
    {
        auto db = Database::open("baza.db");
        ASSERT_TRUE(db->exec("update tva set procent='21' where id=1"));
        ASSERT_TRUE(db->exec("insert into articol values ('1','PAINE','BUC','3.50','2','1','')"));
    }
    Database2020("baza.db");
    auto db = Database::open("baza.db");
    auto after = dump(*db);
    EXPECT_EQ(db->scalarText("select procent from tva where id=1"), "21");
    EXPECT_EQ(db->scalarInteger("select count(*) from articol"), 6);
    after["tva"][0] = before["tva"][0];
    after["articol"].pop_back();
    EXPECT_EQ(after, before);
}

TEST_F(Database2020Test, AddsThePriceHistoryTableToAnOlderDatabase) {
    {
        auto db = Database::open("baza.db");
        ASSERT_TRUE(
            db->exec("create table eod (id integer primary key unique not null, z double, "
                     "data date)"));
        ASSERT_TRUE(db->exec("insert into eod (id) values ('7')"));
    }
    Database2020("baza.db");
    auto db = Database::open("baza.db");
    EXPECT_EQ(tablesOf(*db), (std::vector<std::string>{"eod", "modificaripret"}));
    EXPECT_EQ(rowsOf(*db, "eod"), (std::vector<std::string>{"7|NULL|NULL"}));
}

TEST_F(Database2020Test, CreatesTheSchemaInAnEmptyFile) {
    testing::writeFileBytes(folder / "baza.db", "");
    Database2020("baza.db");
    auto db = Database::open("baza.db");
    EXPECT_EQ(tablesOf(*db).size(), 14u);
    EXPECT_EQ(db->scalarInteger("select count(*) from codbar"), 4);
}

TEST_F(Database2020Test, LeavesAFileThatIsNoDatabaseAlone) {
    testing::writeFileBytes(folder / "baza.db", "not a database");
    Database2020("baza.db");  // must not crash or throw
    EXPECT_EQ(testing::readFileBytes(folder / "baza.db"), "not a database");
}

}  // namespace
}  // namespace vandrix::store
