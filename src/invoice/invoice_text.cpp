// The invoice's boxed printer texts, wide and narrow, line by line.
#include "invoice/invoice_document.h"
#include "shell/number_text.h"

namespace vandrix::invoice {

namespace {

using shell::leftAlign;
using shell::rightAlign;

std::string run(int n, char c) {
    return n > 0 ? std::string(static_cast<std::size_t>(n), c) : std::string();
}
std::string spaces(int n) {
    return run(n, ' ');
}
std::string border(int width) {
    return "+" + run(width - 4, '-') + "+";
}
std::string amount(shell::Cents value) {
    return shell::formatCents(value);
}

// An address in two parts: its first W - 11 letters and the rest.
std::pair<std::string, std::string> splitAddress(const std::string& address, int width) {
    if (letterCount(address) > width - 11)
        return {firstLetters(address, width - 11), fromLetter(address, width - 11)};
    return {address, ""};
}

// "|<label><value><spaces>|", the spaces making the line W - 2 wide around a label of
// `labelWidth` letters.
std::string field(const std::string& label, const std::string& value, int width, int less) {
    return label + value + spaces(width - letterCount(value) - less) + "|";
}

void addressLines(std::vector<std::string>& out, const std::string& address, int width,
                  int firstLess) {
    const auto [first, rest] = splitAddress(address, width);
    out.push_back(field("|Adresa:", first, width, firstLess));
    if (!rest.empty())
        out.push_back(field("|", rest, width, 4));
}

void delegateLines(std::vector<std::string>& out, int width) {
    out.push_back("|Delegat: " + run(width - 13, '.') + "|");
    out.push_back("|CI/BI/CNP:" + run(width - 14, '.') + "|");
    out.push_back("|Semnatura:" + run(width - 14, '.') + "|");
    out.push_back("|Data:" + run(width - 9, '.') + "|");
}

}  // namespace

std::vector<std::string> wideInvoiceText(const InvoiceDocument& doc, int width) {
    const int W = width;
    const std::string B = border(W);
    std::vector<std::string> out;
    auto party = [&](const char* title, int titleLess, const Party& p) {
        out.push_back(std::string(title) + spaces(W - titleLess) + "|");
        out.push_back(field("|Denumire:", p.name, W, 13));
        out.push_back(field("|C.I.F.:", p.code, W, 11));
        out.push_back(field("|Nr.Reg.Com:", p.registerNumber, W, 15));
        addressLines(out, p.address, W, 11);
        out.push_back(B);
    };
    out.push_back(B);
    party("|^V^a^n^z^a^t^o^r:", 21, doc.seller);
    party("|^C^u^m^p^a^r^a^t^o^r:", 25, doc.buyer);
    out.push_back("");
    out.push_back(B);
    out.push_back("|" + spaces(10) + "^F^a^c^t^u^r^a" + spaces(W - 28) + "|");
    out.push_back("|" + spaces(10) + "Serie/Nr:" + leftAlign(doc.series, 17) + spaces(W - 40) +
                  "|");
    out.push_back("|" + spaces(10) + "Data:" + leftAlign(doc.date, 21) + spaces(W - 40) + "|");
    out.push_back(B);
    out.push_back("");
    out.push_back(B);
    const std::string E = spaces(W - 48), Z8 = spaces(8);
    out.push_back("|Denumire  " + E + "|UM |Cant|PretUnit|ValFTVA |TVA   |");
    out.push_back(B);
    for (const InvoiceReceipt& r : doc.receipts) {
        for (int k = 0; k < 5; ++k) {
            if (!r.amounts.shown(k))
                continue;
            const std::string net = rightAlign(amount(r.amounts.net(k)), 8);
            const std::string label = doc.labels[static_cast<std::size_t>(k)];
            out.push_back("|Conform:- " + E + "|   |    |" + Z8 + "|" + Z8 + "|" +
                          rightAlign(label, 6) + "|");
            out.push_back("|Bon:" + rightAlign(r.number, 4, '0') + " /" + E + "|Buc|  1 |" + net +
                          "|" + net + "|" +
                          rightAlign(amount(r.amounts.vat[static_cast<std::size_t>(k)]), 6) + "|");
            out.push_back("|  Z:" + rightAlign(r.period, 4, '0') + " /" + E + "|   |    |" + Z8 +
                          "|" + Z8 + "|" + spaces(6) + "|");
            out.push_back("|" + rightAlign(r.date, 10) + E + "|   |    |" + Z8 + "|" + Z8 + "|" +
                          spaces(6) + "|");
            out.push_back(B);
        }
    }
    for (int k = 0; k < 5; ++k) {
        if (!doc.totals.shown(k))
            continue;
        const std::string label = doc.labels[static_cast<std::size_t>(k)];
        out.push_back("| Val. Fara TVA " + rightAlign(label, 4) + ":" +
                      rightAlign(amount(doc.totals.net(k)), 8) + E + "|   " + label + ": " +
                      rightAlign(amount(doc.totals.vat[static_cast<std::size_t>(k)]), 6) + "|");
    }
    out.push_back(B);
    out.push_back("| Total cu TVA : " + rightAlign(amount(doc.totals.grossSum()), W - 20) + "|");
    out.push_back(B);
    delegateLines(out, W);
    out.push_back(B);
    return out;
}

std::vector<std::string> narrowInvoiceText(const InvoiceDocument& doc, int width) {
    const int W = width;
    const std::string B = border(W);
    std::vector<std::string> out;
    out.push_back(B);
    out.push_back("|^V^a^n^z^a^t^o^r:" + spaces(11) + "|");
    out.push_back("|Denumire:" + spaces(19) + "|");
    out.push_back(field("|", doc.seller.name, W, 4));
    out.push_back("|C.I.F.:" + spaces(21) + "|");
    out.push_back(field("|", doc.seller.code, W, 4));
    out.push_back("|Nr.Reg.Com:" + spaces(W - 15) + "|");
    out.push_back(field("|", doc.seller.registerNumber, W, 4));
    addressLines(out, doc.seller.address, W, 14);
    out.push_back(B);
    out.push_back("|^C^u^m^p^a^r^a^t^o^r:" + spaces(W - 25) + "|");
    out.push_back("|Denumire:" + spaces(W - 13) + "|");
    out.push_back("|" + leftAlign(doc.buyer.name, W - 4) + "|");
    out.push_back(field("|C.I.F.:", doc.buyer.code, W, 11));
    out.push_back(field("|Nr.Reg.Com:", doc.buyer.registerNumber, W, 15));
    addressLines(out, doc.buyer.address, W, 14);
    out.push_back(B);
    out.push_back("");
    out.push_back(B);
    out.push_back("|" + spaces(7) + "^F^a^c^t^u^r^a" + spaces(W - 25) + "|");
    const int len = letterCount(doc.series);
    const int P = 14 - (len + 9) / 2;
    out.push_back("|" + spaces(P) + "Serie/Nr:" + doc.series + spaces(W - P - len - 13) + "|");
    out.push_back("|" + spaces(7) + "Data:" + leftAlign(doc.date, 10) + spaces(W - 26) + "|");
    out.push_back(B);
    out.push_back("");
    out.push_back(B);
    auto boxed = [&](const std::string& content) {
        out.push_back("|" + leftAlign(content, W - 4) + "|");
    };
    for (const InvoiceReceipt& r : doc.receipts) {
        for (int k = 0; k < 5; ++k) {
            if (!r.amounts.shown(k))
                continue;
            const std::size_t g = static_cast<std::size_t>(k);
            boxed("Conform:- Bon:" + rightAlign(r.number, 4, '0') +
                  " Z:" + rightAlign(r.period, 4, '0'));
            boxed("         1 BUC x " + rightAlign(amount(r.amounts.net(k)), W - 24));
            boxed("   TVA- " + rightAlign(doc.labels[g], 7) + ": " +
                  rightAlign(amount(r.amounts.vat[g]), W - 24));
            boxed(" Valoare cu TVA: " + rightAlign(amount(r.amounts.gross[g]), W - 24));
            out.push_back(B);
        }
    }
    for (int k = 0; k < 5; ++k) {
        if (!doc.totals.shown(k))
            continue;
        const std::size_t g = static_cast<std::size_t>(k);
        out.push_back("| Val.F.TVA " + rightAlign(doc.labels[g], 4) + ": " +
                      rightAlign(amount(doc.totals.net(k)), W - 24) + "   |");
        out.push_back("|       TVA " + rightAlign(doc.labels[g], 4) + ": " +
                      rightAlign(amount(doc.totals.vat[g]), W - 24) + "   |");
    }
    out.push_back(B);
    out.push_back("|  Total cu TVA : " + rightAlign(amount(doc.totals.grossSum()) + "   ", W - 21) +
                  "|");
    out.push_back(B);
    delegateLines(out, W);
    out.push_back(B);
    return out;
}

}  // namespace vandrix::invoice
