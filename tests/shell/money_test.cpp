// Exact money: reading and writing decimal texts, the one rounding rule (half away from zero)
// and the amounts a cashier types.
#include "shell/money.h"

#include <gtest/gtest.h>

namespace vandrix::shell {
namespace {

TEST(Money, ReadsDecimalTextsExactly) {
    struct Case {
        const char* text;
        int decimals;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"  36.75", 2, 3675},
        {"128.625", 2, 12863},  // half away from zero, not to the even cent
        {"-128.625", 2, -12863},
        {"0.055", 2, 6},
        {"0.0549", 2, 5},
        {"99999.99", 2, 9999999},
        {"2.5", 3, 2500},
        {"5.", 2, 500},
        {".5", 2, 50},
        {"12", 0, 12},
        {"1e30", 2, std::nullopt},
        {"NaN", 2, std::nullopt},
        {"12,50", 2, std::nullopt},
        {"", 2, std::nullopt},
        {"-", 2, std::nullopt},
        {"1.2.3", 2, std::nullopt},
        {"1234567890123456", 2, std::nullopt},  // more digits than any amount has
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseScaled(c.text, c.decimals), c.value) << c.text;
    EXPECT_EQ(scaledOr0("abc", 2), 0);
}

TEST(Money, WritesScaledValues) {
    EXPECT_EQ(formatCents(17320), "173.20");
    EXPECT_EQ(formatCents(-1000), "-10.00");
    EXPECT_EQ(formatCents(5), "0.05");
    EXPECT_EQ(formatCents(-5), "-0.05");
    EXPECT_EQ(formatQuantity(1), "0.001");
    EXPECT_EQ(formatCents(kMaxAmount), "9999999.99");
}

TEST(Money, LineValuesAndPercentagesRoundHalfAwayFromZero) {
    EXPECT_EQ(lineValue(1299, 333), 433);   // 4.32567
    EXPECT_EQ(lineValue(935, 3000), 2805);  // 3 x 9.35
    EXPECT_EQ(lineValue(1, 500), 1);        // 0.005 rounds up
    EXPECT_EQ(lineValue(-1, 500), -1);      // and down below zero
    EXPECT_EQ(percentOf(10000, 1000), 1000);
    EXPECT_EQ(percentOf(5, 1000), 1);  // 10 % of 0.05
    EXPECT_EQ(divideRounded(-7, 2), -4);
    EXPECT_EQ(divideRounded(7, -2), -4);
}

// What a cashier types as a payment: a count times a value, to the cent, compared in cents.
TEST(Money, TypedAmounts) {
    EXPECT_EQ(typedAmount("3", "9.35"), 2805);  // three vouchers of 9.35 pay 28.05 exactly
    EXPECT_EQ(typedAmount("1.000", "0.055"), 6);
    EXPECT_EQ(typedAmount("1.000", ""), 0);  // nothing typed: the whole amount is paid
    EXPECT_EQ(typedAmount("1.000", "9999999.99"), kMaxAmount);
    EXPECT_EQ(typedAmount("1.000", "99999999999999999999"), std::nullopt);
    EXPECT_EQ(typedAmount("2", "9999999.99"), std::nullopt);
    EXPECT_EQ(typedAmount("1.000", "ABC"), std::nullopt);
    EXPECT_EQ(typedAmount("1.000", "18446744073710"), std::nullopt);  // would wrap around
}

}  // namespace
}  // namespace vandrix::shell
