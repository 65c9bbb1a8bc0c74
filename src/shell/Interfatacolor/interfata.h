// Layout of the sale window `Interfata` on its 780 x 520 design grid, and of the backdrop
// behind it.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfata {

// Gadget numbers of the sale window.
enum Gadget {
    kEntry = 1,
    kQtyButton,  // "QTY": the scale's weight into the quantity field
    kQuantity,
    kUp,
    kGrid,
    kDown,
    kReports,  // "Rapoarte"
    kText,     // "TEXT"
    kLogo,
    kTotal,
    kPaid,
    kCancel,  // "Anuleaza"
    kHold,    // "Astept" / "Revin"
    kSearch,  // "Art. Den."
    kCui,
    kDiscount,
    kGroups,      // "Art. Grp."
    kRemoveLine,  // "St. Poz."
    kPrice,       // "M. Pret"
    kKey0,
    kKey1,
    kKey2,
    kKey3,
    kKey4,
    kKey5,
    kKey6,
    kKey7,
    kKey8,
    kKey9,
    kPoint,
    kEnter,
    kX,  // "X": the entry as the quantity
    kPay1,
    kPay2,
    kPay3,
    kPay4,         // payment modes 1 to 4
    kPlus,         // hidden, caption "c": clears the current field
    kMinus,        // hidden
    kHiddenField,  // a hidden text field
};

inline int keyGadget(int digit) {
    return kKey0 + digit;
}
inline int payGadget(int mode) {
    return kPay1 + mode - 1;
}

// Shortcut event numbers of the sale window.
enum Shortcut {
    kShortcutConfirm = 10,
    kShortcutDecimal = 11,
    kShortcutSpace = 14,
    kShortcutKeypadAdd = 15,
    kShortcutDigit0 = 96,  // 96 to 105: digits 0 to 9
};

// The sale window as it stands (before the settings add their payment buttons and logo).
ui::FormSpec layout();

// Gadgets of the backdrop window: its left and right image panels.
enum BackdropGadget { kBackdropLeft = 1001, kBackdropRight = 1002 };
ui::FormSpec backdropLayout(int width, int height);

}  // namespace vandrix::shell::interfata
