// Payment: the whole receipt in one mode with one key, or a part of it, after which the
// split-payment window "Incasare" collects the rest in any mix of modes.
#pragma once

#include "sale/receipt_grid.h"

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::fiscal {

// Pays in mode 1 to 4 from the sale window's entry, quantity, total and paid fields; a paid
// receipt is finished and the sale screen cleared. Returns true when the grid was changed.
bool takePayment(shell::Application& app, ui::Form& saleWindow, sale::ReceiptGrid& grid, int mode);

// The split-payment window after a partial payment in the mode; returns when the receipt is
// paid (true) or the payments were cancelled (false).
bool openSplitPaymentWindow(shell::Application& app, ui::Form& saleWindow, sale::ReceiptGrid& grid,
                            int mode);

}  // namespace vandrix::fiscal
