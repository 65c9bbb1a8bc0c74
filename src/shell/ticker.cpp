// The status-bar ticker.
#include "shell/ticker.h"

#include "platform/utf8.h"

#include <cmath>

namespace vandrix::shell {
Ticker::Ticker(const std::vector<std::string>& lines, double scaleX) {
    std::string t;
    for (const auto& line : lines)
        t += line + " ";
    for (char& c : t)
        if (c == '\r' || c == '\n')
            c = ' ';
    std::u32string chars = platform::decodeUtf8(t);
    window_ = static_cast<int>(std::lround(280 * scaleX));
    if (static_cast<int>(chars.size()) < window_) {
        long pad = std::lround((280.0 - static_cast<double>(chars.size())) * scaleX);
        if (pad > 0)
            chars.append(static_cast<size_t>(pad), U' ');
    }
    text_ = chars + chars;
}

std::string Ticker::visible() const {
    size_t start = static_cast<size_t>(position_ - 1);
    if (start >= text_.size())
        return {};
    return platform::encodeUtf8(text_.substr(start, static_cast<size_t>(window_)));
}

void Ticker::step() {
    ++position_;
    if (position_ > static_cast<int>(text_.size()) / 2 + 1)
        position_ = 1;
}

bool Ticker::stepIfDue(std::int64_t nowMs) {
    if (nowMs - lastStepMs_ < kStepMs)
        return false;
    lastStepMs_ = nowMs;
    step();
    return true;
}

}  // namespace vandrix::shell
