// The stock-of-the-day report: every barcode with its article and the article's stock, the
// latest count minus what was sold since.
#include "backoffice/csv_reports.h"
#include "backoffice/report_file.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::backoffice {
namespace {

using store::Database;
using store::Query;

// The date an article that was never counted is counted from: everything it ever sold is
// taken off a stock of 0.
constexpr const char* kNeverCounted = "1970-01-01 00:00:01";

double stockOf(Database& db, const std::string& articleId) {
    double counted = 0;
    std::string since = kNeverCounted;
    {
        Query latest = db.query(
            "select COALESCE(cantitate,0) as cant,data from spstoc where idart=? order by data "
            "desc limit 1;",
            {articleId});
        if (latest.next()) {
            counted = latest.real(0);
            since = latest.text(1);
        }
    }
    Query sold = db.query(
        "select COALESCE(sum(s.cant),0) from bon as b,spbon as s where b.id=s.idbon and "
        "s.idart=? and b.databon>=datetime(?);",
        {articleId, since});
    return counted - (sold.next() ? sold.real(0) : 0);
}

}  // namespace

ReportFile writeStockReport(const std::string& databasePath, std::time_t now) {
    const std::string path = reportPath(now, "-StocLaZI.csv");
    // The barcodes are walked over one connection, the lookups run over the other.
    auto barcodes = openDatabase(databasePath);
    auto lookups = openDatabase(databasePath);
    if (!barcodes || !lookups)
        return {path, false};

    std::vector<std::string> lines = {"codbar,Articol,um,cantitate,pret"};
    Query codes =
        barcodes->query("SELECT codbar from codbar where codbar<>? and codbar<>? order by id",
                        {"D", "0"});
    while (codes.next()) {
        const std::string barcode = shell::trim(codes.text(0));
        if (lookups->scalarInteger("select count(codbar) from codbar where codbar=?", {barcode}) !=
            1)
            continue;
        const std::string articleId =
            lookups->scalarText("select idarticol from codbar where codbar=?", {barcode});
        std::string name, unit, price;
        {
            Query article =
                lookups->query("select nume,um,pret from articol where id=?", {articleId});
            if (article.next()) {
                name = article.text(0);
                unit = article.text(1);
                price = shell::money(article.real(2));
            }
        }
        lines.push_back(
            csvLine({barcode, name, unit, shell::quantity(stockOf(*lookups, articleId)), price}));
    }
    return writeReport(path, lines, platform::Encoding::Utf8);
}

}  // namespace vandrix::backoffice
