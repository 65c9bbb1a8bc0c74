// Prices and quantities typed in the back office: a decimal comma or point, never a text read
// as 0 or a price cut to whole lei.
#include "backoffice/typed_numbers.h"

#include <gtest/gtest.h>

namespace vandrix::backoffice {
namespace {

TEST(TypedNumbers, PricesTakeACommaOrAPointAndNothingElse) {
    struct Case {
        const char* typed;
        std::optional<shell::Cents> price;
    } cases[] = {
        {"12,50", 1250},  {"12.50", 1250}, {" 7 ", 700},   {"0", 0},      {"9999999.99", 999999999},
        {"", {}},         {"abc", {}},     {"12,5,0", {}}, {"1.999", {}}, {"-1", {}},
        {"10000000", {}}, {"12 50", {}},   {"1e3", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readPrice(c.typed), c.price) << c.typed;
}

TEST(TypedNumbers, QuantitiesKeepThreeDecimals) {
    EXPECT_EQ(readQuantity("2,5"), 2500);
    EXPECT_EQ(readQuantity("5"), 5000);
    EXPECT_EQ(readQuantity("1234567"), 1234567000);  // a stock is not bound by one receipt line
    EXPECT_EQ(readQuantity("-3"), -3000);
    EXPECT_EQ(readQuantity("0.0005"), std::nullopt);
    EXPECT_EQ(readQuantity("CINCI"), std::nullopt);
    EXPECT_EQ(quantityText(5000, 2), "5.00");
    EXPECT_EQ(quantityText(2375, 2), "2.375");
    EXPECT_EQ(quantityText(4200, 0), "4.2");
    EXPECT_EQ(quantityText(5000, 0), "5");
    EXPECT_EQ(quantityText(-1500, 0), "-1.5");
}

TEST(TypedNumbers, LeadingNumberReadsAsASpreadsheetDoes) {
    EXPECT_EQ(leadingNumber("12AB"), 12);
    EXPECT_EQ(leadingNumber("AB12"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber(" 0042"), 42);
    EXPECT_EQ(leadingNumber("-7"), -7);
}

}  // namespace
}  // namespace vandrix::backoffice
