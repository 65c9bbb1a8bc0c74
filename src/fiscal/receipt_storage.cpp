// The rows of a paid receipt.
#include "fiscal/receipt_storage.h"

#include <charconv>

#include "platform/clock.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::fiscal {

using sale::kIdCell;
using sale::kPriceCell;
using sale::kQuantityCell;
using sale::kVatGroupCell;
using shell::money;
using shell::numberOf;
using shell::round2;

namespace {

std::string withoutPercent(std::string text) {
    for (size_t i = text.find('%'); i != std::string::npos; i = text.find('%'))
        text.erase(i, 1);
    return text;
}

// A number written without trailing zeros: 12.5, 3.
std::string plainNumber(double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

// The VAT group a line counts in: "1" to "5", "0" as 5; 0 for any other text.
int vatGroupOf(const sale::Row& row) {
    std::string g = shell::upper(shell::trim(row[kVatGroupCell]));
    if (g.size() == 1 && g[0] >= '1' && g[0] <= '5')
        return g[0] - '0';
    if (g == "0")
        return 5;
    return 0;
}

struct Ids {
    long receiptId, firstLineId, receiptNumber;
};

Ids nextIds(store::Database& db, long period, bool numbered) {
    Ids ids;
    ids.receiptId = static_cast<long>(db.scalarInteger("select COALESCE(max(id),0) from bon;")) + 1;
    ids.firstLineId =
        static_cast<long>(db.scalarInteger("select COALESCE(max(id),0) from spbon;")) + 1;
    ids.receiptNumber = numbered ? static_cast<long>(db.scalarInteger(
                                       "select COALESCE(max(nrbon),0) from bon where eod=?;",
                                       {std::to_string(period)})) +
                                       1
                                 : 0;
    return ids;
}

bool insertLines(store::Database& db, const sale::ReceiptGrid& grid, const Ids& ids) {
    const std::vector<std::string> prices = storedPrices(grid);
    for (int i = 0; i < grid.size(); ++i) {
        if (!db.exec("Insert into spbon values (?,?,?,?,?);",
                     {std::to_string(ids.firstLineId + i), std::to_string(ids.receiptId),
                      grid.cell(i, kIdCell), grid.cell(i, kQuantityCell),
                      prices[static_cast<size_t>(i)]}))
            return false;
    }
    return true;
}

double storedValue(store::Database& db, long receiptId) {
    auto q =
        db.query("select sum(pret*cant) from spbon where idbon=?", {std::to_string(receiptId)});
    return q.next() ? round2(q.real(0)) : 0;
}

}  // namespace

VatRates readVatRates(store::Database& db) {
    VatRates rates{};
    auto q = db.query("select * from tva where id>0 and id<6;");
    while (q.next()) {
        long id = static_cast<long>(q.integer(0));
        if (id >= 1 && id <= 5)
            rates[static_cast<size_t>(id)] = numberOf(q.text(1));
    }
    return rates;
}

std::vector<std::string> storedPrices(const sale::ReceiptGrid& grid) {
    std::vector<std::string> prices;
    double receiptSum = 0;
    for (int i = 0; i < grid.size(); ++i) {
        const sale::Row& row = grid.row(i);
        if (sale::isDiscountRow(row)) {
            double percent = numberOf(shell::trim(withoutPercent(row[kPriceCell])));
            double reduction = receiptSum * percent / 100;
            receiptSum -= reduction;
            prices.push_back(money(-reduction));
        } else {
            double price = numberOf(withoutPercent(row[kPriceCell]));
            receiptSum += price * numberOf(row[kQuantityCell]);
            prices.push_back(plainNumber(price));
        }
    }
    return prices;
}

VatSums vatSums(const sale::ReceiptGrid& grid, const VatRates& rates) {
    VatSums sums;
    const std::vector<std::string> prices = storedPrices(grid);
    for (int i = 0; i < grid.size(); ++i) {
        const sale::Row& row = grid.row(i);
        if (sale::isDiscountRow(row))
            continue;
        int g = vatGroupOf(row);
        if (g == 0)
            continue;
        const size_t k = static_cast<size_t>(g);
        double value = numberOf(prices[static_cast<size_t>(i)]) * numberOf(row[kQuantityCell]);
        double vat = numberOf(sums.vat[k]) + value - value / (1 + rates[k] / 100);
        sums.vat[k] = money(round2(vat));
        sums.gross[k] = money(round2(numberOf(sums.gross[k]) + value));
    }
    return sums;
}

StoredReceipt storeReceipt(store::Database& db, const ReceiptToStore& receipt) {
    StoredReceipt result;
    const sale::ReceiptGrid& grid = *receipt.grid;
    const VatRates rates = readVatRates(db);
    const VatSums sums = vatSums(grid, rates);
    result.stored = db.transaction([&] {
        Ids ids = nextIds(db, receipt.period, true);
        result.receiptId = ids.receiptId;
        result.receiptNumber = ids.receiptNumber;
        if (!insertLines(db, grid, ids))
            return false;
        store::Params values = {std::to_string(ids.receiptId),
                                std::to_string(ids.receiptNumber),
                                platform::databaseStamp(receipt.time),
                                money(storedValue(db, ids.receiptId)),
                                money(receipt.receiptSum),
                                receipt.paidField,
                                money(receipt.paidByMode[3]),
                                "1",
                                money(receipt.paidByMode[2]),
                                money(receipt.paidByMode[1]),
                                money(receipt.paidByMode[4]),
                                receipt.cui,
                                std::to_string(receipt.period)};
        for (int g = 1; g <= 5; ++g)
            values.push_back(sums.vat[static_cast<size_t>(g)]);
        for (int g = 1; g <= 5; ++g)
            values.push_back(sums.gross[static_cast<size_t>(g)]);
        values.push_back(receipt.pos);
        return db.exec("Insert into bon values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);",
                       values);
    });
    return result;
}

StoredReceipt storeTipReceipt(store::Database& db, const ReceiptToStore& receipt, bool numbered) {
    StoredReceipt result;
    const sale::ReceiptGrid& grid = *receipt.grid;
    result.stored = db.transaction([&] {
        Ids ids = nextIds(db, receipt.period, numbered);
        result.receiptId = ids.receiptId;
        result.receiptNumber = ids.receiptNumber;
        if (!insertLines(db, grid, ids))
            return false;
        const std::string value = money(storedValue(db, ids.receiptId));
        return db.exec(
            "Insert into bon (id,nrbon,databon,valbon,incasatbon,restbon,valbonmasa,nrbonmasa,"
            "card,numerar,cui,eod) values (?,?,?,?,?,?,?,?,?,?,?,?);",
            {std::to_string(ids.receiptId), std::to_string(ids.receiptNumber),
             platform::databaseStamp(receipt.time), value, "0", "0", "0", "0", "0", value,
             receipt.cui, std::to_string(receipt.period)});
    });
    return result;
}

}  // namespace vandrix::fiscal
