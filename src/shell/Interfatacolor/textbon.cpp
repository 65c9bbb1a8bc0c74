// The receipt text window's layout: four labelled lines and "OK".
#include "shell/Interfatacolor/textbon.h"

#include <string>

namespace vandrix::shell::textbon {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Text";
    table.title = "Text";
    table.width = 300;
    table.height = 116;
    table.alwaysOnTop = true;
    table.tool = true;
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        table.gadgets.push_back(
            {kLabel1 + i, GadgetKind::Label, "Linia " + n + ":", 2, 2 + 20 * i, 98, 20, 0, ""});
        table.gadgets.push_back(
            {lineField(i), GadgetKind::TextField, "", 100, 2 + 20 * i, 198, 20, 0, "linia" + n});
    }
    table.gadgets.push_back({kOk, GadgetKind::Button, "OK", 2, 82, 297, 30, 0, ""});
    return table;
}

}  // namespace vandrix::shell::textbon
