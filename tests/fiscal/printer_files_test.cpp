// The files handed to the fiscal-printer driver: the receipt's three files byte for byte, their
// delivery into the watched folders, the report requests, cash in and out, and the tip receipt.
#include "fiscal/printer_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "fiscal/printer_records.h"
#include "fiscal/receipt_spool.h"
#include "platform/clock.h"
#include "sale/receipt_grid.h"
#include "shell/settings.h"
#include "temp_folder.h"

namespace vandrix::fiscal {
namespace {

namespace fs = std::filesystem;
using sale::discountCell;
using sale::priceCell;
using sale::quantityCell;
using sale::Row;
using testing::readFileBytes;
using testing::ScopedTmpDir;
using testing::ScopedWorkingFolder;
using testing::TempFolder;
using testing::writeFileBytes;

shell::Cents cents(double value) {
    return std::llround(value * 100);
}

Row article(const std::string& name, double quantity, double price) {
    return {name,
            "BUC",
            quantityCell(std::llround(quantity * 1000)),
            priceCell(cents(price)),
            "7",
            "5941234",
            "1",
            "1"};
}

Row discount(double percent) {
    return {"DISCOUNT", "BUC", quantityCell(1000), discountCell(cents(percent)), "-1", "",
            "1",        "1"};
}

class PrinterFilesTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};
    ScopedTmpDir tmpdir{makeFolder("tmp")};
    shell::Settings settings;
    platform::ManualClock clock{1700000000};

    void SetUp() override {
        makeFolder("Bonuri");
        makeFolder("Note");
        settings.baseFolder = folder.path().string() + "/";
        settings.serverDir = settings.baseFolder + "Bonuri/";
        settings.noteDir = settings.baseFolder + "Note/";
        settings.pos = "POS01";
        settings.fiscal = 1;
        shell::applyPaymentModeLines(settings,
                                     {"1=C A S H|0", "2= C A R D|1", "3=BONURI|4", "4=CREDIT|6"});
    }

    fs::path makeFolder(const std::string& name) {
        fs::create_directories(folder / name);
        return folder / name;
    }

    std::string bytes(const std::string& relative) { return readFileBytes(folder / relative); }
    bool exists(const std::string& relative) { return fs::exists(folder / relative); }
};

// The APA receipt: 2 x 36.75 in VAT group 1, article group 1.
constexpr const char* kApaDriver = "V|APA~BUC|1|36.75|2.000|0|0|0\r\n";
constexpr const char* kApaText = "APA\r\n2.000 BUCx36.75 = 73.50\r\n";
constexpr const char* kApaDatecs = "S,1,______,_,__;APA;36.75;2.000;0;1;1;0;0;BUC\r\n";

struct ReceiptCase {
    const char* label;
    std::vector<Row> rows;
    int mode;
    const char* paidField;
    std::vector<PaymentRow> payments;
    const char* cui;
    const char* freeText;
    std::string driver, text, datecs;
    double receiptSum;
    std::array<double, 5> paidByMode;
};

const std::string kTwoEmpty = "\r\n\r\n";

