// What the CSV reports share: the file name with its time prefix, the CSV line, the
// connections they open and the writing of the finished file.
#pragma once

#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "backoffice/csv_reports.h"
#include "platform/text_file.h"
#include "store/database.h"

namespace vandrix::backoffice {

// "rapoarte/" + the time as "%yyyy%mm%dd%hh%ii%ss" + the rest of the name.
std::string reportPath(std::time_t now, const std::string& rest);

// The fields joined by commas. A field holding a comma, a quote or a line break (an article
// named "APA 0,5L") is put between quotes with its quotes doubled, so it stays one field;
// every other field is written as it is.
std::string csvLine(const std::vector<std::string>& fields);

// A connection to the database file, or nullptr when the file is missing or cannot be opened
// (a report never creates an empty database).
std::unique_ptr<store::Database> openDatabase(const std::string& path);

// A report's file written line by line as the report reads its rows, so a report of millions
// of rows never holds them in memory; the file appears complete under its name at finish().
// The reports folder is made first (start-up creates it; it may have been removed since).
class ReportWriter {
  public:
    ReportWriter(const std::string& path, platform::Encoding encoding);
    void line(const std::string& text) { writer_.line(text); }
    void fields(const std::vector<std::string>& fields) { writer_.line(csvLine(fields)); }
    ReportFile finish();

  private:
    std::string path_;
    bool folder_;
    platform::LineWriter writer_;
};

}  // namespace vandrix::backoffice
