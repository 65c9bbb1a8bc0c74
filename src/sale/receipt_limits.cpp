// The receipt's limits.
#include "sale/receipt_limits.h"

#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::sale {
namespace {

bool lineWithinLimits(const Row& row) {
    if (isDiscountRow(row)) {
        std::string percent = shell::trim(row[kPriceCell]);
        if (!percent.empty() && percent[0] == '%')
            percent.erase(0, 1);
        const auto value = shell::parseScaled(percent, 2);
        return value && *value >= 0 && *value <= kMaxDiscount;
    }
    const auto quantity = shell::parseScaled(row[kQuantityCell], 3);
    const auto price = shell::parseScaled(row[kPriceCell], 2);
    return quantity && price && *quantity > 0 && *quantity <= shell::kMaxQuantity && *price >= 0 &&
           *price <= shell::kMaxAmount && shell::lineValue(*price, *quantity) <= shell::kMaxAmount;
}

}  // namespace

std::string receiptLimitMessage() {
    return "Valoarea depaseste cat poate inregistra casa de marcat.\r\n"
           "Cantitatea maxima pe o linie este " +
           shell::formatQuantity(shell::kMaxQuantity) + ", valoarea maxima a unui bon " +
           shell::formatCents(shell::kMaxAmount) + ".";
}

bool withinReceiptLimits(const ReceiptGrid& grid) {
    for (int i = 0; i < grid.size(); ++i)
        if (!lineWithinLimits(grid.row(i)))
            return false;
    const shell::Cents total = receiptTotal(grid);
    return total >= 0 && total <= shell::kMaxAmount;
}

std::optional<std::string> whyNotPayable(const ReceiptGrid& grid) {
    if (!withinReceiptLimits(grid))
        return receiptLimitMessage();
    if (receiptTotal(grid) <= 0)
        return std::string(
            "Bonul are valoarea 0.00 si nu poate fi incasat:\r\ncasa de marcat nu inchide un "
            "bon de valoare zero.\r\nAdaugati articole sau anulati bonul.");
    return std::nullopt;
}

}  // namespace vandrix::sale
