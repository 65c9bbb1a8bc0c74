// The rows of a paid receipt.
#include "fiscal/receipt_storage.h"

#include "platform/clock.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::fiscal {

using sale::kIdCell;
using sale::kPriceCell;
using sale::kQuantityCell;
using sale::kVatGroupCell;
using shell::Cents;
using shell::formatCents;

namespace {

// An amount written without trailing zeros: 12.5, 3.
std::string plainNumber(Cents value) {
    std::string text = formatCents(value);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
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

// After a refused COMMIT the transaction is rolled back; should the database still hold the
// receipt's row, the commit did go through and the receipt is stored.
bool receiptRowExists(store::Database& db, long receiptId, const std::string& stamp) {
    if (db.inTransaction())
        return false;  // the rollback did not go through: what it sees is not committed
    return db.scalarInteger("select count(*) from bon where id=? and databon=?",
                            {std::to_string(receiptId), stamp}) > 0;
}

}  // namespace

Cents cashKept(const std::array<Cents, 5>& paidByMode, Cents receiptSum) {
    Cents paid = 0;
    for (size_t m = 1; m <= 4; ++m)
        paid += paidByMode[m];
    const Cents change = paid > receiptSum ? paid - receiptSum : 0;
    return paidByMode[1] > change ? paidByMode[1] - change : 0;
}

VatRates readVatRates(store::Database& db) {
    VatRates rates{};
    auto q = db.query("select * from tva where id>0 and id<6;");
    while (q.next()) {
        long id = static_cast<long>(q.integer(0));
        if (id >= 1 && id <= 5)
            rates[static_cast<size_t>(id)] = shell::scaledOr0(q.text(1), 2);
    }
    return rates;
}

std::vector<std::string> storedPrices(const sale::ReceiptGrid& grid) {
    std::vector<std::string> prices;
    Cents receiptSum = 0;
    for (int i = 0; i < grid.size(); ++i) {
        const sale::Row& row = grid.row(i);
        if (sale::isDiscountRow(row)) {
            const Cents reduction = shell::percentOf(receiptSum, sale::discountPercent(row));
            receiptSum -= reduction;
            prices.push_back(formatCents(-reduction));
        } else {
            receiptSum += sale::lineAmount(row);
            prices.push_back(plainNumber(shell::scaledOr0(row[kPriceCell], 2)));
        }
    }
    return prices;
}

VatSums vatSums(const sale::ReceiptGrid& grid, const VatRates& rates) {
    std::array<Cents, 6> gross{};
    std::array<bool, 6> used{};
    Cents running = 0, discount = 0;
    for (int i = 0; i < grid.size(); ++i) {
        const sale::Row& row = grid.row(i);
        if (sale::isDiscountRow(row)) {
            const Cents reduction = shell::percentOf(running, sale::discountPercent(row));
            running -= reduction;
            discount += reduction;
            continue;
        }
        const Cents value = sale::lineAmount(row);
        running += value;
        if (int g = vatGroupOf(row); g != 0) {
            gross[static_cast<size_t>(g)] += value;
            used[static_cast<size_t>(g)] = true;
        }
    }
    // The discount, spread over the groups as the fiscal printer spreads a subtotal discount.
    Cents allGross = 0;
    size_t largest = 0;
    for (size_t g = 1; g <= 5; ++g) {
        allGross += gross[g];
        if (used[g] && (largest == 0 || gross[g] > gross[largest]))
            largest = g;
    }
    if (discount != 0 && allGross != 0) {
        Cents given = 0;
        std::array<Cents, 6> share{};
        for (size_t g = 1; g <= 5; ++g) {
            share[g] = shell::divideRounded(static_cast<__int128>(discount) * gross[g], allGross);
            given += share[g];
        }
        share[largest] += discount - given;
        for (size_t g = 1; g <= 5; ++g)
            gross[g] -= share[g];
    }
    VatSums sums;
    for (size_t g = 1; g <= 5; ++g) {
        if (!used[g])
            continue;
        sums.gross[g] = formatCents(gross[g]);
        sums.vat[g] = formatCents(
            shell::divideRounded(static_cast<__int128>(gross[g]) * rates[g], 10000 + rates[g]));
    }
    return sums;
}

namespace {

// The rows of a receipt in one transaction: its ids, the caller's work before the rows, the
// lines, then the receipt's own row as insertReceipt writes it. A refused COMMIT whose rows are
// in the database all the same counts as stored.
StoredReceipt storeRows(
    store::Database& db, const ReceiptToStore& receipt, bool numbered, const BeforeRows& beforeRows,
    const std::function<bool(const Ids&, const std::string& stamp)>& insertReceipt) {
    StoredReceipt result;
    const std::string stamp = platform::databaseStamp(receipt.time);
    result.stored = db.transaction([&] {
        const Ids ids = nextIds(db, receipt.period, numbered);
        result.receiptId = ids.receiptId;
        result.receiptNumber = ids.receiptNumber;
        if (beforeRows && !beforeRows(ids.receiptId))
            return false;
        return insertLines(db, *receipt.grid, ids) && insertReceipt(ids, stamp);
    });
    if (!result.stored) {
        result.error = db.lastError();
        result.errorCode = db.lastErrorCode();
        result.stored = result.receiptId > 0 && receiptRowExists(db, result.receiptId, stamp);
    }
    return result;
}

}  // namespace

StoredReceipt storeReceipt(store::Database& db, const ReceiptToStore& receipt,
                           const BeforeRows& beforeRows) {
    const VatSums sums = vatSums(*receipt.grid, readVatRates(db));
    return storeRows(db, receipt, true, beforeRows, [&](const Ids& ids, const std::string& stamp) {
        // The receipt's value is the sum of its line values less the discount, to the cent,
        // the same amount the screen showed and the fiscal printer's file adds up to.
        store::Params values = {std::to_string(ids.receiptId),
                                std::to_string(ids.receiptNumber),
                                stamp,
                                formatCents(receipt.receiptSum),
                                formatCents(receipt.receiptSum),
                                receipt.paidField,
                                formatCents(receipt.paidByMode[3]),
                                "1",
                                formatCents(receipt.paidByMode[2]),
                                formatCents(cashKept(receipt.paidByMode, receipt.receiptSum)),
                                formatCents(receipt.paidByMode[4]),
                                receipt.cui,
                                std::to_string(receipt.period)};
        for (size_t g = 1; g <= 5; ++g)
            values.push_back(sums.vat[g]);
        for (size_t g = 1; g <= 5; ++g)
            values.push_back(sums.gross[g]);
        values.push_back(receipt.pos);
        return db.exec("Insert into bon values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);",
                       values);
    });
}

StoredReceipt storeTipReceipt(store::Database& db, const ReceiptToStore& receipt, bool numbered,
                              const BeforeRows& beforeRows) {
    return storeRows(
        db, receipt, numbered, beforeRows, [&](const Ids& ids, const std::string& stamp) {
            const std::string value = formatCents(sale::receiptTotal(*receipt.grid));
            return db.exec(
                "Insert into bon (id,nrbon,databon,valbon,incasatbon,restbon,"
                "valbonmasa,nrbonmasa,card,numerar,cui,eod) values "
                "(?,?,?,?,?,?,?,?,?,?,?,?);",
                {std::to_string(ids.receiptId), std::to_string(ids.receiptNumber), stamp, value,
                 "0", "0", "0", "0", "0", value, receipt.cui, std::to_string(receipt.period)});
        });
}

}  // namespace vandrix::fiscal
