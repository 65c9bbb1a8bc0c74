// The invoice as an A4 PDF, cell by cell, made with the program's own PDF writer. Border codes
// of a cell: -7 left, top and right; -5 left and right; -13 left, right and bottom; -15 all; -1
// left; -4 right; -9 left and bottom; -12 right and bottom; -11 left, top and bottom; -14 top,
// right and bottom; -10 top and bottom; -3 left and top; -2 top; -6 top and right; -8 bottom.
#include "invoice/invoice_document.h"
#include "pdf/pdf_document.h"
#include "shell/number_text.h"

namespace vandrix::invoice {

namespace {

using shell::leftAlign;
using shell::rightAlign;

// A text split after its first n letters: the part and the rest (empty when it is shorter).
std::pair<std::string, std::string> splitAfter(const std::string& text, int n) {
    if (letterCount(text) > n)
        return {firstLetters(text, n), fromLetter(text, n)};
    return {text, ""};
}

std::string amount(shell::Cents value) {
    return shell::formatCents(value);
}

}  // namespace

bool writeInvoicePdf(const InvoiceDocument& doc, const std::string& path) {
    pdf::PdfDocument pdf;
    pdf.pdfCreate("", "", "");
    if (pdf.pdfError() != 0)
        return false;
    pdf.pdfSetMargins(12, 3);
    pdf.pdfAddPage();
    pdf.pdfSetLineWidth(0.3);
    auto cell = [&](double w, double h, const std::string& text, int border, const char* align) {
        pdf.pdfCell(w, h, text, border, 0, align, 0, 0);
    };
    auto ln = [&] { pdf.pdfLn(-1); };
    const std::string mono = "Lucida Console";

    // The parties. Their headings are in the face of the other headings: a first selection
    // without a family would leave the writer without a font, and the headings out.
    pdf.pdfSetFont("Arial", "B", 10);
    cell(95, 4, "VANZATOR:", -7, "L");
    cell(95, 4, "CUMPARATOR:", -7, "L");
    ln();
    const auto [buyerName, buyerNameRest] = splitAfter(doc.buyer.name, 46);
    const auto [sellerAddress, sellerAddressRest] = splitAfter(doc.seller.address, 48);
    const auto [buyerAddress, buyerAddressRest] = splitAfter(doc.buyer.address, 48);
    pdf.pdfSetFont(mono, "", 8);
    const std::pair<std::string, std::string> rows[] = {
        {"Denumire:" + doc.seller.name, "Denumire:" + buyerName},
        {"", buyerNameRest},
        {"C.I.F.:" + doc.seller.code, "C.I.F.:" + doc.buyer.code},
        {"Nr.Reg.Com:" + doc.seller.registerNumber, "Nr.Reg.Com:" + doc.buyer.registerNumber},
        {"Adresa:" + sellerAddress, "Adresa:" + buyerAddress},
    };
    for (const auto& [left, right] : rows) {
        cell(95, 3, leftAlign(left, 55), -5, "L");
        cell(95, 3, leftAlign(right, 55), -5, "L");
        ln();
    }
    cell(95, 3, leftAlign(sellerAddressRest, 55), -13, "L");
    cell(95, 3, leftAlign(buyerAddressRest, 55), -13, "L");
    ln();
    ln();
    // The title
    pdf.pdfSetFont("Arial", "B", 10);
    cell(71, 4, " ", 0, "C");
    cell(48, 4, "FACTURA", -7, "C");
    cell(71, 4, " ", 0, "C");
    ln();
    pdf.pdfSetFont(mono, "", 8);
    cell(71, 3, " ", 0, "C");
    cell(24, 3, "Serie/Nr: ", -1, "L");
    cell(24, 3, doc.series, -4, "R");
    cell(71, 3, " ", 0, "C");
    ln();
    cell(71, 3, " ", 0, "C");
    cell(24, 3, "Data: ", -9, "L");
    cell(24, 3, doc.date, -12, "R");
    cell(71, 3, " ", 0, "C");
    ln();
    ln();
    // The lines' heading
    pdf.pdfSetFont("Arial", "B", 10);
    cell(47, 4, "DENUMIRE", -15, "L");
    cell(24, 4, "UM", -15, "L");
    cell(30, 4, "CANT", -15, "L");
    cell(30, 4, "PRET UNITAR", -15, "R");
    cell(30, 4, "VAL F.TVA", -15, "R");
    cell(30, 4, "TVA", -15, "R");
    ln();
    // Two rows per receipt and VAT group
    pdf.pdfSetFont(mono, "", 8);
    int receipts = 0;
    for (const InvoiceReceipt& r : doc.receipts) {
        ++receipts;
        for (int k = 0; k < 5; ++k) {
            if (!r.amounts.shown(k))
                continue;
            const std::size_t g = static_cast<std::size_t>(k);
            cell(47, 3, "Conform:- Bon:" + rightAlign(r.number, 4, '0'), -5, "L");
            for (int i = 0; i < 4; ++i)
                cell(i == 0 ? 24 : 30, 3, " ", -7, "L");
            cell(30, 3, doc.labels[g], -7, "R");
            ln();
            const std::string net = rightAlign(amount(r.amounts.net(k)), 8);
            cell(47, 3, "  Z:" + rightAlign(r.period, 4, '0') + " din " + rightAlign(r.date, 10),
                 -13, "L");
            cell(24, 3, "BUC", -13, "L");
            cell(30, 3, " 1 ", -13, "L");
            cell(30, 3, net, -13, "R");
            cell(30, 3, net, -13, "R");
            cell(30, 3, rightAlign(amount(r.amounts.vat[g]), 8), -13, "R");
            ln();
        }
    }
    // Filler rows up to the 31st receipt
    for (int n = receipts + 1; n <= 31; ++n) {
        for (int i = 0; i < 2; ++i) {
            cell(47, 3, " ", 0, "L");
            ln();
        }
    }
    // The totals per VAT group and the grand total
    for (int k = 0; k < 5; ++k) {
        if (!doc.totals.shown(k))
            continue;
        const std::size_t g = static_cast<std::size_t>(k);
        cell(101, 5, " Valoare Fara TVA: ", -11, "L");
        cell(30, 5, amount(doc.totals.net(k)), -14, "R");
        cell(30, 5, " TVA " + doc.labels[g], -11, "R");
        cell(30, 5, amount(doc.totals.vat[g]), -14, "R");
        ln();
    }
    pdf.pdfSetFont("Arial", "B", 10);
    cell(101, 6, " Total cu TVA: ", -11, "L");
    cell(30, 6, " ", -10, "R");
    cell(30, 6, " ", -10, "R");
    cell(30, 6, amount(doc.totals.grossSum()), -14, "R");
    ln();
    // The buyer's delegate
    pdf.pdfSetFont(mono, "", 8);
    struct Cell {
        double w;
        const char* text;
        int border;
        const char* align;
    };
    const Cell delegate[4][4] = {
        {{101, "   Delegat: ", -3, "L"},
         {30, " ", -2, "R"},
         {30, " ", -3, "R"},
         {30, " ", -6, "R"}},
        {{101, " CI/BI/CNP: ", -1, "L"},
         {30, " ", 0, "R"},
         {30, " Semnatura: ", -1, "R"},
         {30, " ", -4, "R"}},
        {{101, " Semnatura: ", -1, "L"}, {30, " ", 0, "R"}, {30, " ", -1, "R"}, {30, " ", -4, "R"}},
        {{101, "      Data: ", -9, "L"},
         {30, " ", -8, "R"},
         {30, " Stampila: ", -9, "R"},
         {30, " ", -12, "R"}},
    };
    for (const auto& row : delegate) {
        for (const Cell& c : row)
            cell(c.w, 3, c.text, c.border, c.align);
        ln();
    }
    pdf.pdfSave(path);
    return pdf.pdfError() == 0;
}

}  // namespace vandrix::invoice
