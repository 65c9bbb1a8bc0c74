// The invoice list "Printeaza Factura": its layout is `interfatalistafacturi`. Every invoice
// with its buyer, a search, the documents of the selected invoice and its cancellation.
#include "invoice/efactura.h"
#include "invoice/invoice_rules.h"
#include "invoice/invoice_store.h"
#include "invoice/invoice_windows.h"
#include "shell/Interfatacolor/interfatalistafacturi.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::invoice {

using namespace shell::interfatalistafacturi;

namespace {

constexpr int kLoopTimeoutMs = 250;
enum Column {
    kIdColumn,
    kNumberColumn,
    kBuyerColumn,
    kCuiColumn,
    kRegisterColumn,
    kDateColumn,
    kTotalColumn,
    kValueColumn,
    kEmptyColumn
};
constexpr ui::Colour kGrey = 0x3B3B3B, kBlack = 0x000000, kWhite = 0xFFFFFF, kYellow = 0xFFFF00;
constexpr int kButtons[] = {kPrintText, kPrintPdf, kPrintHtml, kCancel};

void enableButtons(ui::Form& form, bool enabled) {
    for (int b : kButtons)
        form.setEnabled(b, enabled);
}

void fill(shell::Application& app, ui::Form& form, const std::string& search) {
    form.clearRows(kInvoices);
    for (const InvoiceRow& r : invoices(*app.db, search)) {
        form.addRow(kInvoices, {r.id, r.number, r.buyer, r.cui, r.registerNumber, shownDate(r.date),
                                shell::padLeft(shell::formatCents(shell::scaledOr0(r.total, 2)), 8),
                                r.value, ""});
        const int row = form.rowCount(kInvoices) - 1;
        const bool even = form.rowCount(kInvoices) % 2 == 0;
        const bool cancelled = shell::scaledOr0(r.value, 2) < 0;
        form.setRowColours(kInvoices, row, even ? kGrey : kBlack, cancelled ? kYellow : kWhite);
    }
}

void cancel(shell::Application& app, ui::Form& form, int row) {
    auto cell = [&](int column) { return form.cell(kInvoices, row, column); };
    const std::string question =
        "Sunteti sigur ca doriti anularea facturii \r\n\r\nSerie/Nr.: " + cell(kNumberColumn) +
        " din Data " + cell(kDateColumn) + " in valoare de " + cell(kTotalColumn) +
        " RON\r\ncatre partenerul " + cell(kBuyerColumn) + " / CUI: " + cell(kCuiColumn) +
        " / J: " + cell(kRegisterColumn) + " ?\r\n\r\nOperatiunea nu este reversibila\r\n\r\n";
    if (app.dialogs.message(question, "Atentie", shell::kButtonsYesNo + shell::kIconWarning) !=
        shell::kResultYes)
        return;
    if (!cancelInvoice(*app.db, shell::trim(cell(kIdColumn)))) {
        app.dialogs.message(
            "Factura nu a fost anulata.\r\nBaza de date: " + app.db->lastError() + "\r\n\r\n",
            "Eroare", shell::kIconError);
        return;
    }
    setAsideEInvoice(app, shell::integerValue(shell::trim(cell(kIdColumn))));
    form.setCell(kInvoices, row, kValueColumn, "-1.00");
    form.setRowColours(kInvoices, row, row % 2 == 1 ? kGrey : kBlack, kYellow);
    enableButtons(form, false);
    form.setFocus(kInvoices);
}

}  // namespace

void openInvoiceListWindow(shell::Application& app, ui::Form& parent) {
    if (!app.db)
        return;
    ui::Form form(app.ui, layout(), &parent);
    form.centreOnScreen(750, 520);
    form.setColumns(kInvoices,
                    {"", "Serie/Nr", "Denumire", "CIF", "RegCom", "Data", "Total", "", ""},
                    {0, 80, 200, 120, 125, 95, 95, 0, 0});
    form.setFont(kInvoices, {"Lucida Console", app.ui.scaledY(10), false});
    fill(app, form, "");
    ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return ui::Next::Leave;
        const int row = form.selectedRow(kInvoices);
        if (event.gadget == kSearch && event.type == ui::EventType::Change) {
            const std::string text = shell::upper(shell::trim(form.text(kSearch)));
            if (text.size() > 2) {
                fill(app, form, text);
                enableButtons(form, false);
            }
        } else if (event.gadget == kInvoices && event.type == ui::EventType::Change) {
            // Cancelled invoices and the seeded one are neither printed nor cancelled.
            enableButtons(form, row >= 0 && form.cell(kInvoices, row, kValueColumn).empty());
        } else if (event.type == ui::EventType::Click && row >= 0) {
            const std::int64_t id = shell::integerValue(shell::trim(form.cell(kInvoices, row, 0)));
            if (event.gadget == kPrintText)
                printInvoice(app, id, 1);
            else if (event.gadget == kPrintPdf)
                printInvoice(app, id, 4);
            else if (event.gadget == kPrintHtml)
                printInvoice(app, id, 3);
            else if (event.gadget == kCancel)
                cancel(app, form, row);
        }
        return ui::Next::Stay;
    });
}

}  // namespace vandrix::invoice
