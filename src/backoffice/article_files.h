// The article files' work on the database: importing new articles from "articole.csv",
// exporting every article into "modpret.csv" and reading it back with the shop owner's changes.
// The windows around them (file dialog, lock test, wait window, archive) are the caller's.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vandrix::store {
class Database;
}

namespace vandrix::backoffice {

// What an import tells its window while it reads the lines.
struct ImportEvents {
    // A line that is not imported, with why (the message box's text, title "Eroare"); the
    // import goes on with the next line once the user has read it.
    std::function<void(const std::string& message)> refuse;
    // Lines done of the lines in the file.
    std::function<void(std::size_t done, std::size_t total)> progress;
};

struct ImportResult {
    bool completed = false;  // every line was read and what was taken is stored
    std::string failure;     // why the database could not take it (when not completed)
    std::size_t imported = 0;
};

// The articles of the lines (the header left out), with their barcodes and opening stock; the
// new groups their lines name. `now` stamps the run's stock document and stock rows.
ImportResult importArticles(store::Database& db, const std::vector<std::string>& lines,
                            const std::string& now, const ImportEvents& events);

// What an export wrote: the lines (header first) and, for each barcode, the stock it showed.
struct ExportedArticles {
    std::vector<std::string> lines;
    std::map<std::string, std::string> stockByBarcode;
};

// Every article above id 0: name, unit, price, group, VAT id, first barcode, remark and current
// stock (empty when it was never counted).
ExportedArticles exportArticles(store::Database& db);

// The changed units, prices, groups, VAT ids and remarks of the lines; a stock row where the
// line's stock differs from what the export showed (the owner's count).
ImportResult importPriceChanges(store::Database& db, const std::vector<std::string>& lines,
                                const std::string& now,
                                const std::map<std::string, std::string>& exportedStock,
                                const ImportEvents& events);

}  // namespace vandrix::backoffice
