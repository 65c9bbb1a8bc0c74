// Exact decimal amounts.
#include "shell/money.h"

namespace vandrix::shell {

std::optional<std::int64_t> parseScaled(std::string_view text, int decimals) {
    size_t i = 0, end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    std::int64_t whole = 0;
    int wholeDigits = 0, fractionDigits = 0;
    std::int64_t fraction = 0;  // the first `decimals` digits after the point
    int roundingDigit = 0;      // the digit after them; later ones cannot change the rounding
    bool point = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (!point) {
            // At most 15 digits, and never more than the scaled value can hold.
            if (++wholeDigits > 15 || wholeDigits + decimals > 18)
                return std::nullopt;
            whole = whole * 10 + digit;
        } else {
            if (fractionDigits < decimals)
                fraction = fraction * 10 + digit;
            else if (fractionDigits == decimals)
                roundingDigit = digit;
            ++fractionDigits;
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;
    for (int k = fractionDigits; k < decimals; ++k)
        fraction *= 10;
    std::int64_t scale = 1;
    for (int k = 0; k < decimals; ++k)
        scale *= 10;
    std::int64_t value = whole * scale + fraction;
    if (roundingDigit >= 5)  // half away from zero: the sign is applied afterwards
        ++value;
    return negative ? -value : value;
}

std::int64_t scaledOr0(std::string_view text, int decimals) {
    return parseScaled(text, decimals).value_or(0);
}

std::string formatScaled(std::int64_t value, int decimals) {
    const bool negative = value < 0;
    std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (static_cast<int>(digits.size()) <= decimals)
        digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
    return negative ? "-" + digits : digits;
}

std::int64_t divideRounded(__int128 numerator, __int128 denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const __int128 magnitude = numerator < 0 ? -numerator : numerator;
    const __int128 rounded = (2 * magnitude + denominator) / (2 * denominator);
    return static_cast<std::int64_t>(numerator < 0 ? -rounded : rounded);
}

std::optional<Cents> typedAmount(std::string_view count, std::string_view value) {
    auto blank = [](std::string_view t) { return t.find_first_not_of(' ') == t.npos; };
    auto c = blank(count) ? std::optional<std::int64_t>(0) : parseScaled(count, 3);
    auto v = blank(value) ? std::optional<std::int64_t>(0) : parseScaled(value, 6);
    if (!c || !v)
        return std::nullopt;
    // thousandths x millionths = 10^-9; a cent is 10^-2.
    const __int128 product = static_cast<__int128>(*c) * *v;
    const __int128 limit = static_cast<__int128>(kMaxAmount + 1) * 10'000'000;
    if (product >= limit || product <= -limit)
        return std::nullopt;
    return divideRounded(product, 10'000'000);
}

}  // namespace vandrix::shell
