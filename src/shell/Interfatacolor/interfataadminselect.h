// Layout of the back-office choice window "Selecteaza" on its 230 x 320 design grid: four
// buttons stacked from the top.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfataadminselect {

enum Gadget { kAdmin = 1, kImportArticles, kImportPriceChanges, kStock };

ui::FormSpec layout();

}  // namespace vandrix::shell::interfataadminselect
