// The tip receipt.
#include "fiscal/tip_receipt.h"

#include "fiscal/driver_stamp.h"
#include "fiscal/printer_files.h"
#include "fiscal/printer_records.h"
#include "fiscal/receipt_storage.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/settings.h"
#include "ui/runtime.h"

namespace vandrix::fiscal {

void writeTipReceipt(shell::Application& app, sale::ReceiptGrid& grid, std::string& totalField) {
    const std::time_t started = app.ui.clock().now();
    const bool paid = shell::numberOf(totalField) > 0;
    if ((!paid && !app.settings.param1Present) || grid.empty() || !app.db) {
        app.dialogs.message("Suma Nepermisa", "Eroare", shell::kButtonsOk);
        return;
    }
    ReceiptToStore tip{&grid,  0, {}, "", app.buyerFiscalCode, app.currentPeriod, app.settings.pos,
                       started};
    if (!storeTipReceipt(*app.db, tip, paid).stored) {
        app.dialogs.message("Bonul nu a putut fi salvat in baza de date!\r\n\r\n", "Eroare",
                            shell::kButtonsOk + shell::kIconError);
        return;
    }
    if (paid) {
        const std::string stamp = freeDriverStamp(started, [&](const std::string& s) {
            return tipReceiptFile(grid.row(0), app.currentPeriod, app.buyerFiscalCode,
                                  app.receiptText, s, app.settings)
                .target;
        });
        if (writeTipFile(grid.row(0), app.currentPeriod, app.buyerFiscalCode, app.receiptText,
                         stamp, app.settings)
                .empty())
            app.dialogs.message("Bonul nu a ajuns la casa de marcat!\r\n\r\n", "Eroare",
                                shell::kButtonsOk + shell::kIconError);
    }
    app.buyerFiscalCode.clear();
    app.receiptText.clear();
    grid.clear();
    totalField.clear();
}

}  // namespace vandrix::fiscal
