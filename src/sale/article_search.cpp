// The article search's statements: the matching articles, then each one's stock.
#include "sale/article_search.h"

#include <cmath>

#include "shell/money.h"
#include "store/database.h"

namespace vandrix::sale {
namespace {

using store::Query;

// The date an article that was never counted is counted from.
constexpr const char* kNeverCounted = "1970-01-01 00:00:01";

shell::Thousandths thousandthsOf(double value) {
    return std::isfinite(value) ? std::llround(value * 1000) : 0;
}

std::string stockOf(store::Database& db, const std::string& articleId) {
    shell::Thousandths counted = 0;
    std::string since = kNeverCounted;
    {
        Query latest = db.query(
            "select COALESCE(cantitate,0) as cant,data from spstoc where idart=? order by data "
            "desc, id desc limit 1;",
            {articleId});
        if (latest.next()) {
            counted = thousandthsOf(latest.real(0));
            if (!latest.text(1).empty())
                since = latest.text(1);
        }
    }
    Query sold = db.query(
        "select COALESCE(sum(s.cant),0) from bon as b,spbon as s where b.id=s.idbon and "
        "s.idart=? and b.databon>=datetime(?);",
        {articleId, since});
    return shell::formatQuantity(counted - (sold.next() ? thousandthsOf(sold.real(0)) : 0));
}

}  // namespace

std::vector<FoundArticle> searchArticles(store::Database& db, const std::string& text) {
    std::vector<FoundArticle> found;
    // Letters, not bytes: a letter with a diacritic is two bytes of UTF-8.
    std::size_t letters = 0;
    for (unsigned char c : text)
        letters += (c & 0xC0) != 0x80;
    if (letters < kSearchMinimum)
        return found;
    {
        Query rows = db.query(
            "select distinct a.*, c.codbar from articol as a, codbar as c where (a.nume like "
            "'%'||?||'%' or c.codbar like '%'||?||'%') and a.id=c.idarticol and c.codbar<>'0' and "
            "c.codbar<>'D' group by a.nume order by a.nume ASC;",
            {text, text});
        while (rows.next())
            found.push_back({rows.text(0), rows.text(1), rows.text(2),
                             shell::formatCents(shell::scaledOr0(rows.text(3), 2)), rows.text(4),
                             rows.text(7), rows.text(5), "", ""});
    }
    for (FoundArticle& article : found)
        article.stock = stockOf(db, article.id);
    return found;
}

}  // namespace vandrix::sale
