// Prices and quantities as the shop owner types them in the back office or a spreadsheet
// writes them: "12,50" and "12.50" alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/money.h"

namespace vandrix::backoffice {

// A price with "," or "." as decimal separator and at most two decimals, from 0 to the most the
// fiscal printer takes; nullopt for anything else ("", "12,5,0", "abc", "-1", "1.999").
std::optional<shell::Cents> readPrice(std::string_view text);

// A stock quantity with "," or "." as decimal separator and at most three decimals (a shop's
// stock is not bound by what one receipt line takes; an imported stock may be negative when the
// shelf owes goods); nullopt for anything else.
std::optional<shell::Thousandths> readQuantity(std::string_view text);

// A quantity written with the decimals it needs, at least `minDecimals` and at most three
// ("5.00", "2.375", "5" with none).
std::string quantityText(shell::Thousandths value, int minDecimals);

// A price as the back office stores and shows it: "12.50".
inline std::string priceText(shell::Cents value) {
    return shell::formatCents(value);
}

// The leading whole number of a text, as a spreadsheet's value of it: "12AB" is 12, "AB" is 0.
long long leadingNumber(std::string_view text);

}  // namespace vandrix::backoffice
