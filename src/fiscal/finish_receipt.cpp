// Finishing a paid receipt.
#include "fiscal/finish_receipt.h"

#include "fiscal/receipt_storage.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "ui/runtime.h"

namespace vandrix::fiscal {

void finishReceipt(shell::Application& app, const sale::ReceiptGrid& grid, const Payment& payment) {
    // 1.-2. The files, numbered after the receipt they belong to.
    std::string fileNumber = app.db ? app.db->scalarText("select max(id)+1 from bon;") : "";
    if (fileNumber.empty())
        fileNumber.push_back('1');  // the first receipt of an empty table
    ReceiptForFiles forFiles{
        &grid,          payment.mode, payment.paidField, payment.payments, app.buyerFiscalCode,
        app.receiptText};
    ReceiptFiles files = writeReceiptFiles(forFiles, app.settings, fileNumber);
    app.receiptText.clear();

    // 3. The rows, all of them or none.
    bool stored = false;
    if (app.db) {
        ReceiptToStore receipt{&grid,
                               files.receiptSum,
                               files.paidByMode,
                               payment.paidField,
                               app.buyerFiscalCode,
                               app.currentPeriod,
                               app.settings.pos,
                               app.ui.clock().now()};
        stored = storeReceipt(*app.db, receipt).stored;
    }
    // 4. The buyer's fiscal code belonged to this receipt only.
    app.buyerFiscalCode.clear();

    // 5. The driver file goes into its folder complete, under its final name.
    Delivery delivery = deliverReceiptFiles(files, app.settings, app.ui.clock());
    if (!stored)
        app.dialogs.message("Bonul nu a putut fi salvat in baza de date!\r\n\r\n", "Eroare",
                            shell::kButtonsOk + shell::kIconError);
    if (!delivery.driverFileDelivered)
        app.dialogs.message("Bonul nu a ajuns la casa de marcat!\r\n\r\nFisierul a ramas in " +
                                delivery.undeliveredPath + "\r\n\r\n",
                            "Eroare", shell::kButtonsOk + shell::kIconError);
    // 6. The display greets the next customer.
    app.display.set("  URMATORUL CLIENT  ", "       VA ROG       ");
}

}  // namespace vandrix::fiscal
