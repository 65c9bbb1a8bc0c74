// The operations of the subsystems that the shell calls: start-up's one-time period repair, and
// the handlers of the sale window's buttons as the subsystems arrive. The subsystems build on
// the shell (its dialogs, settings and application object), so the shell does not link them;
// the program's entry hands them in.
#pragma once

#include <functional>
#include <memory>

namespace vandrix::ui {
class Form;
}

namespace vandrix::shell {

struct Application;
class SaleOperations;

struct Subsystems {
    // Recomputes the closed periods' totals once per installation; returns the last period id
    // when the repair ran, 0 otherwise.
    std::function<long(Application&)> repairPeriodTotals;
    // Delivers the files of stored receipts that wait for the fiscal printer's folder; at start
    // it also removes those of receipts that were never stored.
    std::function<void(Application&, bool atStart)> deliverPendingReceipts;
    // The devices: the customer display's port and thread started before the sale window's
    // loop, and stopped at the end once the pause text is on the display.
    std::function<void(Application&)> startDevices;
    std::function<void(Application&)> stopDevices;
    // The sale screen's handlers, working on the sale window's form.
    std::function<std::unique_ptr<SaleOperations>(Application&, ui::Form&)> saleOperations;
};

}  // namespace vandrix::shell
