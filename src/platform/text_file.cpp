// Line-oriented text files in UTF-8 or the ANSI code page.
#include "platform/text_file.h"

#include "platform/codepage.h"
#include "platform/files.h"

namespace vandrix::platform {

std::string encodeLines(const std::vector<std::string>& lines, Encoding encoding) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += encoding == Encoding::Ansi ? utf8ToAnsi(line) : line;
        bytes += "\r\n";
    }
    return bytes;
}

std::string encodeLines(const std::vector<EncodedLine>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line.encoding == Encoding::Ansi ? utf8ToAnsi(line.text) : line.text;
        bytes += "\r\n";
    }
    return bytes;
}

void LineWriter::line(const std::string& text) {
    file_.append(encoding_ == Encoding::Ansi ? utf8ToAnsi(text) : text);
    file_.append("\r\n");
}

bool writeLines(const std::string& path, const std::vector<std::string>& lines, Encoding encoding) {
    return writeWholeFile(path, encodeLines(lines, encoding));
}

bool writeLines(const std::string& path, const std::vector<EncodedLine>& lines) {
    return writeWholeFile(path, encodeLines(lines));
}

std::optional<std::vector<std::string>> readLines(const std::string& path, Encoding encoding) {
    auto bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    std::string text = encoding == Encoding::Ansi ? ansiToUtf8(*bytes) : std::move(*bytes);
    // A UTF-8 byte-order mark written by an editor is not part of the first line.
    if (encoding == Encoding::Utf8 && text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string readFirstLine(const std::string& path, Encoding encoding) {
    auto lines = readLines(path, encoding);
    if (!lines || lines->empty())
        return {};
    return lines->front();
}

}  // namespace vandrix::platform
