// Exact decimal amounts. Money is counted in cents, quantities in thousandths and percentages in
// hundredths, all as integers, so a receipt adds up the same on the screen, in the database and
// in the fiscal printer's files. There is one rounding rule, the fiscal printer's: half away
// from zero.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vandrix::shell {

using Cents = std::int64_t;
using Thousandths = std::int64_t;
using Hundredths = std::int64_t;

// The largest amount and quantity the fiscal printer takes: 9999999.99 and 99999.999.
inline constexpr Cents kMaxAmount = 999'999'999;
inline constexpr Thousandths kMaxQuantity = 99'999'999;

// A decimal text read exactly and scaled by 10^decimals, rounded half away from zero when it
// has more decimals ("128.625" with 2 decimals is 12863). Spaces around it, a sign, digits and
// one "." are allowed; anything else ("NaN", "12,50", "1e30", "") is not a number: nullopt. So
// is a value of more than 15 digits before the point.
std::optional<std::int64_t> parseScaled(std::string_view text, int decimals);

// The same, for texts the program wrote itself (grid cells): a text that is not a number
// reads as 0.
std::int64_t scaledOr0(std::string_view text, int decimals);

// A scaled value written with its decimals and a "." ("-10.00", "2.500").
std::string formatScaled(std::int64_t value, int decimals);
inline std::string formatCents(Cents value) {
    return formatScaled(value, 2);
}
inline std::string formatQuantity(Thousandths value) {
    return formatScaled(value, 3);
}

// A quantity SQLite returns as a number (a stored quantity or a sum of them), in thousandths:
// quantities have three decimals, so the nearest thousandth is the exact value; not a number: 0.
inline Thousandths thousandthsOf(double value) {
    return std::isfinite(value) ? std::llround(value * 1000) : 0;
}

// numerator / denominator rounded half away from zero (denominator not 0).
std::int64_t divideRounded(__int128 numerator, __int128 denominator);

// A receipt line's value: price times quantity, to the cent.
inline Cents lineValue(Cents price, Thousandths quantity) {
    return divideRounded(static_cast<__int128>(price) * quantity, 1000);
}

// The given percentage of an amount, to the cent (a 10 % discount of 100.00 is 10.00).
inline Cents percentOf(Cents amount, Hundredths percent) {
    return divideRounded(static_cast<__int128>(amount) * percent, 10000);
}

// An amount typed as a count times a value ("3" X "9.35" is 28.05), to the cent. An empty text
// counts as 0; nullopt when either text is not a number or the amount passes kMaxAmount.
std::optional<Cents> typedAmount(std::string_view count, std::string_view value);

}  // namespace vandrix::shell
