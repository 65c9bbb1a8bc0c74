// The article files against a real shop database: what an import stores and refuses, the
// export's columns, and the export, edit and import round trip of the price changes.
#include "backoffice/article_files.h"

#include <gtest/gtest.h>

#include "backoffice/csv_line.h"
#include "shop_fixture.h"

namespace vandrix::backoffice {
namespace {

class ArticleFilesTest : public ShopDatabaseTest {
  protected:
    std::vector<std::string> messages;
    ImportEvents events{[this](const std::string& m) { messages.push_back(m); }, nullptr};

    ImportResult importLines(const std::vector<std::string>& lines) {
        return importArticles(*db, lines, now, events);
    }
    // The article a barcode names, as "name|unit|price|group|vat|remark".
    std::string articleOf(const std::string& barcode) {
        return text(
            "select nume||'|'||um||'|'||printf('%.2f',pret)||'|'||idgrupa||'|'||idtva||'|'||obs "
            "from articol where id=(select idarticol from codbar where codbar=?)",
            {barcode});
    }
};

TEST_F(ArticleFilesTest, ImportMapsFieldsAsTheFileMeansThem) {
    auto result = importLines({
        "Paine alba,buc,\"3,50\",,C,5941234567890,,10",  // TVA C is 3; no group is group 2
        "Lapte,L,4.20,5,,5941234567891,obs,",            // no TVA is 1; no stock is 0
        "Apa,L,2,,,,,",                                  // no barcode: the article's own id
        "",                                              // an empty line, in silence
        "Litere,buc,1,,,ABC,,",                          // a barcode of letters, in silence
        "Cod acces,buc,1,,,2064917385520,,",             // the back-office code, in silence
    });
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(result.imported, 3u);
    EXPECT_EQ(articleOf("5941234567890"), "PAINE ALBA|BUC|3.50|2|3|");
    EXPECT_EQ(articleOf("5941234567891"), "LAPTE|L|4.20|5|1|OBS");
    EXPECT_EQ(articleOf("3"), "APA|L|2.00|2|1|");
    EXPECT_EQ(text("select group_concat(cantitate||' '||obs||' '||data,';') from spstoc"),
              "10.0 IMPORT 2026-12-10 09:30:00;0.0 IMPORT 2026-12-10 09:30:00;0.0 IMPORT "
              "2026-12-10 09:30:00");
    EXPECT_EQ(text("select data||' '||nume||' '||obs from stoc"),
              "2026-12-10 09:30:00 IMPORT IMPORT");
    // Group 5 named by a line brings groups 3 to 5; no price history for imported articles.
    EXPECT_EQ(text("select group_concat(id||denumire||shortcut) from grupa where id>2"),
              "3Grupa3DA,4Grupa4DA,5Grupa5DA");
    EXPECT_EQ(count("select count(*) from modificaripret"), 0);
}

TEST_F(ArticleFilesTest, ConflictingLinesAreReportedAndSkipped) {
    article("7", "CAFEA BOABE", "30.00", "111");
    auto result = importLines({
        "Altceva,buc,1,,,111,,",  // a known barcode
        "cafea,kg,25,,,222,,",    // a name inside a stored one
        "Ceai,buc,abc,,,333,,",   // a price that is no number
        "Suc,buc,5,,F,555,,",     // VAT F would be group 6, which the printer has not
        "Bere,buc,5,,,666,,doi",  // a stock that is no number
        "Vin,buc,20,,B,777,,",    // imported
    });
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_EQ(result.imported, 1u);
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0], "Codul de bare :111 exista alocat\nCAFEA BOABE BUC 30.0 \r\n\r\n");
    EXPECT_EQ(messages[1], "Articolul exista alocat\nCAFEA BOABE BUC 30.0 \r\n\r\n");
    EXPECT_EQ(messages[2],
              "Pretul \"ABC\" al articolului CEAI nu este un numar.\r\nLinia nu a fost "
              "importata.\r\n\r\n");
    EXPECT_NE(messages[3].find("Cota TVA \"F\""), std::string::npos) << messages[3];
    EXPECT_NE(messages[4].find("Stocul \"DOI\""), std::string::npos) << messages[4];
    EXPECT_EQ(articleOf("777"), "VIN|BUC|20.00|2|2|");
    EXPECT_EQ(count("select count(*) from codbar where codbar in ('222','333','555','666')"), 0);
}

