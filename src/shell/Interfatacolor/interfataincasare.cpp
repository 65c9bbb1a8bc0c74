// The split-payment window's layout.
#include "shell/Interfatacolor/interfataincasare.h"

#include "shell/Interfatacolor/keypad.h"

namespace vandrix::shell::interfataincasare {

using ui::GadgetKind;

ModePlace modePlace(int mode) {
    static constexpr ModePlace kPlaces[5] = {
        {}, {665, 250, 115, 80}, {550, 250, 115, 80}, {550, 330, 115, 80}, {665, 330, 115, 80}};
    return mode >= 1 && mode <= 4 ? kPlaces[mode] : ModePlace{};
}

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Incasare";
    table.title = "Incasare";
    table.width = 780;
    table.height = 520;
    table.alwaysOnTop = true;
    table.gadgets = {
        {kPayments, GadgetKind::ListView, "Valoare|ModPlata|Tip|", 0, 0, 550, 320,
         ui::kFullRowSelect | ui::kGridLines, "payments"},
        {kRemainingLabel, GadgetKind::Label, "Rest", 0, 330, 130, 40, 0, ""},
        {kRemaining, GadgetKind::TextField, "", 130, 325, 140, 40,
         ui::kReadOnly | ui::kRightAligned, "remaining"},
        {kPaidLabel, GadgetKind::Label, "Achitat", 280, 330, 120, 40, 0, ""},
        {kPaid, GadgetKind::TextField, "", 410, 325, 140, 40, ui::kReadOnly | ui::kRightAligned,
         "paid"},
        {kAmountLabel, GadgetKind::Label, "Suma", 0, 385, 130, 40, 0, ""},
        {kAmount, GadgetKind::TextField, "", 130, 380, 240, 45, ui::kRightAligned, "amount"},
        {kQuantityLabel, GadgetKind::Label, "QTY", 380, 385, 60, 40, 0, ""},
        {kQuantity, GadgetKind::TextField, "1", 440, 380, 110, 45, ui::kRightAligned, "qty"},
        {kX, GadgetKind::Button, "X", 730, 0, 50, 240, 0, ""},
        {kCancel, GadgetKind::Button, "Anuleaza", 550, 420, 230, 75, 0, ""},
    };
    addKeypad(table.gadgets, kKey0, kPoint, 550, 0, 60, 60, 60);
    return table;
}

}  // namespace vandrix::shell::interfataincasare
