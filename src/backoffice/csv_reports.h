// The CSV reports of the reports window: the sales of a period, the stock of the day and the two
// price-difference reports. Each report reads the database over connections of its own, writes
// its file complete into "rapoarte" under a name that begins with the time, and tells the
// window where the file is and whether it could be written.
#pragma once

#include <ctime>
#include <string>

namespace vandrix::backoffice {

// A report's file: the path relative to the working folder, with "/" separators, and whether
// it was written. A report that could not be written (the folder cannot be created, the file
// cannot be written, the database is missing) has written = false, for the window to tell the
// cashier.
struct ReportFile {
    std::string path;
    bool written = false;
};

struct PriceDifferenceReports {
    ReportFile receipts;  // receipt lines sold at another price than the article's
    ReportFile history;   // the price history of the articles, in the ANSI code page
};

// The period as the file name and the message show it: its digits padded on the left with "0"
// to 4 characters (a longer number keeps its first 4).
std::string paddedPeriod(const std::string& period);

// The sales report of an end-of-day period: "rapoarte/<time>-eod<period>-Vanzare.csv", UTF-8.
// The period is the first column of the period list's selected row; its spaces are dropped. A
// period that is empty or not a number writes nothing and returns an empty path.
ReportFile writeSalesReport(const std::string& databasePath, const std::string& period,
                            std::time_t now);

// The message shown after the sales report, titled "OK".
std::string salesReportMessage(const std::string& period);

// The stock of every barcode: "rapoarte/<time>-StocLaZI.csv", UTF-8.
ReportFile writeStockReport(const std::string& databasePath, std::time_t now);

// "rapoarte/<time>-modificarepretbon.csv" (UTF-8) and "rapoarte/<time>-modificarepretadmin.csv"
// (ANSI code page), with the same time.
PriceDifferenceReports writePriceDifferenceReports(const std::string& databasePath,
                                                   std::time_t now);

}  // namespace vandrix::backoffice
