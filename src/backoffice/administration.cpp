// The administration's lists, checks and statements.
#include "backoffice/administration.h"

#include <algorithm>

#include "backoffice/typed_numbers.h"
#include "shell/money.h"
#include "store/database.h"

namespace vandrix::backoffice {

namespace {

std::vector<ArticleRow> articleRows(store::Query q) {
    std::vector<ArticleRow> rows;
    while (q.next()) {
        const auto price = shell::parseScaled(q.text(3), 2);
        rows.push_back({q.text(0), q.text(1), q.text(2),
                        price ? shell::formatCents(*price) : q.text(3), q.text(5), q.text(6),
                        q.text(4)});
    }
    return rows;
}

std::vector<BarcodeRow> barcodeRows(store::Query q) {
    std::vector<BarcodeRow> rows;
    while (q.next())
        rows.push_back({q.text(0), q.text(1), q.text(2)});
    return rows;
}

long long maxId(store::Database& db, const char* table) {
    return db.scalarInteger(std::string("Select COALESCE(max(id),0) from ") + table + ";");
}

Outcome failed(store::Database& db, const std::string& what) {
    return {false, what + " nu a putut fi salvat.\r\nBaza de date: " + db.lastError() + "\r\n\r\n"};
}

std::string articleCount(long long n) {
    return n == 1 ? "1 articol" : std::to_string(n) + " articole";
}

}  // namespace

std::vector<ArticleRow> articlesNamed(store::Database& db, const std::string& text) {
    return articleRows(
        db.query("Select id,nume,um,pret,idgrupa,idtva,obs from articol where nume like ? and id>0 "
                 "order by id;",
                 {"%" + text + "%"}));
}

std::vector<BarcodeRow> barcodesEqual(store::Database& db, const std::string& code) {
    return barcodeRows(
        db.query("Select id,codbar,idarticol from codbar where codbar = ? and id>3;", {code}));
}

std::vector<BarcodeRow> barcodesOfArticle(store::Database& db, const std::string& articleId) {
    return barcodeRows(db.query(
        "Select id,codbar,idarticol from codbar where idarticol=? order by id;", {articleId}));
}

std::vector<ArticleRow> articleWithId(store::Database& db, const std::string& id) {
    return articleRows(
        db.query("Select id,nume,um,pret,idgrupa,idtva,obs from articol where id =?;", {id}));
}

std::vector<VatRate> vatRates(store::Database& db) {
    std::vector<VatRate> rates;
    auto q = db.query("Select id,procent from tva order by id;");
    while (q.next())
        rates.push_back({q.text(0), q.text(1)});
    return rates;
}

std::vector<GroupRow> groups(store::Database& db) {
    std::vector<GroupRow> rows;
    auto q = db.query("Select id,denumire,shortcut from grupa where id>=2 order by id;");
    while (q.next())
        rows.push_back({q.text(0), q.text(1), q.text(2)});
    return rows;
}

std::string nextArticleId(store::Database& db) {
    return std::to_string(maxId(db, "articol") + 1);
}

std::optional<std::string> freeVatId(store::Database& db) {
    for (int id = 1; id <= 5; ++id)
        if (db.scalarInteger("select count(*) from tva where id=?;", {std::to_string(id)}) == 0)
            return std::to_string(id);
    return std::nullopt;
}

std::string proposedGroupId(store::Database& db) {
    return std::to_string(std::min(maxId(db, "grupa") + 1, 9LL));
}

Outcome saveArticle(store::Database& db, const ArticleEdit& edit, bool adding,
                    const std::string& now) {
    if (edit.barcode.empty())
        return {false, kNoBarcode};
    const bool knownBarcode =
        db.scalarInteger("select count(*) from codbar where codbar=?;", {edit.barcode}) > 0;
    if (edit.id.empty() || edit.name.empty() || edit.price.empty())
        return {false, kCannotSave};
    // The price is sold as it is stored: it must be a number, typed with a point or a comma.
    const auto price = readPrice(edit.price);
    if (!price)
        return {false, "Pretul \"" + edit.price +
                           "\" nu este un numar.\r\nScrieti pretul cu virgula sau punct, de "
                           "exemplu 12,50.\r\n\r\n"};
    // The line reaches the fiscal printer in the article's VAT group: one of its groups 1 to 5.
    const long long vat = leadingNumber(edit.vatId);
    if (vat < 1 || vat > 5)
        return {false,
                "Alegeti cota TVA a articolului.\r\nCasa de marcat are cotele de TVA 1 - "
                "5.\r\n\r\n"};
    if (adding && knownBarcode)
        return {false, kCannotSave};
    const std::string storedPrice = priceText(*price);
    const std::string barcodeId = std::to_string(maxId(db, "codbar") + 1);
    const bool stored = db.transaction([&] {
        bool historyDue = adding;
        if (adding) {
            if (!db.exec("Insert into codbar values (?,?,?);",
                         {barcodeId, edit.barcode, edit.id}) ||
                !db.exec("Insert into articol values (?,?,?,?,?,?,?);",
                         {edit.id, edit.name, edit.unit, storedPrice, edit.groupId, edit.vatId,
                          edit.remark}))
                return false;
        } else {
            auto q = db.query("select pret,idtva from articol where id = ?", {edit.id});
            std::string oldPrice, oldVat;
            if (q.next()) {
                oldPrice = q.text(0);
                oldVat = q.text(1);
            }
            q = store::Query();
            const auto before = readPrice(oldPrice);
            historyDue = !before || *before != *price || leadingNumber(oldVat) != vat;
            if (!db.exec("update articol set nume=?,um=?,pret=?,idgrupa=?,idtva=?,obs=? where "
                         "id=?;",
                         {edit.name, edit.unit, storedPrice, edit.groupId, edit.vatId, edit.remark,
                          edit.id}))
                return false;
            if (!knownBarcode &&
                !db.exec("Insert into codbar values (?,?,?);", {barcodeId, edit.barcode, edit.id}))
                return false;
        }
        return !historyDue ||
               db.exec(
                   "insert into modificaripret (idart,idcotatva,pret,datamodificare) values "
                   "(?,?,?,?)",
                   {edit.id, edit.vatId, storedPrice, now});
    });
    if (!stored)
        return failed(db, "Articolul");
    return {true, ""};
}

Outcome articleDeletable(store::Database& db, const std::string& id, std::string& name) {
    name = db.scalarText("select nume from articol where id=?;", {id});
    if (db.scalarInteger("select count(*) from spbon where idart = ?;", {id}) > 0)
        return {false, "Nu putem sterge articolul " + name +
                           "\r\n\r\nArticolul a avut vanzare pe baza de date\r\nNu putem "
                           "compromite integritatea bazei de date\r\n"};
    return {true, ""};
}

Outcome deleteArticle(store::Database& db, const std::string& id) {
    const bool deleted = db.transaction([&] {
        return db.exec("delete from codbar where idarticol=?", {id}) &&
               db.exec("delete from articol where id=?", {id});
    });
    return deleted ? Outcome{true, ""} : failed(db, "Articolul");
}

Outcome saveVatRate(store::Database& db, const std::string& id, const std::string& percent,
                    bool adding) {
    if (id.empty() || percent.empty())
        return {false, kCannotSave};
    const long long n = leadingNumber(id);
    if (n < 1 || n > 5)
        return {false, "Casa de marcat are doar cotele de TVA 1 - 5.\r\n\r\n"};
    const bool stored = adding ? db.exec("Insert into tva values (?,?);", {id, percent})
                               : db.exec("Update TVA set procent=? where id=?;", {percent, id});
    return stored ? Outcome{true, ""} : failed(db, "Cota TVA");
}

Outcome vatRateDeletable(store::Database& db, const std::string& id, const std::string& percent) {
    const long long users = db.scalarInteger(
        "select count(*) from articol where cast(idtva as integer)=cast(? as integer);", {id});
    if (users > 0)
        return {false, "Nu putem sterge cota TVA " + percent + ".\r\nO folosesc " +
                           articleCount(users) + ".\r\n\r\n"};
    return {true, ""};
}

Outcome deleteVatRate(store::Database& db, const std::string& id) {
    return db.exec("delete from tva where id=?", {id}) ? Outcome{true, ""} : failed(db, "Cota TVA");
}

Outcome saveGroup(store::Database& db, const std::string& id, const std::string& name,
                  bool shortcut, bool adding) {
    if (id.empty() || name.empty())
        return {false, kCannotSaveGroup};
    const std::string flag = shortcut ? "DA" : "NU";
    if (adding) {
        if (db.scalarInteger("select count(*) from grupa where id=?;", {id}) > 0)
            return {false, "Grupa " + id +
                               " exista deja.\r\nPot fi cel mult 9 grupe: modificati sau "
                               "stergeti o grupa existenta.\r\n\r\n"};
        if (!db.exec("Insert into grupa values (?,?,?);", {id, name, flag}))
            return failed(db, "Grupa");
    } else if (!db.exec("Update grupa set denumire=?,shortcut=? where id=?;", {name, flag, id})) {
        return failed(db, "Grupa");
    }
    return {true, ""};
}

Outcome groupDeletable(store::Database& db, const std::string& id, const std::string& name) {
    const long long users = db.scalarInteger(
        "select count(*) from articol where cast(idgrupa as integer)=cast(? as integer);", {id});
    if (users > 0)
        return {false, "Nu putem sterge grupa " + name + ".\r\nO folosesc " + articleCount(users) +
                           ".\r\n\r\n"};
    return {true, ""};
}

Outcome deleteGroup(store::Database& db, const std::string& id) {
    return db.exec("delete from grupa where id=?", {id}) ? Outcome{true, ""} : failed(db, "Grupa");
}

}  // namespace vandrix::backoffice
