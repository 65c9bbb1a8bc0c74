// Finishing a paid receipt: its files for the fiscal-printer driver, its rows in the database,
// the delivery of the files and the customer display's greeting for the next customer.
#pragma once

#include <string>
#include <vector>

#include "fiscal/printer_files.h"
#include "sale/receipt_grid.h"

namespace vandrix::shell {
struct Application;
}

namespace vandrix::fiscal {

struct Payment {
    int mode = 0;                      // 1 to 4 for one mode, 0 for the split window
    std::string paidField;             // the sale screen's paid field as shown
    std::vector<PaymentRow> payments;  // the split window's list (mode 0)
};

// Stores the receipt and hands its file to the fiscal printer, exactly once. True when the
// receipt is stored: its file is then in ServerDir, or waits in the spool (the cashier is told)
// until it can go. False when nothing was stored and nothing was sent: the cashier is told that
// the payment was not recorded, and the receipt stays on the screen to be paid again.
bool finishReceipt(shell::Application& app, const sale::ReceiptGrid& grid, const Payment& payment);

}  // namespace vandrix::fiscal
