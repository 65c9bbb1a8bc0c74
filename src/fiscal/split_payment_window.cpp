// The split-payment window "Incasare": the payments list, the amount and quantity fields, the
// keypad, "X", the four mode buttons and "Anuleaza".
#include "fiscal/finish_receipt.h"
#include "fiscal/payment.h"
#include "fiscal/split_payment.h"
#include "shell/Interfatacolor/interfata.h"
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

namespace vandrix::fiscal {

namespace sw = shell::interfata;
using shell::numberOf;
using shell::rightAlign;

namespace {

enum Gadget {
    kPayments = 1,
    kAmountLabel,
    kAmount,
    kQuantityLabel,
    kQuantity,
    kRemainingLabel,
    kRemaining,
    kPaidLabel,
    kPaid,
    kKey0,
    kPoint = kKey0 + 10,
    kX,
    kPay1,
    kPay2,
    kPay3,
    kPay4,
    kCancel,
};

constexpr int kLoopTimeoutMs = 250;

struct ModePlace {
    int x, y, w, h;
};
const ModePlace kModePlaces[5] = {
    {}, {665, 250, 115, 80}, {550, 250, 115, 80}, {550, 330, 115, 80}, {665, 330, 115, 80}};

ui::FormSpec layout() {
    using ui::GadgetKind;
    ui::FormSpec table;
    table.name = "Incasare";
    table.title = "Incasare";
    table.width = 780;
    table.height = 520;
    table.alwaysOnTop = true;
    table.gadgets = {
        {kPayments, GadgetKind::ListView, "Valoare|ModPlata|Tip|", 0, 0, 550, 320,
         ui::kFullRowSelect | ui::kGridLines, "payments"},
        {kRemainingLabel, GadgetKind::Label, "Rest", 0, 330, 130, 40, 0, ""},
        {kRemaining, GadgetKind::TextField, "", 130, 325, 140, 40,
         ui::kReadOnly | ui::kRightAligned, "remaining"},
        {kPaidLabel, GadgetKind::Label, "Achitat", 280, 330, 120, 40, 0, ""},
        {kPaid, GadgetKind::TextField, "", 410, 325, 140, 40, ui::kReadOnly | ui::kRightAligned,
         "paid"},
        {kAmountLabel, GadgetKind::Label, "Suma", 0, 385, 130, 40, 0, ""},
        {kAmount, GadgetKind::TextField, "", 130, 380, 240, 45, ui::kRightAligned, "amount"},
        {kQuantityLabel, GadgetKind::Label, "QTY", 380, 385, 60, 40, 0, ""},
        {kQuantity, GadgetKind::TextField, "1", 440, 380, 110, 45, ui::kRightAligned, "qty"},
        {kX, GadgetKind::Button, "X", 730, 0, 50, 240, 0, ""},
        {kCancel, GadgetKind::Button, "Anuleaza", 550, 420, 230, 75, 0, ""},
    };
    shell::addKeypad(table.gadgets, kKey0, kPoint, 550, 0, 60, 60, 60);
    return table;
}

class SplitWindow {
  public:
    SplitWindow(shell::Application& app, ui::Form& saleWindow, int mode)
        : app_(app), sale_(saleWindow), form_(app.ui, layout(), &saleWindow), mode_(mode) {
        std::vector<int> keys = {kPoint, kX};
        for (int d = 0; d <= 9; ++d)
            keys.push_back(kKey0 + d);
        shell::enterKeypadColours(app_.ui.colours(), app_.palette, form_, keys);
        form_.setColumns(kPayments, {"Valoare", "ModPlata", "Tip", ""}, {150, 200, 100, 0});
        for (int m = 1; m <= 4; ++m) {
            const ModePlace& p = kModePlaces[m];
            std::string name = app_.settings.paymentModes[m].name;
            form_.addGadget({kPay1 + m - 1, ui::GadgetKind::ImageButton, name, p.x, p.y, p.w, p.h,
                             0, "pay" + std::to_string(m)});
            form_.setImage(kPay1 + m - 1, shell::paymentButtonImage(app_.ui, name, m, p.w, p.h));
        }
        form_.setEnabled(kPay3, false);
        form_.setEnabled(kPay4, false);
        // The partial payment already made is the first row.
        payments_.paid = sale_.text(sw::kPaid);
        payments_.remaining = sale_.text(sw::kTotal);
        form_.setText(kPaid, payments_.paid);
        form_.setText(kRemaining, payments_.remaining);
        payments_.rows.push_back({sale::amountField(shell::scaledOr0(payments_.paid, 2)),
                                  modeName(app_.settings, mode), mode});
        showRows();
        form_.setFocus(kAmount);
    }

    // Runs the window; true when the receipt was paid in full.
    bool run() {
        while (shell::scaledOr0(payments_.remaining, 2) > 0) {
            auto event = form_.wait(kLoopTimeoutMs);
            if (!event)
                continue;
            if (!handle(*event))
                return false;
            afterEvent();
        }
        sale_.setText(sw::kTotal, payments_.remaining);
        sale_.setText(sw::kPaid, payments_.paid);
        return true;
    }

    const std::vector<PaymentRow>& rows() const { return payments_.rows; }

  private:
    void showRows() {
        form_.clearRows(kPayments);
        for (const auto& row : payments_.rows)
            form_.addRow(kPayments, {row.value, row.modeName, std::to_string(row.mode), ""});
        form_.selectRow(kPayments, static_cast<int>(payments_.rows.size()) - 1);
    }

    void append(const std::string& c) {
        std::string amount = form_.text(kAmount);
        if (c == "." && amount.find('.') != std::string::npos)
            return;
        form_.setText(kAmount, amount + c);
        form_.setFocus(kAmount);
        form_.setCaretToEnd(kAmount);
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
            append(std::string(1, static_cast<char>('0' + g - kKey0)));
        else if (g == kPoint)
            append(".");
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
        if (form_.focusedGadget() == kQuantity) {
            std::string q = form_.text(kQuantity);
            size_t point = q.find('.');
            if (point != std::string::npos && q.size() - point - 1 == 3)
                form_.setFocus(kAmount);
        }
    }

    shell::Application& app_;
    ui::Form& sale_;
    ui::Form form_;
    int mode_;
    SplitPayments payments_;
};

}  // namespace

bool openSplitPaymentWindow(shell::Application& app, ui::Form& saleWindow, sale::ReceiptGrid& grid,
                            int mode) {
    bool paid = false;
    {
        SplitWindow window(app, saleWindow, mode);
        paid = window.run();
        // The list must still be there while the receipt is finished. A receipt that could
        // not be stored leaves the screen as after cancelled payments (the cashier was told).
        if (paid)
            paid = finishReceipt(app, grid, {0, saleWindow.text(sw::kPaid), window.rows()});
        else
            app.dialogs.message("Plati Anulate", "Eroare", shell::kButtonsOk);
    }
    if (paid) {
        grid.clear();
        saleWindow.setText(sw::kTotal, sale::amountField(0));
        saleWindow.setText(sw::kPaid, sale::amountField(0));
    } else {
        saleWindow.setText(sw::kTotal, sale::recomputeReceiptTotals(grid));
        saleWindow.setText(sw::kEntry, "");
        saleWindow.setText(sw::kPaid, "");
    }
    saleWindow.activate();
    return paid;
}

}  // namespace vandrix::fiscal
