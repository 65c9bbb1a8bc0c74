// The buyer's fiscal-code window: its layout is `CuiPeBon`; the code typed on its keypad, "RO"
// put before it or taken off, checked by its control digit at ENTER.
#include "sale/fiscal_code.h"
#include "sale/small_window_rules.h"
#include "sale/small_windows.h"
#include "shell/Interfatacolor/cuipebon.h"
#include "shell/Interfatacolor/interfata.h"
#include "shell/Interfatacolor/keypad.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "ui/form.h"
#include "ui/window_loop.h"

namespace vandrix::sale {

namespace layout = shell::cuipebon;

namespace {
constexpr int kLoopTimeoutMs = 250;
}

void openFiscalCode(shell::Application& app, ui::Form& parent) {
    app.buyerFiscalCode.clear();
    ui::Form form(app.ui, layout::layout(), &parent);
    form.setText(layout::kEnter, "E\r\nN\r\nT\r\nE\r\nR");
    shell::addSaleShortcuts(form);
    form.setFocus(layout::kCode);
    // A code the control digit accepts is the buyer's; any other leaves the window open.
    auto confirm = [&] {
        const auto code = fiscalCodeOf(form.text(layout::kCode));
        if (!code) {
            app.dialogs.message("CIF Incorect", "Eroare", shell::kButtonsOk);
            return false;
        }
        if (!checkFiscalCode(app, code->number))
            return false;
        app.buyerFiscalCode = code->stored;
        return true;
    };
    ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return ui::Next::Leave;
        const int g = event.gadget;
        const bool enter = event.type == ui::EventType::Shortcut
                               ? g == shell::interfata::kShortcutConfirm
                               : g == layout::kEnter;
        if (enter)
            return confirm() ? ui::Next::Leave : ui::Next::Stay;
        if (event.type == ui::EventType::Shortcut)
            return ui::Next::Stay;  // the other keys do nothing here
        if (g >= layout::kKey0 && g <= layout::kKey0 + 9) {
            shell::typeKey(form, layout::kCode, static_cast<char>('0' + g - layout::kKey0),
                           shell::PointRule::Always);
        } else if (g == layout::kRo) {
            form.setText(layout::kCode, toggledRo(form.text(layout::kCode)));
            form.setFocus(layout::kCode);
            form.setCaretToEnd(layout::kCode);
        } else if (g == layout::kDelete) {
            std::string text = form.text(layout::kCode);
            if (!text.empty())
                text.pop_back();
            form.setText(layout::kCode, text);
        }
        return ui::Next::Stay;
    });
}

}  // namespace vandrix::sale
