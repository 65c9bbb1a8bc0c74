// Layout of the cash in / cash out window `Interfatasume` on its 250 x 300 design grid.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfatasume {

enum Gadget { kLabel = 1, kAmount, kKey0, kPoint = kKey0 + 10, kEnter };

ui::FormSpec layout(const std::string& caption);

}  // namespace vandrix::shell::interfatasume
