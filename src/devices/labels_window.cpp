// The shelf labels window: its layout is `Etichete`. The article barcodes, a filter, ticks, the
// copies, and a label per ticked row and copy in either size.
#include <algorithm>
#include <cstdlib>

#include "devices/labels.h"
#include "devices/labels_window.h"
#include "platform/label_printer.h"
#include "shell/Interfatacolor/etichete.h"
#include "shell/application.h"
#include "shell/settings.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::devices {

using namespace shell::etichete;

namespace {

constexpr int kNoTimeout = 60 * 60 * 1000;
enum Column { kName, kBarcode, kPrice, kUnit, kVat, kGroup };

void fill(shell::Application& app, ui::Form& form, const std::string& filter) {
    std::vector<std::vector<std::string>> cells;
    for (const LabelRow& r : labelRows(*app.db, filter))
        cells.push_back({r.name, r.barcode, r.price, r.unit, r.vat, r.group});
    form.clearRows(kArticles);
    form.addRows(kArticles, cells);
}

void tickAll(ui::Form& form, bool ticked) {
    for (int r = 0; r < form.rowCount(kArticles); ++r)
        form.setChecked(kArticles, r, ticked);
    form.selectRow(kArticles, -1);
}

void print(shell::Application& app, ui::Form& form, LabelSize size) {
    const int copies = std::clamp(std::atoi(form.text(kCopies).c_str()), 1, 99);
    platform::LabelPrinter printer;
    for (int r = 0; r < form.rowCount(kArticles); ++r) {
        if (!form.isChecked(kArticles, r))
            continue;
        auto cell = [&](int c) { return shell::trim(form.cell(kArticles, r, c)); };
        const LabelRow row{cell(kName), cell(kBarcode), cell(kPrice),
                           cell(kUnit), cell(kVat),     cell(kGroup)};
        printLabel(printer, app.settings.labelPrinter, row, size, copies);
    }
}

}  // namespace

void openLabelsWindow(shell::Application& app, ui::Form& reportsWindow) {
    if (!app.db)
        return;
    reportsWindow.hideWindow();
    {
        ui::Form form(app.ui, layout());
        form.centreOnScreen(780, 520);
        form.setColumns(kArticles, {"Denumire", "CodBare", "Pret", "Um", "Tva", "Grupa"},
                        {250, 150, 70, 45, 50, 100});
        form.setNumberRange(kCopies, 1, 99);
        form.setText(kCopies, "1");
        std::string filter;
        fill(app, form, filter);
        ui::runWindowLoop(form, kNoTimeout, [&](const ui::Event& event) {
            if (event.type == ui::EventType::Close)
                return ui::Next::Leave;
            const int g = event.gadget;
            if (g == kFilter && event.type == ui::EventType::Change) {
                const std::string text = shell::upper(shell::trim(form.text(kFilter)));
                if (text != filter) {
                    filter = text;
                    fill(app, form, form.text(kFilter));
                }
            } else if (g == kArticles && event.type == ui::EventType::Change) {
                // A click on a row ticks it or clears it; the row is not left selected.
                const int row = form.selectedRow(kArticles);
                if (row >= 0)
                    form.setChecked(kArticles, row, !form.isChecked(kArticles, row));
                form.selectRow(kArticles, -1);
            } else if (g == kArticles && event.type == ui::EventType::Click) {
                form.selectRow(kArticles, -1);  // ticked by its box
            } else if (event.type == ui::EventType::Click) {
                if (g == kSelectAll)
                    tickAll(form, true);
                else if (g == kSelectNone)
                    tickAll(form, false);
                else if (g == kPrintSmall)
                    print(app, form, LabelSize::Small);
                else if (g == kPrintLarge)
                    print(app, form, LabelSize::Large);
            }
            return ui::Next::Stay;
        });
    }
    reportsWindow.showWindow();
    reportsWindow.activate();
}

}  // namespace vandrix::devices
