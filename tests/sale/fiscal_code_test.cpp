// The fiscal code's control digit: codes of real companies, a changed control digit, a sum that
// gives 10 (control 0), digits beyond the key's nine, and 0.
#include "sale/fiscal_code.h"

#include <gtest/gtest.h>

namespace vandrix::sale {
namespace {

TEST(FiscalCode, ControlDigitDecidesValidity) {
    struct Case {
        std::int64_t code;
        bool valid;
    };
    const Case cases[] = {
        {1590082, true},
        {14399840, true},
        {18547290, true},
        {361579, true},
        {34150371, true},
        {4264242, true},
        {8609468, true},
        {34150372, false},
        {4264243, false},
        {8609469, false},
        {1590083, false},
        {14399841, false},
        {60, true},
        {61, false},               // 6 x 2 = 12, 120 mod 11 = 10: control 0
        {9000000001590082, true},  // digits beyond the key's nine count 0
        {9000000001590083, false},
        {0, true},
        {-1590082, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fiscalCodeValid(c.code), c.valid) << c.code;
}

}  // namespace
}  // namespace vandrix::sale
