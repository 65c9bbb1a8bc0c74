// The e-Factura files checked by the official validators (the UBL 2.1 schema, the national
// rules and the European rules with the national ones): VAT-paying and other buyers, one and
// several receipts, groups 1, 2 and 5, a seller in Bucharest and one in a county, a shop that is
// not a VAT payer, diacritics and "&" in names; and no file when the rules lack data.
#include "invoice/efactura.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "temp_folder.h"

namespace vandrix::invoice {
namespace {

InvoiceReceipt receipt(const char* number, std::array<shell::Cents, 5> gross,
                       std::array<shell::Cents, 5> vat) {
    InvoiceReceipt r{number, "7", "10.12.2026", {}};
    r.amounts.gross = gross;
    r.amounts.vat = vat;
    return r;
}

EInvoiceInput base() {
    EInvoiceInput in;
    in.doc.seller = {"MAGAZIN & FIUL SRL", "RO18547290", "J12/3/2004", "STR. MARE 3"};
    in.doc.buyer = {"ŞTEFĂNESCU & ASOCIAŢII SRL", "RO14399840", "J40/1/2001",
                    "MUN. BUCUREŞTI, SECT. 1, STR. CORALILOR, NR.22"};
    in.doc.series = "FCT0042";
    in.doc.date = "10.12.2026";
    in.issueDate = "2026-12-10";
    in.percents = {"19", "9", "5", "0", "FaraTVA"};
    in.sellerVatPayer = true;
    in.buyerVatPayer = true;
    in.seller = {"STR. MARE 3", "CLUJ-NAPOCA", "RO-CJ"};
    in.buyer = addressFromText(in.doc.buyer.address, "B");
    in.exemptionReason = "Operatiune scutita de TVA";
    in.doc.receipts = {receipt("12", {11900, 0, 0, 0, 0}, {1900, 0, 0, 0, 0})};
    return in;
}

// Validates the XML with the official rules; the validator's report on failure.
void expectValid(const EInvoiceInput& in, const std::string& what) {
    std::vector<std::string> missing;
    const auto xml = eInvoiceXml(in, missing);
    ASSERT_TRUE(xml) << what << ": " << (missing.empty() ? "" : missing.front());
    testing::TempFolder folder;
    const std::string file = (folder.path() / "invoice.xml").string();
    const std::string report = (folder.path() / "report.txt").string();
    testing::writeFileBytes(file, *xml);
    const std::string command = "bash '" + std::string(VANDRIX_SOURCE_DIR) +
                                "/tests/invoice/efactura/validate.sh' '" + file + "' > '" + report +
                                "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << what << "\n"
                                               << testing::readFileBytes(report) << "\n"
                                               << *xml;
}

TEST(EInvoice, AddressesAsTheRulesWantThem) {
    const EAddress bucharest =
        addressFromText("MUN. BUCUREŞTI, SECT. 1, STR. CORALILOR, NR.22", "");
    EXPECT_EQ(bucharest.city, "SECTOR1");
    EXPECT_EQ(bucharest.county, "RO-B");
    EXPECT_EQ(bucharest.street, "STR. CORALILOR, NR.22");
    const EAddress cluj =
        addressFromText("JUD. CLUJ, MUN. CLUJ-NAPOCA, STR. MEMORANDUMULUI, NR.28", "");
    EXPECT_EQ(cluj.city, "CLUJ-NAPOCA");
    EXPECT_EQ(cluj.county, "RO-CJ");
    EXPECT_EQ(cluj.street, "STR. MEMORANDUMULUI, NR.28");
    EXPECT_EQ(addressFromText("ORŞ. BUFTEA, STR. X", "IF").county, "RO-IF");
    EXPECT_EQ(countyCode("cj"), "RO-CJ");
    EXPECT_EQ(countyCode("RO-B"), "RO-B");
    EXPECT_EQ(countyCode("XX"), "");
    EXPECT_EQ(eInvoiceFileName("0042/A"), "0042_A.xml");
}

TEST(EInvoice, ValidForAVatPayingShop) {
    expectValid(base(), "one receipt, group 1, a VAT-paying buyer in Bucharest");

    EInvoiceInput several = base();
    several.doc.receipts = {receipt("12", {11900, 10900, 0, 0, 1000}, {1900, 900, 0, 0, 0}),
                            receipt("13", {5950, 0, 0, 0, 0}, {950, 0, 0, 0, 0}),
                            // a receipt with a discount: its values after the discount
                            receipt("14", {10710, 0, 0, 0, 0}, {1710, 0, 0, 0, 0})};
    several.buyerVatPayer = false;
    several.doc.buyer = {"PERSOANA & CO", "31800909", "",
                         "JUD. CLUJ, MUN. CLUJ-NAPOCA, STR. X, NR. 1"};
    several.buyer = addressFromText(several.doc.buyer.address, "");
    several.seller = {"STR. LUNGA 1", "SECTOR3", "RO-B"};
    expectValid(several, "three receipts, groups 1, 2 and 5, a buyer that is not a VAT payer");
}

TEST(EInvoice, ValidForAShopThatIsNotAVatPayer) {
    EInvoiceInput in = base();
    in.sellerVatPayer = false;
    in.doc.receipts = {receipt("12", {0, 0, 0, 0, 5000}, {0, 0, 0, 0, 0}),
                       receipt("13", {0, 0, 0, 0, 2550}, {0, 0, 0, 0, 0})};
    expectValid(in, "every line outside the scope of VAT");
}

TEST(EInvoice, NoFileWhenTheSellersCountyIsMissing) {
    EInvoiceInput in = base();
    in.seller.county = "";
    std::vector<std::string> missing;
    EXPECT_FALSE(eInvoiceXml(in, missing));
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0], "judetul vanzatorului (JUDET in efactura.ini)");
}

}  // namespace
}  // namespace vandrix::invoice
