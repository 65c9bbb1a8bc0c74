// The shelf labels window's layout.
#include "shell/Interfatacolor/etichete.h"

namespace vandrix::shell::etichete {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Etichete";
    table.title = "Etichete";
    table.width = 780;
    table.height = 520;
    // The desktop's ordinary control font: "Nr. x " fits its 60 units on one line.
    table.fontFamily = "DejaVu Sans";
    table.fontHeight = 10;
    table.gadgets = {
        {kFilter, GadgetKind::TextField, "", 0, 0, 680, 30, ui::kUpperCase, "filtru"},
        {kArticles, GadgetKind::ListView, "", 0, 30, 680, 490, ui::kCheckBoxes | ui::kFullRowSelect,
         "etichete"},
        {kPrintSmall, GadgetKind::Button, "Printeaza 38x25", 680, 0, 100, 60, 0, ""},
        {kPrintLarge, GadgetKind::Button, "Printeaza 80x38", 680, 60, 100, 60, 0, ""},
        {kSelectAll, GadgetKind::Button, "Select Tot", 680, 120, 100, 60, 0, ""},
        {kSelectNone, GadgetKind::Button, "Select Zero", 680, 180, 100, 60, 0, ""},
        {kCopiesLabel, GadgetKind::Label, "Nr. x ", 680, 492, 60, 30, 0, ""},
        {kCopies, GadgetKind::SpinBox, "", 740, 490, 40, 30, 0, "copii"},
    };
    return table;
}

}  // namespace vandrix::shell::etichete
