// The operators file and the password rule of the login.
#include "shell/operators.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vandrix::shell {
namespace {

using testing::readFileBytes;
using testing::ScopedWorkingFolder;
using testing::TempFolder;
using testing::writeFileBytes;

TEST(PasswordValue, IsTheIntegerOfTheLeadingSignAndDigits) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"5193", 5193},
        {"05193", 5193},
        {"0042", 42},
        {" 7 ", 7},
        {"007", 7},
        {"0", 0},
        {"000", 0},
        {"", 0},
        {"abc", 0},
        {"12ab", 12},
        {"-3", -3},
        {"$10", 0},
        {"482916730541", 482916730541},
        {"99999999999999999999999", 999999999999999999},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(passwordValue(text), value) << text;
}

TEST(FindOperator, FirstLineWithTheTypedPasswordWins) {
    struct Case {
        std::vector<std::string> lines;
        const char* typed;
        std::optional<std::string> name;
    };
    const std::vector<std::string> standard = {"Operator=5193"};
    const Case cases[] = {
        {standard, "5193", "Operator"},
        {standard, "05193", "Operator"},
        {standard, "0", std::nullopt},
        {standard, "", std::nullopt},
        {standard, "abc", std::nullopt},
        {standard, "5194", std::nullopt},
        {{"Ana=12", "Dan=12"}, "12", "Ana"},
        {{"Ana=12", "Dan=13"}, "013", "Dan"},
        {{" Ana Pop = 12 =x"}, "12", "Ana Pop"},
        // A line without "=" is an operator with password 0.
        {{"Ana=12", " Ion "}, "", "Ion"},
        // A blank line is no operator: typing nothing does not log in.
        {{"Ana=12", "", "   "}, "", std::nullopt},
        {{}, "5193", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findOperator(c.lines, c.typed), c.name) << c.typed;
}

TEST(OperatorsFile, DefaultIsWrittenWhenMissingOrEmptyAndReadAsAnsi) {
    TempFolder folder;
    ScopedWorkingFolder cwd(folder.path());
    EXPECT_EQ(findOperatorInFile("5193"), std::nullopt);  // no file: nobody matches
    EXPECT_TRUE(ensureOperatorsFile());
    EXPECT_EQ(readFileBytes(folder / "operatori.ini"), "Operator=5193\r\n");
    EXPECT_EQ(findOperatorInFile("05193"), "Operator");

    writeFileBytes(folder / "operatori.ini", "");
    EXPECT_TRUE(ensureOperatorsFile());
    EXPECT_EQ(readFileBytes(folder / "operatori.ini"), "Operator=5193\r\n");

    // "Ştefan" with the code page's S cedilla (0xAA); an existing file is left alone.
    writeFileBytes(folder / "operatori.ini",
                   "\xAA"
                   "tefan=7\r\n");
    EXPECT_TRUE(ensureOperatorsFile());
    EXPECT_EQ(readFileBytes(folder / "operatori.ini"),
              "\xAA"
              "tefan=7\r\n");
    EXPECT_EQ(findOperatorInFile("007"),
              "\xC5\x9E"
              "tefan");
}

}  // namespace
}  // namespace vandrix::shell
