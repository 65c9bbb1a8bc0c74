// The program's entry: hands the subsystems' operations to the shell and runs the start-up
// sequence, the sale window's loop and the shutdown.
#include "backoffice/back_office.h"
#include "backoffice/reports_window.h"
#include "devices/customer_display.h"
#include "devices/scale.h"
#include "fiscal/payment.h"
#include "fiscal/pending_receipts.h"
#include "fiscal/period_totals.h"
#include "fiscal/tip_receipt.h"
#include "sale/sale_desk.h"
#include "shell/application.h"
#include "shell/startup.h"
#include "shell/subsystems.h"

int main(int argc, char** argv) {
    using namespace vandrix;
    shell::Subsystems subsystems;
    // The customer display lives as long as the program.
    devices::CustomerDisplay display;
    subsystems.startDevices = [&display](shell::Application& app) { display.start(app); };
    subsystems.stopDevices = [&display](shell::Application&) { display.finish(); };
    subsystems.repairPeriodTotals = [](shell::Application&) {
        return fiscal::repairPeriodTotals(shell::kDatabaseFile);
    };
    subsystems.deliverPendingReceipts = [](shell::Application& app, bool atStart) {
        fiscal::deliverPendingReceipts(app, atStart);
    };
    subsystems.saleOperations = [](shell::Application& app, ui::Form& form) {
        auto desk = std::make_unique<sale::SaleDesk>(app, form);
        desk->takePayment = [&app, &form, d = desk.get()](int mode, sale::EntryFields& fields) {
            fiscal::takePayment(app, form, d->grid(), fields, mode);
        };
        desk->openReports = [&app, &form] { backoffice::openReportsWindow(app, form); };
        desk->readScale = [&app]() { return devices::readWeight(app.settings.scale); };
        desk->openBackOffice = [&app, &form] { backoffice::openBackOffice(app, form); };
        desk->openAdministration = [&app, &form] {
            backoffice::openAdministration(app, &form, true);
        };
        desk->retryDeliveries = [&app] { fiscal::deliverPendingReceipts(app, false); };
        desk->storeTip = [&app](sale::ReceiptGrid& grid, std::string& total) {
            fiscal::writeTipReceipt(app, grid, total);
        };
        return desk;
    };
    return shell::runProgram(argc, argv, subsystems);
}
