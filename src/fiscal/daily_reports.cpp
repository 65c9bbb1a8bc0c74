// X and Z reports, cash in and out, and the period list.
#include "fiscal/daily_reports.h"

#include <cmath>

#include "fiscal/pending_receipts.h"
#include "fiscal/period_totals.h"
#include "fiscal/printer_files.h"
#include "fiscal/printer_records.h"
#include "fiscal/receipt_spool.h"
#include "platform/clock.h"
#include "platform/text_file.h"
#include "shell/application.h"
#include "shell/database_health.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::fiscal {

using shell::money;

namespace {}  // namespace

void requestNotDelivered(shell::Application& app, const std::string& what) {
    app.log.error(what + " nu a ajuns in dosarul casei de marcat");
    app.dialogs.message("Cererea nu a ajuns la casa de marcat!\r\n\r\n", "Eroare",
                        shell::kButtonsOk + shell::kIconError);
}

namespace {

// Closes the open period with its total and opens the next one, all or nothing.
bool closePeriod(shell::Application& app, shell::Cents total, std::time_t now) {
    if (!app.db)
        return false;
    const long next = app.currentPeriod + 1;
    bool closed = app.db->transaction([&] {
        return app.db->exec("update eod set z=?, Data=? where id=?;",
                            {shell::formatCents(total), platform::databaseStamp(now),
                             std::to_string(app.currentPeriod)}) &&
               app.db->exec("insert into eod (id) values(?);", {std::to_string(next)});
    });
    if (closed)
        app.currentPeriod = next;
    else
        app.log.error("Perioada " + std::to_string(app.currentPeriod) +
                      " nu a putut fi inchisa: " + app.db->lastError());
    return closed;
}

}  // namespace

void runDailyReport(shell::Application& app, ReportKind kind) {
    // The day is closed only on a sound database: a Z on damaged records would be final.
    if (kind == kReportZ && !shell::databaseUsable(app, true, "Raportul Z nu a fost trimis."))
        return;
    // Receipts of the day that have not reached the fiscal printer would print after its Z, on
    // the next day, while the database closes them into this one: no Z until they are there.
    if (kind == kReportZ) {
        const std::vector<std::string> waiting = receiptsNotAtThePrinter(app);
        if (!waiting.empty()) {
            std::string list;
            for (const std::string& receipt : waiting)
                list += receipt + "\r\n";
            app.dialogs.message(
                "Raportul Z nu a fost trimis.\r\n\r\nBonuri salvate asteapta "
                "inca sa ajunga la casa de marcat:\r\n" +
                    list + "\r\nRezolvati problema (vezi folderul " + kSpoolFolderName +
                    ") si incercati din nou.\r\n\r\n",
                "Eroare", shell::kButtonsOk + shell::kIconError);
            return;
        }
    }
    const shell::Cents total = app.db ? periodTotal(*app.db, app.currentPeriod) : 0;
    if (app.settings.fiscal != 0 &&
        writeReportRequest(kind, app.currentPeriod, app.settings, app.ui.clock()).empty())
        requestNotDelivered(app, kind == kReportZ ? "Cererea de raport Z" : "Cererea de raport X");
    if (kind == kReportZ) {
        int answer = app.dialogs.message(
            "Rog Confirmati Raportul Z pe casa de marcat\r\n" + shell::formatCents(total) + "\r\n",
            "Raport Z", shell::kButtonsYesNo);
        if (answer != shell::kResultYes)
            return;
        const std::time_t now = app.ui.clock().now();
        const long closing = app.currentPeriod;
        if (!closePeriod(app, total, now)) {
            app.dialogs.message("Perioada nu a putut fi inchisa in baza de date!\r\n\r\n", "Eroare",
                                shell::kButtonsOk + shell::kIconError);
            return;
        }
        app.lastZ = now;
        if (!platform::writeLines("lastz", {std::to_string(now), std::to_string(closing)},
                                  platform::Encoding::Ansi))
            app.log.error("Fisierul lastz nu a putut fi scris dupa raportul Z");
    } else {
        app.dialogs.message(
            "Rog Confirmati Raportul X pe casa de marcat\r\n" + shell::formatCents(total) + "\r\n",
            "BonRaport X", shell::kButtonsYesNo);
    }
}

void fillPeriodList(shell::Application& app, ui::Form& form, int list) {
    form.clearRows(list);
    if (app.db) {
        auto q = app.db->query("select * from eod where id<>0;");
        while (q.next())
            form.addRow(list, {shell::rightAlign(q.text(0), 5),
                               shell::padLeft(shell::formatCents(std::llround(q.real(1) * 100)), 8),
                               q.text(2)});
    }
    form.setFont(list, {"Lucida Console", app.ui.scaledY(10), false});
    form.selectRow(list, form.rowCount(list) - 1);
}

}  // namespace vandrix::fiscal
