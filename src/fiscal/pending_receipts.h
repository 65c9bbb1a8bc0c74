// Paid receipts on their way to the fiscal printer: telling the cashier of one that was not
// stored, delivering the files of stored ones, and telling which receipt waits and which went.
#pragma once

#include <string>
#include <vector>

namespace vandrix::shell {
struct Application;
}

namespace vandrix::fiscal {

// Why a paid receipt could not be stored.
enum class NotStored { DatabaseClosed, DatabaseBusy, DiskFull, SpoolNotWritten, DatabaseRefused };
NotStored notStoredBecause(int databaseErrorCode, bool spoolFailed);

// Tells the cashier that a payment was not recorded (nothing stored, nothing sent) and why, and
// logs it with the database's own words.
void tellReceiptNotStored(shell::Application& app, NotStored reason,
                          const std::string& databaseError);

// The same for a tip: its line leaves the screen whatever happened, so the cashier is told to
// type the tip again.
void tellTipNotStored(shell::Application& app, NotStored reason, const std::string& databaseError);

// Delivers the files of a receipt just stored; when the driver's file cannot go now, the
// cashier is told which receipt waits and why, and it is delivered later.
void deliverStoredReceipt(shell::Application& app, const std::string& name, long receiptNumber);

// Goes through the spool. At start, the files of a receipt that was never stored (the program
// ended between writing them and committing the receipt) are removed, never delivered. Every
// stored receipt that can go now is delivered, and the cashier is told which ones went; she is
// told of one that still waits at start and when it first could not go.
void deliverPendingReceipts(shell::Application& app, bool atStart);

// The stored receipts whose printing files still cannot reach their folder after one more try
// (described for the cashier); a Z report must not close the day while any wait.
std::vector<std::string> receiptsNotAtThePrinter(shell::Application& app);

}  // namespace vandrix::fiscal
