// The scales: both protocols' answers, and whole reads from a scale emulated on a
// pseudo-terminal, bounded in time when the scale says nothing useful.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "devices/scale.h"
#include "pseudo_terminal.h"

namespace vandrix::devices {
namespace {

TEST(ScaleAnswers, Digi) {
    struct Case {
        const char* dump;
        const char* reading;
    } cases[] = {
        {"01 02 53 20 30 31 2E 32 33 34 6B 03 04 ", "01.234"},
        {"AA 01 02 53 20 30 31 2E 32 33 34 6B 03 04 ", "01.234"},  // noise before the frame
        {"01 02 55 20 30 31 2E 32 33 34 6B 03 04 ", "NOT STABLE"},
        {"01 02 53 2D 30 31 2E 32 33 34 6B 03 04 ", "NEGATIVE"},
        {"01 02 53 46 30 31 2E 32 33 34 6B 03 04 ", "OVERWEIGHT"},
        {"53 20 30 31 2E 32 33 34 6B ", "BAD DATA"},
        {"", "BAD DATA"},
        {"01 02 41 03 04 ", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseDigi(c.dump), c.reading) << c.dump;
    EXPECT_EQ(quantityOfReading("01.234"), "1.234");
    EXPECT_EQ(quantityOfReading("NOT STABLE"), "0.000");
    EXPECT_EQ(quantityOfReading(""), "0.000");
}

TEST(ScaleAnswers, Acs) {
    const std::string frame = "FF 14 34 12 00 00 00 00 00 00 00 00 00 00 ";
    EXPECT_EQ(parseAcs(frame), "1.234");
    EXPECT_EQ(parseAcs("12 34 " + frame), "1.234");  // junk before the first FF
    EXPECT_EQ(parseAcs(frame + "FF 14 "), "1.234");  // the next frame begun
    EXPECT_EQ(parseAcs("FF 1C 34 12 00 00 00 00 00 00 00 00 00 00 "), "NEGATIVE");
    EXPECT_EQ(parseAcs("FF 34 34 12 00 00 00 00 00 00 00 00 00 00 "), "OVERWEIGHT");
    EXPECT_EQ(parseAcs("FF 14 34 12 "), std::nullopt);  // not whole yet
    EXPECT_EQ(quantityOfReading("NEGATIVE"), "0.000");
}

// A DIGI scale: "not stable" twice, then a weight, each time it is asked.
TEST(ScaleReads, DigiUntilStable) {
    testing::PseudoTerminal scale;
    std::atomic<bool> done{false};
    std::thread device([&] {
        int asked = 0;
        while (!done) {
            const std::string request = scale.read(50);
            if (request.find("\x05\x11\x0B") == std::string::npos)
                continue;
            ++asked;
            scale.write(asked < 3
                            ? std::string("\x01\x02\x55 00.500kg\x03\x04")
                            : std::string("\x01\x02\x53\x20\x30\x31\x2E\x32\x33\x34\x6B\x03\x04"));
        }
    });
    EXPECT_EQ(readWeight(scale.path() + ",DIGI"), "1.234");
    done = true;
    device.join();
}

TEST(ScaleReads, AcsAmidTheStream) {
    testing::PseudoTerminal scale;
    scale.write(
        std::string("\x12\x34\xFF\x14\x34\x12\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00", 16));
    EXPECT_EQ(readWeight(scale.path() + ",ACS"), "1.234");
}

TEST(ScaleReads, ASilentOrMissingScaleGivesUpInTime) {
    testing::PseudoTerminal scale;  // opens, never answers
    for (const char* protocol : {",DIGI", ",ACS"}) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(readWeight(scale.path() + protocol, std::chrono::milliseconds(1500)), "0.000");
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4)) << protocol;
    }
    EXPECT_EQ(readWeight("/dev/nu-exista,DIGI"), "0.000");
    EXPECT_EQ(readWeight("COM2,ALTCEVA"), std::nullopt);
}

}  // namespace
}  // namespace vandrix::devices
