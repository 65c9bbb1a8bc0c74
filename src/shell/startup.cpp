// The program's start-up steps in their order, the event loop and the shutdown.
#include "shell/startup.h"

#include <cmath>
#include <iostream>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/instance_lock.h"
#include "platform/md5.h"
#include "platform/paths.h"
#include "platform/stale_temporaries.h"
#include "platform/system.h"
#include "platform/text_file.h"
#include "shell/application.h"
#include "shell/database_health.h"
#include "shell/dialogs.h"
#include "shell/login.h"
#include "shell/operators.h"
#include "shell/palette.h"
#include "shell/resources.h"
#include "shell/sale_window.h"
#include "shell/settings_files.h"
#include "shell/subsystems.h"
#include "store/database2020.h"
#include "store/schema_indexes.h"
#include "ui/runtime.h"

namespace vandrix::shell {
namespace {

using platform::Encoding;

// Present while the program runs: created once the database passed its check, removed at a
// clean shutdown. Found at start, it tells of a run that ended by a crash or a power cut.
constexpr const char* kRunMarker = "vandrix.ruleaza";

// Writes a resource file in full unless an empty file of that name is there: a missing file is
// created, one with any content rewritten, an empty one left alone.
bool writeResource(const std::string& path, std::string_view bytes) {
    if (bytes.empty() || platform::fileSize(path) == 0)
        return true;
    return platform::writeWholeFile(path, std::string(bytes));
}

void writeResourceFiles(Application& app) {
    for (const char* folder : {"Data", "dll", "dll/32bit", "dll/64bit"})
        platform::makeDirectory(folder);
    for (const char* icon : {"arrow-up-icon.png", "arrow-down-icon.png", "arrow-left-icon.png"}) {
        const std::string path = std::string("Data/") + icon;
        if (!writeResource(path, resourceBytes(icon)))
            app.log.warning(path + " nu a putut fi scris");
    }
    std::string bundle = platform::systemCertificateBundle();
    if (!bundle.empty())
        if (auto bytes = platform::readWholeFile(bundle);
            bytes && !writeResource("cacert.pem", *bytes))
            app.log.warning("cacert.pem nu a putut fi scris");
}

// The update swap: a "vandrixupdate.dat" that differs from the running program replaces it.
// Returns true when the program must end now for the swap.
bool swapInUpdate(ui::Runtime& ui) {
    const std::string update = "vandrixupdate.dat";
    if (!platform::fileExists(update) || platform::isDirectory(update))
        return false;
    const std::string executable = platform::executablePath();
    const std::string updateDigest = platform::md5OfFile(update);
    if (updateDigest.empty() || updateDigest == platform::md5OfFile(executable))
        return false;
    platform::UpdateScript script = platform::updateSwapScript(executable, update);
    if (!platform::writeWholeFile(script.fileName, script.content))
        return false;
    ui.pause(250);
    // A scripted run records the swap but never replaces the program that runs the script.
    ui.startProgram(script.program, script.arguments);
    ui.pause(250);
    return true;
}

// A database made by an earlier version gets the program's indexes, once. On a shop with years
// of sales that takes some seconds, so the cashier is told why the program waits. When it cannot
// be done (another program holds the database, the disk is full) nothing changed: the program
// works without them, only slower, and tries again at the next start.
void addMissingIndexes(Application& app) {
    auto db = store::Database::open(kDatabaseFile);
    if (!db || !store::indexesMissing(*db))
        return;
    const bool added = app.dialogs.whileShowing(
        "Baza de date se pregateste pentru cautari rapide.\r\nSe face o singura data, va rog "
        "asteptati...",
        "Actualizare baza de date", [&] { return store::addIndexes(*db); });
    if (added)
        app.log.info("Indexurile bazei de date au fost adaugate");
    else
        app.log.warning("Indexurile bazei de date nu au putut fi adaugate: " + db->lastError());
}

// Opens the database for the run and finds the open period, opening the "ZINI" one when
// there is none.
void openPeriod(Application& app) {
    app.db = store::Database::open(kDatabaseFile);
    if (!app.db) {
        app.log.error(std::string("Baza de date ") + kDatabaseFile + " nu a putut fi deschisa");
        return;
    }
    long open =
        static_cast<long>(app.db->scalarInteger("Select max(id) from eod where data is null;"));
    if (open == 0) {
        open = app.settings.zini;
        if (!app.db->exec("insert into eod (id) values(?);", {std::to_string(open)}))
            app.log.error("Perioada " + std::to_string(open) +
                          " nu a putut fi deschisa: " + app.db->lastError());
        if (app.settings.zini > 0)
            if (!rewriteCaleBonuriAfterZini())
                app.log.warning("CaleBonuri.ini nu a putut fi rescris dupa ZINI");
    }
    app.currentPeriod = open;
}

std::time_t readLastZ(ui::Runtime& ui) {
    std::time_t lastZ = ui.clock().now();
    if (!platform::missingOrEmpty("lastz")) {
        std::string first = trim(platform::readFirstLine("lastz", Encoding::Ansi));
        lastZ = static_cast<std::time_t>(integerOf(first));
    }
    return lastZ;
}

// The one-time VAT-payer question.
void askVatPayer(Application& app) {
    const std::string file = "platitortva.vandrix";
    if (platform::missingOrEmpty(file)) {
        int answer =
            app.dialogs.message("Firma este Platitoare de TVA?\r\n\r\n", "Atentie", kButtonsYesNo);
        app.notVatPayer = answer == kResultNo;
        if (!platform::writeLines(file, {app.notVatPayer ? "1" : "0"}, Encoding::Ansi))
            app.log.warning("Raspunsul la intrebarea despre TVA nu a putut fi scris in " + file);
    } else {
        app.notVatPayer = integerOf(platform::readFirstLine(file, Encoding::Ansi)) == 1;
    }
}

void shutdown(Application& app) {
    app.display.set("        PAUZA       ", "       TEHNICA      ");
    app.dialogs.timedMessage("Sincronizare Baza Date / Echipamente\r\n\r\n", "Sincronizare",
                             kButtonsOk, 3500);
}

}  // namespace

CommandLine parseCommandLine(int argc, char** argv) {
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--script" || arg == "--transcript") {
            if (i + 1 >= argc) {
                line.error = arg + " needs a file";
                break;
            }
            (arg == "--script" ? line.scriptPath : line.transcriptPath) = argv[++i];
        } else if (line.firstParameter.empty()) {
            line.firstParameter = arg;
        }
    }
    return line;
}

