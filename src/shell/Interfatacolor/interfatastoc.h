// Layout of the stock count window "Stoc" on its 360 x 520 design grid: the count list, the
// barcode and quantity inputs, the article display and two buttons.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfatastoc {

enum Gadget { kCount = 1, kBarcode, kQuantity, kArticle, kCheck, kExit };

ui::FormSpec layout();

}  // namespace vandrix::shell::interfatastoc
