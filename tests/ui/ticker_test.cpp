// The status-bar ticker: its text, its window of characters and its stepping.
#include <gtest/gtest.h>

#include "shell/ticker.h"

namespace vandrix::shell {
namespace {

TEST(Ticker, ShortTextIsPaddedToTheWindowAndDoubled) {
    Ticker ticker({"ABCDEF"}, 1.0);
    EXPECT_EQ(ticker.windowLength(), 280);
    EXPECT_EQ(ticker.text().size(), 560u);  // "ABCDEF " + 273 spaces, twice
    std::string shown = ticker.visible();
    EXPECT_EQ(shown.size(), 280u);
    EXPECT_EQ(shown.substr(0, 8), "ABCDEF  ");
    ticker.step();
    EXPECT_EQ(ticker.visible().substr(0, 6), "BCDEF ");
    EXPECT_EQ(ticker.visible().size(), 280u);
}

TEST(Ticker, ReturnsToTheStartAfterHalfTheText) {
    Ticker ticker({"ABCDEF"}, 1.0);
    for (int i = 0; i < 280; ++i)
        ticker.step();
    EXPECT_EQ(ticker.position(), 281);
    ticker.step();
    EXPECT_EQ(ticker.position(), 1);
    EXPECT_EQ(ticker.visible().substr(0, 6), "ABCDEF");
}

TEST(Ticker, StepsEvery150Milliseconds) {
    Ticker ticker({"X"}, 1.0);
    EXPECT_FALSE(ticker.stepIfDue(100));
    EXPECT_TRUE(ticker.stepIfDue(150));
    EXPECT_FALSE(ticker.stepIfDue(299));
    EXPECT_TRUE(ticker.stepIfDue(300));
    EXPECT_EQ(ticker.position(), 3);
}

TEST(Ticker, LinesJoinWithSpacesAndScaleWithTheFactor) {
    Ticker ticker({"Bine", "ati venit"}, 1.5);
    EXPECT_EQ(ticker.windowLength(), 420);
    // "Bine ati venit " (15) + round((280 - 15) * 1.5) = 398 spaces = 413, twice.
    EXPECT_EQ(ticker.text().size(), 826u);
    EXPECT_EQ(ticker.visible().substr(0, 15), "Bine ati venit ");
    Ticker none({}, 1.0);
    EXPECT_EQ(none.visible(), std::string(280, ' '));
}

}  // namespace
}  // namespace vandrix::shell
