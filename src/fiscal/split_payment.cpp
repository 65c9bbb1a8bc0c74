// Split-payment rules.
#include "fiscal/split_payment.h"

#include "sale/receipt_grid.h"
#include "shell/money.h"
#include "shell/settings.h"

namespace vandrix::fiscal {

SplitOutcome addSplitPayment(SplitPayments& payments, const shell::Settings& settings, int mode,
                             const std::string& amountField, const std::string& quantityField,
                             shell::Cents* added) {
    const long code = shell::integerOf(fiscalCode(settings, mode));
    const auto typed = shell::typedAmount(quantityField, amountField);
    if (!typed)
        return SplitOutcome::Refused;
    shell::Cents amount = *typed;
    const shell::Cents remaining = shell::scaledOr0(payments.remaining, 2);
    if (amount <= 0) {
        amount = remaining;
    } else if (amount > remaining && code != 0) {
        return SplitOutcome::Refused;
    }
    payments.rows.push_back({sale::amountField(amount), modeName(settings, mode), mode});
    payments.remaining = sale::amountField(remaining - amount);
    payments.paid = sale::amountField(shell::scaledOr0(payments.paid, 2) + amount);
    if (added)
        *added = amount;
    return SplitOutcome::Added;
}

}  // namespace vandrix::fiscal
