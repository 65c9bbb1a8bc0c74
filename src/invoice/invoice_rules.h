// The invoice numbers and the invoice window's small texts: the next number after the last one,
// a number split into its series and digits, the marked receipts' totals.
#pragma once

#include <optional>
#include <string>

#include "shell/money.h"

namespace vandrix::invoice {

// The number after the last invoice's: its series kept around the digits, the digits counted
// up with their leading zeros (FCT0042 -> FCT0043, 0999 -> 1000, 0009 -> 0010); empty when the
// last number has no digits. `prefix` and `suffix` are as stored with it.
std::string nextInvoiceNumber(const std::string& prefix, const std::string& suffix,
                              const std::string& number);

// A typed invoice number: the text before its digits, the digits, the text after them.
struct InvoiceNumber {
    std::string prefix, digits, suffix;
    std::string whole() const { return prefix + digits + suffix; }
};
// Every digit of the text, in order.
std::string digitsOf(const std::string& text);
// The number split at its digits; nullopt when it has more than one group of digits (A1B2).
std::optional<InvoiceNumber> splitInvoiceNumber(const std::string& text);

// A stored time stamp "YYYY-MM-DD ..." as the invoice shows its dates: "DD.MM.YYYY" ("" when
// it is too short to be one).
std::string shownDate(const std::string& stamp);

// The totals field: the count right-aligned to 4, "/", the total right-aligned to 9.
std::string totalsText(int count, shell::Cents total);

// A fiscal code as typed, "RO" taken out: its number (0 when it has none).
std::int64_t fiscalCodeNumber(const std::string& typed);

}  // namespace vandrix::invoice
