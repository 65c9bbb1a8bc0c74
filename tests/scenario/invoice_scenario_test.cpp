// Invoices through the real program: the invoice window's numbers, marks, buyers and saving,
// and the invoice list's documents, search and cancellation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "loopback_http.h"
#include "shop.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOpenInvoices = "click Rapoarte\nclick Factura la BonFiscal\n";
// The buyer's required fields, typed.
constexpr const char* kTypedBuyer =
    "set denumire | FIRMA NOUA SRL\nset adresa | JUD. CLUJ, MUN. CLUJ-NAPOCA, STR. MARE 3\n"
    "set j | J12/3/2004\n";

class InvoiceScenario : public testing::ShopScenario {
  protected:
    InvoiceScenario()
        : ShopScenario({
              // The seed receipt out of the way; two receipts on the 10th, one on the 9th.
              "UPDATE bon SET databon='2026-01-01 00:00:00' WHERE id=1",
              "INSERT INTO bon (id,nrbon,databon,valbon,eod,tva1,tva2,tva3,tva4,tva5,brut1,"
              "brut2,brut3,brut4,brut5,idpos) VALUES "
              "(2,12,'2026-12-10 08:00:00',119.0,2,19,0,0,0,0,119,0,0,0,0,'1'),"
              "(3,13,'2026-12-10 08:10:00',69.5,2,9.5,0,0,0,0,59.5,0,0,0,10,'1'),"
              "(4,14,'2026-12-09 10:00:00',5,2,0,0,0,0,0,0,0,0,0,5,'1')",
              "INSERT INTO partener (id,cui,denumire,adresa,j,banca,judet) VALUES "
              "(1,'RO14399840','ŞTEFĂNESCU SRL','MUN. BUCUREŞTI, SECT. 1, STR. A 1','J1/1/2001',"
              "'BANCA X','B')",
          }) {}

    // The seller as the e-Factura files need it.
    void SetUp() override {
        ShopScenario::SetUp();
        testing::writeFileBytes(folder.path() / "vanzator.txt",
                                "MAGAZIN SRL\r\nRO18547290\r\nJ12/3/2004\r\nSTR. MARE 3\r\n");
        testing::writeFileBytes(folder.path() / "efactura.ini",
                                "JUDET=RO-CJ\r\nLOCALITATE=CLUJ-NAPOCA\r\n");
    }

    std::string text(const std::string& sql) {
        return store::Database::open((folder.path() / "baza.db").string())->scalarText(sql);
    }
    bool exists(const std::string& name) { return fs::exists(folder.path() / name); }
};

