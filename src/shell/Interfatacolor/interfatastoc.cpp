// The stock count window's layout.
#include "shell/Interfatacolor/interfatastoc.h"

namespace vandrix::shell::interfatastoc {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Interfatastoc";
    table.title = "Stoc";
    table.width = 360;
    table.height = 520;
    table.gadgets = {
        {kCount, GadgetKind::ListView, "Denumire|UM|Cant.", 0, 0, 360, 390, ui::kFullRowSelect,
         "numarare"},
        {kBarcode, GadgetKind::TextField, "", 0, 390, 280, 40, ui::kDigitsOnly, "codbare"},
        {kQuantity, GadgetKind::TextField, "", 280, 390, 80, 40, 0, "cantitate"},
        // Read-only; on two lines, so a long name still shows whole beside its stock.
        {kArticle, GadgetKind::TextArea, "", 0, 430, 360, 50, ui::kReadOnly | ui::kUpperCase,
         "articol"},
        {kCheck, GadgetKind::Button, "VERIFICA", 0, 480, 110, 40, 0, ""},
        {kExit, GadgetKind::Button, "IESIRE", 250, 480, 110, 40, 0, ""},
    };
    return table;
}

}  // namespace vandrix::shell::interfatastoc
