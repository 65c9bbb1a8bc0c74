// The article files' imports as the shop owner runs them: the file dialog, the test that no
// other program holds the file, the wait window with its progress bar while the lines are read,
// and the file archived under its time stamp and renewed with the header alone.
#include "backoffice/article_files.h"
#include "backoffice/back_office.h"
#include "backoffice/csv_line.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "shell/Interfatacolor/asteptati.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::backoffice {

namespace {

// The folder start-up creates beside the database.
constexpr const char* kImportFolder = "import";
// Pending window events run this often while the lines are read, so the window stays painted.
constexpr std::int64_t kPaintEveryMs = 50;

std::string importPath(const std::string& file) {
    return platform::joinPath(kImportFolder, file);
}

void error(shell::Application& app, const std::string& text) {
    app.dialogs.message(text, "Eroare", shell::kButtonsOk);
}

bool ensureFile(shell::Application& app, const std::string& path) {
    if (platform::fileExists(path))
        return true;
    if (platform::writeLines(path, {kCsvHeader}, platform::Encoding::Utf8))
        return true;
    error(app, "Fisierul " + path + " nu a putut fi creat.\r\n\r\n");
    return false;
}

// The file dialog's choice, when it is the expected file of the import folder.
std::optional<std::string> chooseImportFile(shell::Application& app, const std::string& title,
                                            const std::string& file) {
    const std::string folder = platform::currentFolderWithSeparator() + kImportFolder;
    // The dialog opens on the expected file.
    auto chosen = app.ui.chooseFile(title, platform::joinPath(folder, file), file + "|" + file);
    if (!chosen)
        return std::nullopt;
    if (!platform::samePathIgnoringCase(*chosen, platform::joinPath(folder, file))) {
        std::string upper = upperCase(file);
        error(app,
              "Fisier Invalid\r\n\r\nFisierul pentru import se regaseste in folderul "
              "\"IMPORT\"\r\nsi are denumirea \"" +
                  upper + "\"\r\n\r\n");
        return std::nullopt;
    }
    return importPath(file);
}

// Waits, with the message the user can copy, while another program holds the file.
void waitUntilFree(shell::Application& app, const std::string& path) {
    const std::string shown = platform::currentFolderWithSeparator() + path;
    while (platform::fileInUseByAnotherProgram(path))
        app.dialogs.copyableMessage("Atentie",
                                    "Fisierul selectat pentru import:\r\n" + shown +
                                        "\r\neste folosit de alt program\r\n\r\nRog Remediati "
                                        "Problema\r\n\r\n",
                                    0, 0);
}

// The file's lines after its header; nullopt (with the message shown) when it cannot be read or
// its first line is not the header.
std::optional<std::vector<std::string>> readArticleFile(shell::Application& app,
                                                        const std::string& path) {
    auto bytes = platform::readWholeFile(path);
    std::vector<std::string> lines = bytes ? splitCsvLines(*bytes) : std::vector<std::string>{};
    if (lines.empty() || upperCase(lines.front()) != kCsvHeader) {
        error(app, "Fisier Invalid\r\n\r\n");
        return std::nullopt;
    }
    lines.erase(lines.begin());
    return lines;
}

// The wait window of an import, with lines done of lines in the file.
class WaitWindow {
  public:
    explicit WaitWindow(shell::Application& app)
        : app_(app), form_(app.ui, shell::asteptati::layout()) {
        form_.centreOnScreen(200, 24);
        app_.ui.processEvents();
    }
    void progress(std::size_t done, std::size_t total) {
        const std::int64_t now = app_.ui.clock().elapsedMs();
        if (done != total && now - painted_ < kPaintEveryMs)
            return;
        painted_ = now;
        form_.setProgress(shell::asteptati::kProgress, static_cast<int>(done),
                          static_cast<int>(total > 0 ? total : 1));
        app_.ui.processEvents();
    }

