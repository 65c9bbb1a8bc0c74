// What the sale's small windows do to their fields and to the receipt, as plain functions: the
// discount's percentage, the buyer's fiscal code and the receipt's free text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vandrix::sale {

// The discount field after a key: a second "." or a number above 99.99 makes it "99.99" (a
// discount of 100 % or more cannot be entered).
std::string discountFieldAfterKey(const std::string& field, char key);

// The discount line's cells once confirmed: quantity "  1.000", price "%" and the percentage
// with two decimals right-aligned in 6 ("% 15.00").
std::string discountPriceCell(const std::string& field);

// The line's price cell for a typed price: two decimals right-aligned in 7 ("   2.50"); nullopt
// for a text that is not a price the fiscal printer takes (not a number, below 0, above
// 9999999.99); a third decimal rounds the price to the cent, half away from zero.
std::optional<std::string> linePriceCell(const std::string& field);

// "RO" put before the code, or taken off when it is there.
std::string toggledRo(const std::string& code);

// The code as the receipt stores it (spaces removed) and the number whose control digit is
// checked (without the "RO"); nullopt when what is left is not a number of at most 18 digits.
// A field without digits gives no code ("", 0).
struct FiscalCode {
    std::string stored;
    std::int64_t number;
};
std::optional<FiscalCode> fiscalCodeOf(const std::string& field);

// The four lines joined by "|", as the receipt's record takes them. A "|" typed in a line would
// shift the lines after it, so it becomes a space (as the driver's records write it anyway).
std::string joinedReceiptText(const std::array<std::string, 4>& lines);

}  // namespace vandrix::sale
