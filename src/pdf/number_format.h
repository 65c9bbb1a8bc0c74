// Numbers as PDF writes them: fixed decimals with "." whatever the user's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vandrix::pdf {

// The value rounded to the given number of decimals (0 to 10), always with "." as separator.
// A result that rounds to zero is written without a minus sign.
std::string formatNumber(double value, int decimals);

// A page format "w,h" in points; nothing when the text is not two positive numbers.
std::optional<std::pair<double, double>> parsePageFormat(std::string_view format);

}  // namespace vandrix::pdf
