// Layout of the wait window "Asteptati" on its 200 x 24 design grid: one progress bar, shown
// while an import reads its lines.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::asteptati {

enum Gadget { kProgress = 1 };

ui::FormSpec layout();

}  // namespace vandrix::shell::asteptati
