// The customer display and the scale through the real program: a display on a pseudo-terminal
// shows the sale, the payment, the next customer and the pause at the end; the "QTY" button puts
// the weight of a DIGI scale emulated on another pseudo-terminal into the quantity.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "../devices/pseudo_terminal.h"
#include "shop.h"

namespace vandrix {
namespace {

class DevicesScenario : public testing::ShopScenario {
  protected:
    DevicesScenario()
        : ShopScenario({
              "INSERT INTO articol VALUES (1,'APA','BUC',36.75,'1','1','')",
              "INSERT INTO articol VALUES (2,'CAIET','BUC',10.00,'3','1','')",
              "INSERT INTO codbar VALUES (4,'111','1')",
              "INSERT INTO codbar VALUES (5,'222','2')",
          }) {}
};

// The start of a line-1 command of the default command set.
std::string firstLine(const std::string& text) {
    return "\x1B\x51\x41" + text;
}

TEST_F(DevicesScenario, TheDisplayShowsTheSale) {
    testing::PseudoTerminal display;
    testing::addSetting(folder.path(), "Display=" + display.path());
    std::string received;
    std::atomic<bool> done{false};
    std::thread reader([&] {
        while (!done)
            received += display.read(50);
    });
    // Part by card, the rest in cash in the payment window.
    auto run = sell(
        "type 111\nkey Enter\nwait 200\ntype 222\nkey Enter\nwait 200\n"
        "type 10\nclick pay2\nclick DA\nexpect-title Incasare\nwait 200\n"
        "click 5\nclick 0\nclick pay1\nwait 200\n");
    done = true;
    reader.join();
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    // In order: each article, the payment, the next customer, and the pause at the end.
    std::size_t at = 0;
    for (const std::string& line :
         {firstLine("APA "), firstLine("CAIET "), firstLine("INCASARE"),
          firstLine("  URMATORUL CLIENT  \x0D"), firstLine("        PAUZA       \x0D")}) {
        const std::size_t found = received.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing in order: " << line.substr(3, 20);
        at = found + line.size();
    }
}

TEST_F(DevicesScenario, TheScaleGivesTheQuantity) {
    testing::PseudoTerminal scale;
    testing::addSetting(folder.path(), "Cantar=" + scale.path() + ",DIGI");
    std::atomic<bool> done{false};
    std::thread device([&] {
        while (!done)
            if (scale.read(50).find("\x05\x11\x0B") != std::string::npos)
                scale.write("\x01\x02\x53\x20\x30\x31\x2E\x32\x33\x34\x6B\x03\x04");
    });
    auto run = sell(
        "click QTY\nexpect qty | 1.234\ntype 111\nkey Enter\n"
        "expect-row grid | 0 | APA | BUC |   1.234\n");
    done = true;
    device.join();
    EXPECT_EQ(run.exitStatus, 0) << run.output;
}

}  // namespace
}  // namespace vandrix