const ReceiptCase kReceiptCases[] = {
    {"CashWithChange",
     {article("APA", 2, 36.75)},
     1,
     " 100.00",
     {},
     "",
     "",
     std::string(kApaDriver) + "P|0|100.00\r\n",
     kTwoEmpty + kApaText +
         "\r\nModplata CASH: 100.00\r\n\r\nTotal    :  73.50\r\n\r\nRest     :  26.50\r\n",
     std::string(kApaDatecs) + "T,1,______,_,__;0;100.00;;;;\r\n",
     73.50,
     {0, 100, 0, 0, 0}},
    {"TenPercentDiscountPaidExactly",
     {article("PAINE", 1, 100), discount(10)},
     1,
     "  90.00",
     {},
     "",
     "",
     "V|PAINE~BUC|1|100.00|1.000|0|0|0\r\nU|1|-10.00\r\nP|0|90.00\r\n",
     kTwoEmpty + "PAINE\r\n1.000 BUCx100.00 = 100.00\r\nDsicount 10.00% = 10.00\r\n"
                 "\r\nModplata CASH:  90.00\r\n\r\nTotal    :  90.00\r\n",
     "S,1,______,_,__;PAINE;100.00;1.000;0;1;1;0;0;BUC\r\nT,1,______,_,__;4;;;;;\r\n"
     "C,1,______,_,__;1;10.00;;;;\r\nT,1,______,_,__;0;90.00;;;;\r\n",
     90,
     {0, 90, 0, 0, 0}},
    {"SplitCardThenCash",
     {article("APA", 2, 36.75)},
     0,
     "",
     {{"  50.00", "CARD", 2}, {"  30.00", "CASH", 1}},
     "",
     "",
     std::string(kApaDriver) + "P|1|50.00\r\nP|0|30.00\r\n",
     kTwoEmpty + kApaText +
         "Modplata CASH:  30.00\r\nModplata CARD:  50.00\r\nModplata BONURI:   0.00\r\n"
         "Modplata CREDIT:   0.00\r\n\r\nTotal    :  73.50\r\n\r\nRest     :   6.50\r\n",
     std::string(kApaDatecs) + "T,1,______,_,__;1;50.00;;;;\r\nT,1,______,_,__;0;30.00;;;;\r\n",
     73.50,
     {0, 30, 50, 0, 0}},
    {"SplitTwiceInOneModeAddsUp",
     {article("APA", 2, 36.75)},
     0,
     "",
     {{"  40.00", "BONURI", 3}, {"  33.50", "BONURI", 3}},
     "",
     "",
     std::string(kApaDriver) + "P|4|40.00\r\nP|4|33.50\r\n",
     kTwoEmpty + kApaText +
         "Modplata CASH:   0.00\r\nModplata CARD:   0.00\r\nModplata BONURI:  73.50\r\n"
         "Modplata CREDIT:   0.00\r\n\r\nTotal    :  73.50\r\n",
     std::string(kApaDatecs) + "T,1,______,_,__;4;40.00;;;;\r\nT,1,______,_,__;4;33.50;;;;\r\n",
     73.50,
     {0, 0, 0, 73.50, 0}},
    {"BuyersFiscalCode",
     {article("APA", 2, 36.75)},
     2,
     "  73.50",
     {},
     "RO123456",
     "",
     "C|RO123456| | |\r\n" + std::string(kApaDriver) + "P|1|73.50\r\n",
     kTwoEmpty + "CUI CLIENT: RO123456\r\n" + kApaText +
         "\r\nModplata CARD:  73.50\r\n\r\nTotal    :  73.50\r\n",
     "K,1,______,_,__;RO123456;\r\n" + std::string(kApaDatecs) + "T,1,______,_,__;1;73.50;;;;\r\n",
     73.50,
     {0, 0, 73.50, 0, 0}},
    {"FreeTextInLinesOneAndThree",
     {article("APA", 2, 36.75)},
     4,
     "  73.50",
     {},
     "",
     "MULTUMIM||REVENITI|",
     std::string(kApaDriver) + "P|6|73.50\r\nT|MULTUMIM\r\nT|REVENITI\r\n",
     kTwoEmpty + kApaText +
         "\r\nModplata CREDIT:  73.50\r\n\r\nTotal    :  73.50\r\nMULTUMIM\r\nREVENITI\r\n",
     std::string(kApaDatecs) +
         "T,1,______,_,__;6;73.50;;;;\r\nP,1,______,_,__;MULTUMIM;;REVENITI;;;\r\n",
     73.50,
     {0, 0, 0, 0, 73.50}},
    {"FreeTextConfirmedEmptyAndFourthLineLeftOutOfDatecs",
     {article("APA", 2, 36.75)},
     1,
     "  73.50",
     {},
     "",
     "|||PE CURAND",
     std::string(kApaDriver) + "P|0|73.50\r\nT|PE CURAND\r\n",
     kTwoEmpty + kApaText + "\r\nModplata CASH:  73.50\r\n\r\nTotal    :  73.50\r\nPE CURAND\r\n",
     std::string(kApaDatecs) + "T,1,______,_,__;0;73.50;;;;\r\nP,1,______,_,__;;;;;;\r\n",
     73.50,
     {0, 73.50, 0, 0, 0}},
};

