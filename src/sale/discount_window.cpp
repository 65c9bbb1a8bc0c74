// The discount window: its layout is `Discount`; the percentage typed on its keypad.
#include "sale/small_windows.h"

#include "sale/small_window_rules.h"
#include "shell/Interfatacolor/discount.h"
#include "shell/Interfatacolor/interfata.h"
#include "shell/Interfatacolor/keypad.h"
#include "shell/application.h"
#include "shell/number_text.h"
#include "ui/form.h"
#include "ui/window_loop.h"

namespace vandrix::sale {

namespace layout = shell::discount;

namespace {
constexpr int kLoopTimeoutMs = 250;
}

void openDiscount(shell::Application& app, ui::Form& parent, ReceiptGrid& grid,
                  const std::string& total) {
    if (grid.empty() || !isDiscountRow(grid.row(grid.size() - 1)))
        return;
    ui::Form form(app.ui, layout::layout(), &parent);
    form.setText(layout::kEnter, "E\r\nN\r\nT\r\nE\r\nR");
    form.setText(layout::kLabel, shell::trim(total));
    shell::addSaleShortcuts(form);
    form.setFocus(layout::kPercent);
    bool confirmed = false;
    auto type = [&](char key) {
        form.setText(layout::kPercent, discountFieldAfterKey(form.text(layout::kPercent), key));
        form.setFocus(layout::kPercent);
        form.setCaretToEnd(layout::kPercent);
    };
    ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return ui::Next::Leave;
        const int g = event.gadget;
        if (event.type == ui::EventType::Shortcut) {
            if (g == shell::interfata::kShortcutConfirm) {
                confirmed = true;
                return ui::Next::Leave;
            }
            if (g == shell::interfata::kShortcutDecimal)
                type('.');
            return ui::Next::Stay;  // the other keys do nothing here
        }
        if (g == layout::kEnter) {
            confirmed = true;
            return ui::Next::Leave;
        }
        if (g >= layout::kKey0 && g <= layout::kKey0 + 9)
            type(static_cast<char>('0' + g - layout::kKey0));
        else if (g == layout::kPoint)
            type('.');
        else if (g == layout::kDelete) {
            std::string text = form.text(layout::kPercent);
            if (!text.empty())
                text.pop_back();
            form.setText(layout::kPercent, text);
        }
        return ui::Next::Stay;
    });
    if (!confirmed)
        return;
    const int last = grid.size() - 1;
    grid.setCell(last, kQuantityCell, quantityCell(1000));
    grid.setCell(last, kPriceCell, discountPriceCell(form.text(layout::kPercent)));
}

}  // namespace vandrix::sale
