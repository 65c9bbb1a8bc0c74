// UTF-8 checks: which byte sequences are text, and letters counted once each.
#include <gtest/gtest.h>

#include "platform/utf8.h"

namespace vandrix::platform {
namespace {

TEST(Utf8, ValidOnlyForShortestFormSequences) {
    struct Case {
        const char* bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"ServerDir=C:\\Casa", true},
        {"ȘOSETE ăîâ €", true},
        {"\xAA"
         "OSETE",
         false},                  // a Windows-1250 byte
        {"\xC3", false},          // cut short
        {"\xC0\xAF", false},      // overlong "/"
        {"\xED\xA0\x80", false},  // a surrogate
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(Utf8, RoundTripAndLetters) {
    const std::string text = "aă€\U0001F600";
    EXPECT_EQ(encodeUtf8(decodeUtf8(text)), text);
    EXPECT_EQ(utf8LetterCount(text), 4);
}

}  // namespace
}  // namespace vandrix::platform
