// End-of-day periods: the period total and the one-time repair of the closed periods' totals.
#pragma once

#include <string>

#include "shell/money.h"

namespace vandrix::store {
class Database;
}

namespace vandrix::fiscal {

// The period's sales over all payment modes: sum of numerar + card + credit + valbonmasa *
// nrbonmasa over the period's receipts, in cents. `numerar` is the cash kept (the change given
// back is not in it), so this is what the fiscal printer's Z report counts.
shell::Cents periodTotal(store::Database& db, long period);

// Recomputes z of every closed period from 2 to the last id - 1, once per installation (while
// "fixzrapoarte" is missing or not empty), through a second connection to the database file,
// in one transaction; the empty marker is written after it committed. Returns the period to
// carry on with when the repair ran (the last eod id, 2 when that is less than 3), 0 when it
// did not run or could not be done.
long repairPeriodTotals(const std::string& databasePath);

}  // namespace vandrix::fiscal