class ReceiptFilesCase : public PrinterFilesTest,
                         public ::testing::WithParamInterface<ReceiptCase> {};

TEST_P(ReceiptFilesCase, WritesTheThreeFilesRecordByRecord) {
    const ReceiptCase& c = GetParam();
    sale::ReceiptGrid grid;
    for (const Row& row : c.rows)
        grid.append(row);
    ReceiptForFiles receipt{&grid, c.mode, c.paidField, c.payments, c.cui, c.freeText};

    const ReceiptRecords records = buildReceiptRecords(receipt, settings);
    ASSERT_TRUE(spoolReceiptFiles(records, "BonCMP-000000123-POS01.txt", settings));

    EXPECT_EQ(spoolFolder(settings), (folder / "netrimise").string() + "/");
    EXPECT_EQ(bytes("netrimise/BonCMP-000000123-POS01.txt"), c.driver);
    EXPECT_EQ(bytes("netrimise/BonCMP-000000123-POS01.txtNF.txt"), c.text);
    EXPECT_EQ(bytes("netrimise/BonCMP-000000123-POS01.txtFI.txt"), c.datecs);
    EXPECT_EQ(records.receiptSum, cents(c.receiptSum));
    for (size_t m = 1; m <= 4; ++m)
        EXPECT_EQ(records.paidByMode[m], cents(c.paidByMode[m])) << m;
}

INSTANTIATE_TEST_SUITE_P(Receipts, ReceiptFilesCase, ::testing::ValuesIn(kReceiptCases),
                         [](const auto& test) { return std::string(test.param.label); });

TEST(ReceiptRecords, DiscountAppliesToTheRunningSumAndLaterLinesAddInFull) {
    sale::ReceiptGrid grid;
    grid.append(article("A", 1, 50));
    grid.append(discount(20));  // 50 - 10
    grid.append(article("B", 3, 1.5));
    shell::Settings settings;
    ReceiptRecords records = buildReceiptRecords({&grid, 1, "50.00", {}, "", ""}, settings);
    EXPECT_EQ(records.text[4].text, "Dsicount 20.00% = 10.00");
    EXPECT_EQ(records.receiptSum, 4450);
}

// Characters that would break a record's syntax become spaces in the records, and only there.
TEST(ReceiptRecords, NamesThatHoldRecordSeparatorsGiveWellFormedRecords) {
    sale::ReceiptGrid grid;
    Row row = article("A|B~C;D\r\nE\tF", 1, 5);
    row[sale::kUnitCell] = "K|G";
    grid.append(row);
    shell::Settings settings;
    shell::applyPaymentModeLines(settings, {"1=C A S H|0"});
    ReceiptRecords records =
        buildReceiptRecords({&grid, 1, "5.00", {}, "RO|1", "X|Y;Z\nW"}, settings);

    EXPECT_EQ(records.driver[0].text, "C|RO 1| | |");
    EXPECT_EQ(records.driver[1].text, "V|A B C;D  E F~K G|1|5.00|1.000|0|0|0");
    EXPECT_EQ(records.driver[3].text, "T|X");
    EXPECT_EQ(records.driver[4].text, "T|Y;Z W");
    EXPECT_EQ(records.datecs[1].text, "S,1,______,_,__;A|B~C D  E F;5.00;1.000;0;1;1;0;0;K|G");
    EXPECT_EQ(records.datecs.back().text, "P,1,______,_,__;X;Y Z W;;;;");
    EXPECT_EQ(records.text[3].text, "A|B~C;D  E F");
    EXPECT_EQ(grid.row(0)[sale::kNameCell], "A|B~C;D\r\nE\tF");
}

