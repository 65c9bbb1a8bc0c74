// Layout of the buyer's fiscal-code window "CUI pe BON" on its 240 x 280 design grid.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::cuipebon {

enum Gadget { kCode = 1, kDelete, kEnter, kRo, kKey0, kPoint = kKey0 + 10 };

ui::FormSpec layout();

}  // namespace vandrix::shell::cuipebon
