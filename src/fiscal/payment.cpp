// Payment in one mode.
#include "fiscal/payment.h"

#include "fiscal/finish_receipt.h"
#include "fiscal/printer_files.h"
#include "shell/Interfatacolor/interfata.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "ui/form.h"

namespace vandrix::fiscal {

using namespace shell::interfata;
using shell::money;
using shell::numberOf;
using shell::rightAlign;

namespace {

void showPaying(shell::Application& app, int mode, double amount) {
    app.display.set("INCASARE " + modeName(app.settings, mode), rightAlign(money(amount), 20));
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
    // 1.-2. The amount typed (quantity x entry), or the whole amount still to pay.
    float amount = static_cast<float>(numberOf(f.text(kQuantity))) *
                   static_cast<float>(numberOf(f.text(kEntry)));
    const float total = static_cast<float>(numberOf(f.text(kTotal)));
    const float paid = static_cast<float>(numberOf(f.text(kPaid)));
    if (amount == 0)
        amount = total;
    // 3. A part of it: the rest in the split-payment window.
    if (amount < total) {
        f.setText(kTotal, rightAlign(money(total - amount), 7));
        f.setText(kPaid, rightAlign(money(paid + amount), 7));
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
    if (amount == total)
        amount = static_cast<float>(numberOf(f.text(kTotal)));
    f.setText(kTotal, rightAlign(money(total - amount), 7));
    f.setText(kPaid, rightAlign(money(paid + amount), 7));
    clearEntry(f);
    // 7. Finished: stored, handed to the driver, and the screen cleared for the next customer.
    showPaying(app, mode, amount);
    finishReceipt(app, grid, {mode, f.text(kPaid), {}});
    grid.clear();
    f.setText(kTotal, rightAlign(money(0), 7));
    f.setText(kPaid, rightAlign(money(0), 7));
    clearEntry(f);
    return true;
}

}  // namespace vandrix::fiscal
