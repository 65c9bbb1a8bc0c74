// The database check as the cashier meets it: one message for every place that checks.
#include "shell/database_health.h"

#include "shell/application.h"
#include "shell/dialogs.h"
#include "store/database_check.h"

namespace vandrix::shell {

bool databaseUsable(Application& app, bool thorough, const std::string& consequence) {
    const store::DatabaseCheck check = store::checkDatabase(kDatabaseFile, thorough);
    if (check.ok)
        return true;
    // The full path, so whoever restores the file finds the right one.
    const std::string path = app.settings.baseFolder + kDatabaseFile;
    app.log.error("Baza de date " + path + " nu poate fi folosita (" +
                  (thorough ? "verificare completa" : "verificare la pornire") +
                  "): " + check.error);
    // SQLite's own words stay in the log; the cashier reads what happened and what to do. A
    // database that another program holds is not damaged: replacing it would lose receipts.
    if (check.busy) {
        app.dialogs.message("Baza de date " + path +
                                " este folosita de alt program.\r\n\r\nInchideti programul "
                                "care o foloseste si incercati din nou.\r\n" +
                                consequence,
                            "Eroare", kButtonsOk + kIconError);
        return false;
    }
    app.dialogs.message("Baza de date " + path +
                            " este deteriorata sau nu poate fi citita.\r\n\r\n"
                            "Inlocuiti fisierul cu o copie de siguranta sau chemati "
                            "service-ul (detalii in " +
                            DiagnosticLog::kFileName + ").\r\n" + consequence,
                        "Eroare", kButtonsOk + kIconError);
    return false;
}

}  // namespace vandrix::shell
