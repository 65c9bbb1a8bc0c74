// The stock-of-the-day report: every barcode with its article and the article's stock, the
// latest count minus what was sold since.
//
// The report reads the whole shop in two passes rather than a few statements per barcode: the
// sales since each article's latest count are summed in one pass over the receipt lines, then
// the barcodes are listed with their articles and counts. On a shop with years of sales that
// takes seconds where walking every article's sales one by one takes hours.
#include <cmath>
#include <string>
#include <unordered_map>

#include "backoffice/csv_reports.h"
#include "backoffice/report_file.h"
#include "shell/money.h"

namespace vandrix::backoffice {
namespace {

using store::Query;

// Each counted article's latest count by date (of two counts at the same moment, the one
// entered last), with the moment its sales are counted from.
constexpr const char* kLatestCounts =
    "WITH latest AS MATERIALIZED ("
    "  SELECT idart, cantitate, since FROM ("
    "    SELECT idart, cantitate, datetime(data) AS since,"
    "           row_number() OVER (PARTITION BY idart ORDER BY data DESC, id DESC) AS r"
    "    FROM spstoc)"
    "  WHERE r = 1) ";

// The receipt lines sold since their article's latest count, or ever when it was never counted
// (a count without a date takes nothing off). The lines are read in the order they were stored,
// so each receipt is found next to the previous one: one pass over the file instead of a jump
// for every line.
constexpr const char* kSold =
    "SELECT s.idart, s.cant FROM spbon AS s NOT INDEXED "
    "JOIN bon AS b ON b.id = s.idbon "
    "LEFT JOIN latest AS l ON l.idart = s.idart "
    "WHERE b.databon >= CASE WHEN l.idart IS NULL THEN datetime(?) ELSE l.since END";

// Every barcode except the tip's "0" and the discount's "D", in the order it was entered, trimmed
// of spaces; a trimmed code that is not held by exactly one row is left out. With it its
// article's fields and latest counted quantity; the article is matched to its counts and sales
// by the text of the barcode's article id, as those tables store it.
constexpr const char* kBarcodes =
    ", codes AS MATERIALIZED ("
    "  SELECT codbar, count(*) AS n, COALESCE(min(idarticol), '') AS idarticol"
    "  FROM codbar GROUP BY codbar) "
    "SELECT trim(c.codbar, ' '), a.id IS NOT NULL, a.nume, a.um, a.pret, "
    "       COALESCE(l.cantitate, 0), u.idarticol "
    "FROM codbar AS c "
    "JOIN codes AS u ON u.codbar = trim(c.codbar, ' ') AND u.n = 1 "
    "LEFT JOIN articol AS a ON a.id = u.idarticol "
    "LEFT JOIN latest AS l ON l.idart = u.idarticol "
    "WHERE c.codbar <> ? AND c.codbar <> ? "
    "ORDER BY c.id";

// The date an article that was never counted is counted from: everything it ever sold is
// taken off a stock of 0.
constexpr const char* kNeverCounted = "1970-01-01 00:00:01";

}  // namespace

ReportFile writeStockReport(const std::string& databasePath, std::time_t now) {
    const std::string path = reportPath(now, "-StocLaZI.csv");
    auto db = openDatabase(databasePath);
    if (!db)
        return {path, false};

    // What each article sold since its count, summed in the order the lines were stored.
    std::unordered_map<std::string, double> sold;
    {
        Query lines = db->query(std::string(kLatestCounts) + kSold, {kNeverCounted});
        if (!lines.prepared())
            return {path, false};
        while (lines.next())
            sold[lines.text(0)] += lines.real(1);
    }

    ReportWriter report(path, platform::Encoding::Utf8);
    report.line("codbar,Articol,um,cantitate,pret");
    Query rows = db->query(std::string(kLatestCounts) + kBarcodes, {"D", "0"});
    if (!rows.prepared())
        return {path, false};
    while (rows.next()) {
        const bool known = rows.integer(1) != 0;
        const auto sales = sold.find(rows.text(6));
        const shell::Thousandths stock =
            shell::thousandthsOf(rows.real(5)) -
            (sales == sold.end() ? 0 : shell::thousandthsOf(sales->second));
        report.fields({rows.text(0), rows.text(2), rows.text(3), shell::formatQuantity(stock),
                       known ? shell::formatCents(shell::scaledOr0(rows.text(4), 2)) : ""});
    }
    return report.finish();
}

}  // namespace vandrix::backoffice
