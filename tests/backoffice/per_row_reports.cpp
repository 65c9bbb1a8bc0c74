// The reports row by row: each lookup its own statement, walked over connections of their own.
#include "per_row_reports.h"

#include <cmath>

#include "backoffice/report_file.h"
#include "shell/money.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::backoffice::reference {
namespace {

using store::Database;
using store::Query;

std::string price(const std::string& stored) {
    return shell::formatCents(shell::scaledOr0(stored, 2));
}

shell::Thousandths thousandths(double value) {
    return std::llround(value * 1000);
}

}  // namespace

Lines salesReport(Database& db, const std::string& period) {
    Lines lines = {
        "eod,data,Bon,codbar,Articol,um,cantitate,pretart,pretvanz,cant*pretvanz,cotatva,cui,pos"};
    std::vector<std::vector<std::string>> receipts;
    {
        Query q = db.query("select id,databon,nrbon,cui,idpos from bon where eod=? order by id",
                           {period});
        while (q.next())
            receipts.push_back({q.text(0), q.text(1), q.text(2), q.text(3), q.text(4)});
    }
    shell::Cents sum = 0;
    for (const auto& r : receipts) {
        std::vector<std::vector<std::string>> items;
        {
            Query q =
                db.query("select idart,cant,pret from spbon where idbon=? order by id", {r[0]});
            while (q.next())
                items.push_back({q.text(0), q.text(1), q.text(2)});
        }
        for (const auto& item : items) {
            const std::string barcode = db.scalarText(
                "select codbar from codbar where idarticol=? order by id limit 1", {item[0]});
            std::string name, unit, articlePrice, vatId;
            {
                Query a = db.query("select nume,um,pret,idtva from articol where id=?", {item[0]});
                if (a.next()) {
                    name = a.text(0);
                    unit = a.text(1);
                    articlePrice = price(a.text(2));
                    vatId = a.text(3);
                }
            }
            const std::string rate = db.scalarText("select procent from tva where id=?", {vatId});
            const shell::Thousandths quantity = shell::scaledOr0(item[1], 3);
            const shell::Cents salePrice = shell::scaledOr0(item[2], 2);
            shell::Cents value = shell::lineValue(salePrice, quantity);
            if (item[0] == "-1" && salePrice >= 0) {
                Query t = db.query("select sum(cant*pret) from spbon where idbon=? and idart<>'-1'",
                                   {r[0]});
                const shell::Cents base = t.next() ? std::llround(t.real(0) * 100) : 0;
                value = -shell::percentOf(base, value);
            }
            sum += value;
            lines.push_back(
                csvLine({period, r[1], r[2], barcode, name, unit, shell::formatQuantity(quantity),
                         articlePrice, shell::formatCents(salePrice), shell::formatCents(value),
                         rate, r[3], r[4]}));
        }
    }
    lines.push_back(",,,,,,,,Total," + shell::formatCents(sum));
    return lines;
}

Lines stockReport(Database& db) {
    Lines lines = {"codbar,Articol,um,cantitate,pret"};
    std::vector<std::string> codes;
    {
        Query q =
            db.query("select codbar from codbar where codbar<>'D' and codbar<>'0' order by id");
        while (q.next())
            codes.push_back(shell::trim(q.text(0)));
    }
    for (const std::string& code : codes) {
        if (db.scalarInteger("select count(codbar) from codbar where codbar=?", {code}) != 1)
            continue;
        const std::string id = db.scalarText("select idarticol from codbar where codbar=?", {code});
        std::string name, unit, articlePrice;
        {
            Query a = db.query("select nume,um,pret from articol where id=?", {id});
            if (a.next()) {
                name = a.text(0);
                unit = a.text(1);
                articlePrice = price(a.text(2));
            }
        }
        shell::Thousandths counted = 0;
        std::string since = "1970-01-01 00:00:01";
        {
            Query latest = db.query(
                "select COALESCE(cantitate,0),data from spstoc where idart=? order by data desc, "
                "id desc limit 1",
                {id});
            if (latest.next()) {
                counted = thousandths(latest.real(0));
                since = latest.text(1);
            }
        }
        Query sold = db.query(
            "select COALESCE(sum(s.cant),0) from bon as b,spbon as s where b.id=s.idbon and "
            "s.idart=? and b.databon>=datetime(?)",
            {id, since});
        const shell::Thousandths stock = counted - (sold.next() ? thousandths(sold.real(0)) : 0);
        lines.push_back(csvLine({code, name, unit, shell::formatQuantity(stock), articlePrice}));
    }
    return lines;
}

Lines receiptPrices(Database& db) {
    Lines lines = {"EOD,NrBon,Databon,Numeart,Cantitate,PretArt,PretVanz,Diferenta"};
    Query q = db.query(
        "select b.id,b.idart,b.cant,b.pret,c.eod,c.nrbon,c.databon from spbon as b,bon as c "
        "where b.idbon=c.id order by b.id");
    while (q.next()) {
        // The line's article, when its price differs from the line's (compared as stored).
        Query a = db.query(
            "select nume,pret from articol where id=? and pret<>(select pret from spbon where "
            "id=?)",
            {q.text(1), q.text(0)});
        if (!a.next())
            continue;
        const shell::Cents articlePrice = shell::scaledOr0(a.text(1), 2);
        const shell::Cents salePrice = shell::scaledOr0(q.text(3), 2);
        const shell::Thousandths quantity = shell::scaledOr0(q.text(2), 3);
        lines.push_back(
            csvLine({q.text(4), q.text(5), q.text(6), a.text(0), shell::formatQuantity(quantity),
                     shell::formatCents(articlePrice), shell::formatCents(salePrice),
                     shell::formatCents(shell::lineValue(salePrice - articlePrice, quantity))}));
    }
    return lines;
}

Lines priceHistory(Database& db) {
    Lines lines = {"DataModificare,Numeart,PretModificat,IDCotaTVA"};
    Query q =
        db.query("select datamodificare,idart,pret,idcotatva from modificaripret order by id");
    while (q.next()) {
        const std::string name = db.scalarText("select nume from articol where id=?", {q.text(1)});
        if (db.scalarInteger("select count(*) from articol where id=?", {q.text(1)}) == 0)
            continue;
        lines.push_back(csvLine({q.text(0), name, price(q.text(2)), q.text(3)}));
    }
    return lines;
}

}  // namespace vandrix::backoffice::reference
