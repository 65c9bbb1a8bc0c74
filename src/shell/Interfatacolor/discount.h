// Layout of the discount window "Discount" on its 240 x 310 design grid.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::discount {

enum Gadget { kLabel = 1, kPercent, kDelete, kEnter, kKey0, kPoint = kKey0 + 10 };

ui::FormSpec layout();

}  // namespace vandrix::shell::discount
