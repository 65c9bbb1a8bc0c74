// The article search's statements: the articles whose name holds the text and those with a
// barcode that holds it, each found by one pass over its table; then each one's row, one of its
// barcodes and its stock.
#include "sale/article_search.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "shell/money.h"
#include "store/database.h"

namespace vandrix::sale {
namespace {

using store::Query;

// The date an article that was never counted is counted from.
constexpr const char* kNeverCounted = "1970-01-01 00:00:01";

std::string stockOf(store::Database& db, const std::string& articleId) {
    shell::Thousandths counted = 0;
    std::string since = kNeverCounted;
    {
        Query latest = db.query(
            "select COALESCE(cantitate,0) as cant,data from spstoc where idart=? order by data "
            "desc, id desc limit 1;",
            {articleId});
        if (latest.next()) {
            counted = shell::thousandthsOf(latest.real(0));
            if (!latest.text(1).empty())
                since = latest.text(1);
        }
    }
    Query sold = db.query(
        "select COALESCE(sum(s.cant),0) from bon as b,spbon as s where b.id=s.idbon and "
        "s.idart=? and b.databon>=datetime(?);",
        {articleId, since});
    return shell::formatQuantity(counted - (sold.next() ? shell::thousandthsOf(sold.real(0)) : 0));
}

std::size_t letterCount(const std::string& text) {
    std::size_t letters = 0;
    for (unsigned char c : text)
        letters += (c & 0xC0) != 0x80;  // a letter with a diacritic is two bytes of UTF-8
    return letters;
}

}  // namespace

std::vector<FoundArticle> searchArticles(store::Database& db, const std::string& text) {
    std::vector<FoundArticle> found;
    if (letterCount(text) < kSearchMinimum)
        return found;
    // The articles whose barcode holds the text, with the first such code; then those whose
    // name holds it, with their first code (the tip's "0" and the discount's "D" never count).
    std::map<std::string, std::string> codeOf;  // article id -> barcode shown
    {
        Query codes = db.query(
            "select idarticol,codbar from codbar where codbar like '%'||?||'%' and codbar<>'0' "
            "and codbar<>'D' order by id",
            {text});
        while (codes.next())
            codeOf.emplace(codes.text(0), codes.text(1));
    }
    {
        Query named = db.query(
            "select a.id,(select c.codbar from codbar as c where c.idarticol=cast(a.id as text) "
            "and c.codbar<>'0' and c.codbar<>'D' order by c.id limit 1) from articol as a where "
            "a.nume like '%'||?||'%'",
            {text});
        while (named.next())
            if (!named.isNull(1))
                codeOf.emplace(named.text(0), named.text(1));
    }
    // One row per name, in name order.
    std::map<std::string, FoundArticle> byName;
    for (const auto& [id, code] : codeOf) {
        Query a = db.query("select * from articol where id=?", {id});
        if (!a.next())
            continue;
        byName.emplace(a.text(1), FoundArticle{a.text(0), a.text(1), a.text(2),
                                               shell::formatCents(shell::scaledOr0(a.text(3), 2)),
                                               a.text(4), code, a.text(5), "", ""});
    }
    for (auto& [name, article] : byName) {
        article.stock = stockOf(db, article.id);
        found.push_back(std::move(article));
    }
    return found;
}

}  // namespace vandrix::sale
