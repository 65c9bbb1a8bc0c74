// Delivering the spooled files of stored receipts.
#include "fiscal/pending_receipts.h"

#include <sqlite3.h>

#include <optional>

#include "fiscal/receipt_spool.h"
#include "platform/files.h"
#include "shell/application.h"
#include "shell/dialogs.h"

namespace vandrix::fiscal {
namespace {

constexpr int kNoticeMs = 5000;

// The receipt's number within its period: "" when the database has no receipt of that id,
// nullopt when the database could not be asked (then nothing may be concluded).
std::optional<std::string> receiptNumberOf(shell::Application& app, long receiptId) {
    auto q = app.db->query("select coalesce((select nrbon from bon where id=?),'')",
                           {std::to_string(receiptId)});
    if (!q.next())
        return std::nullopt;
    return q.text(0);
}

std::string describe(const std::string& number, const std::string& name) {
    return "Bonul nr. " + number + " (fisierul " + name + ")";
}

void logNotes(shell::Application& app, const DeliveryResult& result) {
    for (const std::string& note : result.notes)
        app.log.warning(note);
}

void countPending(shell::Application& app) {
    app.pendingReceipts = spooledReceipts(app.settings).size();
}

// Why a receipt could not be stored, in the cashier's words.
std::string storingProblem(NotStored reason) {
    switch (reason) {
        case NotStored::DatabaseClosed:
            return "baza de date baza.db nu este deschisa";
        case NotStored::DatabaseBusy:
            return "baza de date baza.db este folosita de alt program";
        case NotStored::DiskFull:
            return "discul este plin";
        case NotStored::SpoolNotWritten:
            return "fisierul bonului nu a putut fi scris in folderul " +
                   std::string(kSpoolFolderName) + " (disc plin sau fara drept de scriere?)";
        case NotStored::DatabaseRefused:
            break;
    }
    return "baza de date baza.db nu a primit bonul";
}

}  // namespace

NotStored notStoredBecause(int databaseErrorCode, bool spoolFailed) {
    if (spoolFailed)
        return NotStored::SpoolNotWritten;
    switch (databaseErrorCode) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return NotStored::DatabaseBusy;
        case SQLITE_FULL:
            return NotStored::DiskFull;
        default:
            return NotStored::DatabaseRefused;
    }
}

void tellReceiptNotStored(shell::Application& app, NotStored reason,
                          const std::string& databaseError) {
    const std::string problem = storingProblem(reason);
    app.log.error("Bonul nu a fost salvat: " + problem + " (" + databaseError + ")");
    app.dialogs.message(
        "Plata NU a fost inregistrata!\r\n\r\nBonul nu a putut fi salvat: " + problem +
            ".\r\nNimic nu a fost trimis la casa de marcat.\r\n\r\nBonul a ramas "
            "pe ecran si poate fi incasat din nou.\r\n\r\n",
        "Eroare", shell::kButtonsOk + shell::kIconError);
}

void tellTipNotStored(shell::Application& app, NotStored reason, const std::string& databaseError) {
    const std::string problem = storingProblem(reason);
    app.log.error("Bacsisul nu a fost salvat: " + problem + " (" + databaseError + ")");
    app.dialogs.message(
        "Bacsisul NU a fost inregistrat!\r\n\r\nBonul nu a putut fi salvat: " + problem +
            ".\r\nNimic nu a fost trimis la casa de marcat.\r\n\r\nIntroduceti "
            "bacsisul din nou.\r\n\r\n",
        "Eroare", shell::kButtonsOk + shell::kIconError);
}

void deliverStoredReceipt(shell::Application& app, const std::string& name, long receiptNumber) {
    const DeliveryResult result = deliverReceiptFiles(name, app.settings);
    logNotes(app, result);
    if (!result.delivered) {
        app.announcedWaiting.insert(name);
        const std::string receipt = describe(std::to_string(receiptNumber), name);
        app.log.error(receipt + " nu a ajuns la casa de marcat: " + result.problem);
        app.dialogs.message(receipt + " este salvat, dar NU a ajuns la casa de marcat:\r\n" +
                                result.problem + ".\r\n\r\nFisierul asteapta in folderul " +
                                kSpoolFolderName +
                                " si va fi trimis automat cand problema este rezolvata.\r\n\r\n",
                            "Eroare", shell::kButtonsOk + shell::kIconError);
    }
    countPending(app);
    // Receipts that waited go as soon as the folder is back.
    if (result.delivered && app.pendingReceipts > 0)
        deliverPendingReceipts(app, false);
}

void deliverPendingReceipts(shell::Application& app, bool atStart) {
    if (!app.db)
        return;
    if (atStart)
        removeUnfinishedWrites(app.settings);
    std::string delivered, waiting;
    for (const SpooledReceipt& spooled : spooledReceipts(app.settings)) {
        const auto number = receiptNumberOf(app, spooled.receiptId);
        if (!number) {
            app.log.warning("Bonul din " + spooled.name +
                            " nu a putut fi cautat in baza de date: " + app.db->lastError());
            continue;
        }
        if (number->empty()) {
            // Only a start can find files of a receipt that was never stored: while the
            // program runs, a receipt's files stay in the spool only once it is committed.
            if (atStart) {
                app.log.warning("Fisierele bonului nesalvat " + spooled.name +
                                " au fost sterse din " + kSpoolFolderName);
                discardReceiptFiles(spooled.name, app.settings);
            }
            continue;
        }
        const DeliveryResult result = deliverReceiptFiles(spooled.name, app.settings);
        logNotes(app, result);
        const std::string receipt = describe(*number, spooled.name);
        if (result.delivered) {
            app.announcedWaiting.erase(spooled.name);
            if (result.movedNow) {
                app.log.info(receipt + " a fost trimis la casa de marcat");
                delivered += receipt + "\r\n";
            }
        } else {
            // Said once: at start, and when it first could not go.
            if (atStart || app.announcedWaiting.insert(spooled.name).second) {
                app.log.error(receipt + " nu a ajuns la casa de marcat: " + result.problem);
                waiting += receipt + ": " + result.problem + "\r\n";
            }
        }
    }
    countPending(app);
    // Good news needs no answer: it shows for a few seconds and the sale goes on.
    if (!delivered.empty())
        app.dialogs.timedMessage(
            "Bonuri salvate care nu ajunsesera la casa de marcat au fost "
            "trimise acum:\r\n\r\n" +
                delivered + "\r\n",
            "Atentie", shell::kIconWarning, kNoticeMs);
    if (!waiting.empty())
        app.dialogs.message("Bonuri salvate care NU au ajuns la casa de marcat:\r\n\r\n" + waiting +
                                "\r\nVor fi trimise automat cand problema este rezolvata.\r\n\r\n",
                            "Eroare", shell::kButtonsOk + shell::kIconError);
}

std::vector<std::string> receiptsNotAtThePrinter(shell::Application& app) {
    std::vector<std::string> out;
    if (!app.db)
        return out;
    for (const SpooledReceipt& spooled : spooledReceipts(app.settings)) {
        const auto number = receiptNumberOf(app, spooled.receiptId);
        if (!number || number->empty())
            continue;
        if (!deliverReceiptFiles(spooled.name, app.settings).delivered)
            out.push_back(describe(*number, spooled.name));
    }
    countPending(app);
    return out;
}

}  // namespace vandrix::fiscal