TEST_F(InvoiceScenario, AnInvoiceIsNumberedCheckedAndSaved) {
    auto run =
        sell(std::string(kOpenInvoices) +
             "expect-title Factura la Bon Fiscal\nexpect numar |\n"
             "expect-rows bonuri | 2\nexpect-row bonuri | 0 |  |  12 | 10.12.2026 |   119.0\n"
             // A mark and its undoing.
             "select bonuri | 0\nexpect total |    1/   119.00\n"
             "select bonuri | 0\nexpect total |    0/     0.00\n"
             // No number; no buyer; a code whose control digit is wrong.
             "click SALVEAZA\nclick OK\n"
             "set numar | FCT0042\nclick SALVEAZA\nclick OK\n"
             "set cui | 18547291\n" +
             kTypedBuyer +
             "click SALVEAZA\nclick OK\nclick OK\n"
             // Two groups of digits.
             "set cui | 18547290\n" +
             kTypedBuyer +
             "set numar | A1B2\nclick SALVEAZA\nclick OK\n"
             // Saved: the next number proposed, the fields emptied.
             "select bonuri | 0\nselect bonuri | 1\nexpect total |    2/   188.50\n"
             "set numar | FCT0042\nclick SALVEAZA\nexpect numar | FCT0043\n"
             "expect cui |\nexpect total |    0/     0.00\n"
             // An invoiced receipt is not marked again.
             "select bonuri | 0\nexpect total |    0/     0.00\n"
             // The same number again.
             "set numar | FCT0042\nset cui | 18547290\n" +
             kTypedBuyer + "click SALVEAZA\nclick OK\nclose\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas("message Eroare | Nu avem Nr. Factura\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(
        run.transcriptHas("message Eroare | Nu avem Partener Introdus Corect\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(run.transcriptHas("message Eroare | CIF Incorect | 0"));
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Aveti mai multe grupari de cifre\\r\\nRog folositi sintaxa:\\r\\n"
        "[serie]<numar> sau <numar>[serie]\\r\\n\\r\\n | 0"));
    EXPECT_TRUE(run.transcriptHas("message Eroare | Factura FCT0042 exista deja\\r\\n\\r\\n | 0"));
    EXPECT_EQ(text("select nrfact||'|'||seriefact1||'|'||seriefact2||'|'||seriefact||'|'||"
                   "idpart||'|'||data from fact where id>0"),
              "42|FCT||FCT0042|2|2026-12-10 00:00:00");
    EXPECT_EQ(text("select printf('%.2f %.2f %.2f',tva1,brut1,brut5) from fact where id=1"),
              "28.50 178.50 10.00");
    EXPECT_EQ(text("select group_concat(idbon) from spfact where idfact=1"), "2,3");
    EXPECT_EQ(text("select count(*) from partener where cui='18547290'"), "1");
    // Its e-Factura file, ready to upload.
    const std::string xml = testing::readFileBytes(folder.path() / "efactura" / "FCT0042.xml");
    EXPECT_NE(xml.find("<cbc:ID>FCT0042</cbc:ID>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<cbc:CountrySubentity>RO-CJ</cbc:CountrySubentity>"), std::string::npos);
    const std::string check = "bash '" + std::string(VANDRIX_SOURCE_DIR) +
                              "/tests/invoice/efactura/validate.sh' '" +
                              (folder.path() / "efactura" / "FCT0042.xml").string() + "' > '" +
                              (folder.path() / "validare.txt").string() + "' 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0)
        << testing::readFileBytes(folder.path() / "validare.txt");
}

// Without the seller's county the invoice is saved and the file is not written: the owner is
// told what is missing and where to set it.
TEST_F(InvoiceScenario, AMissingCountyIsNamed) {
    testing::writeFileBytes(folder.path() / "efactura.ini", "LOCALITATE=CLUJ-NAPOCA\r\n");
    auto run = sell(std::string(kOpenInvoices) + "set cui | 18547290\n" + kTypedBuyer +
                    "select bonuri | 0\nset numar | 0042/A\nclick SALVEAZA\nclick OK\n"
                    "expect numar | 0043/A\nclose\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(
        "message Atentie | Factura 0042/A a fost salvata.\\r\\nFisierul e-Factura al facturii "
        "0042/A nu a fost scris; lipsesc:\\r\\n- judetul vanzatorului (JUDET in "
        "efactura.ini)\\r\\n\\r\\n | 0"));
    EXPECT_FALSE(exists("efactura/0042_A.xml"));
    EXPECT_EQ(text("select count(*) from fact where seriefact='0042/A'"), "1");
}

// A buyer fetched, then another typed: the typed one is stored as a new buyer and the fetched
// one stays as it was.
TEST_F(InvoiceScenario, TheBuyerIsTheOneWhoseCodeIsInTheField) {
    // The service's address where nobody answers.
    testing::addSetting(folder.path(), "ANAFURL=http://127.0.0.1:1/api/PlatitorTvaRest/v9/tva");
    auto run = sell(std::string(kOpenInvoices) +
                    "set cui | 14399840\nclick PRELUARE DATE\nexpect cui | RO14399840\n"
                    "expect denumire | ŞTEFĂNESCU SRL\nexpect banca | BANCA X\n"
                    // Typing in CUI empties the other fields.
                    "type 1\nexpect denumire |\nexpect banca |\n"
                    // A valid code nobody has: the service is asked and brings nothing.
                    "set cui | 18547290\nclick PRELUARE DATE\nclick OK\n"
                    "set cui | 14399840\nclick PRELUARE DATE\n"
                    "set cui | 31800909\n" +
                    kTypedBuyer +
                    "select bonuri | 0\nset numar | 0042/A\nclick SALVEAZA\nexpect numar | "
                    "0043/A\nclose\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(run.transcriptHas(
        "message Eroare | Nu au fost preluate date din Baza de date/Internet\\r\\nClientul nu a "
        "fost salvat in Baza de date sau\\r\\nNu avem Conexiune la Internet sau \\r\\nServiciul "
        "127.0.0.1 nu functioneaza ! | 0"));
    EXPECT_EQ(text("select denumire||'|'||adresa from partener where id=1"),
              "ŞTEFĂNESCU SRL|MUN. BUCUREŞTI, SECT. 1, STR. A 1");
    EXPECT_EQ(text("select id||'|'||cui||'|'||denumire from partener where cui='31800909'"),
              "2|31800909|FIRMA NOUA SRL");
    EXPECT_EQ(text("select seriefact1||'|'||nrfact||'|'||seriefact2||'|'||idpart from fact where "
                   "id=1"),
              "|42|/A|2");
}

