// The period total and the one-time repair of the closed periods' totals.
#include "fiscal/period_totals.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "store/database.h"
#include "store/database2020.h"
#include "temp_folder.h"

namespace vandrix::fiscal {
namespace {

namespace fs = std::filesystem;
using store::Database;
using testing::readFileBytes;
using testing::ScopedWorkingFolder;
using testing::TempFolder;
using testing::writeFileBytes;

class PeriodTotalsTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};
    std::unique_ptr<Database> db;

    void SetUp() override {
        store::Database2020("baza.db");
        db = Database::open("baza.db");
        ASSERT_TRUE(db);
    }

    // A receipt of a period: valbon, numerar, card, credit, voucher value and count.
    void receipt(long period, const char* valbon, const char* numerar, const char* card,
                 const char* credit, const char* bonmasa, const char* nrbonmasa) {
        long id = static_cast<long>(db->scalarInteger("select max(id)+1 from bon;"));
        ASSERT_TRUE(db->exec(
            "insert into bon (id, nrbon, valbon, numerar, card, credit, valbonmasa, nrbonmasa, "
            "eod) values (?,?,?,?,?,?,?,?,?)",
            {std::to_string(id), "1", valbon, numerar, card, credit, bonmasa, nrbonmasa,
             std::to_string(period)}));
    }

    void closedPeriod(long id, const char* z) {
        ASSERT_TRUE(db->exec("insert into eod values (?, ?, '2024-01-01 10:00:00')",
                             {std::to_string(id), z}));
    }

    double z(long id) {
        store::Query q = db->query("select z from eod where id=?", {std::to_string(id)});
        return q.next() ? q.real(0) : -1;
    }
};

TEST_F(PeriodTotalsTest, TotalIsWhatWasTenderedInEveryMode) {
    // Cash includes the change given back, so the total can exceed the receipt values.
    receipt(2, "10.00", "20.00", "0.00", "0.00", "0.00", "1");
    receipt(2, "15.00", "0.00", "5.00", "1.50", "9.35", "1");
    receipt(2, "7.00", "0", "0", "0", "3.50", "2");
    receipt(3, "99.00", "99.00", "0", "0", "0", "1");
    EXPECT_EQ(periodTotal(*db, 2), 2000 + 500 + 150 + 935 + 700);
    EXPECT_EQ(periodTotal(*db, 1), 100);  // the seed receipt
    EXPECT_EQ(periodTotal(*db, 42), 0);   // a period without receipts
}

TEST_F(PeriodTotalsTest, RepairRewritesClosedPeriodsOnceAndWritesAnEmptyMarker) {
    // eod 1 (seed, z 1), 2 (open in the seed) is closed here with a wrong z, 3 closed, 4 open.
    ASSERT_TRUE(db->exec("update eod set z='0', data='2024-01-01 09:00:00' where id=2"));
    closedPeriod(3, "123");
    ASSERT_TRUE(db->exec("insert into eod (id) values ('4')"));
    receipt(2, "10.00", "12.00", "0", "0", "0", "1");
    receipt(3, "5.00", "0", "2.25", "2.75", "0", "1");
    receipt(4, "8.00", "8.00", "0", "0", "0", "1");
    ASSERT_TRUE(db->exec("update eod set z='55' where id=1"));

    EXPECT_EQ(repairPeriodTotals("baza.db"), 4);
    EXPECT_TRUE(fs::is_regular_file(folder / "fixzrapoarte"));
    EXPECT_EQ(readFileBytes(folder / "fixzrapoarte"), "");
    EXPECT_DOUBLE_EQ(z(1), 55);  // the seed period is not touched
    EXPECT_DOUBLE_EQ(z(2), 12);
    EXPECT_DOUBLE_EQ(z(3), 5);
    EXPECT_TRUE(db->query("select z from eod where id=4 and z is null").next());  // still open
    EXPECT_EQ(db->scalarText("select typeof(z) from eod where id=3"), "real");

    // Once the marker is there, nothing is recomputed.
    ASSERT_TRUE(db->exec("update eod set z='1' where id=3"));
    EXPECT_EQ(repairPeriodTotals("baza.db"), 0);
    EXPECT_DOUBLE_EQ(z(3), 1);
}

TEST_F(PeriodTotalsTest, MarkerWithContentMeansTheRepairRunsAgain) {
    closedPeriod(3, "0");
    writeFileBytes(folder / "fixzrapoarte", "x");
    EXPECT_EQ(repairPeriodTotals("baza.db"), 3);
    EXPECT_EQ(readFileBytes(folder / "fixzrapoarte"), "");
}

TEST_F(PeriodTotalsTest, FreshDatabaseCarriesOnWithPeriodTwo) {
    EXPECT_EQ(repairPeriodTotals("baza.db"), 2);
    EXPECT_TRUE(db->query("select z from eod where id=2 and z is null").next());
    EXPECT_DOUBLE_EQ(z(1), 1);
}

TEST_F(PeriodTotalsTest, UnreadableDatabaseLeavesNoMarker) {
    EXPECT_EQ(repairPeriodTotals("missing-folder/baza.db"), 0);
    EXPECT_FALSE(fs::exists(folder / "fixzrapoarte"));
}

TEST_F(PeriodTotalsTest, FailedUpdateRollsBackAndIsTriedAgain) {
    closedPeriod(3, "7");
    ASSERT_TRUE(db->exec("insert into eod (id) values ('4')"));
    receipt(3, "5.00", "5.00", "0", "0", "0", "1");
    // A trigger standing for a write that fails half-way through the periods.
    ASSERT_TRUE(
        db->exec("create trigger nope before update on eod when new.id=3 "
                 "begin select raise(abort, 'no'); end"));
    EXPECT_EQ(repairPeriodTotals("baza.db"), 0);
    EXPECT_FALSE(fs::exists(folder / "fixzrapoarte"));
    EXPECT_TRUE(db->query("select z from eod where id=2 and z is null").next());
    ASSERT_TRUE(db->exec("drop trigger nope"));
    EXPECT_EQ(repairPeriodTotals("baza.db"), 4);
    EXPECT_DOUBLE_EQ(z(3), 5);
}

}  // namespace
}  // namespace vandrix::fiscal
