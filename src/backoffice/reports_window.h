// The reports window "Rapoarte": cash in and out, the X and Z reports with the period list, and
// the CSV reports of sales, stock and price differences.
#pragma once

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::backoffice {

// Runs the window; the sale window is hidden while it is open.
void openReportsWindow(shell::Application& app, ui::Form& saleWindow);

}  // namespace vandrix::backoffice
