// An invoice as its documents show it, read from the database and the seller's file, and the
// documents made from it: the boxed printer texts (wide and narrow), the HTML page and the PDF.
// The documents list no articles: each receipt gives one entry per VAT group in which it sold.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/money.h"

namespace vandrix::store {
class Database;
}

namespace vandrix::invoice {

struct Party {
    std::string name, code, registerNumber, address;
};

// Per VAT group (1 to 5) the VAT and the gross value.
struct GroupAmounts {
    std::array<shell::Cents, 5> vat{}, gross{};
    shell::Cents net(int k) const { return gross[k] - vat[k]; }
    bool shown(int k) const { return gross[k] > 0; }  // a group is shown when it sold
    shell::Cents grossSum() const;
};

struct InvoiceReceipt {
    std::string number, period, date;  // date as "dd.mm.yyyy"
    GroupAmounts amounts;
};

struct InvoiceDocument {
    Party seller, buyer;
    std::string series, date;           // date as "dd.mm.yyyy"
    std::array<std::string, 5> labels;  // "19%", "09%", ..., "FaraTVA"
    GroupAmounts totals;
    std::vector<InvoiceReceipt> receipts;
};

// The seller of "vanzator.txt" (groups of four lines in the ANSI code page: name, fiscal code,
// trade-register number, address; the last group stands); the file is created empty when it
// is missing.
Party readSeller(const std::string& path);

// The invoice with the given id, its buyer, receipts and the VAT groups' labels.
InvoiceDocument readInvoice(store::Database& db, const std::string& id, const Party& seller);

// The printer texts, W characters wide (a bordered line is W - 2).
std::vector<std::string> wideInvoiceText(const InvoiceDocument& doc, int width);
std::vector<std::string> narrowInvoiceText(const InvoiceDocument& doc, int width);

// The HTML page, line by line, for the ANSI code page it is written in.
std::vector<std::string> invoiceHtml(const InvoiceDocument& doc);

// The A4 PDF written to the path; false when the document could not be made or written.
bool writeInvoicePdf(const InvoiceDocument& doc, const std::string& path);

// Text helpers of the documents, counting letters, not bytes.
std::string firstLetters(const std::string& text, int n);
std::string fromLetter(const std::string& text, int n);  // from letter n (0-based) on
int letterCount(const std::string& text);

}  // namespace vandrix::invoice
