// The sale window's layout table, on the 780 x 520 design grid, as the window stands. Only what
// the settings decide is done by the window's code: the payment modes' image buttons, the logo.
#include "shell/Interfatacolor/interfata.h"

#include "shell/Interfatacolor/keypad.h"

namespace vandrix::shell::interfata {

using ui::GadgetKind;

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Interfata";
    table.title = "Interfata";
    table.width = 780;
    table.height = 520;
    table.statusBar = true;
    table.maximizeBox = false;
    table.gadgets = {
        {kEntry, GadgetKind::TextField, "", 0, 0, 300, 40, ui::kUpperCase, "entry"},
        {kPlus, GadgetKind::Button, "c", 300, 0, 50, 40, ui::kHidden, ""},
        {kQtyButton, GadgetKind::Button, "QTY", 300, 0, 150, 40, 0, ""},
        {kMinus, GadgetKind::Button, "-", 400, 0, 50, 40, ui::kHidden, ""},
        {kQuantity, GadgetKind::TextField, "1.000", 450, 0, 100, 40, ui::kRightAligned, "qty"},
        {kUp, GadgetKind::ImageButton, "", 0, 40, 550, 50, 0, "up"},
        {kGrid, GadgetKind::ListView, "Articol|Um|Cant|Pret|ID|codbar|CotaTVA|grupa", 0, 90, 550,
         310, ui::kFullRowSelect | ui::kGridLines, "grid"},
        {kDown, GadgetKind::ImageButton, "", 0, 400, 550, 50, 0, "down"},
        {kHiddenField, GadgetKind::TextField, "", 0, 447, 160, 40, ui::kHidden, ""},
        {kReports, GadgetKind::Button, "Rapoarte", 2, 452, 120, 42, 0, ""},
        {kText, GadgetKind::Button, "TEXT", 122, 452, 120, 42, 0, ""},
        {kTotal, GadgetKind::TextField, "", 450, 451, 100, 43, ui::kReadOnly | ui::kRightAligned,
         "total"},
        {kPaid, GadgetKind::TextField, "", 450, 452, 100, 35,
         ui::kReadOnly | ui::kRightAligned | ui::kHidden, "paid"},
        {kCancel, GadgetKind::Button, "Anuleaza", 550, 0, 120, 60, 0, ""},
        {kHold, GadgetKind::Button, "Astept", 670, 0, 110, 60, 0, ""},
        {kSearch, GadgetKind::Button, "Art. Den.", 550, 60, 70, 80, 0, ""},
        {kCui, GadgetKind::Button, "CUI", 620, 60, 90, 40, 0, ""},
        {kDiscount, GadgetKind::Button, "Discount", 620, 100, 90, 40, 0, ""},
        {kGroups, GadgetKind::Button, "Art. Grp.", 710, 60, 70, 80, 0, ""},
        {kRemoveLine, GadgetKind::Button, "St. Poz.", 550, 140, 110, 60, 0, ""},
        {kPrice, GadgetKind::Button, "M. Pret", 660, 140, 120, 60, 0, ""},
        {kEnter, GadgetKind::Button, "E\r\nN\r\nT\r\nE\r\nR", 730, 200, 50, 100, 0, ""},
        {kX, GadgetKind::Button, "X", 730, 300, 50, 90, 0, ""},
        {kPay2, GadgetKind::Button, "Incasare Card", 550, 390, 120, 60, ui::kDisabled, "pay2"},
        {kPay1, GadgetKind::Button, "Incasare Cash", 670, 390, 110, 60, 0, "pay1"},
    };
    addKeypad(table.gadgets, kKey0, kPoint, 550, 200, 60, 50, 40);
    return table;
}

ui::FormSpec backdropLayout(int width, int height) {
    ui::FormSpec table;
    table.name = "Fundal";
    table.title = "";
    table.width = width;
    table.height = height;
    table.scaled = false;
    table.maximizeBox = true;
    table.gadgets = {
        {kBackdropLeft, GadgetKind::Image, "", 0, 0, width / 2, height, 0, "backdrop-left"},
        {kBackdropRight, GadgetKind::Image, "", width / 2, 0, width - width / 2, height, 0,
         "backdrop-right"},
    };
    return table;
}

}  // namespace vandrix::shell::interfata