TEST_F(PrinterFilesTest, DiacriticsAreWindows1250InAnsiRecordsAndUtf8InUtf8Ones) {
    sale::ReceiptGrid grid;
    grid.append(article("ÎNGHEȚATĂ", 1, 5));
    ASSERT_TRUE(
        spoolReceiptFiles(buildReceiptRecords({&grid, 1, "5.00", {}, "", "MULȚUMIM"}, settings),
                          "BonCMP-000000009-POS01.txt", settings));

    const std::string ansiName =
        "\xCENGHE\xDE"
        "AT\xC3";  // the comma-below T as its cedilla form
    const std::string driver = bytes("netrimise/BonCMP-000000009-POS01.txt");
    EXPECT_NE(driver.find("V|" + ansiName + "~BUC|"), std::string::npos) << driver;
    EXPECT_NE(driver.find("T|MULȚUMIM\r\n"), std::string::npos) << driver;
    const std::string text = bytes("netrimise/BonCMP-000000009-POS01.txtNF.txt");
    EXPECT_NE(text.find("\r\n" + ansiName + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nMULȚUMIM\r\n"), std::string::npos) << text;
    EXPECT_NE(bytes("netrimise/BonCMP-000000009-POS01.txtFI.txt").find(";" + ansiName + ";"),
              std::string::npos);
}

TEST(ReceiptFileName, FileNumberPaddedToNineDigitsAndNeverCut) {
    EXPECT_EQ(receiptFileName("123", "POS01"), "BonCMP-000000123-POS01.txt");
    EXPECT_EQ(receiptFileName("1", "7"), "BonCMP-000000001-7.txt");
    EXPECT_EQ(receiptFileName("123456789", "POS01"), "BonCMP-123456789-POS01.txt");
    EXPECT_EQ(receiptFileName("1234567890", "POS01"), "BonCMP-1234567890-POS01.txt");
    EXPECT_EQ(periodText(2), "0002");
    EXPECT_EQ(periodText(1234), "1234");
}

// Delivery of a receipt spooled as file number 123.
class DeliveryTest : public PrinterFilesTest {
  protected:
    const std::string name = "BonCMP-000000123-POS01.txt";
    sale::ReceiptGrid grid;
    std::string driver, text, datecs;

    void spool() {
        grid.append(article("APA", 2, 36.75));
        ASSERT_TRUE(spoolReceiptFiles(
            buildReceiptRecords({&grid, 1, "100.00", {}, "", ""}, settings), name, settings));
        driver = bytes("netrimise/" + name);
        text = bytes("netrimise/" + name + "NF.txt");
        datecs = bytes("netrimise/" + name + "FI.txt");
    }

    bool spoolEmpty() { return fs::is_empty(folder / "netrimise"); }
};

TEST_F(DeliveryTest, DeliversEveryCopyAndEmptiesTheSpool) {
    makeFolder("Note2");
    makeFolder("Datecs");
    settings.noteDir2 = (folder / "Note2").string();     // set without a closing separator
    settings.datecs = settings.baseFolder + "Datecs\\";  // as a hand-edited settings file has it
    spool();

    DeliveryResult result = deliverReceiptFiles(name, settings);

    EXPECT_TRUE(result.delivered);
    EXPECT_EQ(result.problem, "");
    EXPECT_EQ(bytes("Bonuri/" + name), driver);
    EXPECT_EQ(bytes("Note/" + name), text);
    EXPECT_EQ(bytes("Note2/" + name), text);
    EXPECT_EQ(bytes("Datecs/" + name + ".inp"), datecs);
    EXPECT_TRUE(spoolEmpty());
    EXPECT_TRUE(spooledReceipts(settings).empty());
}

TEST_F(DeliveryTest, AFileWaitingUnderTheSameNameIsNeverReplaced) {
    writeFileBytes(folder / "Bonuri" / name, "old");
    spool();

    DeliveryResult result = deliverReceiptFiles(name, settings);

    EXPECT_FALSE(result.delivered);
    EXPECT_NE(result.problem.find("asteapta deja"), std::string::npos) << result.problem;
    EXPECT_EQ(bytes("Bonuri/" + name), "old");
    EXPECT_EQ(bytes("netrimise/" + name), driver);
    ASSERT_EQ(spooledReceipts(settings).size(), 1u);
    EXPECT_EQ(spooledReceipts(settings)[0].receiptId, 123);
}

TEST_F(DeliveryTest, MissingServerDirKeepsTheFileUntilTheFolderIsBack) {
    fs::remove(folder / "Bonuri");
    spool();

    DeliveryResult result = deliverReceiptFiles(name, settings);
    EXPECT_FALSE(result.delivered);
    EXPECT_NE(result.problem.find("nu exista"), std::string::npos) << result.problem;
    EXPECT_EQ(bytes("Note/" + name), text);  // the note text still goes
    EXPECT_EQ(bytes("netrimise/" + name), driver);

    makeFolder("Bonuri");
    EXPECT_TRUE(deliverReceiptFiles(name, settings).delivered);
    EXPECT_EQ(bytes("Bonuri/" + name), driver);
    EXPECT_TRUE(spoolEmpty());
    EXPECT_TRUE(deliverReceiptFiles(name, settings).delivered);  // once, and never again
}

TEST_F(DeliveryTest, UnsetServerDirIsNotADelivery) {
    settings.serverDir = "";
    spool();
    DeliveryResult result = deliverReceiptFiles(name, settings);
    EXPECT_FALSE(result.delivered);
    EXPECT_NE(result.problem.find("ServerDir"), std::string::npos);
    EXPECT_EQ(bytes("netrimise/" + name), driver);
}

// The note printers' copies are tickets for the kitchen or the bar: a folder the shop does not
// have drops its copy. The Datecs-style copy prints the receipt where DATECS is set: it waits
// for its folder as the driver's file does.
TEST_F(DeliveryTest, NoteCopiesForMissingFoldersAreDroppedTheDatecsCopyWaits) {
    fs::remove(folder / "Note");
    settings.datecs = settings.baseFolder + "Datecs/";
    spool();
    DeliveryResult result = deliverReceiptFiles(name, settings);
    EXPECT_FALSE(result.delivered);
    EXPECT_TRUE(result.movedNow);  // the driver's file went
    EXPECT_NE(result.problem.find("Datecs/ nu exista"), std::string::npos) << result.problem;
    EXPECT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(bytes("Bonuri/" + name), driver);

    makeFolder("Datecs");
    result = deliverReceiptFiles(name, settings);
    EXPECT_TRUE(result.delivered);
    EXPECT_EQ(bytes("Datecs/" + name + ".inp"), datecs);
    EXPECT_TRUE(spoolEmpty());
}

// A note text that cannot go waits without holding up the receipt, and its extra copies are
// made once: the note printer that took one does not get it again.
TEST_F(DeliveryTest, AWaitingNoteTextIsCopiedOnceAndNeverAnnouncedAsASending) {
    writeFileBytes(folder / "Note" / name, "a ticket of before");
    makeFolder("Note2");
    settings.noteDir2 = (folder / "Note2").string();
    spool();

    DeliveryResult first = deliverReceiptFiles(name, settings);
    EXPECT_TRUE(first.delivered);
    EXPECT_TRUE(first.movedNow);
    EXPECT_TRUE(first.waiting);
    EXPECT_EQ(bytes("Note2/" + name), text);

    fs::remove(folder / "Note2" / name);  // the bar's printer took its ticket
    DeliveryResult again = deliverReceiptFiles(name, settings);
    EXPECT_TRUE(again.delivered);
    EXPECT_FALSE(again.movedNow);
    EXPECT_FALSE(exists("Note2/" + name));
    EXPECT_EQ(bytes("Note/" + name), "a ticket of before");

    fs::remove(folder / "Note" / name);
    EXPECT_FALSE(deliverReceiptFiles(name, settings).waiting);
    EXPECT_EQ(bytes("Note/" + name), text);
    EXPECT_TRUE(spoolEmpty());
}

TEST_F(DeliveryTest, AnUnwritableSpoolLeavesNothingBehind) {
    writeFileBytes(folder / "netrimise", "a file where the folder should be");
    grid.append(article("APA", 2, 36.75));
    EXPECT_FALSE(spoolReceiptFiles(buildReceiptRecords({&grid, 1, "100.00", {}, "", ""}, settings),
                                   name, settings));
    EXPECT_FALSE(exists("Bonuri/" + name));
}

struct ReportCase {
    const char* label;
    long fiscal;
    bool datecs;
    int kind;
    const char* delivered;  // relative to the working folder; "" when nothing is delivered
    const char* content;
};

const ReportCase kReportCases[] = {
    {"FiscalOffWritesNothing", 0, false, 1, "", ""},
    {"Z", 1, false, 1, "Bonuri/BonRaportZ-0002-POS01.txt", "Z\r\n"},
    {"X", 2, false, 0, "Bonuri/BonRaportX-0002-POS01.txt", "X\r\n"},
    {"DatecsZ", 1, true, 1, "Datecs/BonRaportZ-0002-POS01.inp", "Z,1,______,_,__;1;\r\n"},
    {"DatecsX", 1, true, 0, "Datecs/BonRaportX-0002-POS01.inp", "Z,1,______,_,__;0;\r\n"},
};

class ReportRequestCase : public PrinterFilesTest,
                          public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ReportRequestCase, WritesTheRequestIntoItsFolder) {
    const ReportCase& c = GetParam();
    settings.fiscal = c.fiscal;
    if (c.datecs)
        settings.datecs = makeFolder("Datecs").string() + "/";

    std::string path = writeReportRequest(c.kind, 2, settings, clock);

    if (*c.delivered == '\0') {
        EXPECT_EQ(path, "");
    } else {
        EXPECT_EQ(path, (folder / c.delivered).string());
        EXPECT_EQ(bytes(c.delivered), c.content);
    }
    for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("BonRaport", 0) == 0) {
            EXPECT_EQ(entry.path(), folder / c.delivered) << "stray " << entry.path();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportRequestCase, ::testing::ValuesIn(kReportCases),
                         [](const auto& test) { return std::string(test.param.label); });

// An X request the driver has not taken yet stays beside the Z request that follows it, in the
// driver's folder and in the Datecs folder alike.
TEST_F(PrinterFilesTest, XThenZBothWaitForTheDriver) {
    for (const bool datecs : {false, true}) {
        SCOPED_TRACE(datecs ? "Datecs" : "driver");
        settings.datecs = datecs ? makeFolder("Datecs").string() + "/" : "";
        const std::string x = writeReportRequest(0, 2, settings, clock);
        const std::string z = writeReportRequest(1, 2, settings, clock);
        const std::string dir = datecs ? "Datecs/" : "Bonuri/";
        const std::string ext = datecs ? ".inp" : ".txt";
        EXPECT_EQ(x, (folder / (dir + "BonRaportX-0002-POS01" + ext)).string());
        EXPECT_EQ(z, (folder / (dir + "BonRaportZ-0002-POS01" + ext)).string());
        EXPECT_EQ(bytes(dir + "BonRaportX-0002-POS01" + ext),
                  datecs ? "Z,1,______,_,__;0;\r\n" : "X\r\n");
        EXPECT_EQ(bytes(dir + "BonRaportZ-0002-POS01" + ext),
                  datecs ? "Z,1,______,_,__;1;\r\n" : "Z\r\n");
    }
}

TEST_F(PrinterFilesTest, UndeliveredReportRequestReturnsNothing) {
    fs::remove(folder / "Bonuri");
    EXPECT_EQ(writeReportRequest(1, 2, settings, clock), "");
    EXPECT_EQ(bytes("BonRaportZ-0002-POS01.txt"), "Z\r\n");  // left in the working folder
}

struct CashCase {
    const char* label;
    int direction;
    const char* datecs;  // the DATECS setting relative to the working folder, "" when unset
    const char* delivered;
    const char* content;
};

const CashCase kCashCases[] = {
    {"In", 1, "", "Bonuri/BONPOS01-20240105101112.TXT", "+|50\r\n"},
    {"Out", 0, "", "Bonuri/BONPOS01-20240105101112.TXT", "-|50\r\n"},
    {"DatecsIn", 1, "Datecs/", "Datecs/BONPOS01-20240105101112.inp",
     "I,1,______,_,__;0;50;;;;\r\n"},
    {"DatecsOut", 0, "Datecs\\", "Datecs/BONPOS01-20240105101112.inp",
     "I,1,______,_,__;1;50;;;;\r\n"},
    {"DatecsWithoutClosingSeparator", 1, "Datecs", "Datecs/BONPOS01-20240105101112.inp",
     "I,1,______,_,__;0;50;;;;\r\n"},
};

class CashMovementCase : public PrinterFilesTest, public ::testing::WithParamInterface<CashCase> {};

TEST_P(CashMovementCase, MovesTheOneLineIntoItsFolder) {
    const CashCase& c = GetParam();
    makeFolder("Datecs");
    if (*c.datecs != '\0')
        settings.datecs = settings.baseFolder + c.datecs;

    std::string path = writeCashMovement(c.direction, " 50 ", "20240105101112", settings);

    EXPECT_EQ(path, (folder / c.delivered).string());
    EXPECT_EQ(bytes(c.delivered), c.content);
    EXPECT_FALSE(exists("BONPOS01-20240105101112.TXT"));
}

INSTANTIATE_TEST_SUITE_P(Cash, CashMovementCase, ::testing::ValuesIn(kCashCases),
                         [](const auto& test) { return std::string(test.param.label); });

TEST_F(PrinterFilesTest, UndeliveredCashMovementReturnsNothing) {
    fs::remove(folder / "Bonuri");
    EXPECT_EQ(writeCashMovement(1, "50", "20240105101112", settings), "");
}

TEST_F(PrinterFilesTest, TipReceiptInFixedColumns) {
    settings.param2 = "POS.1";
    settings.departmentMap[1] = 1;
    Row tip{"BACSIS", "BUC", quantityCell(1000), priceCell(500), "0", "", "1", "1"};

    std::string path = writeTipFile(tip, 3, "", "", "20240105101112", settings);

    EXPECT_EQ(path, (folder / "Bonuri/BONPOS01-20240105101112.TXT").string());
    EXPECT_EQ(bytes("Bonuri/BONPOS01-20240105101112.TXT"),
              "KARAT\r\n"
              "PZ.0003 POS.1          \r\n"
              "P \r\n"
              "*BACSIS                  "
              "00000500"
              "2"
              "000001000"
              "1"
              "1"
              "0\r\n"
              "T0000010000 TOTAL\r\n"
              "END KARAT\r\n");
    EXPECT_FALSE(exists("BONPOS01-20240105101112.TXT"));
}

TEST_F(PrinterFilesTest, TipReceiptWithBuyerFreeTextDepartmentAndLongName) {
    settings.departmentMap[4] = 7;
    Row tip{"BACSIS PENTRU ECHIPA DE SERVIRE",
            "BUC",
            quantityCell(123),
            priceCell(1250),
            "0",
            "",
            "2",
            "4"};

    writeTipFile(tip, 12, "RO123", "MULTUMIM||REVENITI|", "20240105101112", settings);

    EXPECT_EQ(bytes("Bonuri/BONPOS01-20240105101112.TXT"),
              "KARAT\r\n"
              "PZ.0012                \r\n"
              "P \r\n"
              "PCUI:RO123             \r\n"
              "PMULTUMIM              \r\n"
              "PREVENITI              \r\n"
              "*BACSIS PENTRU ECHIPA DE "
              "00001250"
              "2"
              "000000123"
              "2"
              "7"
              "0\r\n"
              "T0000010000 TOTAL\r\n"
              "END KARAT\r\n");
}

}  // namespace
}  // namespace vandrix::fiscal
