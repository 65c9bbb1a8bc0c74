// Split-payment rules.
#include "fiscal/split_payment.h"

#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::fiscal {

using shell::money;
using shell::numberOf;
using shell::rightAlign;

SplitOutcome addSplitPayment(SplitPayments& payments, const shell::Settings& settings, int mode,
                             const std::string& amountField, const std::string& quantityField,
                             double* added) {
    const long code = shell::integerOf(fiscalCode(settings, mode));
    double amount = shell::round2(numberOf(amountField) * numberOf(quantityField));
    const double remaining = numberOf(payments.remaining);
    if (amount <= 0) {
        amount = remaining;
    } else if (static_cast<float>(amount) > static_cast<float>(remaining) && code != 0) {
        return SplitOutcome::Refused;
    }
    payments.rows.push_back({rightAlign(money(amount), 7), modeName(settings, mode), mode});
    payments.remaining = rightAlign(money(remaining - amount), 7);
    payments.paid = rightAlign(money(numberOf(payments.paid) + amount), 7);
    if (added)
        *added = amount;
    return SplitOutcome::Added;
}

}  // namespace vandrix::fiscal
