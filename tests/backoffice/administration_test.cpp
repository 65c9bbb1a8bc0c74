// The administration's editors against a real shop database: prices stored as numbers, VAT
// ids the fiscal printer has, price history only for a changed price or rate, and nothing
// deleted that articles or receipts still use.
#include "backoffice/administration.h"

#include <gtest/gtest.h>

#include "shop_fixture.h"

namespace vandrix::backoffice {
namespace {

class AdministrationTest : public ShopDatabaseTest {
  protected:
    ArticleEdit edit(const std::string& id, const std::string& price, const std::string& barcode,
                     const std::string& vat = "1") {
        return {id, "PAINE", "BUC", price, vat, "2", "", barcode};
    }
    long long history() { return count("select count(*) from modificaripret"); }
};

TEST_F(AdministrationTest, ListsLeaveOutTheSpecialArticlesAndCodes) {
    article("1", "PAINE", "3", "100");
    article("2", "LAPTE", "5", "D1");
    EXPECT_EQ(articlesNamed(*db, "").size(), 2u);  // every article above id 0
    ASSERT_EQ(articlesNamed(*db, "LAP").size(), 1u);
    EXPECT_EQ(articlesNamed(*db, "LAP")[0].price, "5.00");
    EXPECT_TRUE(barcodesEqual(*db, "D").empty());
    EXPECT_TRUE(barcodesEqual(*db, "0").empty());
    EXPECT_TRUE(barcodesEqual(*db, "10").empty());  // whole codes only
    EXPECT_EQ(barcodesEqual(*db, "100").size(), 1u);
    EXPECT_EQ(groups(*db).front().name, "General");
}

TEST_F(AdministrationTest, NewArticlesAreStoredWithANumberPriceAndHistory) {
    Outcome saved = saveArticle(*db, edit("1", "12,50", "5940000000001"), true, now);
    ASSERT_TRUE(saved.done) << saved.message;
    EXPECT_EQ(text("select typeof(pret)||' '||pret from articol where id=1"), "real 12.5");
    EXPECT_EQ(text("select codbar from codbar where idarticol='1'"), "5940000000001");
    EXPECT_EQ(text("select idart||' '||idcotatva||' '||pret||' '||datamodificare from "
                   "modificaripret"),
              "1 1 12.5 2026-12-10 09:30:00");
}

TEST_F(AdministrationTest, SavesThatCannotBeDoneSayWhy) {
    article("1", "PAINE", "3", "100");
    struct Case {
        ArticleEdit edit;
        bool adding;
        std::string message;
    } cases[] = {
        {edit("2", "3", ""), true, kNoBarcode},
        {edit("2", "3", "100"), true, kCannotSave},  // a known barcode on a new article
        {edit("", "3", "200"), true, kCannotSave},
        {edit("2", "", "200"), true, kCannotSave},
        {edit("2", "12.5O", "200"), true,
         "Pretul \"12.5O\" nu este un numar.\r\nScrieti pretul cu virgula sau punct, de exemplu "
         "12,50.\r\n\r\n"},
        {edit("2", "3", "200", ""), true,
         "Alegeti cota TVA a articolului.\r\nCasa de marcat are cotele de TVA 1 - 5.\r\n\r\n"},
        {edit("2", "3", "200", "6"), true,
         "Alegeti cota TVA a articolului.\r\nCasa de marcat are cotele de TVA 1 - 5.\r\n\r\n"},
    };
    for (const Case& c : cases) {
        Outcome outcome = saveArticle(*db, c.edit, c.adding, now);
        EXPECT_FALSE(outcome.done);
        EXPECT_EQ(outcome.message, c.message) << c.edit.price << "/" << c.edit.barcode;
    }
    EXPECT_EQ(count("select count(*) from articol where id>0"), 1);
    EXPECT_EQ(history(), 0);
}

TEST_F(AdministrationTest, PriceHistoryOnlyForAChangedPriceOrRate) {
    article("1", "PAINE", "3", "100");
    ASSERT_TRUE(saveArticle(*db, edit("1", "3.00", "100"), false, now).done);
    EXPECT_EQ(history(), 0);
    ASSERT_TRUE(saveArticle(*db, edit("1", "3", "100", "2"), false, now).done);
    EXPECT_EQ(history(), 1);
    ASSERT_TRUE(saveArticle(*db, edit("1", "3,10", "101", "2"), false, now).done);
    EXPECT_EQ(history(), 2);
    // A new barcode joins the article; the known one is not added twice.
    EXPECT_EQ(count("select count(*) from codbar where idarticol='1'"), 2);
}

TEST_F(AdministrationTest, ArticlesGoOnlyWhenNeverSold) {
    article("1", "PAINE", "3", "100");
    article("2", "LAPTE", "5", "200");
    run("insert into codbar values (20,'201','2')");
    sale("1", "1", "2026-12-01 10:00:00");
    std::string name;
    Outcome sold = articleDeletable(*db, "1", name);
    EXPECT_FALSE(sold.done);
    EXPECT_EQ(sold.message,
              "Nu putem sterge articolul PAINE\r\n\r\nArticolul a avut vanzare pe baza de "
              "date\r\nNu putem compromite integritatea bazei de date\r\n");
    ASSERT_TRUE(articleDeletable(*db, "2", name).done);
    EXPECT_EQ(name, "LAPTE");
    ASSERT_TRUE(deleteArticle(*db, "2").done);
    EXPECT_EQ(count("select count(*) from articol where id=2"), 0);
    EXPECT_EQ(count("select count(*) from codbar where idarticol='2'"), 0);
}

TEST_F(AdministrationTest, VatRatesStayWithinThePrintersFiveGroups) {
    EXPECT_EQ(freeVatId(*db), std::nullopt);  // a new shop has all five
    EXPECT_FALSE(saveVatRate(*db, "6", "11", true).done);
    run("delete from tva where id=3");
    EXPECT_EQ(freeVatId(*db), "3");
    EXPECT_TRUE(saveVatRate(*db, "3", "11", true).done);
    EXPECT_TRUE(saveVatRate(*db, "2", "21", false).done);
    EXPECT_EQ(text("select group_concat(procent) from tva"), "19,21,11,0,FaraTVA");
    EXPECT_EQ(saveVatRate(*db, "", "5", true).message, kCannotSave);
}

TEST_F(AdministrationTest, RatesAndGroupsInUseAreKept) {
    article("1", "PAINE", "3", "100", "2", "3");
    run("insert into grupa values (3,'Panificatie','DA')");
    Outcome rate = vatRateDeletable(*db, "2", "9");
    EXPECT_FALSE(rate.done);
    EXPECT_EQ(rate.message, "Nu putem sterge cota TVA 9.\r\nO folosesc 1 articol.\r\n\r\n");
    EXPECT_TRUE(vatRateDeletable(*db, "4", "0").done);
    Outcome group = groupDeletable(*db, "3", "Panificatie");
    EXPECT_FALSE(group.done);
    EXPECT_EQ(group.message, "Nu putem sterge grupa Panificatie.\r\nO folosesc 1 articol.\r\n\r\n");
}

TEST_F(AdministrationTest, GroupIdsStopAtNine) {
    EXPECT_EQ(proposedGroupId(*db), "3");
    for (int id = 3; id <= 9; ++id)
        ASSERT_TRUE(saveGroup(*db, std::to_string(id), "G" + std::to_string(id), true, true).done);
    EXPECT_EQ(proposedGroupId(*db), "9");
    Outcome tenth = saveGroup(*db, proposedGroupId(*db), "Alta", false, true);
    EXPECT_FALSE(tenth.done);
    EXPECT_EQ(tenth.message,
              "Grupa 9 exista deja.\r\nPot fi cel mult 9 grupe: modificati sau stergeti o grupa "
              "existenta.\r\n\r\n");
    EXPECT_EQ(text("select denumire||shortcut from grupa where id=9"), "G9DA");
    EXPECT_EQ(saveGroup(*db, "5", "", true, false).message, kCannotSaveGroup);
}

}  // namespace
}  // namespace vandrix::backoffice
