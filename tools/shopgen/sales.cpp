// The generated shop's sales: receipts of 1 to 9 lines, numbered within end-of-day periods that
// each close with their Z total, stored in the rows and shapes the program's own payment writes
// (the same VAT sums, the same stored prices, the discount line as its negative amount).
#include <algorithm>

#include "fiscal/receipt_storage.h"
#include "sale/receipt_grid.h"
#include "shell/number_text.h"
#include "shop_parts.h"
#include "store/database.h"

namespace vandrix::tools {
namespace {

using shell::Cents;

constexpr long kFirstReceipt = 2;  // after the seed receipt 1 and its line 1
constexpr long kFirstPeriod = 2;   // the seed's open period is the first one sold in

// A receipt's lines as the sale screen holds them.
sale::ReceiptGrid receiptLines(Draw& draw, const Catalogue& catalogue) {
    sale::ReceiptGrid grid;
    const long lines = draw.between(1, 9);
    for (long i = 0; i < lines; ++i) {
        const long index = catalogue.pick(draw);
        const Article& a = catalogue.articles[static_cast<size_t>(index)];
        const shell::Thousandths quantity = a.unit == "KG"      ? draw.between(100, 2500)
                                            : draw.chance(8000) ? 1000
                                                                : draw.between(2, 3) * 1000;
        // A line of an article whose price changed is sold at its older price 9 times in 100:
        // about one line in twenty of the full shop.
        const Cents price = a.olderPrice != 0 && draw.chance(900) ? a.olderPrice : a.price;
        grid.append({a.name, a.unit, sale::quantityCell(quantity),
                     shell::padLeft(shell::formatCents(price), 7), std::to_string(index + 1),
                     catalogue.barcodes[static_cast<size_t>(index)], a.vatGroup, a.group});
    }
    // One receipt in a hundred with a discount of 5 or 10 %.
    if (draw.chance(100))
        grid.append({"DISCOUNT", "BUC", sale::quantityCell(1000),
                     draw.chance(5000) ? "5.00%" : "10.00%", "-1", "D", "1", "0"});
    return grid;
}

struct Paid {
    std::array<Cents, 5> byMode{};  // 1 cash, 2 card, 3 meal vouchers, 4 credit
    Cents shown = 0;                // the paid field
};

// Mostly cash, often with a note larger than the total; then card, vouchers and credit.
Paid payment(Draw& draw, Cents total) {
    Paid paid;
    const long how = draw.between(1, 100);
    if (how <= 75) {
        const Cents note = draw.chance(5000) ? ((total + 999) / 1000) * 1000 : total;
        paid.byMode[1] = note;
        paid.shown = note;
    } else if (how <= 95) {
        paid.byMode[2] = total;
        paid.shown = total;
    } else if (how <= 98) {
        paid.byMode[3] = total;
        paid.shown = total;
    } else {
        paid.byMode[4] = total;
        paid.shown = total;
    }
    return paid;
}

bool writeReceipt(store::Database& db, long id, long number, long period, std::int64_t when,
                  long& lineId, Draw& draw, const Catalogue& catalogue,
                  const fiscal::VatRates& rates, Cents& periodTotal) {
    const sale::ReceiptGrid grid = receiptLines(draw, catalogue);
    const std::vector<std::string> prices = fiscal::storedPrices(grid);
    for (int i = 0; i < grid.size(); ++i) {
        if (!db.exec("Insert into spbon values (?,?,?,?,?);",
                     {std::to_string(lineId++), std::to_string(id), grid.cell(i, sale::kIdCell),
                      grid.cell(i, sale::kQuantityCell), prices[static_cast<size_t>(i)]}))
            return false;
    }
    const Cents total = sale::receiptTotal(grid);
    const Paid paid = payment(draw, total);
    periodTotal += paid.byMode[1] + paid.byMode[2] + paid.byMode[3] + paid.byMode[4];
    const fiscal::VatSums sums = fiscal::vatSums(grid, rates);
    store::Params values = {
        std::to_string(id),
        std::to_string(number),
        dateText(when),
        shell::formatCents(total),
        shell::formatCents(total),
        shell::padLeft(shell::formatCents(paid.shown), 7),
        shell::formatCents(paid.byMode[3]),
        "1",
        shell::formatCents(paid.byMode[2]),
        shell::formatCents(paid.byMode[1]),
        shell::formatCents(paid.byMode[4]),
        draw.chance(200) ? "RO" + std::to_string(draw.between(1000000, 49999999)) : "",
        std::to_string(period)};
    for (size_t g = 1; g <= 5; ++g)
        values.push_back(sums.vat[g]);
    for (size_t g = 1; g <= 5; ++g)
        values.push_back(sums.gross[g]);
    values.push_back("1");
    return db.exec("Insert into bon values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?);",
                   values);
}

}  // namespace

bool writeSales(store::Database& db, const ShopSize& size, Draw& draw, const Catalogue& catalogue) {
    const fiscal::VatRates rates = fiscal::readVatRates(db);
    const std::int64_t periodSpan = (kLastDay - kFirstDay) / size.periods;
    long receiptId = kFirstReceipt;
    long lineId = 2;
    for (long p = 0; p < size.periods; ++p) {
        const long period = kFirstPeriod + p;
        // The receipts spread over the period's days, the last ones an hour before its Z.
        const long count =
            size.receipts / size.periods + (p < size.receipts % size.periods ? 1 : 0);
        const std::int64_t start = kFirstDay + p * periodSpan + 8 * 3600;
        const std::int64_t step =
            std::max<std::int64_t>(1, (periodSpan - 10 * 3600) / std::max(1L, count));
        Cents total = 0;
        for (long n = 1; n <= count; ++n) {
            if (!writeReceipt(db, receiptId++, n, period, start + (n - 1) * step, lineId, draw,
                              catalogue, rates, total))
                return false;
        }
        const std::string closed = dateText(start + count * step + 3600);
        // The seed's open period closes like the others; each closing opens the next.
        if (!db.exec("insert or replace into eod values (?,?,?);",
                     {std::to_string(period), shell::formatCents(total), closed}))
            return false;
    }
    return db.exec("insert into eod (id) values (?);",
                   {std::to_string(kFirstPeriod + size.periods)});
}

}  // namespace vandrix::tools
