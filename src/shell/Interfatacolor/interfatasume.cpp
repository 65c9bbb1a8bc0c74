// The cash in / cash out window's layout: what is being done, the amount, a keypad and a tall
// ENTER button.
#include "shell/Interfatacolor/interfatasume.h"

#include "shell/Interfatacolor/keypad.h"

namespace vandrix::shell::interfatasume {

using ui::GadgetKind;

ui::FormSpec layout(const std::string& caption) {
    ui::FormSpec table;
    table.name = "Interfatasume";
    table.title = "Sume Introduse/Scoase";
    table.width = 250;
    table.height = 300;
    table.alwaysOnTop = true;
    table.tool = true;
    table.gadgets = {
        {kLabel, GadgetKind::TextField, caption, 0, 0, 250, 40, ui::kReadOnly | ui::kCentred,
         "label"},
        {kAmount, GadgetKind::TextField, "", 0, 40, 250, 40, ui::kRightAligned, "amount"},
        {kEnter, GadgetKind::Button, "E N T E R", 180, 80, 70, 200, 0, ""},
    };
    addKeypad(table.gadgets, kKey0, kPoint, 0, 80, 60, 50, 50);
    return table;
}

}  // namespace vandrix::shell::interfatasume
