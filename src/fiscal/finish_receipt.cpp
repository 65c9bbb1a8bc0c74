// Finishing a paid receipt. The files are written whole into the spool first, then the rows are
// committed in one transaction, then the files are moved into their folders: a crash at any
// moment leaves either a stored receipt whose file is delivered at the next start, or nothing.
#include "fiscal/finish_receipt.h"

#include "fiscal/pending_receipts.h"
#include "fiscal/printer_records.h"
#include "fiscal/receipt_spool.h"
#include "fiscal/receipt_storage.h"
#include "sale/receipt_limits.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "ui/runtime.h"

namespace vandrix::fiscal {
namespace {

constexpr int kPauseMs = 25;

}  // namespace

bool finishReceipt(shell::Application& app, const sale::ReceiptGrid& grid, const Payment& payment) {
    if (!app.db) {
        tellReceiptNotStored(app, NotStored::DatabaseClosed, "");
        return false;
    }
    // Whatever road the receipt came by, nothing the fiscal printer would refuse is stored or
    // sent.
    if (auto why = sale::whyNotPayable(grid)) {
        app.log.error("Bon refuzat la incasare: " + *why);
        app.dialogs.message("Plata NU a fost inregistrata!\r\n\r\n" + *why + "\r\n\r\n", "Eroare",
                            shell::kButtonsOk + shell::kIconError);
        return false;
    }
    // The records do not depend on the receipt's number; its files are named after it.
    const ReceiptForFiles forFiles{
        &grid,          payment.mode, payment.paidField, payment.payments, app.buyerFiscalCode,
        app.receiptText};
    const ReceiptRecords records = buildReceiptRecords(forFiles, app.settings);

    // The files whole in the spool, then the rows, in one transaction.
    std::string name;
    bool spooled = false, spoolFailed = false;
    const ReceiptToStore receipt{&grid,
                                 records.receiptSum,
                                 records.paidByMode,
                                 payment.paidField,
                                 app.buyerFiscalCode,
                                 app.currentPeriod,
                                 app.settings.pos,
                                 app.ui.clock().now()};
    const StoredReceipt stored = storeReceipt(*app.db, receipt, [&](long receiptId) {
        name = receiptFileName(std::to_string(receiptId), app.settings.pos);
        spooled = spoolReceiptFiles(records, name, app.settings);
        spoolFailed = !spooled;
        return spooled;
    });
    if (!stored.stored) {
        if (spooled)
            discardReceiptFiles(name, app.settings);
        tellReceiptNotStored(app, notStoredBecause(stored.errorCode, spoolFailed), stored.error);
        return false;
    }
    // The buyer's fiscal code and the free text belonged to this receipt only.
    app.buyerFiscalCode.clear();
    app.receiptText.clear();

    // The files go into their folders complete, under their final names, exactly once.
    app.ui.clock().sleepMs(kPauseMs);
    deliverStoredReceipt(app, name, stored.receiptNumber);
    app.display.set("  URMATORUL CLIENT  ", "       VA ROG       ");
    app.display.restartRefresh();
    return true;
}

}  // namespace vandrix::fiscal
