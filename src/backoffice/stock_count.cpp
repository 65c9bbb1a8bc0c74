// The stock count.
#include "backoffice/stock_count.h"

#include <cmath>

#include "backoffice/typed_numbers.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::backoffice {

bool ignoredInCount(const std::string& code) {
    return code == "0" || code == "D" || code == "2064917385520";
}

std::optional<CountedArticle> articleOfBarcode(store::Database& db, const std::string& code) {
    if (db.scalarInteger("select count(codbar) from codbar where codbar=?", {code}) != 1)
        return std::nullopt;
    CountedArticle article;
    article.id = db.scalarText("select idarticol from codbar where codbar=?", {code});
    article.name = db.scalarText("select nume from articol where id=?", {article.id});
    return article;
}

shell::Thousandths currentStock(store::Database& db, const std::string& articleId) {
    std::string quantity, date;
    {
        auto q =
            db.query("select cantitate,data from spstoc where idart=? order by data desc limit 1;",
                     {articleId});
        if (!q.next())
            return 0;
        quantity = q.text(0);
        date = q.text(1);
    }
    auto q = db.query(
        "select ?-(select COALESCE(sum(s.cant),0) from bon as b,spbon as s where b.id=s.idbon "
        "and s.idart=? and b.databon>=datetime(?));",
        {quantity, articleId, date});
    return q.next() ? shell::thousandthsOf(q.real(0)) : 0;
}

std::string stockLine(const std::string& name, shell::Thousandths stock) {
    return name + " > " + shell::formatQuantity(stock);
}

std::optional<shell::Thousandths> countedQuantity(const std::string& typed) {
    auto quantity = readQuantity(typed);
    if (!quantity || *quantity < 0)
        return std::nullopt;
    return quantity;
}

bool recordCount(store::Database& db, const std::string& articleId, shell::Thousandths quantity,
                 const std::string& countTime) {
    const std::string text = shell::formatQuantity(quantity);
    const std::string row =
        db.scalarText("select id from spstoc where idart=? and data=?", {articleId, countTime});
    if (!row.empty())
        return db.exec("update spstoc set cantitate=? where id=?", {text, row});
    const std::string id =
        std::to_string(db.scalarInteger("select COALESCE(max(id),0) from spstoc;") + 1);
    return db.exec("insert into spstoc values (?,?,'OBS',?,?)", {id, articleId, text, countTime});
}

std::vector<CountRow> countRows(store::Database& db, const std::string& countTime) {
    std::vector<std::pair<std::string, std::string>> counted;
    {
        auto q =
            db.query("select idart,cantitate from spstoc where data=? order by id", {countTime});
        while (q.next())
            counted.emplace_back(q.text(0), q.text(1));
    }
    std::vector<CountRow> rows;
    for (const auto& [id, quantity] : counted) {
        CountRow row;
        auto q = db.query("select nume,um from articol where id=?", {id});
        if (q.next()) {
            row.name = q.text(0);
            row.unit = q.text(1);
        }
        row.quantity =
            shell::padLeft(shell::formatQuantity(shell::parseScaled(quantity, 3).value_or(0)), 7);
        rows.push_back(row);
    }
    return rows;
}

void finishCount(store::Database& db, const std::string& countTime) {
    auto q = db.query("select sum(cantitate) from spstoc where data=?", {countTime});
    const bool counted = q.next() && q.real(0) > 0;
    q = store::Query();
    if (!counted)
        return;
    const std::string id =
        std::to_string(db.scalarInteger("select COALESCE(max(id),0) from stoc;") + 1);
    db.exec("insert into stoc values (?,?,'STOC','OBS')", {id, countTime});
}

}  // namespace vandrix::backoffice
