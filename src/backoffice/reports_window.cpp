// The reports window.
#include "backoffice/reports_window.h"

#include "backoffice/csv_reports.h"
#include "devices/labels_window.h"
#include "fiscal/cash_window.h"
#include "fiscal/daily_reports.h"
#include "invoice/invoice_windows.h"
#include "shell/Interfatacolor/interfatarapoarte.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/settings.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::backoffice {

using namespace shell::interfatarapoarte;

namespace {

constexpr int kNoTimeout = 60 * 60 * 1000;
constexpr const char* kReportsFolder = "rapoarte/";

bool reportWritten(shell::Application& app, const ReportFile& file) {
    if (file.written)
        return true;
    app.dialogs.message("Raportul nu a putut fi scris:\r\n" + file.path + "\r\n\r\n", "Eroare",
                        shell::kButtonsOk + shell::kIconError);
    return false;
}

void salesReport(shell::Application& app, ui::Form& form) {
    int row = form.selectedRow(kPeriods);
    if (row < 0)
        return;
    const std::string period = form.cell(kPeriods, row, 0);
    ReportFile file = writeSalesReport(shell::kDatabaseFile, period, app.ui.clock().now());
    if (!reportWritten(app, file))
        return;
    app.dialogs.message(salesReportMessage(period), "OK", shell::kButtonsOk);
    app.ui.shellOpen(file.path);
    app.ui.shellOpen(kReportsFolder);
}

void stockReport(shell::Application& app) {
    ReportFile file = writeStockReport(shell::kDatabaseFile, app.ui.clock().now());
    if (!reportWritten(app, file))
        return;
    app.ui.shellOpen(kReportsFolder);
    app.dialogs.message("Raport Stoc Zi", "OK", shell::kButtonsOk);
}

void priceDifferenceReports(shell::Application& app) {
    PriceDifferenceReports files =
        writePriceDifferenceReports(shell::kDatabaseFile, app.ui.clock().now());
    if (!reportWritten(app, files.receipts) || !reportWritten(app, files.history))
        return;
    app.ui.shellOpen(kReportsFolder);
}

void handle(shell::Application& app, ui::Form& form, int gadget) {
    switch (gadget) {
        case kCashIn:
            fiscal::runCashMovement(app, fiscal::kCashIn, &form);
            break;
        case kCashOut:
            fiscal::runCashMovement(app, fiscal::kCashOut, &form);
            break;
        case kReportZ:
            fiscal::runDailyReport(app, fiscal::kReportZ);
            fiscal::fillPeriodList(app, form, kPeriods);
            break;
        case kReportX:
            fiscal::runDailyReport(app, fiscal::kReportX);
            fiscal::fillPeriodList(app, form, kPeriods);
            break;
        case kSales:
            salesReport(app, form);
            break;
        case kStock:
            stockReport(app);
            break;
        case kPriceChanges:
            priceDifferenceReports(app);
            break;
        case kInvoice:
            invoice::openInvoiceWindow(app, form);
            break;
        case kLabels:
            devices::openLabelsWindow(app, form);
            break;
        default:
            break;
    }
}

}  // namespace

void openReportsWindow(shell::Application& app, ui::Form& saleWindow) {
    saleWindow.hideWindow();
    {
        ui::Form form(app.ui, layout());
        form.centreOnScreen(600, 400);
        form.setColumns(kPeriods, {"eod", "suma", "data"}, {50, 100, 180});
        fiscal::fillPeriodList(app, form, kPeriods);
        if (app.settings.fiscal == 0)
            form.setEnabled(kReportZ, false);
        ui::runWindowLoop(
            form, kNoTimeout,
            [&](const ui::Event& event) {
                if (event.type == ui::EventType::Close)
                    return ui::Next::Leave;
                handle(app, form, event.gadget);
                return ui::Next::Stay;
            },
            [&] { form.setEnabled(kSales, form.selectedRow(kPeriods) >= 0); });
    }
    saleWindow.showWindow();
    saleWindow.activate();
}

}  // namespace vandrix::backoffice
