// The road of a paid receipt's files to the fiscal printer. The three files (the driver's
// command file, the note printers' text and the Datecs-style copy) are written whole and synced
// into the working folder's "netrimise" folder before the receipt's rows are committed, and
// moved from there into their folders after the commit, never replacing a file that waits
// there. A file left in "netrimise" belongs either to a committed receipt whose file has not
// reached its folder yet (it is delivered at the next start, or as soon as the folder is back),
// or, after a crash before the commit, to a receipt that was never stored (it is removed at the
// next start, never delivered). The folder survives a restart of the computer, which the
// system's temporary folder may not.
#pragma once

#include <string>
#include <vector>

#include "fiscal/printer_records.h"

namespace vandrix::shell {
struct Settings;
}

namespace vandrix::fiscal {

inline constexpr const char* kSpoolFolderName = "netrimise";

// The spool folder with a trailing separator.
std::string spoolFolder(const shell::Settings& settings);

// Writes the receipt's three files into the spool, synced to disk. False when one could not be
// written; nothing of the receipt is left in the spool then.
bool spoolReceiptFiles(const ReceiptRecords& records, const std::string& name,
                       const shell::Settings& settings);

// A tip receipt's one file, spooled for ServerDir under its final name there; returns the
// spool's name for it ("Bacsis-" + the receipt id + "-" + that name), "" when it could not be
// written.
std::string spoolTipFile(const std::vector<platform::EncodedLine>& lines,
                         const std::string& targetName, long receiptId,
                         const shell::Settings& settings);

// Removes the receipt's files from the spool (a receipt that was not stored).
void discardReceiptFiles(const std::string& name, const shell::Settings& settings);

// Removes what a crash left of a file being written into the spool (files that are no
// receipt's file). For a start, when no receipt is being written.
void removeUnfinishedWrites(const shell::Settings& settings);

struct DeliveryResult {
    bool delivered = false;          // the files that print it are in their folders (now or before)
    bool movedNow = false;           // one of them went just now
    bool waiting = false;            // a file of the receipt is still in the spool
    std::string problem;             // why it is not delivered, in the cashier's words
    std::vector<std::string> notes;  // what happened to the note printers' copies, for the log
};

// Moves the receipt's files from the spool into ServerDir and DATECS (the files that print it:
// they wait until they can go), and the note text into NoteDir with copies in NOTEDIR2 to
// NOTEDIR4 (a copy for a folder the shop does not have is dropped and noted).
DeliveryResult deliverReceiptFiles(const std::string& name, const shell::Settings& settings);

// The receipts that have files in the spool: the spool's name of their driver file and the
// receipt id it carries (0 when the name carries none).
struct SpooledReceipt {
    std::string name;
    long receiptId = 0;
};
std::vector<SpooledReceipt> spooledReceipts(const shell::Settings& settings);

}  // namespace vandrix::fiscal
