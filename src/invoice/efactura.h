// Each invoice as an RO e-Factura file: UBL 2.1 in the national customization (CIUS-RO), one
// line per receipt and VAT group as the printed invoice has them, written in "efactura/" under
// the invoice's number. When data the national rules require is missing, no file is written and
// the caller is told what is missing and where to set it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "invoice/invoice_document.h"

namespace vandrix::shell {
struct Application;
struct Settings;
}  // namespace vandrix::shell
namespace vandrix::store {
class Database;
}

namespace vandrix::invoice {

inline constexpr const char* kEInvoiceFolder = "efactura";

// A party's address as the rules want it: street, town (in Bucharest the sector, "SECTOR1")
// and county code ("RO-CJ").
struct EAddress {
    std::string street, city, county;
};

// The county's code from its car code or its ISO code ("CJ", "RO-CJ" -> "RO-CJ"; "" unknown).
std::string countyCode(const std::string& code);

// A buyer's address read from the text the look-up stores ("MUN. BUCUREŞTI, SECT. 1, STR.
// CORALILOR, NR.22"), its county from the stored car code when the text has none.
EAddress addressFromText(const std::string& address, const std::string& county);

// What the file is made of, beyond the printed invoice.
struct EInvoiceInput {
    InvoiceDocument doc;
    std::string issueDate;                // "YYYY-MM-DD"
    std::array<std::string, 5> percents;  // the tva table's procent of groups 1 to 5
    bool sellerVatPayer = true;
    bool buyerVatPayer = false;  // its code is stored with "RO"
    EAddress seller, buyer;
    std::string typeCode = "751";
    std::string exemptionReason;
};

// The XML (UTF-8), or nullopt with what is missing named in Romanian.
std::optional<std::string> eInvoiceXml(const EInvoiceInput& input,
                                       std::vector<std::string>& missing);

// The file's name: the number with every character but A-Z, 0-9, "-" and "_" as "_", ".xml".
std::string eInvoiceFileName(const std::string& number);

// Writes the invoice's file from the database (complete, then moved into place); the message
// that says what is missing, "" when the file was written.
std::string writeEInvoice(shell::Application& app, std::int64_t id);

// A cancelled invoice's file moves to "efactura/anulate/".
void setAsideEInvoice(shell::Application& app, std::int64_t id);

}  // namespace vandrix::invoice
