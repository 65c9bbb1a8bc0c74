// The back office through the real program: the two access codes, the administration window's
// editors, the article files' imports with their file dialog, lock test and archive, and the
// stock count.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "shop.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOpenBackOffice = "type 2064917385520\nkey Enter\nexpect-title Selecteaza\n";
constexpr const char* kOpenAdministration = "type 482916730541\nkey Enter\n";

class BackOfficeScenario : public testing::ShopScenario {
  protected:
    BackOfficeScenario()
        : ShopScenario({
              "INSERT INTO articol VALUES (1,'PAINE','BUC',3.00,'2','4','')",
              "INSERT INTO articol VALUES (2,'LAPTE','L',5.00,'2','1','')",
              "INSERT INTO codbar VALUES (4,'100','1')",
              "INSERT INTO codbar VALUES (5,'200','2')",
              "INSERT INTO spbon (idbon,idart,cant,pret) VALUES (1,'2',1,5)",
          }) {}

    std::unique_ptr<store::Database> db() {
        return store::Database::open((folder.path() / "baza.db").string());
    }
    std::string text(const std::string& sql) { return db()->scalarText(sql); }
    // The files of the import folder, sorted.
    std::vector<std::string> importFiles() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path() / "import"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void writeImport(const std::string& name, const std::string& bytes) {
        testing::writeFileBytes(folder.path() / "import" / name, bytes);
    }
};

TEST_F(BackOfficeScenario, TheAccessCodesOpenTheirWindows) {
    auto run = sell(std::string(kOpenBackOffice) +
                    "click Admin\nexpect-title Administrator\n"
                    "expect-state adauga-tva | enabled\nexpect-state sterge-tva | enabled\n"
                    "close\nexpect-title Selecteaza\nclose\n" +
                    kOpenAdministration +
                    "expect-title Administrator\n"
                    "expect-rows cote | 5\nexpect-row cote | 4 | 5 | FaraTVA\n"
                    "expect-state adauga-tva | disabled\nexpect-state salvare-tva | disabled\n"
                    "expect-state adauga-articol | enabled\nexpect-state adauga-grupa | enabled\n"
                    "expect-state bonmasa-valoare | hidden\nclose\n");
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("open Selecteaza"));
}

TEST_F(BackOfficeScenario, ArticlesAreSearchedModifiedAddedAndDeleted) {
    auto run = sell(std::string(kOpenAdministration) +
                    // An empty name search lists every article; the barcode search whole codes
                    // only, never the special ones.
                    "click Cauta\nexpect-rows articole | 2\n"
                    "set cauta-codbare | 0\nclick Cauta\nexpect-rows coduri | 0\n"
                    "set cauta-codbare | 10\nkey Enter\nexpect-rows coduri | 0\n"
                    "set cauta-codbare | 100\nkey Enter\nexpect-row coduri | 0 | 4 | 100 | 1\n"
                    "select coduri | 0\nexpect-rows articole | 1\n"
                    // Modifica with no row selected loads nothing.
                    "select articole | -1\nclick modifica-articol\nexpect id-articol |\n"
                    // Modifica picks the rate and the group by their ids (rate 3 was deleted).
                    "select articole | 0\nclick modifica-articol\nexpect denumire | PAINE\n"
                    "expect tva | 0\nexpect grupa | General\nexpect codbare | 100\n"
                    "expect pret | 3.00\nset pret | 3,25\nclick salvare-articol\n"
                    "expect id-articol |\n"
                    // A new article: a scanned barcode ends with Enter and moves on to OBS.
                    "click adauga-articol\nexpect id-articol | 3\nexpect codbare | 3\n"
                    "type cafea\nset um | kg\nset pret | 25\npick tva | 19\npick grupa | General\n"
                    "set codbare | 5941234567890\nkey Enter\ntype raft 2\nexpect obs | RAFT 2\n"
                    "click salvare-articol\n"
                    // A known barcode, then no barcode at all.
                    "click adauga-articol\ntype ceai\nset pret | 7\npick tva | 19\n"
                    "set codbare | 100\nclick salvare-articol\nclick OK\n"
                    "set codbare |\nclick salvare-articol\nclick OK\n"
                    // A sold article stays; an unsold one goes with its barcodes.
                    "set cauta-nume | LAPTE\nkey Enter\nselect articole | 0\n"
                    "click sterge-articol\nclick OK\n"
                    "set cauta-nume | CAFEA\nkey Enter\nselect articole | 0\n"
                    "click sterge-articol\nclick DA\n"
                    "close\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Nu putem salva!\\r\\nSelectati Adauga sau Modifica !\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Nu ati selectat/introdus CodArticol/CodBare\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Nu putem sterge articolul LAPTE\\r\\n\\r\\nArticolul a avut vanzare "
        "pe baza de date\\r\\nNu putem compromite integritatea bazei de date\\r\\n | 0"));
    EXPECT_TRUE(
        run.transcriptHas("message Stergeti | Sigur Stergeti articolul CAFEA\\r\\ncu "
                          "datele asociate ? (codbare, tva, pret)\\r\\n | 6"));
    EXPECT_EQ(text("select pret||' '||idtva from articol where id=1"), "3.25 4");
    EXPECT_EQ(text("select group_concat(idart||' '||idcotatva||' '||pret) from modificaripret"),
              "1 4 3.25,3 1 25.0");
    EXPECT_EQ(text("select count(*) from articol where id=3"), "0");
    EXPECT_EQ(text("select count(*) from codbar where codbar='5941234567890'"), "0");
    EXPECT_EQ(text("select count(*) from articol where id=2"), "1");
}

