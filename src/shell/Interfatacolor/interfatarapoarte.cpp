// The reports window's layout: the period list and the buttons of the day's end and the office.
#include "shell/Interfatacolor/interfatarapoarte.h"

namespace vandrix::shell::interfatarapoarte {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Interfatarapoarte";
    table.title = "Rapoarte";
    table.width = 600;
    table.height = 400;
    table.gadgets = {
        {kPeriods, GadgetKind::ListView, "eod|suma|data", 0, 0, 390, 280, ui::kFullRowSelect,
         "periods"},
        {kCashIn, GadgetKind::Button, "Sume Introduse", 400, 0, 200, 70, 0, ""},
        {kCashOut, GadgetKind::Button, "Sume Scoase", 400, 70, 200, 70, 0, ""},
        {kReportZ, GadgetKind::Button, "Raport Z", 400, 140, 200, 70, 0, ""},
        {kReportX, GadgetKind::Button, "Raport X", 400, 210, 200, 70, 0, ""},
        {kPriceChanges, GadgetKind::Button, "PretModificat", 0, 280, 180, 50, 0, ""},
        {kStock, GadgetKind::Button, "Stoc La Zi", 400, 280, 200, 50, 0, ""},
        {kSales, GadgetKind::Button, "Raport\r\nVanzare", 0, 330, 180, 70, 0, ""},
        {kLabels, GadgetKind::Button, "Printare\r\nEtichete", 190, 330, 200, 70, 0, ""},
        {kInvoice, GadgetKind::Button, "Factura la\r\nBonFiscal", 400, 330, 200, 70, 0, ""},
    };
    return table;
}

}  // namespace vandrix::shell::interfatarapoarte
