// Layout of the reports window `Interfatarapoarte` on its 600 x 400 design grid.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::interfatarapoarte {

enum Gadget {
    kPeriods = 1,
    kCashIn,
    kCashOut,
    kReportZ,
    kReportX,
    kPriceChanges,
    kStock,
    kSales,
    kLabels,
    kInvoice,
};

ui::FormSpec layout();

}  // namespace vandrix::shell::interfatarapoarte
