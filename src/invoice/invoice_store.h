// The invoices in the database: the receipts that can be invoiced, the buyers, saving an invoice
// with its receipts, the invoice list and cancelling an invoice.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "invoice/invoice_rules.h"

namespace vandrix::store {
class Database;
}

namespace vandrix::invoice {

// A receipt of the invoice window's list, as read.
struct ReceiptRow {
    std::string number, date, amount, period, id;
    std::string series;  // the invoice that holds it; "" when none
};
// The receipts dated from `from` to `to` ("YYYY-MM-DD", both whole days). With
// `cancelledFree`, a receipt of a cancelled invoice is free again; without, the list shows it
// as invoiced (the list after a save, until the dates change).
std::vector<ReceiptRow> receiptsBetween(store::Database& db, const std::string& from,
                                        const std::string& to, bool cancelledFree);

// The first and the last receipt's time stamps.
struct ReceiptDates {
    std::string earliest, latest;
};
ReceiptDates receiptDates(store::Database& db);

// The number proposed for the next invoice; "" when there is none but the seeded one.
std::string proposedInvoiceNumber(store::Database& db);

struct Buyer {
    std::string cui, name, address, registerNumber, bank, account, driver, identity;
    // From the VAT-payer service: the county's car code and the postal code ("" when typed by
    // hand; a stored value is then kept).
    std::string county = "", postalCode = "";
};
// Buyers whose code is the number, with or without "RO".
long long buyerCount(store::Database& db, const std::string& code);
std::optional<Buyer> buyerWithCode(store::Database& db, const std::string& code);
// The buyer of the code updated, or added when there is none; false when the database refused.
bool storeBuyer(store::Database& db, const std::string& code, const Buyer& buyer);
// The id of the one buyer with the code; "" when there is none or more than one.
std::string buyerId(store::Database& db, const std::string& code);

// A valid (not cancelled) invoice with this number exists.
bool invoiceExists(store::Database& db, const std::string& number);

// Saves the invoice of the receipts (their ids) and its per-group sums, all or nothing; the
// database's reason when it refused. `date` is "YYYY-MM-DD".
struct SaveResult {
    bool saved = false;
    std::string failure;
    std::string id;  // the saved invoice's
};
SaveResult saveInvoice(store::Database& db, const InvoiceNumber& number, const std::string& buyerId,
                       const std::string& date, const std::vector<std::string>& receiptIds);

// A row of the invoice list.
struct InvoiceRow {
    std::string id, number, buyer, cui, registerNumber, date, total, value;
};
// Every invoice with its buyer; with a search text (longer than 2 letters) those whose number,
// buyer name, code, date or register number holds it.
std::vector<InvoiceRow> invoices(store::Database& db, const std::string& search);

bool cancelInvoice(store::Database& db, const std::string& id);

}  // namespace vandrix::invoice
