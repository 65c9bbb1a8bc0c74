// The generated shop: the same seed makes the same file, its counts are those asked for, and it
// holds what the program relies on (receipts that add up, closed periods with their Z totals,
// one open period), with or without the program's indexes.
#include "shopgen/shop_generator.h"

#include <gtest/gtest.h>

#include "fiscal/period_totals.h"
#include "store/database.h"
#include "store/schema_indexes.h"
#include "temp_folder.h"

namespace vandrix::tools {
namespace {

constexpr double kFactor = 0.001;

std::int64_t indexCount(store::Database& db) {
    return db.scalarInteger(
        "select count(*) from sqlite_master where type='index' and sql is not null");
}

TEST(ShopGenerator, TheSameSeedMakesTheSameShop) {
    testing::TempFolder folder;
    const ShopSize size = shopSizeForFactor(kFactor);
    ASSERT_TRUE(generateShop((folder / "a.db").string(), size, 3, false));
    ASSERT_TRUE(generateShop((folder / "b.db").string(), size, 3, false));
    ASSERT_TRUE(generateShop((folder / "c.db").string(), size, 4, false));
    const std::string a = testing::readFileBytes(folder / "a.db");
    EXPECT_EQ(a, testing::readFileBytes(folder / "b.db"));
    EXPECT_NE(a, testing::readFileBytes(folder / "c.db"));
    EXPECT_FALSE(generateShop((folder / "a.db").string(), size, 3, false));  // never over a shop
}

TEST(ShopGenerator, TheShopHasItsSizeAndAddsUp) {
    testing::TempFolder folder;
    const std::string path = (folder / "baza.db").string();
    const ShopSize size = shopSizeForFactor(kFactor);
    ASSERT_TRUE(generateShop(path, size, 1, false));
    auto db = store::Database::open(path);
    auto count = [&](const char* sql) { return db->scalarInteger(sql); };
    // The seed rows stay beside the shop's own.
    EXPECT_EQ(count("select count(*) from articol where id>0"), size.articles);
    EXPECT_EQ(count("select count(*) from codbar where id>3"), size.barcodes);
    EXPECT_EQ(count("select count(*) from bon where id>1"), size.receipts);
    EXPECT_EQ(count("select count(*) from spstoc"), size.stockRows);
    EXPECT_EQ(count("select count(*) from modificaripret"), size.priceChanges);
    EXPECT_EQ(count("select count(*) from eod where data is null"), 1);
    EXPECT_EQ(count("select max(id) from eod where data is null"), size.periods + 2);
    const auto lines = count("select count(*) from spbon where id>1");
    EXPECT_GE(lines, size.receipts * 4);
    EXPECT_LE(lines, size.receipts * 6);

    // Each receipt's value is its line values less its discount line's amount, to the cent.
    EXPECT_EQ(count("select count(*) from bon b where id>1 and abs(valbon - (select "
                    "sum(case when idart='-1' then pret else round(cant*pret+1e-9,2) end) from "
                    "spbon where idbon=b.id)) > 0.001"),
              0);
    // Each closed period's Z is the period's total as the program computes it.
    for (long period = 2; period < size.periods + 2; ++period)
        EXPECT_EQ(shell::formatCents(fiscal::periodTotal(*db, period)),
                  db->scalarText("select printf('%.2f', z) from eod where id=?",
                                 {std::to_string(period)}))
            << "period " << period;
    EXPECT_GT(count("select count(*) from spbon where idart='-1'"), 0);
    // Some lines sold at an older price (one in twenty of the full shop; fewer in a small one).
    EXPECT_GT(count("select count(*) from spbon s, articol a where a.id=s.idart and a.pret<>s.pret"
                    " and s.idart<>'-1'"),
              0);
    EXPECT_GT(count("select count(*) from grupa where shortcut='DA'"), 1);
    EXPECT_EQ(store::schemaVersion(*db), store::kSchemaVersion);
    EXPECT_EQ(indexCount(*db), 7);
}

TEST(ShopGenerator, AnEarlierVersionsShopHasNoIndexes) {
    testing::TempFolder folder;
    const std::string path = (folder / "baza.db").string();
    ASSERT_TRUE(generateShop(path, shopSizeForFactor(kFactor), 1, true));
    auto db = store::Database::open(path);
    EXPECT_EQ(store::schemaVersion(*db), 0);
    EXPECT_EQ(indexCount(*db), 0);
}

}  // namespace
}  // namespace vandrix::tools
