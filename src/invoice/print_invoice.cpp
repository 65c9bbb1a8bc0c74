// An invoice's documents as the invoice list makes them: the earlier invoice files removed, the
// printer text delivered to the note printer's folder, the HTML page and the PDF opened.
#include <cctype>
#include <cstdio>

#include "invoice/efactura.h"
#include "invoice/invoice_document.h"
#include "invoice/invoice_windows.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "ui/runtime.h"

namespace vandrix::invoice {

namespace {

constexpr const char* kSellerFile = "vanzator.txt";

// The printer's line width and whether it takes the narrow text, by the printer type.
struct PrinterText {
    int width = 48;
    bool narrow = false;
};
PrinterText printerText(const std::string& tipAmef, int format) {
    if (tipAmef == "TM80")
        return {50, false};
    if (tipAmef == "ZF80")
        return {48, false};
    if (tipAmef == "B20" || tipAmef == "B30")
        return {32, true};
    if (tipAmef == "M20")
        return {37, true};
    return {48, format == 2};
}

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The previous invoice's files ("tmpfact*", whatever the case).
void removeEarlierFiles() {
    for (const std::string& name : platform::filesInFolder("."))
        if (lowerCase(name).rfind("tmpfact", 0) == 0)
            platform::deleteFile(name);
}

std::string fileName(std::int64_t id, const char* extension) {
    char name[40];
    std::snprintf(name, sizeof name, "tmpFact%09lld%s", static_cast<long long>(id), extension);
    return name;
}

void cannotWrite(shell::Application& app, const std::string& file) {
    app.log.error("invoice file not written: " + file);
    app.dialogs.message("Fisierul " + file + " nu a putut fi scris.\r\n\r\n", "Eroare",
                        shell::kButtonsOk + shell::kIconError);
}

// The printer text moved into the folder named Note beside the fiscal printer's folder; when a
// file of that name still waits there, it stays here and the next invoice removes it.
void deliverText(shell::Application& app, const std::string& file) {
    app.ui.pause(250);
    const std::string folder = platform::joinPath(app.settings.serverDir, "../Note/");
    const platform::Placement placed = platform::placeFile(file, platform::joinPath(folder, file));
    if (placed != platform::Placement::Placed)
        app.log.error("invoice text not delivered to " + folder + ": " + file);
}

}  // namespace

void printInvoice(shell::Application& app, std::int64_t id, int format) {
    if (format < 1 || format > 4 || !app.db)
        return;
    removeEarlierFiles();
    // The e-Factura file is written again from the database with every document.
    if (const std::string missing = writeEInvoice(app, id); !missing.empty())
        app.dialogs.message(missing, "Atentie", shell::kIconWarning);
    const Party seller = readSeller(kSellerFile);
    const InvoiceDocument doc = readInvoice(*app.db, std::to_string(id), seller);
    if (format == 1 || format == 2) {
        const PrinterText printer = printerText(app.settings.tipAmef, format);
        const std::string file = fileName(id, ".txt");
        const auto lines = printer.narrow ? narrowInvoiceText(doc, printer.width)
                                          : wideInvoiceText(doc, printer.width);
        if (!platform::writeLines(file, lines, platform::Encoding::Ansi)) {
            cannotWrite(app, file);
            return;
        }
        deliverText(app, file);
    } else if (format == 3) {
        const std::string file = fileName(id, ".html");
        if (!platform::writeLines(file, invoiceHtml(doc), platform::Encoding::Ansi)) {
            cannotWrite(app, file);
            return;
        }
        app.ui.pause(250);
        app.ui.shellOpen(file);
    } else {
        const std::string file = fileName(id, ".PDF");
        if (!writeInvoicePdf(doc, file)) {
            cannotWrite(app, file);
            return;
        }
        app.ui.shellOpen(file);
    }
}

}  // namespace vandrix::invoice
