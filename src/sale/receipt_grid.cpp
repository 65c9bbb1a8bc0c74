// The receipt grid and its total.
#include "sale/receipt_grid.h"

#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::sale {

using shell::numberOf;
using shell::rightAlign;
using shell::round2;

void ReceiptGrid::remove(int row) {
    if (row < 0 || row >= size())
        return;
    rows_.erase(rows_.begin() + row);
    if (selected_ >= size())
        selected_ = -1;
}

void ReceiptGrid::clear() {
    rows_.clear();
    selected_ = -1;
}

bool isDiscountRow(const Row& row) {
    return shell::upper(shell::trim(row[kNameCell])).rfind("DISCOUNT", 0) == 0;
}

double lineAmount(const Row& row) {
    return round2(numberOf(row[kQuantityCell]) * numberOf(row[kPriceCell]));
}

std::string quantityCell(double quantity) {
    return rightAlign(shell::quantity(quantity), 7);
}
std::string priceCell(double price) {
    return rightAlign(shell::money(price), 7);
}
std::string discountCell(double percent) {
    return "%" + rightAlign(shell::money(percent), 6);
}

std::string recomputeReceiptTotals(ReceiptGrid& grid) {
    double total = 0;
    if (grid.size() == 1 && isDiscountRow(grid.row(0)))
        grid.remove(0);

    int discountIndex = -1;
    double percent = 0;
    for (int i = 0; i < grid.size(); ++i) {
        const Row& row = grid.row(i);
        if (isDiscountRow(row)) {
            discountIndex = i;
            std::string price = row[kPriceCell];
            if (auto sign = price.find('%'); sign != std::string::npos)
                price.erase(sign, 1);
            percent = round2(numberOf(price));
        } else {
            total = round2(total + lineAmount(row));
        }
    }
    if (discountIndex >= 0) {
        Row discount = grid.row(discountIndex);
        grid.append(discount);
        grid.remove(discountIndex);
    }
    total = round2(total - total * percent / 100);
    grid.select(grid.size() - 1);
    return rightAlign(shell::money(total), 7);
}

}  // namespace vandrix::sale
