// Reading automation scripts: the argument separators, skipped lines and lines that are not
// steps.
#include <gtest/gtest.h>

#include "ui/automation.h"
#include "ui/form.h"

namespace vandrix::ui {
namespace {

TEST(ScriptArguments, SpacesBesideTheBarBelongToTheSeparator) {
    struct Case {
        std::string text;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"total |    2.50", {"total", "   2.50"}},
        {"entry |", {"entry", ""}},
        {"grid | 0 | A | B", {"grid", "0", "A", "B"}},
        {"x  |  y", {"x ", " y"}},
        {"a||b", {"a", "", "b"}},
        {"solo", {"solo"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitArguments(c.text), c.args) << c.text;
}

TEST(ScriptParse, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
    ScriptParse parse =
        parseScript("# start\n\n   \nclick DA\r\ntype  two spaces\nexpect qty | 1.000\nclose\n");
    ASSERT_EQ(parse.errorLine, 0) << parse.error;
    ASSERT_EQ(parse.steps.size(), 4u);
    EXPECT_EQ(parse.steps[0].line, 4);
    EXPECT_EQ(parse.steps[0].rest, "DA");
    EXPECT_EQ(parse.steps[1].rest, " two spaces");
    EXPECT_EQ(parse.steps[2].args, (std::vector<std::string>{"qty", "1.000"}));
    EXPECT_EQ(parse.steps[3].verb, "close");
}

TEST(ScriptParse, RejectsLinesThatAreNotSteps) {
    struct Case {
        std::string script;
        int line;
    };
    const Case cases[] = {
        {"click DA\nfly away\n", 2},
        {"expect qty\n", 1},
        {"select grid | 1 | 2\n", 1},
        {"key Hyper\n", 1},
        {"wait soon\n", 1},
        {"close now\n", 1},
        {"click\n", 1},
        {"expect-row grid\n", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseScript(c.script).errorLine, c.line) << c.script;
}

TEST(Captions, LineBreaksReadAsOneSpace) {
    EXPECT_EQ(captionAsOneLine("E\r\nN\r\nT\r\nE\r\nR"), "E N T E R");
    EXPECT_EQ(captionAsOneLine("CUI\r\n123"), "CUI 123");
    EXPECT_EQ(captionAsOneLine("a\nb\rc"), "a b c");
}

}  // namespace
}  // namespace vandrix::ui
