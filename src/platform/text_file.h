// Text files written line by line with CR LF, in UTF-8 or in the ANSI code page, and read back
// line by line in either. Inside the program every text is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace vandrix::platform {

enum class Encoding { Utf8, Ansi };

// One line with the encoding it is written in; files for the fiscal-printer driver mix both.
struct EncodedLine {
    std::string text;  // UTF-8
    Encoding encoding;
};

// The bytes of the lines, each ended with CR LF.
std::string encodeLines(const std::vector<std::string>& lines, Encoding encoding);
std::string encodeLines(const std::vector<EncodedLine>& lines);

// Writes the lines complete (see writeWholeFile). False when the file cannot be written.
[[nodiscard]] bool writeLines(const std::string& path, const std::vector<std::string>& lines,
                              Encoding encoding);
[[nodiscard]] bool writeLines(const std::string& path, const std::vector<EncodedLine>& lines);

// A text file written line by line as the lines come (a report walking many rows), each line
// ended with CR LF in the chosen encoding; complete in place only after finish().
class LineWriter {
  public:
    LineWriter(const std::string& path, Encoding encoding) : file_(path), encoding_(encoding) {}
    void line(const std::string& text);
    [[nodiscard]] bool finish() { return file_.finish(); }

  private:
    StreamedFile file_;
    Encoding encoding_;
};

// The lines of a file, without their line ends (CR LF, LF or a lone CR at the end of a line);
// nullopt when the file cannot be read. A last line without a line end still counts.
std::optional<std::vector<std::string>> readLines(const std::string& path, Encoding encoding);

// The first line, or "" when the file is missing or empty.
std::string readFirstLine(const std::string& path, Encoding encoding);

}  // namespace vandrix::platform
