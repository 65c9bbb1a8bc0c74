// Layout of the split-payment window `Interfataincasare` ("Incasare") on its 780 x 520 design
// grid: the payments list, the remaining and paid amounts, the amount and quantity fields, a
// keypad with "X", the four payment modes' image buttons and "Anuleaza".
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfataincasare {

enum Gadget {
    kPayments = 1,
    kAmountLabel,
    kAmount,
    kQuantityLabel,
    kQuantity,
    kRemainingLabel,
    kRemaining,
    kPaidLabel,
    kPaid,
    kKey0,
    kPoint = kKey0 + 10,
    kX,
    kPay1,  // payment modes 1 to 4: kPay1 + mode - 1
    kPay2,
    kPay3,
    kPay4,
    kCancel,
};

inline int payGadget(int mode) {
    return kPay1 + mode - 1;
}

// The place of mode 1 to 4's image button, on the design grid.
struct ModePlace {
    int x, y, width, height;
};
ModePlace modePlace(int mode);

// The window without its payment buttons, whose images the settings name.
ui::FormSpec layout();

}  // namespace vandrix::shell::interfataincasare
