// The price-difference reports: the receipt lines sold at another price than the article's
// current one, and the price history of the articles as the back office recorded it. Both are
// written as their rows are read: a shop with years of sales has hundreds of thousands of them.
#include "backoffice/csv_reports.h"
#include "backoffice/report_file.h"
#include "shell/money.h"

namespace vandrix::backoffice {
namespace {

using store::Database;
using store::Query;

shell::Cents centsOf(const std::string& stored) {
    return shell::scaledOr0(stored, 2);
}

ReportFile writeReceiptPrices(Database& db, const std::string& path) {
    ReportWriter report(path, platform::Encoding::Utf8);
    report.line("EOD,NrBon,Databon,Numeart,Cantitate,PretArt,PretVanz,Diferenta");
    // The receipt lines in the order they were sold, each with its article's current price;
    // the prices are looked up in memory, the line's receipt and the article's name only for
    // the lines sold at another price.
    if (!db.defineRowLookup("pret_articol", "articol", "pret"))
        return {path, false};
    Query sold = db.query(
        "select pret_articol(b.idart),b.pret,b.idbon,c.databon,(select nume from articol where "
        "id=b.idart),c.nrbon,c.eod,b.cant from spbon as b not indexed,bon as c where "
        "pret_articol(b.idart)<>b.pret and b.idbon=c.id order by b.id;");
    if (!sold.prepared())
        return {path, false};
    while (sold.next()) {
        const shell::Cents articlePrice = centsOf(sold.text(0));
        const shell::Cents salePrice = centsOf(sold.text(1));
        const shell::Thousandths quantity = shell::scaledOr0(sold.text(7), 3);
        // (sale price - article price) x quantity, exact, rounded once to the cent.
        const shell::Cents difference = shell::lineValue(salePrice - articlePrice, quantity);
        report.fields({sold.text(6), sold.text(5), sold.text(3), sold.text(4),
                       shell::formatQuantity(quantity), shell::formatCents(articlePrice),
                       shell::formatCents(salePrice), shell::formatCents(difference)});
    }
    return report.finish();
}

ReportFile writePriceHistory(Database& db, const std::string& path) {
    ReportWriter report(path, platform::Encoding::Ansi);
    report.line("DataModificare,Numeart,PretModificat,IDCotaTVA");
    Query changes = db.query(
        "select b.datamodificare,a.nume,b.pret,b.idcotatva from articol as a,modificaripret as "
        "b where a.id=b.idart order by b.id");
    if (!changes.prepared())
        return {path, false};
    while (changes.next())
        report.fields({changes.text(0), changes.text(1),
                       shell::formatCents(centsOf(changes.text(2))), changes.text(3)});
    return report.finish();
}

}  // namespace

PriceDifferenceReports writePriceDifferenceReports(const std::string& databasePath,
                                                   std::time_t now) {
    const std::string receiptsPath = reportPath(now, "-modificarepretbon.csv");
    const std::string historyPath = reportPath(now, "-modificarepretadmin.csv");
    auto db = openDatabase(databasePath);
    if (!db)
        return {{receiptsPath, false}, {historyPath, false}};
    return {writeReceiptPrices(*db, receiptsPath), writePriceHistory(*db, historyPath)};
}

}  // namespace vandrix::backoffice
