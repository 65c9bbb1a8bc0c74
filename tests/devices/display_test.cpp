// The customer display: its commands, the display loop's timing on the test's clock, the mirror
// file, and the bytes that reach a display on a pseudo-terminal.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "devices/customer_display.h"
#include "devices/display_commands.h"
#include "platform/serial_port.h"
#include "pseudo_terminal.h"
#include "shell/application.h"
#include "temp_folder.h"

namespace vandrix::devices {
namespace {

std::string hex(const std::string& bytes) {
    std::string out;
    char two[4];
    for (unsigned char b : bytes) {
        std::snprintf(two, sizeof two, "%02X ", b);
        out += two;
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

TEST(DisplayCommands, BothCommandSets) {
    EXPECT_EQ(hex(hexToBytes(lineCommand("AB", 2, true))), "0B 0A 18 1B 51 41 42 0D 1F 42");
    EXPECT_EQ(hex(hexToBytes(lineCommand("AB", 2, false))), "1B 51 42 41 42 0D");
    EXPECT_EQ(hex(hexToBytes(lineCommand("AB", 1, false))), "1B 51 41 41 42 0D");
    EXPECT_EQ(hex(hexToBytes(lineCommand("AB", 1, true))), "0B 18 1B 51 41 42 0D 1F 42");
    // A 25-character line goes out as its first 20.
    EXPECT_EQ(hexToBytes(lineCommand(std::string(25, 'X'), 1, true)),
              std::string("\x0B\x18\x1B\x51", 4) + std::string(20, 'X') + "\x0D\x1F\x42");
    EXPECT_EQ(twentyCharacters(std::string(25, 'X')), std::string(20, 'X'));
    EXPECT_EQ(twentyCharacters("AB"), "AB" + std::string(18, ' '));
    // Letters the display has no byte for: their plain letters, anything else "?".
    EXPECT_EQ(displayBytes("ţuică şi ăî €"),
              "tuic"
              "a si a\xEE ?");
    EXPECT_EQ(hex(hexToBytes("$1b 0x51 zz 41")), "1B 51 41");
}

class DisplayLoopTest : public ::testing::Test {
  protected:
    shell::DisplayLines lines;
    std::vector<std::string> sent;
    DisplayLoop loop{lines, [this](const std::string& b) { sent.push_back(b); }, {}};
};

TEST_F(DisplayLoopTest, ChangesGoOutOnceAndEverythingAgainEveryFiveSeconds) {
    loop.step(0);  // the start-up lines
    sent.clear();
    lines.set("PAINE", "T: 3.00");
    loop.step(25);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], hexToBytes(lineCommand(twentyCharacters("PAINE"), 1, false)));
    lines.set("PAINE", "T: 3.00");  // the same text again: nothing until the refresh
    loop.step(50);
    loop.step(5000);
    EXPECT_EQ(sent.size(), 2u);
    loop.step(5001);  // the refresh sends both lines again
    EXPECT_EQ(sent.size(), 4u);
    // After a receipt the next refresh waits 5 s from then.
    lines.set("  URMATORUL CLIENT  ", "       VA ROG       ");
    lines.restartRefresh();
    loop.step(7000);
    EXPECT_EQ(sent.size(), 6u);
    loop.step(11999);
    EXPECT_EQ(sent.size(), 6u);
    loop.step(12002);
    EXPECT_EQ(sent.size(), 8u);
    EXPECT_EQ(lines.holdOff(), 0);
}

TEST(DisplayMirror, TheTwoLinesReachTheDisplayFolder) {
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    std::filesystem::create_directories(folder.path() / "Display");
    shell::DisplayLines lines;
    DisplayLoop loop(lines, nullptr,
                     {false, true, (folder.path() / "Display" / "display.txt").string()});
    lines.set("INCASARE C A S H", "20.00");
    loop.step(0);
    loop.step(5001);
    const std::string expected = "INCASARE C A S H    \r\n20.00" + std::string(15, ' ') + "\r\n";
    EXPECT_EQ(testing::readFileBytes(folder.path() / "display.txt"), expected);
    EXPECT_EQ(testing::readFileBytes(folder.path() / "Display" / "display.txt"), expected);
}

TEST(DisplayPort, BytesReachTheDeviceWhole) {
    testing::PseudoTerminal display;
    auto port = platform::SerialPort::open(display.path(), {});
    ASSERT_TRUE(port);
    ASSERT_TRUE(port->write(hexToBytes(lineCommand("AB", 2, true))));
    EXPECT_EQ(hex(display.read(200)), "0B 0A 18 1B 51 41 42 0D 1F 42");
    EXPECT_FALSE(platform::SerialPort::open("/dev/nu-exista", {}));
    EXPECT_EQ(platform::serialDevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(platform::serialDevicePath("/dev/ttyUSB0"), "/dev/ttyUSB0");
}

// The thread: lines set while it runs reach the display; the pause text set last is out before
// the thread ends; with no port and no mirror no thread starts.
TEST(DisplayThread, SendsWhatTheSaleSets) {
    testing::PseudoTerminal display;
    shell::DisplayLines lines;
    CustomerDisplay customer;
    ASSERT_TRUE(customer.start(lines, {display.path(), {true, false, ""}}));
    for (int i = 0; i < 20; ++i) {
        lines.set("ARTICOL " + std::to_string(i), "T: " + std::to_string(i));
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    lines.set("        PAUZA       ", "       TEHNICA      ");
    customer.finish();
    const std::string received = display.read(200);
    EXPECT_NE(received.find(hexToBytes(lineCommand("        PAUZA       ", 1, true))),
              std::string::npos);
    EXPECT_NE(received.find(hexToBytes(lineCommand("       TEHNICA      ", 2, true))),
              std::string::npos);

    CustomerDisplay none;
    EXPECT_FALSE(none.start(lines, {"", {}}));
    none.finish();
}

}  // namespace
}  // namespace vandrix::devices
