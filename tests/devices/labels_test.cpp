// Shelf labels: what reaches a network label printer (a loopback server) and a file, line by
// line, for both sizes; the codes by their length; copies; what a printer cannot print; and a
// printer that cannot be reached.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "capture_server.h"
#include "devices/labels.h"
#include "platform/label_printer.h"
#include "temp_folder.h"

namespace vandrix::devices {
namespace {

std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos;
         start = end + 2, end = bytes.find("\r\n", start))
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

std::string printed(const LabelRow& row, LabelSize size, int copies = 1) {
    testing::CaptureServer printer;
    platform::LabelPrinter tsc;
    printLabel(tsc, printer.address(), row, size, copies);
    return printer.received();
}

TEST(Labels, ASmallLabelWithAPluCode) {
    const LabelRow row{"PAINE", "7", "3.5", "BUC", "9", "General"};
    EXPECT_EQ(labelText(row, LabelSize::Small),
              "|PAINE\r\n\r\nCategoria:   General\r\n\r\n|Pret:   3.50 RON/BUC");
    const std::vector<std::string> expected = {
        "SIZE 38 mm,25 mm",
        "GAP 2 mm,0 mm",
        "SPEED 4",
        "DENSITY 10",
        "CLS",
        "TEXT 15,20,\"2\",0,1,1,\"PAINE\"",
        "TEXT 16,20,\"2\",0,1,1,\"PAINE\"",
        "TEXT 17,20,\"2\",0,1,1,\"PAINE\"",
        "TEXT 15,21,\"2\",0,1,1,\"PAINE\"",
        "TEXT 15,40,\"2\",0,1,1,\"\"",
        "TEXT 15,60,\"2\",0,1,1,\"Categoria:   General\"",
        "TEXT 15,80,\"2\",0,1,1,\"\"",
        "TEXT 15,100,\"2\",0,1,1,\"Pret:   3.50 RON/BUC\"",
        "TEXT 16,100,\"2\",0,1,1,\"Pret:   3.50 RON/BUC\"",
        "TEXT 17,100,\"2\",0,1,1,\"Pret:   3.50 RON/BUC\"",
        "TEXT 15,101,\"2\",0,1,1,\"Pret:   3.50 RON/BUC\"",
        "TEXT 55,130,\"4\",0,1,1,\"PLU:    7\"",
        "PRINT 1,1",
    };
    EXPECT_EQ(linesOf(printed(row, LabelSize::Small)), expected);
}

TEST(Labels, ALargeLabelWithAnEan13Code) {
    const LabelRow row{
        "CIOCOLATA AMARUIE EXTRA 100 GR", "5941234567890", "12.5", "BUC", "19", "Dulciuri"};
    const auto lines = linesOf(printed(row, LabelSize::Large));
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "SIZE 80 mm,38 mm");
    EXPECT_EQ(lines[1], "BLINE 2 mm,0 mm");
    EXPECT_EQ(lines[5], "TEXT 15,20,\"3\",0,1,1,\"CIOCOLATA AMARUIE EXTRA 100 GR\"");  // whole
    EXPECT_EQ(lines[10],
              "TEXT 15,80,\"3\",0,1,1,\"Categoria: " + std::string(19, ' ') + "Dulciuri\"");
    EXPECT_EQ(lines[12],
              "TEXT 15,140,\"3\",0,1,1,\"Pret:" + std::string(20, ' ') + "12.50 RON/BUC\"");
    EXPECT_EQ(lines[16], "BARCODE 150,180,\"EAN13\",50,1,0,4,4,\"594123456789\"");
    EXPECT_EQ(lines[17], "PRINT 1,1");
}

TEST(Labels, CodesByTheirLength) {
    struct Case {
        const char* code;
        LabelSize size;
        std::string line;  // the code's command
    } cases[] = {
        {"7", LabelSize::Large, "TEXT 145,190,\"5\",0,1,1,\"PLU:      7\""},
        {"1234567890123456789", LabelSize::Small,
         "BARCODE 5,120,\"128\",50,1,0,2,2,\"01234567890123456789\""},
        {"ABCDEFGHIJKLMNOPQRSTUVWXY", LabelSize::Large,
         "BARCODE 80,180,\"128\",50,1,0,4,4,\"ABCDEFGHIJKLMNOPQRST\""},
    };
    for (const Case& c : cases) {
        const auto lines = linesOf(printed({"X", c.code, "1", "BUC", "19", "G"}, c.size));
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], c.line) << c.code;
    }
}

TEST(Labels, WhatThePrinterCannotPrintAndTheSmallLabelsCut) {
    const auto lines = linesOf(
        printed({"TV 32\" ŞTEFĂNESCU LED EXTRA", "5941234567890", "999", "BUC", "19", "Electro"},
                LabelSize::Small));
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[5], "TEXT 15,20,\"2\",0,1,1,\"TV 32\\[\"] STEFANESCU LE\"");  // cut to 20
}

TEST(Labels, CopiesAreWholeLabelsArticleByArticle) {
    testing::CaptureServer printer;
    platform::LabelPrinter tsc;
    printLabel(tsc, printer.address(), {"APA", "111111", "2", "BUC", "19", "G"}, LabelSize::Small,
               3);
    printLabel(tsc, printer.address(), {"LAPTE", "222222", "5", "L", "9", "G"}, LabelSize::Small,
               3);
    std::vector<std::string> sequence;
    for (const std::string& line : linesOf(printer.received())) {
        if (line.rfind("TEXT 15,20,", 0) == 0)
            sequence.push_back(line.substr(line.rfind(',') + 1));
        if (line == "PRINT 1,1")
            sequence.push_back("PRINT");
    }
    EXPECT_EQ(sequence, (std::vector<std::string>{"\"APA\"", "PRINT", "\"APA\"", "PRINT", "\"APA\"",
                                                  "PRINT", "\"LAPTE\"", "PRINT", "\"LAPTE\"",
                                                  "PRINT", "\"LAPTE\"", "PRINT"}));
}

TEST(Labels, AFileTakesTheSameCommands) {
    testing::TempFolder folder;
    const std::string file = (folder.path() / "eticheta.prn").string();
    platform::LabelPrinter tsc;
    printLabel(tsc, file, {"PAINE", "7", "3.5", "BUC", "9", "General"}, LabelSize::Small, 2);
    const auto lines = linesOf(testing::readFileBytes(file));
    EXPECT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines.front(), "SIZE 38 mm,25 mm");
    EXPECT_EQ(lines.back(), "PRINT 1,1");
}

TEST(Labels, APrinterThatCannotBeReachedCostsLittle) {
    platform::LabelPrinter tsc;
    tsc.limitSeconds = 1;
    const auto start = std::chrono::steady_clock::now();
    for (const char* port : {"127.0.0.1:1", "/nu/exista/lp0"}) {
        printLabel(tsc, port, {"PAINE", "7", "3.5", "BUC", "9", "G"}, LabelSize::Small, 2);
        EXPECT_EQ(tsc.openport(port), 0) << port;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(platform::labelPrinterPort("USB"), "/dev/usb/lp0");
}

}  // namespace
}  // namespace vandrix::devices
