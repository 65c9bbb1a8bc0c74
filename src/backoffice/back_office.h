// The back office's windows: the choice window the access code opens, the administration, the
// article files' imports and the stock count.
#pragma once

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::backoffice {

// The back-office choice window "Selecteaza"; the sale window is hidden while it is open.
void openBackOffice(shell::Application& app, ui::Form& saleWindow);

// The administration window; restricted, the VAT rates can be seen but not changed.
void openAdministration(shell::Application& app, ui::Form* parent, bool restricted);

// "Import Articole" and "Import Modificare Preturi".
void importArticlesFile(shell::Application& app);
void importPriceChangesFile(shell::Application& app);

// The stock count window.
void openStockCount(shell::Application& app, ui::Form* parent);

}  // namespace vandrix::backoffice