int runProgram(int argc, char** argv, const Subsystems& subsystems) {
    CommandLine command = parseCommandLine(argc, argv);
    if (!command.error.empty()) {
        std::cerr << command.error << "\n";
        return 5;
    }
    ui::Runtime ui(argc, argv, {command.scriptPath, command.transcriptPath});
    if (!ui.ready())
        return ui.scriptError();
    ScreenDialogs dialogs(ui);
    Application app(ui, dialogs);

    // One running copy per user.
    auto lock = platform::InstanceLock::acquire(platform::userName());
    if (!lock) {
        ui.systemMessage("Aplicatia ruleaza!", "Eroare");
        return 1;
    }
    // The diagnostic log beside the database, opened once this copy owns the working folder.
    app.log.open(DiagnosticLog::kFileName);
    // Files an earlier run was writing when it was killed, never moved into place.
    for (const char* folder : {".", "rapoarte", "import", "Palette", "efactura"})
        if (const int removed = platform::removeStaleTemporaries(folder); removed > 0)
            app.log.warning(std::to_string(removed) + " fisiere temporare ramase in " + folder +
                            " au fost sterse");
    // Defaults, folders and resource files, palettes; the label printer's connection
    // defaults to "USB" in the settings.
    writeResourceFiles(app);
    if (!createPalettes())
        app.log.warning("Fisierele din Palette nu au putut fi scrise toate");
    // A waiting update.
    if (swapInUpdate(ui))
        return 0;
    // The operating-system version.
    if (!platform::systemVersionSupported() && upper(trim(command.firstParameter)) != "WINDOWSXP") {
        ui.systemMessage("Programul ruleaza pe Windows 7 sau versiuni Superioare", "Eroare");
        return 1;
    }
    // Report and import folders, the settings files.
    platform::makeDirectory("rapoarte");
    platform::makeDirectory("import");
    app.settings = loadSettings(platform::currentFolderWithSeparator());
    for (const std::string& file : app.settings.filesNotWritten)
        app.log.warning(file + " nu a putut fi scris");
    app.palette = readPalette(app.settings.palette);
    ui.scaleX = app.settings.scaleX;
    ui.scaleY = app.settings.scaleY;
    // The database must read before anything completes or uses it; after a run that did not
    // end cleanly, every page is checked as well. Selling never starts on a damaged database.
    // The marker stays when the check fails, so the next start checks thoroughly again.
    const bool unclean = platform::fileExists(kRunMarker);
    if (unclean)
        app.log.warning("Rularea anterioara nu s-a incheiat normal; baza de date se verifica");
    if (!databaseUsable(app, unclean, "Programul se inchide."))
        return 1;
    if (!platform::writeWholeFile(kRunMarker, ""))
        app.log.warning(std::string("Fisierul ") + kRunMarker + " nu a putut fi scris");

    // The backdrop window; with "winsize" 0 the sale window fits the desktop.
    SaleWindow sale(app, subsystems);
    sale.openBackdrop();
    if (app.settings.winsize == 0) {
        ui::Rect area = ui.workArea();
        ui.scaleX = (area.width - 2 * ui.fixedFrameWidth()) / 890.0;
        ui.scaleY = (area.height - ui.captionHeight() - 2 * ui.fixedFrameWidth()) / 600.0;
    }
    // The database and its schema; the settings that need the working folder ready.
    store::Database2020(kDatabaseFile);
    addMissingIndexes(app);
    finishSettings(app.settings);
    // The default font of all gadgets.
    ui.defaultFont = {"Lucida Console", static_cast<int>(std::lround(16 * ui.scaleY)), false};
    // The connection for the run, the open period, the last Z.
    openPeriod(app);
    app.lastZ = readLastZ(ui);
    // The sale window, the operators file, the theme.
    sale.open();
    if (!ensureOperatorsFile())
        app.log.warning("operatori.ini nu a putut fi scris");
    sale.applyTheme();
    // The VAT-payer question; the operator login and the titles.
    askVatPayer(app);
    login(app);
    sale.setTitles();
    // The one-time repair of the closed periods' totals.
    if (subsystems.repairPeriodTotals)
        if (long last = subsystems.repairPeriodTotals(app); last > 0)
            app.currentPeriod = last < 3 ? 2 : last;
    // Receipts stored before the last end whose files did not reach the fiscal printer.
    if (subsystems.deliverPendingReceipts)
        subsystems.deliverPendingReceipts(app, true);
    // The customer display; the event loop, then the shutdown.
    if (subsystems.startDevices)
        subsystems.startDevices(app);
    sale.run();
    shutdown(app);
    if (subsystems.stopDevices)
        subsystems.stopDevices(app);
    if (!platform::deleteFile(kRunMarker))
        app.log.warning(std::string("Fisierul ") + kRunMarker + " nu a putut fi sters");
    return 0;
}

}  // namespace vandrix::shell
