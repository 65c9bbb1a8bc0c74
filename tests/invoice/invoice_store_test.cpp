// Invoices against a real shop database: an invoice and its receipts stored together or not at
// all with exact per-group sums, receipts freed by a cancellation, buyers found by either form of
// their code, and the list's search.
#include "invoice/invoice_store.h"

#include <gtest/gtest.h>

#include <memory>

#include "store/database.h"
#include "store/database2020.h"
#include "temp_folder.h"

namespace vandrix::invoice {
namespace {

class InvoiceStoreTest : public ::testing::Test {
  protected:
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    std::unique_ptr<store::Database> db;

    void SetUp() override {
        store::Database2020("baza.db");
        db = store::Database::open("baza.db");
        ASSERT_TRUE(db);
        // Two receipts of the 10th: 0.10 + 0.20 in group 1 must add to 0.30 exactly.
        run("insert into bon (id,nrbon,databon,valbon,eod,tva1,brut1,brut5,idpos) values "
            "(2,12,'2026-12-10 08:00:00',11.1,2,0.1,1.1,10,'1'),"
            "(3,13,'2026-12-10 18:00:00',2.2,2,0.2,2.2,0,'1'),"
            "(4,14,'2026-12-11 08:00:00',5,2,0,5,0,'1')");
        run("insert into partener (id,cui,denumire,adresa,j) values "
            "(1,'RO18547290','FIRMA SRL','STR. MARE 3','J12/3/2004')");
    }
    void run(const std::string& sql) { ASSERT_TRUE(db->exec(sql)) << db->lastError(); }
    std::string text(const std::string& sql) { return db->scalarText(sql); }
};

TEST_F(InvoiceStoreTest, AnInvoiceIsStoredWithItsReceiptsAndExactSums) {
    auto number = splitInvoiceNumber("FCT0042");
    ASSERT_TRUE(number);
    auto saved = saveInvoice(*db, *number, "1", "2026-12-10", {"2", "3"});
    ASSERT_TRUE(saved.saved) << saved.failure;
    EXPECT_EQ(text("select nrfact||'|'||seriefact1||'|'||seriefact2||'|'||seriefact||'|'||idpart||"
                   "'|'||data||'|'||(valoare is null) from fact where id=1"),
              "42|FCT||FCT0042|1|2026-12-10 00:00:00|1");
    EXPECT_EQ(text("select printf('%.2f %.2f %.2f',tva1,brut1,brut5) from fact where id=1"),
              "0.30 3.30 10.00");
    EXPECT_EQ(text("select group_concat(idbon||':'||idfact) from spfact where id>0"), "2:1,3:1");
    EXPECT_TRUE(invoiceExists(*db, "FCT0042"));
    EXPECT_EQ(proposedInvoiceNumber(*db), "FCT0043");
    // Invoiced receipts show their invoice; a cancelled invoice frees them (on the next load).
    auto rows = receiptsBetween(*db, "2026-12-10", "2026-12-10", true);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].series, "FCT0042");
    ASSERT_TRUE(cancelInvoice(*db, "1"));
    EXPECT_FALSE(invoiceExists(*db, "FCT0042"));
    EXPECT_EQ(receiptsBetween(*db, "2026-12-10", "2026-12-10", true)[0].series, "");
    EXPECT_EQ(receiptsBetween(*db, "2026-12-10", "2026-12-10", false)[0].series, "FCT0042");
}

TEST_F(InvoiceStoreTest, AnInvoiceThatCannotBeStoredLeavesNothing) {
    auto number = splitInvoiceNumber("FCT0042");
    // A receipt that is gone by the time of saving: neither the invoice nor its receipts stay.
    auto saved = saveInvoice(*db, *number, "1", "2026-12-10", {"2", "99"});
    EXPECT_FALSE(saved.saved);
    EXPECT_EQ(text("select count(*) from fact"), "1");
    EXPECT_EQ(text("select count(*) from spfact"), "1");
}

TEST_F(InvoiceStoreTest, BuyersAreFoundByEitherFormOfTheirCode) {
    EXPECT_EQ(buyerCount(*db, "18547290"), 1);
    EXPECT_EQ(buyerId(*db, "18547290"), "1");
    ASSERT_TRUE(buyerWithCode(*db, "18547290"));
    EXPECT_EQ(buyerWithCode(*db, "18547290")->name, "FIRMA SRL");
    // A known buyer is updated, a new one added with the next id.
    ASSERT_TRUE(
        storeBuyer(*db, "18547290",
                   {"RO18547290", "FIRMA NOUA SRL", "STR. MICA 1", "J12/3/2004", "", "", "", ""}));
    ASSERT_TRUE(storeBuyer(*db, "14399840", {"14399840", "ALTA SRL", "ADR", "J1", "", "", "", ""}));
    EXPECT_EQ(text("select group_concat(id||cui||denumire) from partener where id>0"),
              "1RO18547290FIRMA NOUA SRL,214399840ALTA SRL");
    // Two buyers of one code: no id is taken.
    run("insert into partener (id,cui,denumire) values (3,'14399840','DUBLURA')");
    EXPECT_EQ(buyerId(*db, "14399840"), "");
}

TEST_F(InvoiceStoreTest, TheListSearchesNumbersNamesCodesDatesAndRegisterNumbers) {
    auto number = splitInvoiceNumber("FCT0042");
    ASSERT_TRUE(saveInvoice(*db, *number, "1", "2026-12-10", {"2"}).saved);
    EXPECT_EQ(invoices(*db, "").size(), 2u);  // the seeded one too
    for (const char* found : {"0042", "FIRMA", "1854", "2026-12-10", "J12"})
        EXPECT_EQ(invoices(*db, found).size(), 1u) << found;
    EXPECT_TRUE(invoices(*db, "NIMIC").empty());
}

}  // namespace
}  // namespace vandrix::invoice
