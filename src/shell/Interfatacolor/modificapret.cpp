// The line-price window's layout: the line, the new price, Del, a keypad and a tall ENTER.
#include "shell/Interfatacolor/modificapret.h"

#include "shell/Interfatacolor/keypad.h"

namespace vandrix::shell::modificapret {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "ModificaPret";
    table.title = "ModificaPret";
    table.width = 230;
    table.height = 280;
    table.alwaysOnTop = true;
    table.tool = true;
    table.gadgets = {
        {kLabel, GadgetKind::TextField, "", 0, 0, 230, 40, ui::kReadOnly | ui::kCentred, "linie"},
        {kPrice, GadgetKind::TextField, "", 0, 40, 120, 40, ui::kRightAligned, "pret"},
        {kDelete, GadgetKind::Button, "Del", 120, 40, 110, 40, 0, ""},
        {kEnter, GadgetKind::Button, "E N T E R", 180, 80, 50, 200, 0, ""},
    };
    addKeypad(table.gadgets, kKey0, kPoint, 0, 80, 60, 50, 50);
    return table;
}

}  // namespace vandrix::shell::modificapret
