// Text to PDF string bytes: escaping, WinAnsiEncoding, two-byte codes and PDF names.
#include "pdf/text_encoding.h"

#include <gtest/gtest.h>

namespace vandrix::pdf {
namespace {

using namespace std::string_literals;

TEST(EscapeText, EscapesDelimitersAndControlCharactersInEveryMode) {
    struct Case {
        std::string text;
        TextBytes mode;
        std::string bytes;
    };
    const Case cases[] = {
        {"a(b)c\\d", TextBytes::kSingleByte, "a\\(b\\)c\\\\d"},
        {"\b\t\n\f\r", TextBytes::kSingleByte, "\\b\\t\\n\\f\\r"},
        {"A(", TextBytes::kUnicodeText, "\xFE\xFF\0A\0\\("s},
        {"A(", TextBytes::kTwoByteCodes, "\0A\0\\("s},
        // U+0128 and U+015C: their low bytes are "(" and "\" and must be escaped too.
        {"\u0128\u015C", TextBytes::kTwoByteCodes, "\x01\\(\x01\\\\"s},
        {"ș", TextBytes::kTwoByteCodes, "\x02\x19"s},
        {"\U0001F600", TextBytes::kTwoByteCodes, "\xD8\x3D\xDE\x00"s},  // a surrogate pair
    };
    for (const Case& c : cases) {
        EXPECT_EQ(escapeText("[", "]", c.text, c.mode), "[" + c.bytes + "]") << c.text;
    }
}

TEST(EscapeText, SingleByteModeWritesWinAnsiCodes) {
    struct Case {
        std::string text;
        std::string bytes;
    };
    const Case cases[] = {
        {"â î Â Î", "\xE2 \xEE \xC2 \xCE"},
        {"€ „ Š", "\x80 \x84 \x8A"},
        {"ăș ĂȘ ţŢ", "as AS tT"},  // no WinAnsi code: the base letter
        {"一", "?"},
        {"\xFF", "?"},  // invalid UTF-8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(escapeText("", "", c.text, TextBytes::kSingleByte), c.bytes) << c.text;
    }
}

TEST(DecodeUtf8, ReplacesInvalidSequences) {
    EXPECT_EQ(decodeUtf8("aă€\U0001F600"), U"aă€\U0001F600");
    EXPECT_EQ(decodeUtf8("\xC3"), U"\uFFFD");
    EXPECT_EQ(decodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");            // overlong "/"
    EXPECT_EQ(decodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // a surrogate
}

TEST(PdfName, WritesBlanksAndDelimitersAsHexCodes) {
    EXPECT_EQ(pdfName("Lucida Console"), "Lucida#20Console");
    EXPECT_EQ(pdfName("A/B(C)#"), "A#2FB#28C#29#23");
    EXPECT_EQ(pdfName("Helvetica-Bold"), "Helvetica-Bold");
}

}  // namespace
}  // namespace vandrix::pdf
