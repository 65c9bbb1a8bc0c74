// Number texts and aligned fields.
#include "shell/number_text.h"

#include <charconv>
#include <cmath>

#include "platform/utf8.h"
#include "shell/settings.h"

namespace vandrix::shell {
namespace {

// Byte offset of the n-th letter (or the size when there are fewer).
size_t byteOffsetOfLetter(const std::string& text, int n) {
    int letters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (letters == n)
                return i;
            ++letters;
        }
    }
    return text.size();
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    const float narrowed = static_cast<float>(value);
    if (!std::isfinite(narrowed))
        return formatFixed(0, decimals);
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, narrowed, std::chars_format::fixed, decimals);
    if (error != std::errc())
        return formatFixed(0, decimals);
    std::string text(buffer, end);
    // printf writes a negative value that rounds to zero as "-0.00"; the receipts never show a
    // signed zero.
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

double round2(double value) {
    return numberOf(formatFixed(value, 2));
}

std::string rightAlign(const std::string& text, int n, char fill) {
    int letters = platform::utf8LetterCount(text);
    if (letters >= n)
        return text.substr(0, byteOffsetOfLetter(text, n));
    return std::string(static_cast<size_t>(n - letters), fill) + text;
}

std::string padLeft(const std::string& text, int n, char fill) {
    int letters = platform::utf8LetterCount(text);
    if (letters >= n)
        return text;
    return std::string(static_cast<size_t>(n - letters), fill) + text;
}

std::string leftAlign(const std::string& text, int n, char fill) {
    int letters = platform::utf8LetterCount(text);
    if (letters >= n)
        return text.substr(0, byteOffsetOfLetter(text, n));
    return text + std::string(static_cast<size_t>(n - letters), fill);
}

}  // namespace vandrix::shell
