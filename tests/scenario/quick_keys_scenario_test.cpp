// The quick-key window through the real program: the seed shop's one tab, six buttons a row,
// no button for an article without a price, a touch that sells as a scan, and the tip started
// from its button.
#include <gtest/gtest.h>

#include <filesystem>

#include "shop.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;

class QuickKeysScenario : public testing::ShopScenario {
  protected:
    QuickKeysScenario()
        : ShopScenario({
              // A group of seven priced articles and one at 0.00; the tip priced and in a group
              // with quick keys, which the seed rows do not have.
              "INSERT INTO grupa VALUES (3,'Lactate','DA')",
              "INSERT INTO articol VALUES (101,'LAPTE 1','L',4.50,'3','2','')",
              "INSERT INTO articol VALUES (102,'LAPTE 2','L',4.50,'3','2','')",
              "INSERT INTO articol VALUES (103,'LAPTE 3','L',4.50,'3','2','')",
              "INSERT INTO articol VALUES (104,'LAPTE 4','L',4.50,'3','2','')",
              "INSERT INTO articol VALUES (105,'LAPTE 5','L',4.50,'3','2','')",
              "INSERT INTO articol VALUES (106,'LAPTE 6','L',4.50,'3','2','')",
              "INSERT INTO articol VALUES (107,'IAURT','BUC',2.25,'3','2','')",
              "INSERT INTO articol VALUES (108,'GRATUIT','BUC',0.00,'3','2','')",
              "INSERT INTO codbar VALUES (10,'107107','107')",
              "UPDATE articol SET pret=1 WHERE id=0",
              "UPDATE grupa SET shortcut='DA' WHERE id=1",
          }) {}
};

TEST_F(QuickKeysScenario, ATouchSellsTheArticleAsAScan) {
    auto run = sell(
        "type 2\nclick X\n"
        "click Art. Grp.\nexpect-title Articole Grupa\n"
        "click Lactate\n"
        "expect articol-107 | IAURT    2.25\n"  // the name, a space, three line breaks, the price
        "click articol-107\n"
        "expect-row grid | 0 | IAURT | BUC |   2.000 |    2.25\n"
        "expect total |    4.50\n"
        "click Art. Grp.\nclose\nexpect-rows grid | 1\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

// Six buttons a row, the seventh below; the article at 0.00 has none.
TEST_F(QuickKeysScenario, ArticlesWithoutAPriceGetNoButton) {
    auto run = sell("click Art. Grp.\nclick Lactate\nclick articol-108\n");
    EXPECT_EQ(run.exitStatus, 4) << run.output;
    EXPECT_NE(run.output.find("no gadget 'articol-108'"), std::string::npos) << run.output;
}

// The tip from its button: its amount in the line-price window, its receipt stored and its
// file delivered, the screen empty after.
TEST_F(QuickKeysScenario, TheTipStartsFromItsButton) {
    auto run = sell(
        "click Art. Grp.\nclick BACSIS\nclick articol-0\n"
        "expect-title ModificaPret\nclick 5\nclick E N T E R\n"
        "expect-rows grid | 0\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    auto db = store::Database::open((folder / "baza.db").string());
    EXPECT_EQ(db->scalarText("select valbon from bon where id=2"), "5.0");
    int files = 0;
    for ([[maybe_unused]] const auto& f : fs::directory_iterator(folder / "Bonuri"))
        ++files;
    EXPECT_EQ(files, 1);
}

// The seed shop: one tab, "General", and no group "Special" or "BACSIS".
TEST(QuickKeysSeed, TheSeedShopShowsOnlyGeneral) {
    testing::TempFolder folder;
    std::string failure;
    ASSERT_TRUE(testing::openShop(folder.path(), {}, failure)) << failure;
    auto run = testing::runScenario(folder.path(),
                                    "click Art. Grp.\nexpect General | General\nclick BACSIS\n");
    EXPECT_EQ(run.exitStatus, 4) << run.output;
    EXPECT_NE(run.output.find("no gadget 'BACSIS'"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace vandrix
