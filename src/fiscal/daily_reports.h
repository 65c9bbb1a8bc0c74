// The day's end: the X and Z reports, cash put into and taken out of the drawer, and the list of
// end-of-day periods.
#pragma once

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::fiscal {

enum ReportKind { kReportX = 0, kReportZ = 1 };
enum CashDirection { kCashOut = 0, kCashIn = 1 };

// Asks the fiscal printer for the report; a confirmed Z closes the open period with its total
// and date and opens the next one.
void runDailyReport(shell::Application& app, int kind);

// The cash window: the amount typed is sent to the fiscal printer when ENTER is pressed.
void runCashMovement(shell::Application& app, int direction, ui::Form* parent);

// Fills the reports window's list with the periods: id, total and closing date; the last one
// is selected.
void fillPeriodList(shell::Application& app, ui::Form& form, int list);

}  // namespace vandrix::fiscal
