// The fiscal-code window's layout: the code, DEL, a keypad without ".", ENTER and the "RO" toggle.
#include "shell/Interfatacolor/cuipebon.h"

#include "shell/Interfatacolor/keypad.h"

namespace vandrix::shell::cuipebon {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "CuiPeBon";
    table.title = "CUI pe BON";
    table.width = 240;
    table.height = 280;
    table.alwaysOnTop = true;
    table.tool = true;
    table.gadgets = {
        {kCode, GadgetKind::TextField, "", 0, 0, 180, 40, ui::kUpperCase, "cod"},
        {kDelete, GadgetKind::Button, "DEL", 180, 0, 60, 40, 0, ""},
        {kEnter, GadgetKind::Button, "E N T E R", 180, 40, 60, 180, 0, ""},
    };
    addKeypad(table.gadgets, kKey0, kPoint, 0, 40, 60, 60, 60);
    // No "." here: its place holds the "RO" toggle, as wide as the "0" key.
    for (auto it = table.gadgets.begin(); it != table.gadgets.end(); ++it)
        if (it->number == kPoint) {
            table.gadgets.erase(it);
            break;
        }
    table.gadgets.push_back({kRo, GadgetKind::Button, "RO", 120, 220, 120, 60, 0, ""});
    return table;
}

}  // namespace vandrix::shell::cuipebon
