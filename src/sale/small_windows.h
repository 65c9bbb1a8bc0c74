// The sale's small windows, opened from the sale window and kept above it: the discount's
// percentage, the buyer's fiscal code and the receipt's free text. Each takes the sale window's
// keyboard shortcuts while it is open.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "sale/receipt_grid.h"

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::sale {

// The selected line's new price, shown in red. In tip mode the line is the tip and the price
// its amount: storeTip stores the tip receipt, and whatever ended the window the receipt on
// screen is emptied (the tip is finished, or abandoned).
void openLinePrice(shell::Application& app, ui::Form& parent, ReceiptGrid& grid, std::string& total,
                   bool tipMode, const std::function<void(ReceiptGrid&, std::string&)>& storeTip);

// The percentage of the discount line, the grid's last row; the label shows the receipt's total.
// Closed without ENTER, the line stays at 0 %.
void openDiscount(shell::Application& app, ui::Form& parent, ReceiptGrid& grid,
                  const std::string& total);

// The buyer's fiscal code printed on the receipt: app.buyerFiscalCode, "" when the window is
// closed without a valid code.
void openFiscalCode(shell::Application& app, ui::Form& parent);

// The article search "Articole": the barcode of the article chosen by a double click, nullopt
// when the window was closed. The sale window is hidden while it is open.
std::optional<std::string> openArticleSearch(shell::Application& app, ui::Form& saleWindow);

// The quick keys "Articole Grupa": a tab per group marked for quick keys, a button per priced
// article; the barcode of the article touched (the first of its barcodes, "" when it has none),
// nullopt when the window was closed. The sale window is hidden while it is open.
std::optional<std::string> openQuickKeys(shell::Application& app, ui::Form& saleWindow);

// The receipt's four free text lines, joined by "|" (app.receiptText takes them).
std::string openReceiptText(shell::Application& app, ui::Form& parent);

}  // namespace vandrix::sale
