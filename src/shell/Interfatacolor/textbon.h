// Layout of the receipt text window "Text" on its 300 x 116 design grid.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::textbon {

enum Gadget { kLabel1 = 1, kLine1 = 5, kOk = 9 };

inline int lineField(int i) {  // i from 0 to 3
    return kLine1 + i;
}

ui::FormSpec layout();

}  // namespace vandrix::shell::textbon
