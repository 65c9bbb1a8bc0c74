// Local-time formatting with the program's tokens, parsing back, and the manual clock.
#include "platform/clock.h"

#include <gtest/gtest.h>

namespace vandrix::platform {
namespace {

TEST(FormatLocalTime, ReplacesEveryToken) {
    const std::time_t t = parseLocalTime("2023-11-04 09:05:07");
    ASSERT_NE(t, -1);
    const std::pair<const char*, const char*> cases[] = {
        {"%yyyy-%mm-%dd %hh:%ii:%ss", "2023-11-04 09:05:07"},
        {"%yyyy%mm%dd%hh%ii%ss", "20231104090507"},
        {"%dd.%mm.%yy", "04.11.23"},
        {"Z_%yyyy%mm%dd.txt", "Z_20231104.txt"},
        {"100% %x %", "100% %x %"},
        {"", ""},
    };
    for (const auto& [pattern, text] : cases)
        EXPECT_EQ(formatLocalTime(pattern, t), text) << pattern;
    EXPECT_EQ(databaseStamp(t), "2023-11-04 09:05:07");
}

TEST(ParseLocalTime, AcceptsOnlyTheDatabaseForm) {
    const std::time_t t = parseLocalTime("2024-02-29 23:59:59");
    ASSERT_NE(t, -1);
    EXPECT_EQ(databaseStamp(t), "2024-02-29 23:59:59");
    for (const char* bad : {"", "2024-02-29", "2024-02-29 23:59:59x", "azi"})
        EXPECT_EQ(parseLocalTime(bad), -1) << bad;
}

TEST(ManualClock, MovesOnlyWhenTold) {
    ManualClock clock(1000);
    EXPECT_EQ(clock.elapsedMs(), 0);
    clock.sleepMs(3500);
    EXPECT_EQ(clock.elapsedMs(), 3500);
    EXPECT_EQ(clock.now(), 1003);
    clock.advance(-10);  // time never runs backwards
    EXPECT_EQ(clock.elapsedMs(), 3500);
}

}  // namespace
}  // namespace vandrix::platform
