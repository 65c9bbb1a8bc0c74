// Locale-independent number formatting for the PDF writer (std::to_chars ignores the locale).
#include "pdf/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace vandrix::pdf {

std::string formatNumber(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 10);
    if (!std::isfinite(value))
        value = 0;
    std::array<char, 400> text{};
    auto [end, ec] = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return "0";
    std::string result(text.data(), end);
    // "-0.00" and the like: a value that rounds to zero has no sign.
    if (result.front() == '-' && result.find_first_not_of("0.", 1) == std::string::npos) {
        result.erase(0, 1);
    }
    return result;
}

std::optional<std::pair<double, double>> parsePageFormat(std::string_view format) {
    std::size_t comma = format.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    auto read = [](std::string_view text) -> std::optional<double> {
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        double value = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size() || !(value > 0) ||
            !std::isfinite(value)) {
            return std::nullopt;
        }
        return value;
    };
    auto w = read(format.substr(0, comma));
    auto h = read(format.substr(comma + 1));
    if (!w || !h)
        return std::nullopt;
    return std::pair{*w, *h};
}

}  // namespace vandrix::pdf
