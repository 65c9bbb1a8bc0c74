// The buyer's data from the VAT-payer service: not reached yet, so nothing is found.
#include "invoice/partner_lookup.h"

namespace vandrix::invoice {

std::string lookupVatPayer(std::int64_t) {
    return "";
}

std::string lookupRegistrationNumber(std::int64_t) {
    return "";
}

}  // namespace vandrix::invoice
