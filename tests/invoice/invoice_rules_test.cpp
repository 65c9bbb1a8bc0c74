// Invoice numbers: the next one after the last, a typed number split at its digits, and the
// marked receipts' totals.
#include "invoice/invoice_rules.h"

#include <gtest/gtest.h>

namespace vandrix::invoice {
namespace {

TEST(InvoiceRules, TheNextNumberKeepsSeriesAndZeros) {
    struct Case {
        const char *prefix, *suffix, *number, *next;
    } cases[] = {
        {"FCT", "", "FCT0042", "FCT0043"}, {"", "/A", "0042/A", "0043/A"},
        {"", "", "999", "1000"},           {"", "", "0999", "1000"},
        {"", "", "0009", "0010"},          {"FCT", "", "FCT", "FCT"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nextInvoiceNumber(c.prefix, c.suffix, c.number), c.next) << c.number;
}

TEST(InvoiceRules, ANumberHasOneGroupOfDigits) {
    auto fct = splitInvoiceNumber("FCT0042");
    ASSERT_TRUE(fct);
    EXPECT_EQ(fct->prefix, "FCT");
    EXPECT_EQ(fct->digits, "0042");
    EXPECT_EQ(fct->suffix, "");
    auto slash = splitInvoiceNumber("0042/A");
    ASSERT_TRUE(slash);
    EXPECT_EQ(slash->prefix, "");
    EXPECT_EQ(slash->suffix, "/A");
    for (const char* several : {"A1B2", "12A12", "1A1", "FCT"})
        EXPECT_FALSE(splitInvoiceNumber(several)) << several;
    EXPECT_EQ(digitsOf("A1B2"), "12");
}

TEST(InvoiceRules, TotalsAndCodes) {
    EXPECT_EQ(totalsText(2, 17850), "   2/   178.50");
    EXPECT_EQ(totalsText(0, 0), "   0/     0.00");
    EXPECT_EQ(fiscalCodeNumber("RO18547290"), 18547290);
    EXPECT_EQ(fiscalCodeNumber(" ro 42 "), 42);
    EXPECT_EQ(fiscalCodeNumber("ABC"), 0);
}

}  // namespace
}  // namespace vandrix::invoice
