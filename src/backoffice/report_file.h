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

// Writes the lines complete into the reports folder (created when missing).
ReportFile writeReport(const std::string& path, const std::vector<std::string>& lines,
                       platform::Encoding encoding);

}  // namespace vandrix::backoffice
