// The sales report of an end-of-day period: every line of every receipt of the period with its
// article, the value of the line and, at the end, the total of the period.
#include <algorithm>
#include <cmath>

#include "backoffice/csv_reports.h"
#include "backoffice/report_file.h"
#include "shell/money.h"
#include "shell/number_text.h"

namespace vandrix::backoffice {
namespace {

using store::Database;
using store::Query;

constexpr const char* kDiscountArticle = "-1";

std::string withoutSpaces(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

bool isNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The connections of the report: the receipts are walked over one, their lines over another,
// the article lookups and the discount totals over one each.
struct Connections {
    std::unique_ptr<Database> receipts = nullptr;
    std::unique_ptr<Database> lines = nullptr;
    std::unique_ptr<Database> lookups = nullptr;
    std::unique_ptr<Database> totals = nullptr;
    bool open() const { return receipts && lines && lookups && totals; }
};

// A price as the reports write it: exact, with two decimals, from the stored number's text.
std::string priceText(const std::string& stored) {
    return shell::formatCents(shell::scaledOr0(stored, 2));
}

// The article columns of a line; empty when a lookup finds no row.
struct ArticleFields {
    std::string barcode, name, unit, price, vatRate;
};

ArticleFields articleFields(Database& db, const std::string& articleId) {
    ArticleFields fields;
    fields.barcode = db.scalarText(
        "select codbar from codbar where idarticol=? order by id limit 1", {articleId});
    std::string vatId;
    {
        Query article = db.query("select nume,um,pret,idtva from articol where id=?", {articleId});
        if (article.next()) {
            fields.name = article.text(0);
            fields.unit = article.text(1);
            fields.price = priceText(article.text(2));
            vatId = article.text(3);
        }
    }
    fields.vatRate = db.scalarText("select procent from tva where id=?;", {vatId});
    return fields;
}

// The receipt's total without its discount lines, on which a discount line's percentage acts.
// The receipt's lines before its discount, to the cent.
shell::Cents totalWithoutDiscount(Database& db, const std::string& receiptId) {
    Query total = db.query("Select sum(cant*pret) from spbon where idbon=? And idart<>?;",
                           {receiptId, kDiscountArticle});
    return total.next() ? std::llround(total.real(0) * 100) : 0;
}

}  // namespace

std::string paddedPeriod(const std::string& period) {
    return shell::rightAlign(withoutSpaces(period), 4, '0');
}

std::string salesReportMessage(const std::string& period) {
    return "Raport Vanzare\r\n  Z:" + paddedPeriod(period) + "\r\n";
}

ReportFile writeSalesReport(const std::string& databasePath, const std::string& period,
                            std::time_t now) {
    const std::string eod = withoutSpaces(period);
    // The period comes from the period list; anything else is no period, and also must not
    // reach the file name.
    if (!isNumber(eod))
        return {};
    const std::string path = reportPath(now, "-eod" + paddedPeriod(eod) + "-Vanzare.csv");

    Connections db{openDatabase(databasePath), openDatabase(databasePath),
                   openDatabase(databasePath), openDatabase(databasePath)};
    if (!db.open())
        return {path, false};

    ReportWriter report(path, platform::Encoding::Utf8);
    report.line(
        "eod,data,Bon,codbar,Articol,um,cantitate,pretart,pretvanz,cant*pretvanz,cotatva,cui,pos");
    shell::Cents sum = 0;
    // The receipts in the order they were stored, their lines in the order of the receipt.
    Query receipts = db.receipts->query(
        "select id,databon,nrbon,cui,idpos from bon where eod=? order by id", {eod});
    while (receipts.next()) {
        const std::string receiptId = receipts.text(0);
        Query items = db.lines->query("select idart,cant,pret from spbon where idbon=? order by id",
                                      {receiptId});
        while (items.next()) {
            const std::string articleId = items.text(0);
            // Exact amounts, rounded per line as the receipt was.
            const shell::Thousandths quantity = shell::scaledOr0(items.text(1), 3);
            const shell::Cents salePrice = shell::scaledOr0(items.text(2), 2);
            const ArticleFields article = articleFields(*db.lookups, articleId);
            shell::Cents value = shell::lineValue(salePrice, quantity);
            // A discount line stored by the sale holds its (negative) amount, which is its value
            // as it stands; one that holds a percentage takes it of the receipt's other lines.
            if (articleId == kDiscountArticle && salePrice >= 0)
                value = -shell::percentOf(totalWithoutDiscount(*db.totals, receiptId), value);
            sum += value;
            report.fields({eod, receipts.text(1), receipts.text(2), article.barcode, article.name,
                           article.unit, shell::formatQuantity(quantity), article.price,
                           shell::formatCents(salePrice), shell::formatCents(value),
                           article.vatRate, receipts.text(3), receipts.text(4)});
        }
    }
    report.line(",,,,,,,,Total," + shell::formatCents(sum));
    return report.finish();
}

}  // namespace vandrix::backoffice
