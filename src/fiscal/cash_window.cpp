// The cash window: its layout is `Interfatasume`; the amount, the keypad and ENTER.
#include "fiscal/cash_window.h"

#include "fiscal/daily_reports.h"
#include "fiscal/driver_stamp.h"
#include "fiscal/printer_files.h"
#include "fiscal/printer_records.h"
#include "shell/Interfatacolor/interfatasume.h"
#include "shell/Interfatacolor/keypad.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::fiscal {

namespace layout = shell::interfatasume;

namespace {

constexpr int kLoopTimeoutMs = 250;
constexpr int kEnterShortcut = 1;

}  // namespace

bool cashAmountAccepted(const std::string& typed) {
    const auto cents = shell::parseScaled(typed, 2);
    const auto exact = shell::parseScaled(typed, 6);  // a third decimal is not dropped silently
    return cents && exact && *exact == *cents * 10000 && *cents > 0 && *cents <= shell::kMaxAmount;
}

void runCashMovement(shell::Application& app, CashDirection direction, ui::Form* parent) {
    ui::Form form(app.ui, layout::layout(direction == kCashIn ? "Sume Introduse" : "Sume Scoase"),
                  parent);
    form.setText(layout::kEnter, "E\r\nN\r\nT\r\nE\r\nR");
    form.addShortcut(ui::Key::Enter, kEnterShortcut);
    form.setFocus(layout::kAmount);
    // The file is named after the moment the window opened.
    const std::time_t opened = app.ui.clock().now();
    bool send = false;
    ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return ui::Next::Leave;
        const int g = event.gadget;
        if (event.type == ui::EventType::Shortcut || g == layout::kEnter) {
            // The amount goes into the driver's record as typed: it must be one the fiscal
            // printer takes, or nothing is sent.
            if (cashAmountAccepted(form.text(layout::kAmount))) {
                send = true;
                return ui::Next::Leave;
            }
            app.dialogs.message("Suma nepermisa\r\n\r\nScrieti o suma intre 0.01 si " +
                                    shell::formatCents(shell::kMaxAmount) + ".\r\n\r\n",
                                "Eroare", shell::kButtonsOk);
            form.setFocus(layout::kAmount);
        } else if (g >= layout::kKey0 && g <= layout::kKey0 + 9) {
            shell::typeKey(form, layout::kAmount, static_cast<char>('0' + g - layout::kKey0),
                           shell::PointRule::Once);
        } else if (g == layout::kPoint) {
            shell::typeKey(form, layout::kAmount, '.', shell::PointRule::Once);
        }
        return ui::Next::Stay;
    });
    if (!send)
        return;
    // A file of the same second that the driver has not taken yet is not overwritten: this one
    // takes the next free second.
    const std::string amount = shell::trim(form.text(layout::kAmount));
    const std::string stamp = freeDriverStamp(opened, [&](const std::string& s) {
        return cashMovementFile(direction, amount, s, app.settings).target;
    });
    if (writeCashMovement(direction, amount, stamp, app.settings).empty())
        requestNotDelivered(
            app, direction == kCashIn ? "Fisierul de sume introduse" : "Fisierul de sume scoase");
}

}  // namespace vandrix::fiscal
