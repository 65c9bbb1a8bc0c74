// The split-payment window "Incasare": the payments list, the amount and quantity fields, the
// keypad, "X", the four mode buttons and "Anuleaza".
#include "fiscal/finish_receipt.h"
#include "fiscal/payment.h"
#include "fiscal/split_payment.h"
#include "shell/Interfatacolor/interfataincasare.h"
#include "shell/Interfatacolor/keypad.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/payment_images.h"
#include "shell/settings.h"
#include "shell/theme.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::fiscal {

using shell::numberOf;
using shell::rightAlign;

namespace {

using namespace shell::interfataincasare;

constexpr int kLoopTimeoutMs = 250;

class SplitWindow {
  public:
    SplitWindow(shell::Application& app, ui::Form& saleWindow, sale::EntryFields& fields, int mode)
        : app_(app), fields_(fields), form_(app.ui, layout(), &saleWindow), mode_(mode) {
        std::vector<int> keys = {kPoint, kX};
        for (int d = 0; d <= 9; ++d)
            keys.push_back(kKey0 + d);
        shell::enterKeypadColours(app_.ui.colours(), app_.palette, form_, keys);
        form_.setColumns(kPayments, {"Valoare", "ModPlata", "Tip", ""}, {150, 200, 100, 0});
        for (int m = 1; m <= 4; ++m) {
            const ModePlace p = modePlace(m);
            std::string name = app_.settings.paymentModes[m].name;
            form_.addGadget({payGadget(m), ui::GadgetKind::ImageButton, name, p.x, p.y, p.width,
                             p.height, 0, "pay" + std::to_string(m)});
            form_.setImage(payGadget(m),
                           shell::paymentButtonImage(app_.ui, name, m, p.width, p.height));
        }
        form_.setEnabled(kPay3, false);
        form_.setEnabled(kPay4, false);
        // The partial payment already made is the first row.
        payments_.paid = fields_.paid;
        payments_.remaining = fields_.total;
        form_.setText(kPaid, payments_.paid);
        form_.setText(kRemaining, payments_.remaining);
        payments_.rows.push_back({sale::amountField(shell::scaledOr0(payments_.paid, 2)),
                                  modeName(app_.settings, mode), mode});
        showRows();
        form_.setFocus(kAmount);
    }

    // Runs the window; true when the receipt was paid in full.
    bool run() {
        bool paid = false;
        ui::runWindowLoop(
            form_, kLoopTimeoutMs,
            [&](const ui::Event& event) {
                if (!handle(event))
                    return ui::Next::Leave;
                paid = shell::scaledOr0(payments_.remaining, 2) <= 0;
                return paid ? ui::Next::Leave : ui::Next::Stay;
            },
            [&] { afterEvent(); });
        if (paid) {
            fields_.total = payments_.remaining;
            fields_.paid = payments_.paid;
        }
        return paid;
    }

    const std::vector<PaymentRow>& rows() const { return payments_.rows; }

  private:
    void showRows() {
        form_.clearRows(kPayments);
        for (const auto& row : payments_.rows)
            form_.addRow(kPayments, {row.value, row.modeName, std::to_string(row.mode), ""});
        form_.selectRow(kPayments, static_cast<int>(payments_.rows.size()) - 1);
    }

    void pay(int mode) {
        mode_ = mode;
        shell::Cents amount = 0;
        SplitOutcome outcome = addSplitPayment(payments_, app_.settings, mode, form_.text(kAmount),
                                               form_.text(kQuantity), &amount);
        if (outcome == SplitOutcome::Refused) {
            app_.dialogs.message("Suma Nepermisa", "Eroare", shell::kButtonsOk);
        } else {
            app_.display.set(shell::leftAlign("INCASARE " + modeName(app_.settings, mode), 20),
                             rightAlign(shell::formatCents(amount), 20));
            form_.setText(kRemaining, payments_.remaining);
            form_.setText(kPaid, payments_.paid);
            showRows();
        }
        form_.setText(kAmount, "");
        form_.setText(kQuantity, "1");
        form_.setFocus(kAmount);
    }

    // False when the payments are cancelled.
    bool handle(const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return false;
        const int g = event.gadget;
        if (g >= kKey0 && g <= kKey0 + 9)
            shell::typeKey(form_, kAmount, static_cast<char>('0' + g - kKey0),
                           shell::PointRule::Once);
        else if (g == kPoint)
            shell::typeKey(form_, kAmount, '.', shell::PointRule::Once);
        else if (g == kX && numberOf(form_.text(kAmount)) > 0) {
            form_.setText(kQuantity, form_.text(kAmount));
            form_.setText(kAmount, "");
            form_.setFocus(kAmount);
        } else if (g >= kPay1 && g <= kPay4 && event.type == ui::EventType::Click) {
            pay(g - kPay1 + 1);
        } else if (g == kCancel) {
            return false;
        }
        return true;
    }

    void afterEvent() {
        const bool rows = !payments_.rows.empty();
        for (int m = 1; m <= 4; ++m)
            form_.setEnabled(kPay1 + m - 1, rows);
        shell::leaveCompleteQuantity(form_, kQuantity, kAmount);
    }

    shell::Application& app_;
    sale::EntryFields& fields_;
    ui::Form form_;
    int mode_;
    SplitPayments payments_;
};

}  // namespace

bool openSplitPaymentWindow(shell::Application& app, ui::Form& saleWindow, sale::ReceiptGrid& grid,
                            sale::EntryFields& fields, int mode) {
    bool paid = false;
    {
        SplitWindow window(app, saleWindow, fields, mode);
        paid = window.run();
        // The list must still be there while the receipt is finished. A receipt that could
        // not be stored leaves the screen as after cancelled payments (the cashier was told).
        if (paid)
            paid = finishReceipt(app, grid, {0, fields.paid, window.rows()});
        else
            app.dialogs.message("Plati Anulate", "Eroare", shell::kButtonsOk);
    }
    if (paid) {
        grid.clear();
        fields.total = sale::amountField(0);
        fields.paid = sale::amountField(0);
    } else {
        fields.total = sale::recomputeReceiptTotals(grid);
        fields.entry.clear();
        fields.paid.clear();
    }
    saleWindow.activate();
    return paid;
}

}  // namespace vandrix::fiscal
