// The wait window's layout.
#include "shell/Interfatacolor/asteptati.h"

namespace vandrix::shell::asteptati {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Asteptati";
    table.title = "Asteptati";
    table.width = 200;
    table.height = 24;
    table.tool = true;
    table.gadgets = {
        {kProgress, GadgetKind::ProgressBar, "", 0, 0, 200, 24, 0, "progres"},
    };
    return table;
}

}  // namespace vandrix::shell::asteptati
