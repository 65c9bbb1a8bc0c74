// The rules of the split-payment window: adding a payment in a mode to the payments list.
#pragma once

#include <string>
#include <vector>

#include "fiscal/printer_files.h"
#include "shell/money.h"

namespace vandrix::shell {
struct Settings;
}

namespace vandrix::fiscal {

struct SplitPayments {
    std::vector<PaymentRow> rows;
    std::string remaining;  // the remaining and paid fields' texts
    std::string paid;
};

enum class SplitOutcome { Added, Refused };

// A payment of amount x quantity, to the cent (the remaining amount when that is not above 0),
// in the mode. Overpaying is allowed only in the modes whose fiscal code is 0; otherwise, and
// for an amount that is not a number or passes the fiscal printer's limit, it is refused.
SplitOutcome addSplitPayment(SplitPayments& payments, const shell::Settings& settings, int mode,
                             const std::string& amountField, const std::string& quantityField,
                             shell::Cents* added = nullptr);

}  // namespace vandrix::fiscal
