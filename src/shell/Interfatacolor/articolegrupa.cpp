// The quick-key window's fixed part: the tab panel and the two arrows.
#include "shell/Interfatacolor/articolegrupa.h"

namespace vandrix::shell::articolegrupa {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "ArticoleGrupa";
    table.title = "Articole Grupa";
    table.width = 780;
    table.height = 520;
    table.gadgets = {
        {kTabs, GadgetKind::TabPanel, "", 0, 0, 640, 515, 0, "grupe"},
        {kUp, GadgetKind::ImageButton, "", 640, 475, 70, 40, 0, "sus"},
        {kDown, GadgetKind::ImageButton, "", 710, 475, 70, 40, 0, "jos"},
    };
    return table;
}

}  // namespace vandrix::shell::articolegrupa