TEST_F(ArticleFilesTest, ArticlesNamedDuringTheImportAreKnownToItsLaterLines) {
    auto result = importLines({"Ulei floarea soarelui,L,9,,,100,,", "ulei,L,8,,,101,,"});
    ASSERT_TRUE(result.completed);
    EXPECT_EQ(result.imported, 1u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Articolul exista alocat\nULEI FLOAREA SOARELUI L 9.0 \r\n\r\n");
}

TEST_F(ArticleFilesTest, ExportWritesEveryArticleWithItsStock) {
    article("1", "NUMARAT", "4.5", "100");
    article("2", "NENUMARAT", "3", "200", "2", "3");
    run("insert into codbar values (50,'201','2')");  // a second barcode: the first one counts
    run("insert into spstoc (idart,obs,cantitate,data) values ('1','OBS','10.5',"
        "'2026-12-01 08:00:00')");
    sale("1", "2.25", "2026-12-02 10:00:00");
    sale("1", "1", "2026-11-30 10:00:00");  // before the count
    ExportedArticles out = exportArticles(*db);
    ASSERT_EQ(out.lines.size(), 3u);
    EXPECT_EQ(out.lines[0], kCsvHeader);
    EXPECT_EQ(out.lines[1], "NUMARAT,BUC,4.50,2,1,100,,8.25");
    EXPECT_EQ(out.lines[2], "NENUMARAT,BUC,3.00,3,2,200,,");
    EXPECT_EQ(out.stockByBarcode.at("100"), "8.25");
}

class PriceChangesTest : public ArticleFilesTest {
  protected:
    ImportResult reimport(const std::vector<std::string>& edited, const ExportedArticles& out) {
        std::vector<std::string> lines(edited.begin() + 1, edited.end());
        return importPriceChanges(*db, lines, now, out.stockByBarcode, events);
    }
    // Every article's stored columns, and the other tables the import writes, in one text.
    std::string everything() {
        return text(
                   "select group_concat(id||nume||um||pret||idgrupa||idtva||obs,';') from "
                   "articol") +
               "#" + text("select count(*) from spstoc") + "#" +
               text("select count(*) from modificaripret");
    }
};

// Names with diacritics, commas, quotes and an apostrophe, a remark with a comma, stored in
// lower case: exported and read back unedited, nothing changes; edited, only the edited
// fields change.
TEST_F(PriceChangesTest, RoundTripChangesExactlyTheEditedFields) {
    run("insert into articol values (1,'Ciocolată amăruie, 70%','buc',5.5,'2','1','Raft 3, sus')");
    run("insert into articol values (2,'TV 32\" LED','BUC',999,'2','1','')");
    run("insert into articol values (3,'O''Neil ţuică','sticlă',45,'2','2','ok')");
    run("insert into codbar values (4,'5940000000001','1'),(5,'5940000000002','2'),"
        "(6,'5940000000003','3')");
    run("insert into spstoc (idart,obs,cantitate,data) values ('2','OBS','4','2026-12-01 "
        "08:00:00')");
    const std::string before = everything();

    ExportedArticles out = exportArticles(*db);
    for (const std::string& line : out.lines)
        EXPECT_EQ(commaCount(line), 7) << line;
    auto result = reimport(out.lines, out);
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(result.imported, 3u);
    EXPECT_EQ(everything(), before);

    // The price of the first, the stock of the second, the VAT id of the third.
    out = exportArticles(*db);
    std::vector<std::string> edited = out.lines;
    edited[1].replace(edited[1].find(",5.50,"), 6, ",6.10,");
    edited[2].replace(edited[2].rfind(",4"), 2, ",7");
    edited[3].replace(edited[3].find(",2,2,"), 5, ",2,3,");
    result = reimport(edited, out);
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(text("select group_concat(id||nume||um||pret||idgrupa||idtva||obs,';') from "
                   "articol where id>0"),
              "1Ciocolată amăruie, 70%buc6.121Raft 3, sus;2TV 32\" LEDBUC999.021;"
              "3O'Neil ţuicăsticlă45.023ok");
    EXPECT_EQ(text("select group_concat(idart||' '||cantitate) from spstoc where data=?", {now}),
              "2 7.0");
    EXPECT_EQ(text("select group_concat(idart||' '||idcotatva||' '||pret) from modificaripret"),
              "1 1 6.1,3 3 45.0");
}

TEST_F(PriceChangesTest, LinesThatCannotBeTakenAreSkipped) {
    article("1", "PAINE", "3", "100");
    article("2", "LAPTE", "5", "200");
    ExportedArticles out = exportArticles(*db);
    auto result = reimport(
        {kCsvHeader,
         "PAINE,BUC,\"3,20\",2,1,100,,",  // a quoted decimal comma: eight commas, in silence
         "",                              // no commas, in silence
         "LAPTE,BUC,6,2,1,999,,",         // a barcode no article has
         "CAFEA,BUC,6,2,1,200,,",         // a name no article has
         "LAPTE,BUC,6,2,7,200,,",         // a VAT id the printer has not
         "LAPTE,,,0,,200,,"},             // empty fields keep what is stored; group 0 is 1
        out);
    ASSERT_TRUE(result.completed);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "Codul de bare :999 nu este alocat!\r\n\r\n");
    EXPECT_EQ(messages[1], "Articolul CAFEA nu este alocat !\r\n\r\n");
    EXPECT_NE(messages[2].find("Cota TVA \"7\""), std::string::npos);
    EXPECT_EQ(text("select pret from articol where id=1"), "3.0");
    EXPECT_EQ(text("select um||pret||idgrupa||idtva from articol where id=2"), "BUC5.011");
    EXPECT_EQ(count("select count(*) from modificaripret"), 0);
    EXPECT_EQ(count("select count(*) from stoc"), 1);
}

}  // namespace
}  // namespace vandrix::backoffice
