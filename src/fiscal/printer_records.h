// The records of the files for the fiscal-printer driver, built as lines with their encodings
// and kept apart from writing and delivering the files, so that each record can be checked on
// its own.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "fiscal/printer_files.h"
#include "platform/text_file.h"
#include "shell/money.h"

namespace vandrix::fiscal {

using Lines = std::vector<platform::EncodedLine>;

// The three files of a paid receipt and the sums found while building them.
struct ReceiptRecords {
    Lines driver;  // the driver's command file
    Lines text;    // the note printers' text
    Lines datecs;  // the Datecs-style copy
    shell::Cents receiptSum = 0;
    std::array<shell::Cents, 5> paidByMode{};
};

// A text inside a record, with every character that would break the record's syntax (its
// separators, a line break, any control character) replaced by a space. Only the record
// changes: the database keeps the text as it was typed.
std::string withSpacesFor(std::string text, std::string_view separators);

ReceiptRecords buildReceiptRecords(const ReceiptForFiles& receipt, const shell::Settings& settings);

// "BonCMP-" + the file number padded with "0" to 9 + "-" + POS + ".txt".
std::string receiptFileName(const std::string& fileNumber, const std::string& pos);

// The four free-text lines of a text joined with "|" (missing lines are empty).
std::array<std::string, 4> freeTextLines(const std::string& freeText);

// The period number padded with "0" to 4, as report and tip files write it.
std::string periodText(long period);

// A file for the driver: its name in the working folder, its one line and where it goes.
struct DriverFile {
    std::string name;
    std::vector<platform::EncodedLine> lines;
    std::string target;  // the path in the watched folder; "" when that folder is not set
};

// The X (kind 0) or Z (kind 1) request, for DATECS when that folder is set.
DriverFile reportRequestFile(int kind, long period, const shell::Settings& settings);

// Cash in (direction 1) or out (0).
DriverFile cashMovementFile(int direction, const std::string& amount, const std::string& stamp,
                            const shell::Settings& settings);

// The tip receipt's fixed-column records.
DriverFile tipReceiptFile(const sale::Row& tipLine, long period, const std::string& cui,
                          const std::string& freeText, const std::string& stamp,
                          const shell::Settings& settings);

}  // namespace vandrix::fiscal
