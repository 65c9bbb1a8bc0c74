// The sizing rule and the button sets of the message box, the input box and the timed message.
#include <gtest/gtest.h>

#include "shell/dialog_layout.h"

namespace vandrix::shell {
namespace {

TEST(DialogLayout, FollowsTheTextAndTheTitle) {
    struct Case {
        std::string text, title;
        int widthChars, lines, width, height, inputHeight;
    };
    const Case cases[] = {
        {"Anulati Bonul?", "Eroare", 35, 2, 280, 80, 108},
        {std::string(200, 'a'), "Eroare", 80, 13, 640, 168, 207},
        {"Firma este Platitoare de TVA?\r\n\r\n", "Atentie", 35, 4, 280, 96, 126},
        {std::string(79, 'b') + "\r\n", "T", 80, 7, 640, 120, 153},  // 81 characters
        {"Scurt", std::string(50, 't'), 50, 2, 400, 80, 108},
        {"ăâîșț", "", 35, 2, 280, 80, 108},  // letters, not bytes
    };
    for (const auto& c : cases) {
        DialogLayout l = dialogLayout(c.text, c.title);
        EXPECT_EQ(l.widthChars, c.widthChars) << c.text;
        EXPECT_EQ(l.lines, c.lines) << c.text;
        EXPECT_EQ(l.width(), c.width) << c.text;
        EXPECT_EQ(l.height(false), c.height) << c.text;
        EXPECT_EQ(l.height(true), c.inputHeight) << c.text;
    }
    DialogLayout l = dialogLayout("Anulati Bonul?", "Eroare");
    EXPECT_EQ(l.textHeight(), 24);
    EXPECT_EQ(l.buttonsY(), 32);
}

TEST(DialogButtons, SetsAndResults) {
    struct Case {
        int flags;
        std::vector<std::string> captions;
        std::vector<int> results;
    };
    const Case cases[] = {
        {0, {"OK"}, {0}},
        {kIconError, {"OK"}, {0}},
        {3, {"DA", "NU", "RENUNTA"}, {6, 7, 2}},
        {4, {"DA", "NU"}, {6, 7}},
        {4 + kIconWarning, {"DA", "NU"}, {6, 7}},
        {1, {}, {}},
        {5, {}, {}},
    };
    for (const auto& c : cases) {
        ButtonSet set = buttonSet(c.flags);
        ASSERT_EQ(set.count, static_cast<int>(c.captions.size())) << c.flags;
        for (int i = 0; i < set.count; ++i) {
            EXPECT_EQ(set.captions[i], c.captions[i]);
            EXPECT_EQ(set.results[i], c.results[i]);
        }
    }
}

}  // namespace
}  // namespace vandrix::shell
