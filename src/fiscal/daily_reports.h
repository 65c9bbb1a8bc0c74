// The day's end: the X and Z reports and the list of end-of-day periods.
#pragma once

#include <string>

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::fiscal {

enum ReportKind { kReportX = 0, kReportZ = 1 };

// Asks the fiscal printer for the report; a confirmed Z closes the open period with its total
// and date and opens the next one.
void runDailyReport(shell::Application& app, ReportKind kind);

// Tells the cashier that a request for the fiscal printer did not reach its folder, and logs
// which one.
void requestNotDelivered(shell::Application& app, const std::string& what);

// Fills the reports window's list with the periods: id, total and closing date; the last one
// is selected.
void fillPeriodList(shell::Application& app, ui::Form& form, int list);

}  // namespace vandrix::fiscal
