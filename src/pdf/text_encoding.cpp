// Text encodings of the PDF writer (see text_encoding.h).
#include "pdf/text_encoding.h"

#include <array>
#include <cstdint>

namespace vandrix::pdf {

namespace {

// Unicode of WinAnsiEncoding codes 128-159 (0: no character at that code).
constexpr std::array<char16_t, 32> kWinAnsi80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void appendEscaped(std::string& out, unsigned char byte) {
    switch (byte) {
        case 8:
            out += "\\b";
            break;
        case 9:
            out += "\\t";
            break;
        case 10:
            out += "\\n";
            break;
        case 12:
            out += "\\f";
            break;
        case 13:
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '(':
            out += "\\(";
            break;
        case ')':
            out += "\\)";
            break;
        default:
            out += static_cast<char>(byte);
    }
}

}  // namespace

unsigned char toWinAnsi(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kWinAnsi80.size(); ++i) {
        if (kWinAnsi80[i] != 0 && kWinAnsi80[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    switch (c) {
        case 0x0102:
            return 'A';  // Ă
        case 0x0103:
            return 'a';  // ă
        case 0x0218:
        case 0x015E:
            return 'S';  // Ș Ş
        case 0x0219:
        case 0x015F:
            return 's';  // ș ş
        case 0x021A:
        case 0x0162:
            return 'T';  // Ț Ţ
        case 0x021B:
        case 0x0163:
            return 't';  // ț ţ
        default:
            return '?';
    }
}

std::string pdfName(std::string_view name) {
    static constexpr std::string_view kDelimiters = "()<>[]{}/%#";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string result;
    for (char ch : name) {
        auto byte = static_cast<unsigned char>(ch);
        if (byte > 0x20 && byte < 0x7F && kDelimiters.find(ch) == std::string_view::npos) {
            result += ch;
        } else {
            result += '#';
            result += kHex[byte >> 4];
            result += kHex[byte & 0x0F];
        }
    }
    return result;
}

std::string escapeText(std::string_view prefix, std::string_view suffix, std::string_view text,
                       TextBytes mode) {
    std::u32string chars = decodeUtf8(text);
    std::string result(prefix);
    bool twoBytes = mode != TextBytes::kSingleByte;
    result.reserve(prefix.size() + suffix.size() + chars.size() * (twoBytes ? 3 : 1) + 2);
    if (twoBytes) {
        if (mode == TextBytes::kUnicodeText) {
            appendEscaped(result, 0xFE);
            appendEscaped(result, 0xFF);
        }
        auto put16 = [&result](std::uint32_t unit) {
            appendEscaped(result, static_cast<unsigned char>(unit >> 8));
            appendEscaped(result, static_cast<unsigned char>(unit & 0xFF));
        };
        for (char32_t c : chars) {
            if (c > 0xFFFF) {
                std::uint32_t v = c - 0x10000;
                put16(0xD800 + (v >> 10));
                put16(0xDC00 + (v & 0x3FF));
            } else {
                put16(c);
            }
        }
    } else {
        for (char32_t c : chars)
            appendEscaped(result, toWinAnsi(c));
    }
    result += suffix;
    return result;
}

}  // namespace vandrix::pdf
