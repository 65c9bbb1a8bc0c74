// The stock-of-the-day report: every barcode with its article and the article's stock, the
// latest count minus what was sold since.
//
// The report is one statement over the whole shop rather than a few statements per barcode: the
// sales since each article's latest count are summed in one pass over the receipt lines, which
// on a shop with years of sales takes seconds where walking every article's sales one by one
// takes hours.
#include <cmath>

#include "backoffice/csv_reports.h"
#include "backoffice/report_file.h"
#include "shell/money.h"

namespace vandrix::backoffice {
namespace {

using store::Query;

// - latest: each counted article's latest count by date (of two counts at the same moment, the
//   one entered last);
// - sold: what each article sold since its latest count, or ever when it was never counted;
//   a count without a date takes nothing off;
// - codes: how many barcode rows hold each code, and the article of a code held once.
// Every barcode except the tip's "0" and the discount's "D" is listed in the order it was
// entered, trimmed of spaces; a trimmed code that is not held by exactly one row is left out.
// The article is matched to its counts and sales by the text of the barcode's article id, as
// those tables store it.
constexpr const char* kStockStatement = R"(
WITH latest AS MATERIALIZED (
    SELECT idart, cantitate, data FROM (
        SELECT idart, cantitate, data,
               row_number() OVER (PARTITION BY idart ORDER BY data DESC, id DESC) AS r
        FROM spstoc)
    WHERE r = 1),
sold AS MATERIALIZED (
    SELECT s.idart AS idart, sum(s.cant) AS cant
    FROM spbon AS s
    JOIN bon AS b ON b.id = s.idbon
    LEFT JOIN latest AS l ON l.idart = s.idart
    WHERE b.databon >= CASE WHEN l.idart IS NULL THEN datetime(?) ELSE datetime(l.data) END
    GROUP BY s.idart),
codes AS MATERIALIZED (
    SELECT codbar, count(*) AS n, COALESCE(min(idarticol), '') AS idarticol
    FROM codbar GROUP BY codbar)
SELECT trim(c.codbar, ' '), a.id IS NOT NULL, a.nume, a.um, a.pret,
       COALESCE(l.cantitate, 0), COALESCE(sold.cant, 0)
FROM codbar AS c
JOIN codes AS u ON u.codbar = trim(c.codbar, ' ') AND u.n = 1
LEFT JOIN articol AS a ON a.id = u.idarticol
LEFT JOIN latest AS l ON l.idart = u.idarticol
LEFT JOIN sold ON sold.idart = u.idarticol
WHERE c.codbar <> ? AND c.codbar <> ?
ORDER BY c.id)";

// The date an article that was never counted is counted from: everything it ever sold is
// taken off a stock of 0.
constexpr const char* kNeverCounted = "1970-01-01 00:00:01";

// A stored quantity or a sum of them, in thousandths: the quantities have three decimals, so
// the nearest thousandth is the exact value.
shell::Thousandths thousandthsOf(double value) {
    return std::isfinite(value) ? std::llround(value * 1000) : 0;
}

}  // namespace

ReportFile writeStockReport(const std::string& databasePath, std::time_t now) {
    const std::string path = reportPath(now, "-StocLaZI.csv");
    auto db = openDatabase(databasePath);
    if (!db)
        return {path, false};

    ReportWriter report(path, platform::Encoding::Utf8);
    report.line("codbar,Articol,um,cantitate,pret");
    Query rows = db->query(kStockStatement, {kNeverCounted, "D", "0"});
    if (!rows.prepared())
        return {path, false};
    while (rows.next()) {
        const bool known = rows.integer(1) != 0;
        const shell::Thousandths stock = thousandthsOf(rows.real(5)) - thousandthsOf(rows.real(6));
        report.fields({rows.text(0), rows.text(2), rows.text(3), shell::formatQuantity(stock),
                       known ? shell::formatCents(shell::scaledOr0(rows.text(4), 2)) : ""});
    }
    return report.finish();
}

}  // namespace vandrix::backoffice
