// The invoice list window's layout.
#include "shell/Interfatacolor/interfatalistafacturi.h"

namespace vandrix::shell::interfatalistafacturi {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Interfatalistafacturi";
    table.title = "Printeaza Factura";
    table.width = 750;
    table.height = 520;
    // The desktop's ordinary control font: the calendars' days and the fields fit whole.
    table.fontFamily = "DejaVu Sans";
    table.fontHeight = 9;
    table.gadgets = {
        {kSearch, GadgetKind::TextField, "", 2, 2, 746, 20, ui::kUpperCase, "cautare"},
        {kInvoices, GadgetKind::ListView, "", 2, 24, 746, 460, ui::kFullRowSelect, "facturi"},
        {kPrintText, GadgetKind::Button, "Print AMEF", 2, 484, 187, 36, ui::kDisabled, ""},
        {kPrintPdf, GadgetKind::Button, "Print PDF", 188, 484, 187, 36, ui::kDisabled, ""},
        {kPrintHtml, GadgetKind::Button, "Print HTML", 376, 484, 187, 36, ui::kDisabled, ""},
        {kCancel, GadgetKind::Button, "Anuleaza", 564, 484, 187, 36, ui::kDisabled, ""},
    };
    return table;
}

}  // namespace vandrix::shell::interfatalistafacturi