  private:
    shell::Application& app_;
    ui::Form form_;
    std::int64_t painted_ = -kPaintEveryMs;
};

// The import itself, inside its wait window.
ImportResult runImport(shell::Application& app,
                       const std::function<ImportResult(const ImportEvents&)>& import) {
    WaitWindow wait(app);
    ImportEvents events;
    events.refuse = [&](const std::string& text) { error(app, text); };
    events.progress = [&](std::size_t done, std::size_t total) { wait.progress(done, total); };
    return import(events);
}

// The processed file kept as "<time>-<name>" beside it and replaced by the header alone.
void archiveAndRenew(shell::Application& app, const std::string& path, const std::string& file) {
    const std::string stamp =
        platform::formatLocalTime("%yyyy%mm%dd%hh%ii%ss", app.ui.clock().now());
    const std::string archive = importPath(stamp + "-" + file);
    if (!platform::copyFile(path, archive) ||
        !platform::writeLines(path, {kCsvHeader}, platform::Encoding::Utf8))
        error(app, "Fisierul " + path + " nu a putut fi arhivat.\r\n\r\n");
}

void reportFailure(shell::Application& app, const ImportResult& result) {
    app.log.error("import stopped: " + result.failure);
    error(app,
          "Importul s-a oprit: baza de date nu a putut fi scrisa.\r\n" + result.failure +
              "\r\nLiniile citite pana aici sunt salvate; fisierul a ramas neschimbat.\r\n\r\n");
}

using Import = std::function<ImportResult(const std::vector<std::string>& lines,
                                          const std::string& now, const ImportEvents& events)>;

// The chosen file read once no other program holds it, imported inside the wait window, then
// archived and renewed; a file the database could not take stays as it is.
void readAndImport(shell::Application& app, const std::string& file, const Import& import) {
    const std::string path = importPath(file);
    waitUntilFree(app, path);
    auto lines = readArticleFile(app, path);
    if (!lines)
        return;
    const std::string now = platform::databaseStamp(app.ui.clock().now());
    ImportResult result =
        runImport(app, [&](const ImportEvents& events) { return import(*lines, now, events); });
    if (!result.completed) {
        reportFailure(app, result);
        return;
    }
    archiveAndRenew(app, path, file);
}

}  // namespace

void importArticlesFile(shell::Application& app) {
    const std::string file = "articole.csv";
    const std::string path = importPath(file);
    if (!app.db || !ensureFile(app, path))
        return;
    if (!chooseImportFile(app, "Import Articole", file))
        return;
    readAndImport(
        app, file,
        [&](const std::vector<std::string>& lines, const std::string& now,
            const ImportEvents& events) { return importArticles(*app.db, lines, now, events); });
}

void importPriceChangesFile(shell::Application& app) {
    const std::string file = "modpret.csv";
    const std::string path = importPath(file);
    if (!app.db || !ensureFile(app, path))
        return;
    // The articles as they are now, for the owner to change in the spreadsheet.
    waitUntilFree(app, path);
    // Some seconds in a shop of many articles and years of sales (each one's stock).
    ExportedArticles exported;
    app.dialogs.whileShowing("Articolele se scriu in " + path + "\r\n\r\nAsteptati...", "Asteptati",
                             [&] {
                                 exported = exportArticles(*app.db);
                                 return true;
                             });
    if (!platform::writeLines(path, exported.lines, platform::Encoding::Utf8)) {
        error(app, "Fisierul " + path + " nu a putut fi scris.\r\n\r\n");
        return;
    }
    app.ui.shellOpen(path);
    if (!chooseImportFile(app, "Modificare Pret", file))
        return;
    readAndImport(app, file,
                  [&](const std::vector<std::string>& lines, const std::string& now,
                      const ImportEvents& events) {
                      return importPriceChanges(*app.db, lines, now, exported.stockByBarcode,
                                                events);
                  });
}

}  // namespace vandrix::backoffice
