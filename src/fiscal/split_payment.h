// The rules of the split-payment window: adding a payment in a mode to the payments list.
#pragma once

#include <string>
#include <vector>

#include "fiscal/printer_files.h"

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

// A payment of amount x quantity (the remaining amount when that is not above 0) in the mode.
// Overpaying is allowed only in the modes whose fiscal code is 0; otherwise it is refused.
SplitOutcome addSplitPayment(SplitPayments& payments, const shell::Settings& settings, int mode,
                             const std::string& amountField, const std::string& quantityField,
                             double* added = nullptr);

}  // namespace vandrix::fiscal
