// The stock count against a real shop database: one row per article and count, quantities to
// the thousandth, the current stock by the stock rule, and the codes the count passes over.
#include "backoffice/stock_count.h"

#include <gtest/gtest.h>

#include "shop_fixture.h"

namespace vandrix::backoffice {
namespace {

using StockCountTest = ShopDatabaseTest;

TEST_F(StockCountTest, CountedQuantitiesAreReadExactly) {
    EXPECT_EQ(countedQuantity("5"), 5000);
    EXPECT_EQ(countedQuantity("2,5"), 2500);
    EXPECT_EQ(countedQuantity("0"), 0);
    EXPECT_EQ(countedQuantity("cinci"), std::nullopt);
    EXPECT_EQ(countedQuantity("-1"), std::nullopt);
    for (const char* code : {"0", "D", "2064917385520"})
        EXPECT_TRUE(ignoredInCount(code)) << code;
    EXPECT_FALSE(ignoredInCount("100"));
}

TEST_F(StockCountTest, AnArticleCountedTwiceKeepsOneRow) {
    article("1", "PAINE", "3", "100");
    const std::string count1 = "2026-12-10 09:30:00";
    ASSERT_TRUE(recordCount(*db, "1", 5000, count1));
    ASSERT_TRUE(recordCount(*db, "1", 2500, count1));
    auto rows = countRows(*db, count1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "PAINE");
    EXPECT_EQ(rows[0].quantity, "  2.500");
    EXPECT_EQ(text("select cantitate||' '||obs from spstoc"), "2.5 OBS");
    // A later count gets its own row.
    ASSERT_TRUE(recordCount(*db, "1", 4000, "2026-12-11 09:30:00"));
    EXPECT_EQ(count("select count(*) from spstoc"), 2);
}

TEST_F(StockCountTest, CurrentStockIsTheLatestCountLessSalesSince) {
    article("1", "PAINE", "3", "100");
    EXPECT_EQ(stockLine("PAINE", currentStock(*db, "1")), "PAINE > 0.000");  // never counted
    ASSERT_TRUE(recordCount(*db, "1", 10000, "2026-12-10 09:30:00"));
    sale("1", "1.25", "2026-12-10 09:29:59");  // before the count
    sale("1", "2.5", "2026-12-10 09:30:00");
    sale("1", "0.1", "2026-12-10 12:00:00");
    EXPECT_EQ(currentStock(*db, "1"), 7400);
    auto article = articleOfBarcode(*db, "100");
    ASSERT_TRUE(article);
    EXPECT_EQ(article->name, "PAINE");
    EXPECT_FALSE(articleOfBarcode(*db, "999"));
}

TEST_F(StockCountTest, ACountThatHoldsAnythingIsAStockDocument) {
    article("1", "PAINE", "3", "100");
    finishCount(*db, "2026-12-10 09:30:00");
    EXPECT_EQ(count("select count(*) from stoc"), 0);
    ASSERT_TRUE(recordCount(*db, "1", 3000, "2026-12-10 09:30:00"));
    finishCount(*db, "2026-12-10 09:30:00");
    EXPECT_EQ(text("select id||' '||data||' '||nume||' '||obs from stoc"),
              "1 2026-12-10 09:30:00 STOC OBS");
}

}  // namespace
}  // namespace vandrix::backoffice
