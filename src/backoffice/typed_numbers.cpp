// Prices and quantities typed in the back office.
#include "backoffice/typed_numbers.h"

#include <cctype>

#include "shell/settings.h"

namespace vandrix::backoffice {

namespace {

// The text with a decimal comma read as a point; nullopt when it has more than one separator
// or more decimals than allowed.
std::optional<std::string> withPoint(std::string_view text, int maxDecimals) {
    std::string out(shell::trim(std::string(text)));
    std::size_t separators = 0, point = std::string::npos;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == ',' || out[i] == '.') {
            out[i] = '.';
            ++separators;
            point = i;
        }
    }
    if (separators > 1)
        return std::nullopt;
    if (point != std::string::npos &&
        out.size() - point - 1 > static_cast<std::size_t>(maxDecimals))
        return std::nullopt;
    return out;
}

}  // namespace

std::optional<shell::Cents> readPrice(std::string_view text) {
    auto normal = withPoint(text, 2);
    if (!normal)
        return std::nullopt;
    auto value = shell::parseScaled(*normal, 2);
    if (!value || *value < 0 || *value > shell::kMaxAmount)
        return std::nullopt;
    return value;
}

std::optional<shell::Thousandths> readQuantity(std::string_view text) {
    auto normal = withPoint(text, 3);
    if (!normal)
        return std::nullopt;
    return shell::parseScaled(*normal, 3);
}

std::string quantityText(shell::Thousandths value, int minDecimals) {
    std::string text = shell::formatScaled(value, 3);
    const std::size_t point = text.find('.');
    std::size_t keep = text.size();
    while (keep > point + 1 + static_cast<std::size_t>(minDecimals) && text[keep - 1] == '0')
        --keep;
    if (keep == point + 1)
        --keep;  // no decimals: no point either
    return text.substr(0, keep);
}

long long leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value > 100'000'000'000'000LL)
            break;  // far beyond any id or quantity; the rest does not matter
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

}  // namespace vandrix::backoffice
