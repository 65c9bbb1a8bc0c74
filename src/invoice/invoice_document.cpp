// An invoice read for its documents.
#include "invoice/invoice_document.h"

#include "invoice/invoice_rules.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "platform/utf8.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::invoice {

namespace {

GroupAmounts amountsOf(store::Query& q, int firstVat) {
    GroupAmounts a;
    for (int k = 0; k < 5; ++k) {
        a.vat[static_cast<std::size_t>(k)] = shell::scaledOr0(q.text(firstVat + k), 2);
        a.gross[static_cast<std::size_t>(k)] = shell::scaledOr0(q.text(firstVat + 5 + k), 2);
    }
    return a;
}

}  // namespace

shell::Cents GroupAmounts::grossSum() const {
    shell::Cents sum = 0;
    for (shell::Cents g : gross)
        sum += g;
    return sum;
}

std::string firstLetters(const std::string& text, int n) {
    std::u32string letters = platform::decodeUtf8(text);
    if (n < 0)
        n = 0;
    if (letters.size() > static_cast<std::size_t>(n))
        letters.resize(static_cast<std::size_t>(n));
    return platform::encodeUtf8(letters);
}

std::string fromLetter(const std::string& text, int n) {
    std::u32string letters = platform::decodeUtf8(text);
    if (n < 0)
        n = 0;
    if (letters.size() <= static_cast<std::size_t>(n))
        return "";
    return platform::encodeUtf8(letters.substr(static_cast<std::size_t>(n)));
}

int letterCount(const std::string& text) {
    return platform::utf8LetterCount(text);
}

Party readSeller(const std::string& path) {
    if (!platform::fileExists(path)) {
        if (!platform::writeWholeFile(path, ""))
            return {};
    }
    auto lines = platform::readLines(path, platform::Encoding::Ansi);
    Party seller;
    if (!lines)
        return seller;
    for (std::size_t i = 0; i < lines->size(); i += 4) {
        auto line = [&](std::size_t k) {
            return i + k < lines->size() ? (*lines)[i + k] : std::string();
        };
        seller = {line(0), line(1), line(2), line(3)};
    }
    return seller;
}

InvoiceDocument readInvoice(store::Database& db, const std::string& id, const Party& seller) {
    InvoiceDocument doc;
    doc.seller = seller;
    {
        auto q = db.query("select id,procent from tva");
        while (q.next()) {
            const long long k = q.integer(0);
            if (k >= 1 && k <= 4)
                doc.labels[static_cast<std::size_t>(k - 1)] =
                    shell::rightAlign(q.text(1), 2, '0') + "%";
            else if (k == 5)
                doc.labels[4] = q.text(1);
        }
    }
    std::string buyerId;
    {
        auto q = db.query(
            "select seriefact,idpart,data,tva1,tva2,tva3,tva4,tva5,brut1,brut2,"
            "brut3,brut4,brut5 from fact where id = ?",
            {id});
        if (q.next()) {
            doc.series = q.text(0);
            buyerId = q.text(1);
            doc.date = shownDate(q.text(2));
            doc.totals = amountsOf(q, 3);
        }
    }
    {
        auto q = db.query("select denumire,adresa,cui,j from partener where id = ?", {buyerId});
        if (q.next())
            doc.buyer = {q.text(0), q.text(2), q.text(3), q.text(1)};
    }
    auto q = db.query(
        "select b.nrbon,b.databon,b.eod,b.idpos,a.tva1,a.tva2,a.tva3,a.tva4,a.tva5,"
        "a.brut1,a.brut2,a.brut3,a.brut4,a.brut5 from spfact as a,bon as b where "
        "a.idbon=b.id and a.idfact = ? order by a.id",
        {id});
    while (q.next())
        doc.receipts.push_back({q.text(0), q.text(2), shownDate(q.text(1)), amountsOf(q, 4)});
    return doc;
}

}  // namespace vandrix::invoice
