// The tip receipt.
#include "fiscal/tip_receipt.h"

#include "fiscal/driver_stamp.h"
#include "fiscal/pending_receipts.h"
#include "fiscal/printer_files.h"
#include "fiscal/printer_records.h"
#include "fiscal/receipt_spool.h"
#include "fiscal/receipt_storage.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/settings.h"
#include "ui/runtime.h"

namespace vandrix::fiscal {

void writeTipReceipt(shell::Application& app, sale::ReceiptGrid& grid, std::string& totalField) {
    const std::time_t started = app.ui.clock().now();
    const bool paid = shell::scaledOr0(totalField, 2) > 0;
    if ((!paid && !app.settings.param1Present) || grid.empty() || !app.db) {
        app.dialogs.message("Suma Nepermisa", "Eroare", shell::kButtonsOk);
        return;
    }
    // The tip record holds the amount in eight digits: a larger tip cannot be sent whole.
    constexpr shell::Cents kLargestTip = 99'999'999;
    if (shell::scaledOr0(grid.cell(0, sale::kPriceCell), 2) > kLargestTip) {
        app.dialogs.message("Suma Nepermisa\r\n\r\nBacsisul poate fi cel mult " +
                                shell::formatCents(kLargestTip) + ".\r\n\r\n",
                            "Eroare", shell::kButtonsOk);
        return;
    }
    DriverFile file;
    if (paid) {
        const std::string stamp = freeDriverStamp(started, [&](const std::string& s) {
            return tipReceiptFile(grid.row(0), app.currentPeriod, app.buyerFiscalCode,
                                  app.receiptText, s, app.settings)
                .target;
        });
        file = tipReceiptFile(grid.row(0), app.currentPeriod, app.buyerFiscalCode, app.receiptText,
                              stamp, app.settings);
    }
    // As every receipt: its file whole in the spool, its rows committed, then the file sent.
    std::string spooled;
    bool spoolFailed = false;
    ReceiptToStore tip{&grid,  0, {}, "", app.buyerFiscalCode, app.currentPeriod, app.settings.pos,
                       started};
    const StoredReceipt stored = storeTipReceipt(*app.db, tip, paid, [&](long receiptId) {
        if (!paid)
            return true;
        spooled = spoolTipFile(file.lines, file.name, receiptId, app.settings);
        spoolFailed = spooled.empty();
        return !spoolFailed;
    });
    if (!stored.stored) {
        if (!spooled.empty())
            discardReceiptFiles(spooled, app.settings);
        tellTipNotStored(app, notStoredBecause(stored.errorCode, spoolFailed), stored.error);
        return;
    }
    if (paid)
        deliverStoredReceipt(app, spooled, stored.receiptNumber);
    app.buyerFiscalCode.clear();
    app.receiptText.clear();
    grid.clear();
    totalField.clear();
}

}  // namespace vandrix::fiscal
