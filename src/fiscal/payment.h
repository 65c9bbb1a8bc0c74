// Payment: the whole receipt in one mode with one key, or a part of it, after which the
// split-payment window "Incasare" collects the rest in any mix of modes.
#pragma once

#include <string>

#include "sale/article_entry.h"
#include "sale/receipt_grid.h"
#include "shell/money.h"

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::fiscal {

// What a payment key does with the sale window's fields, decided without a window.
struct PaymentDecision {
    enum class Step {
        Nothing,  // an empty receipt: nothing to pay
        Refused,  // the amount cannot be paid in this mode: the cashier is told, nothing changes
        Split,    // a part of it: the rest is paid in the split-payment window
        Finish,   // paid in full (cash may give change): the receipt is finished
    };
    Step step = Step::Nothing;
    shell::Cents amount = 0;  // the amount paid in this mode
    std::string total;        // the total field after it: the amount still to pay
    std::string paid;         // the paid field after it
    std::string message;      // for a refusal
};

// The amount is quantity x entry to the cent, or the whole total when nothing was typed; only
// cash may pay more than the total (the difference is change).
PaymentDecision decidePayment(const sale::EntryFields& fields, int mode, bool receiptEmpty);

// Pays in mode 1 to 4 on the sale window's fields; a paid receipt is finished, the grid cleared
// and the fields reset. Returns true when the receipt was paid.
bool takePayment(shell::Application& app, ui::Form& saleWindow, sale::ReceiptGrid& grid,
                 sale::EntryFields& fields, int mode);

// The split-payment window after a partial payment in the mode, over the sale window; returns
// when the receipt is paid (true) or the payments were cancelled (false), with the fields set
// as the sale window must show them.
bool openSplitPaymentWindow(shell::Application& app, ui::Form& saleWindow, sale::ReceiptGrid& grid,
                            sale::EntryFields& fields, int mode);

}  // namespace vandrix::fiscal
