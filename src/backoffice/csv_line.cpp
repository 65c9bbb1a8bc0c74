// The article files' lines.
#include "backoffice/csv_line.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/utf8.h"

namespace vandrix::backoffice {

using namespace csv;

namespace {

constexpr std::string_view kCommaStandIn = "\u201A";  // single low-9 quotation mark
constexpr std::string_view kQuoteStandIn = "\u201D";  // right double quotation mark

char32_t upperOf(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 32;  // Latin-1 letters
    if (c >= 0x100 && c <= 0x17F) {
        // Latin Extended-A: pairs of capital and small letter, the capital first, except in
        // the two runs where the small letter comes first.
        const bool oddCapital = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        if (oddCapital)
            return (c % 2 == 0) ? c - 1 : c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c == 0x219 || c == 0x21B)  // s and t with comma below
        return c - 1;
    return c;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string trimmed(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    return std::string(text.substr(b, e - b));
}

}  // namespace

std::string decodeCsvLine(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    while (!bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n'))
        bytes.remove_suffix(1);
    if (platform::isValidUtf8(bytes))
        return std::string(bytes);
    return platform::ansiToUtf8(bytes);
}

std::vector<std::string> splitCsvLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        lines.push_back(decodeCsvLine(bytes.substr(start, end - start)));
        start = end + 1;
    }
    return lines;
}

std::string upperCase(std::string_view text) {
    std::u32string characters = platform::decodeUtf8(text);
    for (char32_t& c : characters)
        c = upperOf(c);
    return platform::encodeUtf8(characters);
}

CsvFields parseCsvLine(std::string_view rawLine) {
    std::string line = upperCase(rawLine);
    // The quoted texts: the pieces between the first and second quote, the third and fourth...
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at = line.find('"'); at != std::string::npos; at = line.find('"', start)) {
        pieces.push_back(line.substr(start, at - start));
        start = at + 1;
    }
    pieces.push_back(line.substr(start));
    for (std::size_t i = 1; i < pieces.size(); i += 2) {
        const std::string& quoted = pieces[i];
        std::string mended = quoted;
        const auto commas = std::count(quoted.begin(), quoted.end(), ',');
        if (commas > 1)
            mended.erase(std::remove(mended.begin(), mended.end(), ','), mended.end());
        else if (commas == 1)
            mended[mended.find(',')] = '.';
        if (!quoted.empty() && mended != quoted)
            replaceAll(line, quoted, mended);
    }
    line.erase(std::remove(line.begin(), line.end(), '"'), line.end());
    CsvFields fields;
    std::size_t from = 0;
    for (int n = 0; n < kFieldCount && from <= line.size(); ++n) {
        std::size_t comma = line.find(',', from);
        if (comma == std::string::npos)
            comma = line.size();
        fields[n] = trimmed(std::string_view(line).substr(from, comma - from));
        from = comma + 1;
    }
    for (std::string& field : fields) {
        replaceAll(field, kCommaStandIn, ",");
        replaceAll(field, kQuoteStandIn, "\"");
    }
    std::replace(fields[kName].begin(), fields[kName].end(), '\'', '`');
    return fields;
}

int commaCount(std::string_view line) {
    return static_cast<int>(std::count(line.begin(), line.end(), ','));
}

std::string comparableName(std::string_view name) {
    const std::string upper = upperCase(name);
    std::string out;
    out.reserve(upper.size());
    for (char c : upper) {
        if (c == ' ' || c == '.' || c == '&')
            continue;
        out.push_back(c == '\'' ? '`' : c);
    }
    return out;
}

std::string exportField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        if (c == ',')
            out += kCommaStandIn;
        else if (c == '"')
            out += kQuoteStandIn;
        else if (c == '\r' || c == '\n')
            out.push_back(' ');
        else
            out.push_back(c);
    }
    return out;
}

}  // namespace vandrix::backoffice
