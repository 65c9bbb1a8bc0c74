// The status-bar ticker.
#include "shell/ticker.h"

#include <cmath>

namespace vandrix::shell {
namespace {

std::u32string toChars(const std::string& utf8) {
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        int len = b < 0x80             ? 1
                  : (b & 0xE0) == 0xC0 ? 2
                  : (b & 0xF0) == 0xE0 ? 3
                  : (b & 0xF8) == 0xF0 ? 4
                                       : 1;
        char32_t c = len == 1 ? b : b & (0x7F >> len);
        for (int k = 1; k < len && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(c);
        i += len;
    }
    return out;
}

std::string toUtf8(const std::u32string& chars) {
    std::string out;
    for (char32_t c : chars) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace

Ticker::Ticker(const std::vector<std::string>& lines, double scaleX) {
    std::string t;
    for (const auto& line : lines)
        t += line + " ";
    for (char& c : t)
        if (c == '\r' || c == '\n')
            c = ' ';
    std::u32string chars = toChars(t);
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
    return toUtf8(text_.substr(start, static_cast<size_t>(window_)));
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