TEST_F(BackOfficeScenario, TheFirstGroupStaysAndRatesAreChosenById) {
    auto run = sell(std::string(kOpenBackOffice) +
                    "click Admin\n"
                    // The first group can be neither modified nor deleted.
                    "select grupe | 0\nclick modifica-grupa\nexpect grupa-denumire |\n"
                    "click sterge-grupa\n"
                    // A new group with its quick key.
                    "click adauga-grupa\nexpect id-grupa | 3\ntype Lactate\nclick shortcut\n"
                    "click salvare-grupa\nexpect-row grupe | 1 | 3 | Lactate | DA\n"
                    // The VAT rates are the fiscal printer's five: none can be added.
                    "click adauga-tva\nclick OK\n"
                    "select cote | 3\nclick modifica-tva\nexpect procent | 0\n"
                    "set procent | 11\nclick salvare-tva\nexpect-row cote | 3 | 4 | 11\n"
                    // A rate in use stays.
                    "select cote | 3\nclick sterge-tva\nclick OK\n"
                    "close\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Casa de marcat are 5 cote de TVA si toate sunt folosite.\\r\\n"
        "Modificati o cota existenta.\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(
        run.transcriptHas("message Eroare | Nu putem sterge cota TVA 11.\\r\\nO folosesc 1 "
                          "articol.\\r\\n\\r\\n | 0"));
    EXPECT_FALSE(run.transcriptHas("message Stergeti | Sigur Stergeti General ?\\r\\n | 6"));
    EXPECT_EQ(text("select group_concat(id||denumire||shortcut) from grupa"),
              "0SpecialNU,1BACSISNU,2GeneralDA,3LactateDA");
}

TEST_F(BackOfficeScenario, ArticlesImportFromTheImportFolderOnly) {
    writeImport("articole.csv",
                "DENUMIRE,UM,PRET,GRUPA,TVA,CODBAR,OBS,STOC\r\n"
                "Cafea,kg,\"25,50\",,C,5941234567890,,\"1,234\"\r\n"
                "Paine neagra,buc,4,,,100,,\r\n"  // a known barcode
                "\r\n");
    auto run =
        sell(std::string(kOpenBackOffice) + "click Import Articole\nfile CANCEL\n" +
             kOpenBackOffice + "click Import Articole\nfile baza.db\nclick OK\n" + kOpenBackOffice +
             "click Import Articole\nfile import/articole.csv\nclick OK\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Fisier Invalid\\r\\n\\r\\nFisierul pentru import se regaseste in "
        "folderul \"IMPORT\"\\r\\nsi are denumirea \"ARTICOLE.CSV\"\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Codul de bare :100 exista alocat\\nPAINE BUC 3.0 \\r\\n\\r\\n | 0"));
    EXPECT_EQ(text("select nume||' '||um||' '||pret||' '||idgrupa||' '||idtva from articol "
                   "where id=3"),
              "CAFEA KG 25.5 2 3");
    EXPECT_EQ(text("select cantitate from spstoc where idart='3'"), "1.234");
    // The file is kept under its time stamp and replaced by its header alone.
    auto files = importFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_TRUE(std::regex_match(files[0], std::regex("2026121009[0-9]{4}-articole\\.csv")))
        << files[0];
    EXPECT_EQ(files[1], "articole.csv");
    EXPECT_EQ(testing::readFileBytes(folder.path() / "import" / "articole.csv"),
              "DENUMIRE,UM,PRET,GRUPA,TVA,CODBAR,OBS,STOC\r\n");
}

