// Layout of the line-price window "ModificaPret" on its 230 x 280 design grid.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::modificapret {

enum Gadget { kLabel = 1, kPrice, kDelete, kEnter, kKey0, kPoint = kKey0 + 10 };

ui::FormSpec layout();

}  // namespace vandrix::shell::modificapret
