// The rules of the discount, fiscal-code and receipt-text windows.
#include "sale/small_window_rules.h"

#include <algorithm>

#include "sale/receipt_grid.h"
#include "sale/receipt_limits.h"
#include "shell/money.h"
#include "shell/number_text.h"

namespace vandrix::sale {
std::string discountFieldAfterKey(const std::string& field, char key) {
    if (key == '.' && field.find('.') != std::string::npos)
        return "99.99";
    std::string next = field + key;
    const auto value = shell::parseScaled(next, 2);
    const auto exact = shell::parseScaled(next, 6);
    // Compared exactly: 99.991 is above 99.99 too.
    if (value && exact && (*value > kMaxDiscount || *exact > kMaxDiscount * 10000))
        return "99.99";
    return next;
}

std::string discountPriceCell(const std::string& field) {
    const shell::Hundredths percent = std::min<shell::Hundredths>(
        kMaxDiscount, std::max<shell::Hundredths>(0, shell::scaledOr0(field, 2)));
    return discountCell(percent);
}

std::optional<std::string> linePriceCell(const std::string& field) {
    // An empty field is a price of 0.00; a third decimal rounds half away from zero, as every
    // amount does (4.555 is 4.56).
    const std::string text = field.empty() ? "0" : field;
    const auto cents = shell::parseScaled(text, 2);
    if (!cents || *cents < 0 || *cents > shell::kMaxAmount)
        return std::nullopt;
    return amountField(*cents);
}

std::string toggledRo(const std::string& code) {
    return code.rfind("RO", 0) == 0 ? code.substr(2) : "RO" + code;
}

std::optional<FiscalCode> fiscalCodeOf(const std::string& field) {
    std::string stored = field;
    stored.erase(std::remove(stored.begin(), stored.end(), ' '), stored.end());
    const std::string digits = stored.rfind("RO", 0) == 0 ? stored.substr(2) : stored;
    // No digits at all is no buyer's code (not a receipt printed for "RO").
    if (digits.empty())
        return FiscalCode{"", 0};
    if (digits.size() > 18 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return FiscalCode{stored, std::stoll(digits)};
}

std::string joinedReceiptText(const std::array<std::string, 4>& lines) {
    std::string joined;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        std::replace(line.begin(), line.end(), '|', ' ');
        joined += (i > 0 ? "|" : "") + line;
    }
    return joined;
}

}  // namespace vandrix::sale
