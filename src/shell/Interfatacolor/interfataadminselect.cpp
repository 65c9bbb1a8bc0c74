// The back-office choice window's layout.
#include "shell/Interfatacolor/interfataadminselect.h"

namespace vandrix::shell::interfataadminselect {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "InterfataAdminSelect";
    table.title = "Selecteaza";
    table.width = 230;
    table.height = 320;
    table.gadgets = {
        {kAdmin, GadgetKind::Button, "Admin", 0, 0, 230, 80, 0, ""},
        {kImportArticles, GadgetKind::Button, "Import Articole", 0, 80, 230, 80, 0, ""},
        {kImportPriceChanges, GadgetKind::Button, "Import Modificare Preturi", 0, 160, 230, 80, 0,
         ""},
        {kStock, GadgetKind::Button, "Stoc", 0, 240, 230, 80, 0, ""},
    };
    return table;
}

}  // namespace vandrix::shell::interfataadminselect