TEST_F(BackOfficeScenario, AFileOpenInASpreadsheetWaits) {
    writeImport("articole.csv",
                "DENUMIRE,UM,PRET,GRUPA,TVA,CODBAR,OBS,STOC\r\nCafea,kg,25,,,9,,\r\n");
    writeImport(".~lock.articole.csv#", "");
    // The message comes back after each OK while the spreadsheet holds the file; the script
    // ends there.
    auto run = testing::runScenario(folder.path(), std::string(kOpenBackOffice) +
                                                       "click Import Articole\n"
                                                       "file import/articole.csv\nclick OK\n");
    EXPECT_EQ(run.exitStatus, 3) << run.output;
    const std::string message = "message Atentie | Fisierul selectat pentru import:\\r\\n" +
                                folder.path().string() +
                                "/import/articole.csv\\r\\neste folosit de alt program\\r\\n\\r\\n"
                                "Rog Remediati Problema\\r\\n\\r\\n | 0";
    EXPECT_TRUE(run.transcriptHas(message)) << run.output;
    EXPECT_EQ(text("select count(*) from articol where nume='CAFEA'"), "0");
}

TEST_F(BackOfficeScenario, PriceChangesExportOpenAndReadBack) {
    auto run = sell(std::string(kOpenBackOffice) +
                    "click Import Modificare Preturi\nfile import/articole.csv\nclick OK\n" +
                    kOpenBackOffice + "click Import Modificare Preturi\nfile import/modpret.csv\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("shell-open import/modpret.csv"));
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Fisier Invalid\\r\\n\\r\\nFisierul pentru import se regaseste in "
        "folderul \"IMPORT\"\\r\\nsi are denumirea \"MODPRET.CSV\"\\r\\n\\r\\n | 0"));
    // Read back unchanged: nothing changed, nothing counted.
    EXPECT_EQ(text("select group_concat(nume||um||pret||idgrupa||idtva) from articol where id>0"),
              "PAINEBUC3.024,LAPTEL5.021");
    EXPECT_EQ(text("select count(*) from modificaripret"), "0");
    EXPECT_EQ(text("select count(*) from spstoc"), "0");
    auto files = importFiles();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_TRUE(std::regex_match(files[0], std::regex("[0-9]{14}-modpret\\.csv"))) << files[0];
    EXPECT_EQ(testing::readFileBytes(folder.path() / "import" / files[0]),
              "DENUMIRE,UM,PRET,GRUPA,TVA,CODBAR,OBS,STOC\r\n"
              "PAINE,BUC,3.00,2,4,100,,\r\nLAPTE,L,5.00,2,1,200,,\r\n");
}

TEST_F(BackOfficeScenario, TheStockCountKeepsOneRowAnArticle) {
    auto run = sell(std::string(kOpenBackOffice) +
                    "click Stoc\nexpect-title Stoc\n"
                    // The tip's code and the access code are passed over.
                    "type 0\nkey Enter\nexpect codbare | 0\nexpect articol |\n"
                    "set codbare | 2064917385520\nkey Enter\nexpect articol |\n"
                    "set codbare | 999\nkey Enter\nexpect articol |\n"
                    "set codbare | 100\nkey Enter\nexpect articol | PAINE > 0.000\n"
                    "type 5\nkey Enter\nexpect-row numarare | 0 | PAINE | BUC |   5.000\n"
                    "expect codbare |\n"
                    "type 100\nkey Enter\nexpect articol | PAINE > 5.000\ntype 2,5\n"
                    "click VERIFICA\nexpect-rows numarare | 1\n"
                    "expect-row numarare | 0 | PAINE | BUC |   2.500\n"
                    "type 200\nkey Enter\ntype doi\nkey Enter\nclick OK\n"
                    "expect-rows numarare | 1\n"
                    "click IESIRE\nexpect-title Selecteaza\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(
        run.transcriptHas("message Eroare | Cantitatea \"doi\" nu este un numar.\\r\\n"
                          "Scrieti cantitatea gasita, de exemplu 5 sau 2,5.\\r\\n\\r\\n | 0"));
    EXPECT_EQ(text("select group_concat(idart||' '||obs||' '||cantitate) from spstoc"),
              "1 OBS 2.5");
    EXPECT_EQ(text("select count(*) from stoc where nume='STOC' and obs='OBS'"), "1");
}

}  // namespace
}  // namespace vandrix
