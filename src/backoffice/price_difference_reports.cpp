// The price-difference reports: the receipt lines sold at another price than the article's
// current one, and the price history of the articles as the back office recorded it.
#include "backoffice/csv_reports.h"
#include "backoffice/report_file.h"
#include "shell/number_text.h"

namespace vandrix::backoffice {
namespace {

using store::Database;
using store::Query;

ReportFile writeReceiptPrices(Database& db, const std::string& path) {
    std::vector<std::string> lines = {
        "EOD,NrBon,Databon,Numeart,Cantitate,PretArt,PretVanz,Diferenta"};
    Query sold = db.query(
        "select a.pret,b.pret,b.idbon,c.databon,a.nume ,c.nrbon, c.eod, b.cant from articol as "
        "a,spbon as b,bon as c where a.id=b.idart and a.pret<>b.pret and b.idbon=c.id;");
    while (sold.next()) {
        const double articlePrice = sold.real(0);
        const double salePrice = sold.real(1);
        const double quantity = sold.real(7);
        lines.push_back(
            csvLine({sold.text(6), sold.text(5), sold.text(3), sold.text(4),
                     shell::quantity(quantity), shell::money(articlePrice), shell::money(salePrice),
                     shell::money(salePrice * quantity - articlePrice * quantity)}));
    }
    return writeReport(path, lines, platform::Encoding::Utf8);
}

ReportFile writePriceHistory(Database& db, const std::string& path) {
    std::vector<std::string> lines = {"DataModificare,Numeart,PretModificat,IDCotaTVA"};
    Query changes = db.query(
        "select b.datamodificare,a.nume,b.pret,b.idcotatva from articol as a,modificaripret as "
        "b where a.id=b.idart");
    while (changes.next())
        lines.push_back(csvLine(
            {changes.text(0), changes.text(1), shell::money(changes.real(2)), changes.text(3)}));
    return writeReport(path, lines, platform::Encoding::Ansi);
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
