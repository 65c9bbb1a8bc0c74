// The article search on a small shop: the three-letter rule, names and barcode fragments, the
// codes never listed, and the stock column.
#include "sale/article_search.h"

#include <gtest/gtest.h>

#include "store/database.h"
#include "store/database2020.h"
#include "temp_folder.h"

namespace vandrix::sale {
namespace {

class ArticleSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        store::Database2020("baza.db");
        db = store::Database::open("baza.db");
        for (const char* sql : {
                 "insert into articol values (1,'Paine alba','BUC',3.5,'2','2','')",
                 "insert into articol values (2,'Lapte','L',5,'2','2','')",
                 "insert into codbar values (10,'5940001','1')",
                 "insert into codbar values (11,'5940002','2')",
                 "insert into spstoc values (1,'1','',10,'2026-12-01 08:00:00')",
                 "insert into bon (id,databon,eod) values (2,'2026-11-30 10:00:00',2)",
                 "insert into bon (id,databon,eod) values (3,'2026-12-02 10:00:00',2)",
                 "insert into spbon values (2,'2','1',5,3.5)",  // before the count
                 "insert into spbon values (3,'3','1',3,3.5)",
                 "insert into spbon values (4,'3','2',1.5,5)",
             })
            ASSERT_TRUE(db->exec(sql)) << sql;
    }
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    std::unique_ptr<store::Database> db;
};

TEST_F(ArticleSearch, ListsMatchesWithTheirStock) {
    EXPECT_TRUE(searchArticles(*db, "ai").empty());
    auto bread = searchArticles(*db, "AIN");
    ASSERT_EQ(bread.size(), 1u);
    EXPECT_EQ(bread[0].name, "Paine alba");
    EXPECT_EQ(bread[0].price, "3.50");
    EXPECT_EQ(bread[0].barcode, "5940001");
    EXPECT_EQ(bread[0].stock, "7.000");  // counted 10, 3 sold since

    auto byCode = searchArticles(*db, "002");
    ASSERT_EQ(byCode.size(), 1u);
    EXPECT_EQ(byCode[0].name, "Lapte");
    EXPECT_EQ(byCode[0].stock, "-1.500");  // never counted: all it sold

    // Both, in name order; the tip's and the discount's codes never appear.
    auto all = searchArticles(*db, "594");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].name, "Lapte");
    EXPECT_TRUE(searchArticles(*db, "BACSIS").empty());
    EXPECT_TRUE(searchArticles(*db, "DISCOUNT").empty());
}

}  // namespace
}  // namespace vandrix::sale
