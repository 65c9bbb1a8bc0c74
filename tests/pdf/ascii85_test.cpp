// ASCII85 encoding of font programs and character maps.
#include "pdf/ascii85.h"

#include <gtest/gtest.h>

#include "pdf_test_helpers.h"

namespace vandrix::pdf {
namespace {

TEST(Ascii85, EncodesStandardGroupsWithZeroShorthandOnlyForWholeGroups) {
    struct Case {
        std::string bytes;
        std::string encoded;
    };
    const Case cases[] = {
        {"", "~>"},
        {std::string(4, '\0'), "z~>"},
        {std::string(5, '\0'), "z!!~>"},
        {std::string(2, '\0'), "!!!~>"},
        {"Man ", "9jqo^~>"},
        {"M", "9`~>"},
        {"\xff\xff\xff\xff", "s8W-!~>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ascii85Encode(c.bytes), c.encoded) << c.encoded;
}

TEST(Ascii85, BreaksLinesAfter73CharactersAndDecodesBack) {
    std::string bytes;
    for (int i = 0; i < 5000; ++i)
        bytes += static_cast<char>((i * 7919) % 256);
    bytes += std::string(12, '\0');
    std::string encoded = ascii85Encode(bytes);
    std::size_t start = 0;
    while (true) {
        std::size_t end = encoded.find('\n', start);
        if (end == std::string::npos) {
            EXPECT_LE(encoded.size() - start, 73u);
            break;
        }
        EXPECT_EQ(end - start, 73u);
        start = end + 1;
    }
    EXPECT_EQ(encoded.substr(encoded.size() - 2), "~>");
    EXPECT_EQ(testing::ascii85Decode(encoded), bytes);
}

}  // namespace
}  // namespace vandrix::pdf
