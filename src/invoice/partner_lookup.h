// The buyer's data from the tax authority's VAT-payer service, by fiscal code. Until the service
// is reached from here, both look-ups answer empty, which the invoice window takes as a service
// that could not be reached.
#pragma once

#include <cstdint>
#include <string>

namespace vandrix::invoice {

// The service's host, named in the message of a look-up that brought nothing.
inline constexpr const char* kVatServiceHost = "webservicesp.anaf.ro";

// "|address|name|TRUE" (or FALSE: not a VAT payer); "" when nothing could be read.
std::string lookupVatPayer(std::int64_t code);
// The trade-register number; "" when unknown.
std::string lookupRegistrationNumber(std::int64_t code);

}  // namespace vandrix::invoice
