// The discount window's layout: the receipt's total, the percentage, a keypad, DEL and ENTER.
#include "shell/Interfatacolor/discount.h"

#include "shell/Interfatacolor/keypad.h"

namespace vandrix::shell::discount {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Discount";
    table.title = "Discount";
    table.width = 240;
    table.height = 310;
    table.alwaysOnTop = true;
    table.tool = true;
    table.gadgets = {
        {kLabel, GadgetKind::TextField, "", 0, 0, 240, 40, ui::kReadOnly | ui::kCentred, "total"},
        {kPercent, GadgetKind::TextField, "", 0, 40, 240, 40, ui::kRightAligned, "procent"},
        {kDelete, GadgetKind::Button, "DEL", 180, 80, 60, 60, 0, ""},
        {kEnter, GadgetKind::Button, "E N T E R", 180, 140, 60, 170, 0, ""},
    };
    addKeypad(table.gadgets, kKey0, kPoint, 0, 80, 60, 60, 50);
    return table;
}

}  // namespace vandrix::shell::discount
