// File names, CSV lines, connections and writing shared by the CSV reports.
#include "backoffice/report_file.h"

#include "platform/clock.h"
#include "platform/files.h"

namespace vandrix::backoffice {
namespace {

constexpr const char* kReportsFolder = "rapoarte";

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

std::string reportPath(std::time_t now, const std::string& rest) {
    return std::string(kReportsFolder) + "/" +
           platform::formatLocalTime("%yyyy%mm%dd%hh%ii%ss", now) + rest;
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += csvField(fields[i]);
    }
    return line;
}

std::unique_ptr<store::Database> openDatabase(const std::string& path) {
    if (!platform::fileExists(path) || platform::isDirectory(path))
        return nullptr;
    auto db = store::Database::open(path);
    // A report reads much of the shop: a page cache of 16 MB instead of SQLite's 2 MB keeps the
    // pages it comes back to (the articles, the receipts of a period) in memory, where reading
    // them again would cost a system call each.
    if (db)
        db->exec("PRAGMA cache_size=-16384");
    return db;
}

ReportWriter::ReportWriter(const std::string& path, platform::Encoding encoding)
    : path_(path), folder_(platform::makeDirectory(kReportsFolder)), writer_(path, encoding) {}

ReportFile ReportWriter::finish() {
    const bool written = writer_.finish() && folder_;
    return {path_, written};
}

}  // namespace vandrix::backoffice
