// Finishing a paid receipt. The files are written whole into the spool first, then the rows are
// committed in one transaction, then the files are moved into their folders: a crash at any
// moment leaves either a stored receipt whose file is delivered at the next start, or nothing.
#include "fiscal/finish_receipt.h"

#include "fiscal/pending_receipts.h"
#include "fiscal/printer_records.h"
#include "fiscal/receipt_spool.h"
#include "fiscal/receipt_storage.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "ui/runtime.h"

namespace vandrix::fiscal {
namespace {

constexpr int kPauseMs = 25;

// Why a receipt could not be stored, in the cashier's words.
std::string storingProblem(const std::string& databaseError, bool spooled) {
    if (!spooled)
        return "fisierul bonului nu a putut fi scris in folderul " + std::string(kSpoolFolderName) +
               " (disc plin sau fara drept de scriere?)";
    if (databaseError.find("locked") != std::string::npos ||
        databaseError.find("busy") != std::string::npos)
        return "baza de date baza.db este folosita de alt program";
    if (databaseError.find("full") != std::string::npos)
        return "discul este plin";
    return "baza de date baza.db nu a primit bonul";
}

void tellNotStored(shell::Application& app, const std::string& problem) {
    app.dialogs.message(
        "Plata NU a fost inregistrata!\r\n\r\nBonul nu a putut fi salvat: " + problem +
            ".\r\nNimic nu a fost trimis la casa de marcat.\r\n\r\nBonul a ramas pe "
            "ecran si poate fi incasat din nou.\r\n\r\n",
        "Eroare", shell::kButtonsOk + shell::kIconError);
}

}  // namespace

bool finishReceipt(shell::Application& app, const sale::ReceiptGrid& grid, const Payment& payment) {
    if (!app.db) {
        tellNotStored(app, "baza de date baza.db nu este deschisa");
        return false;
    }
    // The records do not depend on the receipt's number; its files are named after it.
    const ReceiptForFiles forFiles{
        &grid,          payment.mode, payment.paidField, payment.payments, app.buyerFiscalCode,
        app.receiptText};
    const ReceiptRecords records = buildReceiptRecords(forFiles, app.settings);

    // The files whole in the spool, then the rows, in one transaction.
    std::string name;
    bool spooled = false;
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
        return spooled;
    });
    if (!stored.stored) {
        if (spooled)
            discardReceiptFiles(name, app.settings);
        const std::string problem = storingProblem(stored.error, spooled);
        app.log.error("Bonul nu a fost salvat: " + problem + " (" + stored.error + ")");
        tellNotStored(app, problem);
        return false;
    }
    // The buyer's fiscal code and the free text belonged to this receipt only.
    app.buyerFiscalCode.clear();
    app.receiptText.clear();

    // The files go into their folders complete, under their final names, exactly once.
    app.ui.clock().sleepMs(kPauseMs);
    deliverStoredReceipt(app, name, stored.receiptNumber);
    app.display.set("  URMATORUL CLIENT  ", "       VA ROG       ");
    return true;
}

}  // namespace vandrix::fiscal
