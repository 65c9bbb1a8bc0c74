// Payment in one mode.
#include "fiscal/payment.h"

#include "fiscal/finish_receipt.h"
#include "fiscal/printer_files.h"
#include "sale/receipt_limits.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::fiscal {

using shell::rightAlign;

namespace {

void showPaying(shell::Application& app, int mode, shell::Cents amount) {
    app.display.set("INCASARE " + modeName(app.settings, mode),
                    rightAlign(shell::formatCents(amount), 20));
}

void clearEntry(sale::EntryFields& fields) {
    fields.quantity = "1.000";
    fields.entry.clear();
}

}  // namespace

PaymentDecision decidePayment(const sale::EntryFields& fields, int mode, bool receiptEmpty) {
    using Step = PaymentDecision::Step;
    PaymentDecision decision;
    // Nothing to pay on an empty receipt (the quick-cash key can be pressed at any time).
    if (receiptEmpty)
        return decision;
    const auto typed = shell::typedAmount(fields.quantity, fields.entry);
    if (!typed || *typed < 0) {
        decision.step = Step::Refused;
        decision.message = "Suma nepermisa\r\n\r\nSuma introdusa nu este un numar sau depaseste " +
                           shell::formatCents(shell::kMaxAmount) + ".\r\n\r\n";
        return decision;
    }
    const shell::Cents total = shell::scaledOr0(fields.total, 2);
    const shell::Cents paid = shell::scaledOr0(fields.paid, 2);
    decision.amount = *typed == 0 ? total : *typed;
    if (decision.amount > total && mode != 1) {
        decision.step = Step::Refused;
        decision.message = "Suma nepermisa";
        return decision;
    }
    decision.step = decision.amount < total ? Step::Split : Step::Finish;
    decision.total = sale::amountField(total - decision.amount);
    decision.paid = sale::amountField(paid + decision.amount);
    return decision;
}

bool takePayment(shell::Application& app, ui::Form& saleWindow, sale::ReceiptGrid& grid,
                 sale::EntryFields& fields, int mode) {
    using Step = PaymentDecision::Step;
    // A receipt the fiscal printer would refuse (a value of 0.00, past its limits) is not paid.
    if (!grid.empty())
        if (auto why = sale::whyNotPayable(grid)) {
            clearEntry(fields);
            app.dialogs.message(*why + "\r\n\r\n", "Eroare", shell::kButtonsOk + shell::kIconError);
            return false;
        }
    const PaymentDecision decision = decidePayment(fields, mode, grid.empty());
    switch (decision.step) {
        case Step::Nothing:
            return false;
        case Step::Refused:
            clearEntry(fields);
            app.dialogs.message(decision.message, "Eroare", shell::kButtonsOk);
            return false;
        case Step::Split:
            fields.total = decision.total;
            fields.paid = decision.paid;
            showPaying(app, mode, decision.amount);
            return openSplitPaymentWindow(app, saleWindow, grid, fields, mode);
        case Step::Finish:
            break;
    }
    fields.total = decision.total;
    fields.paid = decision.paid;
    clearEntry(fields);
    // Stored, handed to the driver, and the screen cleared for the next customer.
    showPaying(app, mode, decision.amount);
    if (!finishReceipt(app, grid, {mode, fields.paid, {}})) {
        // Nothing was stored or sent: the receipt stays on the screen, unpaid, to be paid again.
        fields.total = sale::recomputeReceiptTotals(grid);
        fields.paid.clear();
        return false;
    }
    grid.clear();
    fields.total = sale::amountField(0);
    fields.paid = sale::amountField(0);
    return true;
}

}  // namespace vandrix::fiscal
