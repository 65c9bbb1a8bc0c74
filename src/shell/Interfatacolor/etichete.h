// Layout of the shelf labels window "Etichete" on its 780 x 520 design grid: the filter, the
// article list with check boxes, the four buttons and the copies.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::etichete {

enum Gadget {
    kFilter = 1,
    kArticles,
    kPrintSmall,
    kPrintLarge,
    kSelectAll,
    kSelectNone,
    kCopiesLabel,
    kCopies
};

ui::FormSpec layout();

}  // namespace vandrix::shell::etichete
