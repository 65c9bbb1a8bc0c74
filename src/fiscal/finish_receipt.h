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

// Tells the cashier in the program's message box when the receipt did not reach the fiscal
// printer or could not be stored; the receipt is never silently lost.
void finishReceipt(shell::Application& app, const sale::ReceiptGrid& grid, const Payment& payment);

}  // namespace vandrix::fiscal