// The buyer fetched from the service (a server on the loopback interface here) and saved.
TEST_F(InvoiceScenario, ABuyerIsFetchedFromTheService) {
    testing::LoopbackHttpServer server;
    std::string answer = testing::readFileBytes(
        std::string(VANDRIX_SOURCE_DIR) + "/tests/invoice/fixtures/v9-found-and-notfound.json");
    for (auto at = answer.find("1590082"); at != std::string::npos; at = answer.find("1590082"))
        answer.replace(at, 7, "18547290");
    server.answer(200, answer, "application/json");
    testing::addSetting(folder.path(), "ANAFURL=" + server.url("/api/PlatitorTvaRest/v9/tva"));
    auto run = sell(std::string(kOpenInvoices) +
                    "set cui | 18547290\nclick PRELUARE DATE\nexpect cui | RO18547290\n"
                    "expect denumire | OMV PETROM S.A.\nexpect j | J40/8302/1997\n"
                    "select bonuri | 0\nset numar | FCT0001\nclick SALVEAZA\nclose\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(server.requests(), 1);
    EXPECT_EQ(text("select cui||'|'||denumire||'|'||adresa||'|'||j||'|'||judet||'|'||codpostal "
                   "from partener where id=2"),
              "RO18547290|OMV PETROM S.A.|MUN. BUCUREŞTI, SECT. 1, STR. CORALILOR, "
              "NR.22|J40/8302/1997|B|013329");
    EXPECT_EQ(text("select idpart from fact where id=1"), "2");
}

TEST_F(InvoiceScenario, TheListPrintsSearchesAndCancels) {
    testing::replaceSetting(folder.path(), "tipamef=M20", "tipamef=TM80");
    {
        auto db = store::Database::open((folder.path() / "baza.db").string());
        ASSERT_TRUE(
            db->exec("INSERT INTO fact VALUES (12,42,'FCT','','FCT0042',1,NULL,"
                     "'2026-12-10 00:00:00',19,0,0,0,0,119,0,0,0,0)"));
        ASSERT_TRUE(db->exec("INSERT INTO spfact VALUES (5,12,2,19,0,0,0,0,119,0,0,0,0)"));
    }
    testing::writeFileBytes(folder.path() / "tmpFact000000011.PDF", "old");
    auto run = sell(std::string(kOpenInvoices) +
                    "click PRINTEAZA / ANULEAZA\nexpect-title Printeaza Factura\n"
                    "expect-rows facturi | 2\nexpect-state Print AMEF | disabled\n"
                    "select facturi | 0\nexpect-state Print AMEF | disabled\n"
                    "select facturi | 1\nexpect-state Print AMEF | enabled\n"
                    "click Print AMEF\nclick Print HTML\n"
                    // Two letters search nothing, three filter.
                    "set cautare | FC\nexpect-rows facturi | 2\n"
                    "set cautare | FCT\nexpect-rows facturi | 1\n"
                    "select facturi | 0\nclick Anuleaza\nclick DA\n"
                    "expect-state Anuleaza | disabled\nexpect-state Print PDF | disabled\n"
                    "close\n"
                    // The cancelled invoice's receipt is free once the dates change.
                    "expect-row bonuri | 0 |  |  12\n"
                    "date de-la | 2026-12-09\nexpect-rows bonuri | 3\n"
                    "select bonuri | 1\nexpect total |    1/   119.00\nclose\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(text("select valoare from fact where id=12"), "-1.0");
    EXPECT_TRUE(run.transcriptHas(
        "message Atentie | Sunteti sigur ca doriti anularea facturii \\r\\n\\r\\nSerie/Nr.: "
        "FCT0042 din Data 10.12.2026 in valoare de   119.00 RON\\r\\ncatre partenerul "
        "ŞTEFĂNESCU SRL / CUI: RO14399840 / J: J1/1/2001 ?\\r\\n\\r\\nOperatiunea nu este "
        "reversibila\\r\\n\\r\\n | 6"));
    // The earlier invoice's file is gone; the text went to the note printer, the page opened.
    EXPECT_FALSE(exists("tmpFact000000011.PDF"));
    // Its e-Factura file was written with the documents and set aside when it was cancelled.
    EXPECT_FALSE(exists("efactura/FCT0042.xml"));
    EXPECT_TRUE(exists("efactura/anulate/FCT0042.xml"));
    EXPECT_TRUE(run.transcriptHas("shell-open tmpFact000000012.html"));
    ASSERT_TRUE(exists("tmpFact000000012.html"));
    const auto text = testing::fileLines(folder.path() / "Note" / "tmpFact000000012.txt");
    ASSERT_FALSE(text.empty());
    for (const std::string& line : text)
        if (!line.empty() && line.front() == '+') {
            EXPECT_EQ(line.size(), 48u) << line;
        }
    // The page as a browser reads it: the buyer's name with its letters.
    const fs::path dom = folder.path() / "dom.html";
    const std::string command =
        "timeout 60 chromium --headless --no-sandbox --disable-gpu --dump-dom 'file://" +
        (folder.path() / "tmpFact000000012.html").string() + "' > '" + dom.string() +
        "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_NE(testing::readFileBytes(dom).find("Denumire:ŞTEFĂNESCU SRL"), std::string::npos);
}

}  // namespace
}  // namespace vandrix
