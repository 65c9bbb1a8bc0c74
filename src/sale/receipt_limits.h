// The limits every receipt keeps, whichever way a line or the total changed (entry, merge, a
// new line price, the discount, a recalled receipt, the payment): what the fiscal printer takes
// and what the sale window itself would let the cashier build.
#pragma once

#include <optional>
#include <string>

#include "sale/receipt_grid.h"

namespace vandrix::sale {

// The largest discount the discount window lets the cashier enter: 99.99 %.
inline constexpr shell::Hundredths kMaxDiscount = 9999;

// The message the cashier gets when a change would take the receipt past the fiscal printer's
// limits (one text for every road into a receipt).
std::string receiptLimitMessage();

// True when every line and the total are within the limits: each article line with a quantity
// above 0 and at most 99999.999, a price from 0.00 to 9999999.99 and a value of at most
// 9999999.99; the discount line from 0.00 to 99.99 %; the receipt's value from 0.00 to
// 9999999.99. A cell that is not a number breaks the limits too.
bool withinReceiptLimits(const ReceiptGrid& grid);

// Why a receipt on screen cannot be paid, or nullopt when it can: past the limits above, or a
// value of 0.00 (a fiscal printer does not close a receipt of zero).
std::optional<std::string> whyNotPayable(const ReceiptGrid& grid);

}  // namespace vandrix::sale
