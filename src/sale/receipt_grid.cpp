// The receipt grid and its total.
#include "sale/receipt_grid.h"

#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::sale {

void ReceiptGrid::remove(int row) {
    if (row < 0 || row >= size())
        return;
    rows_.erase(rows_.begin() + row);
    repriced_.erase(repriced_.begin() + row);
    if (selected_ >= size())
        selected_ = -1;
}

void ReceiptGrid::clear() {
    rows_.clear();
    repriced_.clear();
    selected_ = -1;
}

bool isDiscountRow(const Row& row) {
    return shell::trim(row[kIdCell]) == "-1";
}

shell::Cents lineAmount(const Row& row) {
    return shell::lineValue(shell::scaledOr0(row[kPriceCell], 2),
                            shell::scaledOr0(row[kQuantityCell], 3));
}

shell::Hundredths discountPercent(const Row& row) {
    std::string price = row[kPriceCell];
    if (auto sign = price.find('%'); sign != std::string::npos)
        price.erase(sign, 1);
    return shell::scaledOr0(price, 2);
}

shell::Cents receiptTotal(const ReceiptGrid& grid) {
    shell::Cents total = 0;
    for (int i = 0; i < grid.size(); ++i) {
        const Row& row = grid.row(i);
        if (isDiscountRow(row))
            total -= shell::percentOf(total, discountPercent(row));
        else
            total += lineAmount(row);
    }
    return total;
}

std::string quantityCell(shell::Thousandths quantity) {
    return shell::padLeft(shell::formatQuantity(quantity), 7);
}
std::string priceCell(shell::Cents price) {
    return shell::padLeft(shell::formatCents(price), 7);
}
std::string discountCell(shell::Hundredths percent) {
    return "%" + shell::padLeft(shell::formatCents(percent), 6);
}
std::string amountField(shell::Cents amount) {
    return shell::padLeft(shell::formatCents(amount), 7);
}

std::string recomputeReceiptTotals(ReceiptGrid& grid) {
    if (grid.size() == 1 && isDiscountRow(grid.row(0)))
        grid.remove(0);
    // When several discount rows exist, the last one counts: it moves to the end and the
    // others go, so the receipt, its file and its rows all apply the same one discount.
    int discountIndex = -1;
    for (int i = grid.size() - 1; i >= 0; --i) {
        if (!isDiscountRow(grid.row(i)))
            continue;
        if (discountIndex < 0) {
            discountIndex = i;
        } else {
            grid.remove(i);
            --discountIndex;
        }
    }
    if (discountIndex >= 0) {
        Row discount = grid.row(discountIndex);
        grid.append(discount);
        grid.remove(discountIndex);
    }
    grid.select(grid.size() - 1);
    return amountField(receiptTotal(grid));
}

}  // namespace vandrix::sale
