// Text to bytes for PDF strings: UTF-8 decoding, the single-byte WinAnsiEncoding of the core
// fonts, two-byte (UTF-16, high byte first) codes, and the escaping of string delimiters.
#pragma once

#include <string>
#include <string_view>

#include "platform/utf8.h"

namespace vandrix::pdf {

// The program's UTF-8 text as Unicode code points; an invalid byte becomes U+FFFD.
using platform::decodeUtf8;

// The WinAnsiEncoding code of a character. Romanian letters that the encoding lacks
// (a breve, s and t with comma or cedilla) become their base letters; any other character the
// encoding lacks becomes '?'.
unsigned char toWinAnsi(char32_t c);

// PDF name characters: a blank is written "#20", as is every byte outside the regular
// printable set or among the name delimiters.
std::string pdfName(std::string_view name);

enum class TextBytes {
    kSingleByte,   // each character as its WinAnsiEncoding byte (core fonts, simple TrueType)
    kUnicodeText,  // a text string (Info entries): FE FF, then UTF-16, high byte first
    kTwoByteCodes  // two-byte codes of a Unicode TrueType font: UTF-16, high byte first, no
                   // FE FF (in a content string it would be drawn as a character of its own)
};

// The prefix, the text as an escaped string body, then the suffix. Backspace, tab, line feed,
// form feed, carriage return, "\", "(" and ")" are escaped.
std::string escapeText(std::string_view prefix, std::string_view suffix, std::string_view text,
                       TextBytes mode);

}  // namespace vandrix::pdf
