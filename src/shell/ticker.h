// The status-bar ticker of the sale window: the text of "text.txt" moving by one character
// every 150 ms through a window of 280 characters (times the horizontal factor).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vandrix::shell {

class Ticker {
  public:
    static constexpr int kStepMs = 150;

    // lines: the lines of "text.txt" (empty when there is none); scaleX the horizontal factor.
    Ticker(const std::vector<std::string>& lines, double scaleX);

    // The part of the text shown now.
    std::string visible() const;
    // Moves one character on when 150 ms have passed since the last step; true when it moved.
    bool stepIfDue(std::int64_t nowMs);
    void step();

    const std::u32string& text() const { return text_; }
    int position() const { return position_; }
    int windowLength() const { return window_; }

  private:
    std::u32string text_;  // the text doubled, in characters
    int window_ = 0;
    int position_ = 1;  // 1-based
    std::int64_t lastStepMs_ = 0;
};

}  // namespace vandrix::shell
