// Windows-1250 conversion: Romanian letters, the comma-below forms, characters the code page
// lacks, and the way back.
#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace vandrix::platform {
namespace {

TEST(Codepage, RomanianLettersBecomeTheirCodePageBytes) {
    const std::pair<const char*, const char*> cases[] = {
        {"ă", "\xE3"},
        {"Ă", "\xC3"},
        {"â", "\xE2"},
        {"Â", "\xC2"},
        {"î", "\xEE"},
        {"Î", "\xCE"},
        {"ş", "\xBA"},
        {"Ş", "\xAA"},
        {"ţ", "\xFE"},
        {"Ţ", "\xDE"},
        // The comma-below letters, which the code page lacks, become the cedilla ones.
        {"ș", "\xBA"},
        {"Ș", "\xAA"},
        {"ț", "\xFE"},
        {"Ț", "\xDE"},
        {"€", "\x80"},
        {"Țară 1,50 lei",
         "\xDE"
         "ar\xE3 1,50 lei"},
    };
    for (const auto& [utf8, ansi] : cases)
        EXPECT_EQ(utf8ToAnsi(utf8), ansi) << utf8;
}

TEST(Codepage, WhatTheCodePageLacksBecomesAQuestionMark) {
    const std::pair<const char*, const char*> cases[] = {
        {"中", "?"},
        {"a😀b", "a?b"},
        {"ñ", "?"},
        {"a\xFF"
         "b",
         "a?b"},        // a byte that starts no UTF-8 character
        {"\xC4", "?"},  // a sequence cut short at the end
        {"\xE2\x82"
         "x",
         "??x"},
        {"", ""},
    };
    for (const auto& [utf8, ansi] : cases)
        EXPECT_EQ(utf8ToAnsi(utf8), ansi) << utf8;
    EXPECT_EQ(ansiToUtf8("\x98"), "?");  // a byte the code page leaves undefined
}

TEST(Codepage, EveryDefinedByteSurvivesTheRoundTrip) {
    for (int b = 0x01; b <= 0xFF; ++b) {
        std::string ansi(1, static_cast<char>(b));
        std::string utf8 = ansiToUtf8(ansi);
        if (utf8 == "?")
            continue;  // undefined in the code page
        EXPECT_EQ(utf8ToAnsi(utf8), ansi) << "byte " << b;
    }
    const std::string text = "Şcoala Română: ţuică, învăţătură, ÎÂĂ";
    EXPECT_EQ(ansiToUtf8(utf8ToAnsi(text)), text);
}

}  // namespace
}  // namespace vandrix::platform
