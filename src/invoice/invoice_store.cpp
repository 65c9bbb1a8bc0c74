// The invoices in the database.
#include "invoice/invoice_store.h"

#include <array>

#include "shell/money.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::invoice {

namespace {

constexpr const char* kBuyerWhere = " where cui = ? or cui = ?";

store::Params codeParams(const std::string& code) {
    return {code, "RO" + code};
}

}  // namespace

std::vector<ReceiptRow> receiptsBetween(store::Database& db, const std::string& from,
                                        const std::string& to, bool cancelledFree) {
    const std::string invoiced =
        cancelledFree ? "(select b.seriefact from fact as b,spfact as c where c.idfact=b.id and "
                        "c.idbon=a.id and (b.valoare<>'-1.00' or b.valoare is null))"
                      : "(select b.seriefact from fact as b,spfact as c where c.idfact=b.id and "
                        "c.idbon=a.id)";
    auto q = db.query("select a.nrbon,a.databon,a.valbon,a.eod,a.id," + invoiced +
                          " from bon as a where databon<=? and databon>=? order by a.databon,a.id;",
                      {to + " 23:59:59", from + " 00:00:00"});
    std::vector<ReceiptRow> rows;
    while (q.next())
        rows.push_back({q.text(0), q.text(1), q.text(2), q.text(3), q.text(4), q.text(5)});
    return rows;
}

ReceiptDates receiptDates(store::Database& db) {
    auto q = db.query("select max(databon),min(databon) from bon;");
    if (!q.next())
        return {};
    return {q.text(1), q.text(0)};
}

std::string proposedInvoiceNumber(store::Database& db) {
    auto q = db.query(
        "select nrfact,seriefact1,seriefact2,seriefact from fact where id<>'0' order by id desc;");
    if (!q.next())
        return "";
    return nextInvoiceNumber(q.text(1), q.text(2), q.text(3));
}

long long buyerCount(store::Database& db, const std::string& code) {
    return db.scalarInteger(std::string("select count(*) from partener") + kBuyerWhere + ";",
                            codeParams(code));
}

std::optional<Buyer> buyerWithCode(store::Database& db, const std::string& code) {
    auto q = db.query(std::string("select cui,denumire,adresa,j,banca,cont,sofer,ci from "
                                  "partener") +
                          kBuyerWhere + ";",
                      codeParams(code));
    if (!q.next())
        return std::nullopt;
    return Buyer{shell::trim(q.text(0)), shell::trim(q.text(1)), shell::trim(q.text(2)),
                 shell::trim(q.text(3)), shell::trim(q.text(4)), shell::trim(q.text(5)),
                 shell::trim(q.text(6)), shell::trim(q.text(7))};
}

bool storeBuyer(store::Database& db, const std::string& code, const Buyer& b) {
    const long long count = buyerCount(db, code);
    if (count == 1) {
        store::Params params = {b.name,   b.address,  b.registerNumber, b.bank,      b.account,
                                b.driver, b.identity, b.county,         b.postalCode};
        params.push_back(code);
        params.push_back("RO" + code);
        return db.exec(
            "update partener set denumire = ?, adresa = ?, j = ?, banca = ?, cont = "
            "?, sofer = ?, ci = ?, judet = COALESCE(NULLIF(?,''),judet), codpostal = "
            "COALESCE(NULLIF(?,''),codpostal)  where cui = ? or cui = ?",
            params);
    }
    if (count > 1)
        return true;
    const std::string id = std::to_string(db.scalarInteger("select max(id)+1 from partener;"));
    return db.exec(
        "insert into partener (id,cui,denumire,adresa,j,banca,cont,sofer,ci,judet,codpostal) "
        "values (?,?,?,?,?,?,?,?,?,?,?);",
        {id, b.cui, b.name, b.address, b.registerNumber, b.bank, b.account, b.driver, b.identity,
         b.county, b.postalCode});
}

std::string buyerId(store::Database& db, const std::string& code) {
    auto q = db.query(std::string("select id from partener") + kBuyerWhere + ";", codeParams(code));
    if (!q.next())
        return "";
    const std::string id = q.text(0);
    return q.next() ? "" : id;
}

bool invoiceExists(store::Database& db, const std::string& number) {
    return db.scalarInteger("select count(*) from fact where valoare is null and seriefact=?",
                            {number}) > 0;
}

SaveResult saveInvoice(store::Database& db, const InvoiceNumber& number, const std::string& buyerId,
                       const std::string& date, const std::vector<std::string>& receiptIds) {
    SaveResult result;
    result.saved = db.transaction([&] {
        const std::string id =
            std::to_string(db.scalarInteger("select COALESCE(max(id),0)+1 from fact;"));
        result.id = id;
        if (!db.exec("insert into fact (id,nrfact,seriefact1,seriefact2,seriefact,idpart,data) "
                     "values (?,?,?,?,?,?,?);",
                     {id, number.digits, number.prefix, number.suffix, number.whole(), buyerId,
                      date + " 00:00:00"}))
            return false;
        // Each group's VAT and gross summed exactly, in cents, over the invoice's receipts.
        std::array<shell::Cents, 10> sums{};
        long long nextLine = db.scalarInteger("select COALESCE(max(id),0)+1 from spfact;");
        for (const std::string& receipt : receiptIds) {
            store::Params values;
            {
                auto q = db.query(
                    "select tva1,tva2,tva3,tva4,tva5,brut1,brut2,brut3,brut4,brut5 "
                    "from bon where id = ?",
                    {receipt});
                if (!q.next())
                    return false;
                for (int k = 0; k < 10; ++k) {
                    values.push_back(q.text(k));
                    sums[static_cast<std::size_t>(k)] += shell::scaledOr0(q.text(k), 2);
                }
            }
            store::Params row = {std::to_string(nextLine++), receipt, id};
            row.insert(row.end(), values.begin(), values.end());
            if (!db.exec("insert into spfact (id,idbon,idfact,tva1,tva2,tva3,tva4,tva5,brut1,"
                         "brut2,brut3,brut4,brut5) values (?,?,?,?,?,?,?,?,?,?,?,?,?);",
                         row))
                return false;
        }
        store::Params totals;
        for (shell::Cents sum : sums)
            totals.push_back(shell::formatCents(sum));
        totals.push_back(id);
        return db.exec(
            "update fact set tva1=?, tva2=?, tva3=?, tva4=?, tva5=?, brut1=?, brut2=?, "
            "brut3=?, brut4=?, brut5=? where id=?;",
            totals);
    });
    if (!result.saved)
        result.failure = db.lastError();
    return result;
}

std::vector<InvoiceRow> invoices(store::Database& db, const std::string& search) {
    std::string sql =
        "select a.seriefact,a.brut1+a.brut2+a.brut3+a.brut4+a.brut5,a.data,b.denumire,b.cui,b.j,"
        "a.id,a.valoare from fact as a,partener as b where a.idpart=b.id";
    store::Params params;
    if (!search.empty()) {
        sql +=
            " and (a.seriefact like ? or b.denumire like ? or b.cui like ? or a.data like ? "
            "or b.j like ?)";
        params.assign(5, "%" + search + "%");
    }
    auto q = db.query(sql + " order by a.id;", params);
    std::vector<InvoiceRow> rows;
    while (q.next())
        rows.push_back({q.text(6), q.text(0), q.text(3), q.text(4), q.text(5), q.text(2), q.text(1),
                        q.isNull(7) ? "" : q.text(7)});
    return rows;
}

bool cancelInvoice(store::Database& db, const std::string& id) {
    return db.exec("update fact set valoare='-1.00' where id=?", {id});
}

}  // namespace vandrix::invoice
