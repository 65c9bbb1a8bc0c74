// The customer display and the scale through the real program: a display on a pseudo-terminal
// shows the sale, the payment, the next customer and the pause at the end; the "QTY" button puts
// the weight of a DIGI scale emulated on another pseudo-terminal into the quantity.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "../devices/capture_server.h"
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
              "INSERT INTO articol VALUES (3,'LAPTE BATUT','L',4.20,'2','2','')",
              "INSERT INTO codbar VALUES (6,'5941234567890','3')",
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

// Labels: the filter, two rows ticked, three copies, on a network printer.
TEST_F(DevicesScenario, LabelsReachThePrinter) {
    testing::CaptureServer printer;
    testing::addSetting(folder.path(), "ETICHETE=" + printer.address());
    auto run = sell(
        "click Rapoarte\nclick Printare Etichete\nexpect-title Etichete\n"
        // CAIET's group does not exist: it has no label.
        "expect-rows etichete | 2\nset filtru | A\nexpect-rows etichete | 2\n"
        "set filtru | LAPTE\nexpect-rows etichete | 1\nset filtru |\n"
        "tick etichete | 0\ntick etichete | 1\nset copii | 3\n"
        "click Printeaza 38x25\nclose\nclose\n");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string sent = printer.received();
    std::size_t labels = 0;
    for (auto at = sent.find("PRINT 1,1\r\n"); at != std::string::npos;
         at = sent.find("PRINT 1,1\r\n", at + 1))
        ++labels;
    EXPECT_EQ(labels, 6u);
    // Article by article, in the list's order (by name): APA three times, then LAPTE BATUT.
    const auto lapte = sent.find("TEXT 15,20,\"2\",0,1,1,\"LAPTE BATUT\"");
    ASSERT_NE(sent.find("TEXT 15,20,\"2\",0,1,1,\"APA\""), std::string::npos);
    ASSERT_NE(lapte, std::string::npos);
    EXPECT_LT(sent.rfind("TEXT 15,20,\"2\",0,1,1,\"APA\""), lapte);
    EXPECT_NE(sent.find("TEXT 55,130,\"4\",0,1,1,\"PLU:  111\""), std::string::npos);
    EXPECT_NE(sent.find("BARCODE 60,120,\"EAN13\",50,1,0,2,2,\"594123456789\""), std::string::npos);
}

}  // namespace
}  // namespace vandrix
