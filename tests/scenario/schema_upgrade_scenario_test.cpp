// A database made by an earlier version, without the program's indexes, gets them at the first
// start of this version, with a notice while it works, once; its rows are left exactly as they
// were.
#include <gtest/gtest.h>

#include "scenario.h"
#include "shop.h"
#include "store/database.h"
#include "store/schema_indexes.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

constexpr const char* kStartAndClose = "close\nclick DA\n";
constexpr const char* kNotice =
    "notice Actualizare baza de date | Baza de date se pregateste pentru cautari rapide.\\r\\nSe "
    "face o singura data, va rog asteptati...";

// Every row of every table, in order, as text.
std::string everyRow(store::Database& db) {
    std::vector<std::string> tables;
    {
        auto q = db.query("select name from sqlite_master where type='table' order by name");
        while (q.next())
            tables.push_back(q.text(0));
    }
    std::string rows;
    for (const std::string& table : tables) {
        auto q = db.query("select * from " + table + " order by id");
        while (q.next()) {
            rows += table;
            for (int c = 0; c < q.columnCount(); ++c)
                rows += "|" + q.text(c);
            rows += "\n";
        }
    }
    return rows;
}

std::int64_t indexCount(store::Database& db) {
    return db.scalarInteger(
        "select count(*) from sqlite_master where type='index' and sql is not null");
}

TEST(SchemaUpgrade, AnEarlierDatabaseGetsTheIndexesOnceWithItsRowsUntouched) {
    testing::TempFolder folder;
    std::string failure;
    auto db =
        testing::openShop(folder.path(),
                          {"INSERT INTO articol VALUES (1,'APA','BUC',3.50,'2','1','')",
                           "INSERT INTO codbar VALUES (10,'5940000000017','1')",
                           "INSERT INTO bon (id,nrbon,databon,valbon,numerar,eod,idpos) VALUES "
                           "(2,1,'2026-12-01 10:00:00',7.0,7.0,2,'1')",
                           "INSERT INTO spbon VALUES (2,'2','1',2.0,3.5)",
                           "INSERT INTO spstoc VALUES (1,'1','OBS',10.0,'2026-11-30 08:00:00')"},
                          failure);
    ASSERT_TRUE(db) << failure;
    ASSERT_EQ(store::schemaVersion(*db), store::kSchemaVersion);
    ASSERT_TRUE(store::dropIndexes(*db));
    ASSERT_EQ(indexCount(*db), 0);
    const std::string before = everyRow(*db);
    db.reset();

    auto run = testing::runScenario(folder.path(), kStartAndClose);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(kNotice)) << run.output;

    db = store::Database::open((folder / "baza.db").string());
    EXPECT_EQ(store::schemaVersion(*db), store::kSchemaVersion);
    EXPECT_EQ(indexCount(*db), 7);
    EXPECT_EQ(everyRow(*db), before);
    db.reset();

    // Once: the next start finds the indexes and says nothing.
    run = testing::runScenario(folder.path(), kStartAndClose);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_FALSE(run.transcriptHas(kNotice));
}

// A database that another program holds while the program starts keeps its earlier shape; the
// program works on without the indexes (after the busy time-out) and adds them at a later start.
TEST(SchemaUpgrade, AnUpgradeThatCannotRunIsTriedAgainAtTheNextStart) {
    testing::TempFolder folder;
    std::string failure;
    auto db = testing::openShop(folder.path(), {}, failure);
    ASSERT_TRUE(db) << failure;
    ASSERT_TRUE(store::dropIndexes(*db));
    // Another program is writing: the database reads, but the indexes cannot be written.
    ASSERT_TRUE(db->exec("BEGIN IMMEDIATE"));
    auto run = testing::runScenario(folder.path(), kStartAndClose);
    ASSERT_TRUE(db->exec("ROLLBACK"));
    db.reset();
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(kNotice)) << run.output;
    EXPECT_NE(testing::readFileBytes(folder / "vandrix.log")
                  .find("Indexurile bazei de date nu au putut fi adaugate"),
              std::string::npos);
    db = store::Database::open((folder / "baza.db").string());
    EXPECT_EQ(store::schemaVersion(*db), 0);
    db.reset();

    run = testing::runScenario(folder.path(), kStartAndClose);
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    db = store::Database::open((folder / "baza.db").string());
    EXPECT_EQ(store::schemaVersion(*db), store::kSchemaVersion);
}

}  // namespace
}  // namespace vandrix
