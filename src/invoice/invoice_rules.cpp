// The invoice numbers and the invoice window's small texts.
#include "invoice/invoice_rules.h"

#include <cctype>

#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::invoice {

namespace {

std::string removeAll(std::string text, const std::string& what) {
    if (what.empty())
        return text;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, what.size());
    return text;
}

}  // namespace

std::string nextInvoiceNumber(const std::string& prefix, const std::string& suffix,
                              const std::string& number) {
    const std::string p = shell::trim(prefix), s = shell::trim(suffix);
    const std::string digits = shell::trim(removeAll(removeAll(shell::trim(number), p), s));
    if (digits.empty())
        return p + s;
    std::string next = std::to_string(shell::integerValue(digits) + 1);
    if (next.size() < digits.size())
        next = std::string(digits.size() - next.size(), '0') + next;
    return p + next + s;
}

std::string digitsOf(const std::string& text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9')
            digits.push_back(c);
    return digits;
}

std::optional<InvoiceNumber> splitInvoiceNumber(const std::string& text) {
    InvoiceNumber n;
    n.digits = digitsOf(text);
    const std::size_t at = n.digits.empty() ? std::string::npos : text.find(n.digits);
    if (at == std::string::npos)
        return std::nullopt;
    n.prefix = text.substr(0, at);
    const std::size_t after = at + n.digits.size();
    const std::size_t again = text.find(n.digits, after);
    n.suffix = text.substr(after, again == std::string::npos ? std::string::npos : again - after);
    if (n.whole() != text)
        return std::nullopt;
    return n;
}

std::string shownDate(const std::string& stamp) {
    if (stamp.size() < 10)
        return "";
    return stamp.substr(8, 2) + "." + stamp.substr(5, 2) + "." + stamp.substr(0, 4);
}

std::string totalsText(int count, shell::Cents total) {
    return shell::rightAlign(std::to_string(count), 4, ' ') + "/" +
           shell::rightAlign(shell::formatCents(total), 9, ' ');
}

std::int64_t fiscalCodeNumber(const std::string& typed) {
    return shell::integerValue(shell::trim(removeAll(shell::upper(typed), "RO")));
}

}  // namespace vandrix::invoice
