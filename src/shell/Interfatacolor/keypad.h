// The numeric keypad that several windows share: 7 8 9 / 4 5 6 / 1 2 3 in rows, then a double
// width "0" and ".".
#pragma once

#include <vector>

#include "ui/gadget.h"

namespace vandrix::shell {

// Adds the keys "0" to "9" (gadgets key0 to key0 + 9) and "." (gadget point) with their top left
// at (x, y), each key w by h, the row of "0" and "." lastRowHeight high.
void addKeypad(std::vector<ui::GadgetSpec>& gadgets, int key0, int point, int x, int y, int w,
               int h, int lastRowHeight);

}  // namespace vandrix::shell
