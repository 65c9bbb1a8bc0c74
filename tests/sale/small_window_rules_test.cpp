// The rules of the discount, fiscal-code and receipt-text windows.
#include "sale/small_window_rules.h"

#include <gtest/gtest.h>

namespace vandrix::sale {
namespace {

TEST(SmallWindowRules, DiscountFieldStopsAt9999) {
    struct Case {
        const char* field;
        char key;
        const char* after;
    };
    const Case cases[] = {
        {"1", '5', "15"},       {"15", '0', "99.99"},    {"15", '.', "15."}, {"15.", '.', "99.99"},
        {"99.9", '9', "99.99"}, {"99.99", '1', "99.99"}, {"", '.', "."},     {"100", '.', "99.99"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(discountFieldAfterKey(c.field, c.key), c.after) << c.field << " + " << c.key;
    EXPECT_EQ(discountPriceCell("15"), "% 15.00");
    EXPECT_EQ(discountPriceCell("99.99"), "% 99.99");
    EXPECT_EQ(discountPriceCell("2.5"), "%  2.50");
    EXPECT_EQ(discountPriceCell(""), "%  0.00");
}

TEST(SmallWindowRules, FiscalCodeFieldGivesTheStoredCodeAndItsNumber) {
    EXPECT_EQ(toggledRo("1590082"), "RO1590082");
    EXPECT_EQ(toggledRo("RO1590082"), "1590082");
    auto withRo = fiscalCodeOf("RO 1590082");
    ASSERT_TRUE(withRo);
    EXPECT_EQ(withRo->stored, "RO1590082");
    EXPECT_EQ(withRo->number, 1590082);
    auto none = fiscalCodeOf("RO");
    ASSERT_TRUE(none);
    EXPECT_EQ(none->stored, "");
    EXPECT_FALSE(fiscalCodeOf("12A4"));
    EXPECT_FALSE(fiscalCodeOf("1234567890123456789"));
}

TEST(SmallWindowRules, ReceiptTextKeepsFourLines) {
    EXPECT_EQ(joinedReceiptText({"", "", "", ""}), "|||");
    EXPECT_EQ(joinedReceiptText({"Multumim", "a|b", "", "Revenire"}), "Multumim|a b||Revenire");
}

}  // namespace
}  // namespace vandrix::sale
