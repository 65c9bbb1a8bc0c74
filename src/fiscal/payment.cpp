// Payment in one mode.
#include "fiscal/payment.h"

#include "fiscal/finish_receipt.h"
#include "fiscal/printer_files.h"
#include "shell/Interfatacolor/interfata.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "ui/form.h"

namespace vandrix::fiscal {

using namespace shell::interfata;
using shell::rightAlign;

namespace {

void showPaying(shell::Application& app, int mode, shell::Cents amount) {
    app.display.set("INCASARE " + modeName(app.settings, mode),
                    rightAlign(shell::formatCents(amount), 20));
}

void clearEntry(ui::Form& f) {
    f.setText(kQuantity, "1.000");
    f.setText(kEntry, "");
}

}  // namespace

bool takePayment(shell::Application& app, ui::Form& f, sale::ReceiptGrid& grid, int mode) {
    // Nothing to pay on an empty receipt (the quick-cash key can be pressed at any time).
    if (grid.empty())
        return false;
    // 1.-2. The amount typed (quantity x entry, to the cent), or the whole amount still to pay.
    const auto typed = shell::typedAmount(f.text(kQuantity), f.text(kEntry));
    if (!typed || *typed < 0) {
        clearEntry(f);
        app.dialogs.message("Suma nepermisa\r\n\r\nSuma introdusa nu este un numar sau depaseste " +
                                shell::formatCents(shell::kMaxAmount) + ".\r\n\r\n",
                            "Eroare", shell::kButtonsOk);
        return false;
    }
    shell::Cents amount = *typed;
    const shell::Cents total = shell::scaledOr0(f.text(kTotal), 2);
    const shell::Cents paid = shell::scaledOr0(f.text(kPaid), 2);
    if (amount == 0)
        amount = total;
    // 3. A part of it: the rest in the split-payment window.
    if (amount < total) {
        f.setText(kTotal, sale::amountField(total - amount));
        f.setText(kPaid, sale::amountField(paid + amount));
        showPaying(app, mode, amount);
        return openSplitPaymentWindow(app, f, grid, mode);
    }
    // 4. Only cash may be more than the total: the difference is change.
    if (amount > total && mode != 1) {
        clearEntry(f);
        app.dialogs.message("Suma nepermisa", "Eroare", shell::kButtonsOk);
        return false;
    }
    // 5.-6. Paid.
    f.setText(kTotal, sale::amountField(total - amount));
    f.setText(kPaid, sale::amountField(paid + amount));
    clearEntry(f);
    // 7. Finished: stored, handed to the driver, and the screen cleared for the next customer.
    showPaying(app, mode, amount);
    if (!finishReceipt(app, grid, {mode, f.text(kPaid), {}})) {
        // Nothing was stored or sent: the receipt stays on the screen, unpaid, to be paid again.
        f.setText(kTotal, sale::recomputeReceiptTotals(grid));
        f.setText(kPaid, "");
        return false;
    }
    grid.clear();
    f.setText(kTotal, sale::amountField(0));
    f.setText(kPaid, sale::amountField(0));
    clearEntry(f);
    return true;
}

}  // namespace vandrix::fiscal
