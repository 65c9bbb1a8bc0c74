// Numbers as the program writes them: fixed decimals from single precision, always with a ".",
// rounding to two decimals by formatting and reading back, and texts aligned in a field.
#pragma once

#include <string>

namespace vandrix::shell {

// The value narrowed to single precision and written with the given number of decimals, the
// way printf writes "%.<n>f" in the C locale.
std::string formatFixed(double value, int decimals);
inline std::string money(double value) {
    return formatFixed(value, 2);
}
inline std::string quantity(double value) {
    return formatFixed(value, 3);
}

// Rounded to two decimals: formatted with two decimals and read back.
double round2(double value);

// The text right- or left-aligned in n characters with the fill; a longer text keeps its first n
// characters. Characters are letters, not bytes.
std::string rightAlign(const std::string& text, int n, char fill = ' ');
std::string leftAlign(const std::string& text, int n, char fill = ' ');

// The text right-aligned in at least n characters: a number is never cut to fit a field, the
// field widens instead.
std::string padLeft(const std::string& text, int n, char fill = ' ');

}  // namespace vandrix::shell
