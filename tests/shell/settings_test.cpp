// The rules that turn settings lines into values: keys, values, numbers, ports, scale factors,
// payment modes and the department map.
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace vandrix::shell {
namespace {

TEST(SplitKeyLine, KeyBeforeFirstEqualsValueUpToTheSecond) {
    struct Case {
        const char* line;
        const char* key;
        const char* value;
        bool hasEquals;
    };
    const Case cases[] = {
        {"ServerDir=C:\\Casa\\", "SERVERDIR", "C:\\Casa\\", true},
        {"  sErVeRdIr  = x ", "SERVERDIR", " x ", true},
        {"pos=POS01=x", "POS", "POS01", true},
        {"login=", "LOGIN", "", true},
        {";Display=COM1", ";DISPLAY", "COM1", true},
        {"no equals here", "NO EQUALS HERE", "", false},
        {"", "", "", false},
    };
    for (const auto& c : cases) {
        KeyLine kl = splitKeyLine(c.line);
        EXPECT_EQ(kl.key, c.key) << c.line;
        EXPECT_EQ(kl.value, c.value) << c.line;
        EXPECT_EQ(kl.hasEquals, c.hasEquals) << c.line;
    }
}

TEST(SettingsNumbers, IntegersAndNumbersReadTheirLeadingText) {
    const std::pair<const char*, long> integers[] = {
        {"12", 12},
        {" 12abc", 12},
        {"-5", -5},
        {"+7", 7},
        {"$ff", 255},
        {"$1A", 26},
        {"abc", 0},
        {"", 0},
        {"$", 0},
        {"1.9", 1},
        {"007", 7},
        {"- 3", 0},
        {"99999999999999999999999", std::numeric_limits<long>::max()},
    };
    for (const auto& [text, value] : integers)
        EXPECT_EQ(integerOf(text), value) << text;
    const std::pair<const char*, double> numbers[] = {
        {"1.25", 1.25}, {" 0.5x", 0.5}, {"-2", -2}, {".5", 0.5}, {"3.", 3}, {"x", 0}, {"", 0},
    };
    for (const auto& [text, value] : numbers)
        EXPECT_DOUBLE_EQ(numberOf(text), value) << text;
}

TEST(Settings, DefaultsWithoutAnyLine) {
    Settings s;
    applyCaleBonuriLines(s, {});
    EXPECT_EQ(s.adminCode, "482916730541");
    EXPECT_EQ(s.pos, "1");
    EXPECT_EQ(s.tipAmef, "M20");
    EXPECT_EQ(s.labelPrinter, "USB");
    EXPECT_EQ(s.winsize, 1);
    EXPECT_EQ(s.scaleX, 1);
    EXPECT_EQ(s.scaleY, 1);
    EXPECT_EQ(s.zini, 0);
    EXPECT_EQ(s.fiscal, 0);
    EXPECT_EQ(s.login, 0);
    EXPECT_FALSE(s.param1Present);
    EXPECT_EQ(s.displayPort, "");
    EXPECT_EQ(s.scale, "");
    EXPECT_EQ(s.serverDir, "");
}

struct LinesCase {
    const char* name;
    std::vector<std::string> lines;
    std::function<void(const Settings&)> check;
};

TEST(Settings, CaleBonuriLines) {
    const LinesCase cases[] = {
        {"keys are case-insensitive, paths kept as read",
         {"serverdir= C:\\Casa\\Bonuri ", "NOTEDIR=/srv/note"},
         [](const Settings& s) {
             EXPECT_EQ(s.serverDir, "C:\\Casa\\Bonuri");
             EXPECT_EQ(s.noteDir, "/srv/note");
         }},
        {"the last line of a key wins",
         {"pos=A", "tipamef=TM80", "POS=b", "tipamef=zf80"},
         [](const Settings& s) {
             EXPECT_EQ(s.pos, "B");
             EXPECT_EQ(s.tipAmef, "ZF80");
         }},
        {"a value ends at the second equals sign",
         {"pos=POS01=x"},
         [](const Settings& s) { EXPECT_EQ(s.pos, "POS01"); }},
        {"commented and unknown keys are ignored",
         {";ServerDir=/x", ";param1=1", "ZDir=/y", "nonsense"},
         [](const Settings& s) {
             EXPECT_EQ(s.serverDir, "");
             EXPECT_FALSE(s.param1Present);
         }},
        {"Display=3 gives port COM3",
         {"Display=3"},
         [](const Settings& s) {
             EXPECT_EQ(s.displayPort, "COM3");
             EXPECT_EQ(s.displayType, "");
         }},
        {"Display=com4,escpos gives COM4 and ESCPOS",
         {"Display=com4,escpos"},
         [](const Settings& s) {
             EXPECT_EQ(s.displayPort, "COM4");
             EXPECT_EQ(s.displayType, "ESCPOS");
         }},
        {"an empty Display names no port",
         {"Display= ,escpos"},
         [](const Settings& s) {
             EXPECT_EQ(s.displayPort, "");
             EXPECT_EQ(s.displayType, "");
         }},
        {"Cantar=2,DIGI is stored as COM2,DIGI",
         {"Cantar=2,DIGI"},
         [](const Settings& s) { EXPECT_EQ(s.scale, "COM2,DIGI"); }},
        {"Cantar=com2,acs is stored as COM2,ACS",
         {"Cantar= com2,acs"},
         [](const Settings& s) { EXPECT_EQ(s.scale, "COM2,ACS"); }},
        {"winsize=1.25 sets both factors",
         {"winsize=1.25"},
         [](const Settings& s) {
             EXPECT_DOUBLE_EQ(s.winsize, 1.25);
             EXPECT_DOUBLE_EQ(s.scaleX, 1.25);
             EXPECT_DOUBLE_EQ(s.scaleY, 1.25);
         }},
        {"winsize=0 means fit to the desktop",
         {"winsize=0"},
         [](const Settings& s) {
             EXPECT_EQ(s.winsize, 0);
             EXPECT_EQ(s.scaleX, 0);
             EXPECT_EQ(s.scaleY, 0);
         }},
        {"negative factors become 0",
         {"winsize=-2", "ressizeh=-0.5"},
         [](const Settings& s) {
             EXPECT_EQ(s.winsize, 0);
             EXPECT_EQ(s.scaleX, 0);
             EXPECT_EQ(s.scaleY, 0);
         }},
        {"ressizew and ressizeh set one factor each",
         {"ressizew=1.5", "ressizeh=0.8"},
         [](const Settings& s) {
             EXPECT_DOUBLE_EQ(s.scaleX, 1.5);
             EXPECT_DOUBLE_EQ(s.scaleY, 0.8);
             EXPECT_EQ(s.winsize, 1);
         }},
        {"a later winsize overrides ressizew",
         {"ressizew=2", "ressizeh=3", "winsize=1.25"},
         [](const Settings& s) {
             EXPECT_DOUBLE_EQ(s.scaleX, 1.25);
             EXPECT_DOUBLE_EQ(s.scaleY, 1.25);
         }},
        {"a later ressizew overrides winsize",
         {"winsize=1.25", "ressizew=2"},
         [](const Settings& s) {
             EXPECT_DOUBLE_EQ(s.scaleX, 2);
             EXPECT_DOUBLE_EQ(s.scaleY, 1.25);
         }},
        {"param lines",
         {"param1=0", "param2= pos.1 ", "param3=abc12"},
         [](const Settings& s) {
             EXPECT_TRUE(s.param1Present);
             EXPECT_EQ(s.param2, "POS.1");
             EXPECT_EQ(s.adminCode, "ABC12");
         }},
        {"integers",
         {"ZINI= 5", "Fiscal=1", "login=2", "adunaarticole=1", "taskbar=$10"},
         [](const Settings& s) {
             EXPECT_EQ(s.zini, 5);
             EXPECT_EQ(s.fiscal, 1);
             EXPECT_EQ(s.login, 2);
             EXPECT_EQ(s.mergeArticles, 1);
             EXPECT_EQ(s.taskbar, 16);
         }},
        {"a value that is not a number reads 0",
         {"ZINI=cinci", "Fiscal="},
         [](const Settings& s) {
             EXPECT_EQ(s.zini, 0);
             EXPECT_EQ(s.fiscal, 0);
         }},
        {"upper-cased codes, paths with their case",
         {"etichete=tsc", "Palette= Palette\\tomorrow.txt ", "DATECS=C:\\Casa\\Datecs\\",
          "ServerConfirmare=Confirm"},
         [](const Settings& s) {
             EXPECT_EQ(s.labelPrinter, "TSC");
             EXPECT_EQ(s.palette, "Palette\\tomorrow.txt");
             EXPECT_EQ(s.datecs, "C:\\Casa\\Datecs\\");
             EXPECT_EQ(s.serverConfirmare, "Confirm");
         }},
        {"serial devices named by their paths",
         {"Display=/dev/ttyUSB0,escpos", "Cantar=/dev/pts/7,digi"},
         [](const Settings& s) {
             EXPECT_EQ(s.displayPort, "/dev/ttyUSB0");
             EXPECT_EQ(s.displayType, "ESCPOS");
             EXPECT_EQ(s.scale, "/dev/pts/7,DIGI");
         }},
        {"the optional keys of the buyer look-up and the COM ports",
         {"ANAFURL=http://127.0.0.1:8080/tva", "ANAFTIMEOUT=3", "FIRMEHOST=firme.example",
          "COM1=/dev/ttyUSB0", "COM2=ttyS9"},
         [](const Settings& s) {
             EXPECT_EQ(s.vatServiceUrl, "http://127.0.0.1:8080/tva");
             EXPECT_EQ(s.vatServiceSeconds, 3);
             EXPECT_EQ(s.companyPageHost, "firme.example");
             EXPECT_EQ(s.serialPorts.size(), 1u);  // a device is a path
             EXPECT_EQ(s.serialPorts.at("COM1"), "/dev/ttyUSB0");
         }},
        {"the extra note folders",
         {"notedir2=/a", "NoteDir3= /b ", "NOTEDIR4=c"},
         [](const Settings& s) {
             EXPECT_EQ(s.noteDir2, "/a");
             EXPECT_EQ(s.noteDir3, "/b");
             EXPECT_EQ(s.noteDir4, "c");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settings s;
        applyCaleBonuriLines(s, c.lines);
        c.check(s);
    }
}

TEST(Settings, PaymentModeLinesKeepTheRawValue) {
    Settings s;
    s.paymentModes[3] = {"BONURI|4", ""};
    applyPaymentModeLines(s, {"1=Numerar|0", "   ", " 2 = C A R D|1", "5=ALTUL|9", "x=y"});
    EXPECT_EQ(s.paymentModes[1].definition, "Numerar|0");
    EXPECT_EQ(s.paymentModes[1].name, "Numerar");
    EXPECT_EQ(s.paymentModes[1].code(), "0");
    EXPECT_EQ(s.paymentModes[2].definition, " C A R D|1");
    EXPECT_EQ(s.paymentModes[2].name, " C A R D");
    EXPECT_EQ(s.paymentModes[2].code(), "1");
    // Modes without a line keep their definition and have no name.
    EXPECT_EQ(s.paymentModes[3].definition, "BONURI|4");
    EXPECT_EQ(s.paymentModes[3].name, "");
    EXPECT_EQ(s.paymentModes[4].name, "");
}

// A mode whose line gives no whole number after "|" keeps its name and takes its own default
// code, so the driver never receives "P||100.00".
TEST(Settings, PaymentModeWithoutANumericCodeTakesItsDefault) {
    struct Case {
        const char* line;
        int mode;
        const char* name;
        const char* code;
    };
    const Case cases[] = {
        {"1=CASH", 1, "CASH", "0"},         {"2=CARD|", 2, "CARD", "1"},
        {"3=TICHETE|x", 3, "TICHETE", "4"}, {"4=CREDIT|-2", 4, "CREDIT", "6"},
        {"1=CASH|1.5", 1, "CASH", "0"},     {"2=CARD|  ", 2, "CARD", "1"},
        {"3=TICHETE|7", 3, "TICHETE", "7"}, {"4=CREDIT| 12 ", 4, "CREDIT", "12"},
        {"1=CASH|3|x", 1, "CASH", "3"},     {"2=|", 2, "", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Settings s;
        applyPaymentModeLines(s, {c.line});
        const PaymentMode& mode = s.paymentModes[static_cast<size_t>(c.mode)];
        EXPECT_EQ(mode.name, c.name);
        EXPECT_EQ(mode.code(), c.code);
    }
}

TEST(Settings, DepartmentLinesUseTheLastDigitOfEachSide) {
    Settings s;
    applyDepartmentLines(s, {"dep3=grupa7", "dep12=grupa15", " DEP4 = Grupa1 ", "", "note"});
    EXPECT_EQ(s.departmentMap[7], 3);
    EXPECT_EQ(s.departmentMap[5], 2);
    EXPECT_EQ(s.departmentMap[1], 4);
    // The blank line and the line without "=" map nothing.
    applyDepartmentLines(s, {"dep9=grupa0", "", "x"});
    EXPECT_EQ(s.departmentMap[0], 9);
}

}  // namespace
}  // namespace vandrix::shell
