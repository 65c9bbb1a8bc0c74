// The line-price window: its layout is `ModificaPret`; a new price for the selected line, or the
// tip's amount.
#include "sale/receipt_limits.h"
#include "sale/small_window_rules.h"
#include "sale/small_windows.h"
#include "shell/Interfatacolor/interfata.h"
#include "shell/Interfatacolor/keypad.h"
#include "shell/Interfatacolor/modificapret.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "ui/form.h"
#include "ui/window_loop.h"

namespace vandrix::sale {

namespace layout = shell::modificapret;

namespace {
constexpr int kLoopTimeoutMs = 250;
}

void openLinePrice(shell::Application& app, ui::Form& parent, ReceiptGrid& grid, std::string& total,
                   bool tipMode, const std::function<void(ReceiptGrid&, std::string&)>& storeTip) {
    const int line = grid.selected();
    {
        ui::Form form(app.ui, layout::layout(), &parent);
        form.setText(layout::kEnter, "E\r\nN\r\nT\r\nE\r\nR");
        shell::addSaleShortcuts(form);
        form.setFocus(layout::kPrice);
        if (line >= 0)
            form.setText(layout::kLabel, grid.cell(line, kNameCell) + " - " +
                                             shell::trim(grid.cell(line, kPriceCell)));
        form.setCaretToEnd(layout::kPrice);
        // The price goes into the line only when it is one the fiscal printer takes.
        auto confirm = [&] {
            const auto cell = linePriceCell(shell::trim(form.text(layout::kPrice)));
            if (!cell) {
                app.dialogs.message("Pret nepermis\r\n\r\nScrieti un pret intre 0.00 si " +
                                        shell::formatCents(shell::kMaxAmount) + ".\r\n\r\n",
                                    "Eroare", shell::kButtonsOk);
                form.setFocus(layout::kPrice);
                return false;
            }
            if (line >= 0 && line < grid.size()) {
                // A price that takes the line or the receipt past what the fiscal printer
                // takes is refused like one typed at entry, and the line keeps its price.
                const std::string before = grid.cell(line, kPriceCell);
                grid.setCell(line, kPriceCell, *cell);
                if (!withinReceiptLimits(grid)) {
                    grid.setCell(line, kPriceCell, before);
                    app.dialogs.message(receiptLimitMessage() + "\r\n\r\n", "Eroare",
                                        shell::kButtonsOk + shell::kIconError);
                    form.setFocus(layout::kPrice);
                    return false;
                }
                grid.markRepriced(line);
            }
            grid.select(-1);
            total = recomputeReceiptTotals(grid);
            if (tipMode && storeTip)
                storeTip(grid, total);
            return true;
        };
        ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
            if (event.type == ui::EventType::Close)
                return ui::Next::Leave;
            const int g = event.gadget;
            const bool shortcut = event.type == ui::EventType::Shortcut;
            if (shortcut ? g == shell::interfata::kShortcutConfirm : g == layout::kEnter)
                return confirm() ? ui::Next::Leave : ui::Next::Stay;
            if (shortcut ? g == shell::interfata::kShortcutDecimal : g == layout::kPoint)
                shell::typeKey(form, layout::kPrice, '.', shell::PointRule::Once);
            else if (!shortcut && g >= layout::kKey0 && g <= layout::kKey0 + 9)
                shell::typeKey(form, layout::kPrice, static_cast<char>('0' + g - layout::kKey0),
                               shell::PointRule::Once);
            else if (!shortcut && g == layout::kDelete) {
                std::string text = form.text(layout::kPrice);
                if (!text.empty())
                    text.pop_back();
                form.setText(layout::kPrice, text);
            }
            return ui::Next::Stay;
        });
    }
    if (tipMode) {
        grid.clear();
        total.clear();
    }
}

}  // namespace vandrix::sale
