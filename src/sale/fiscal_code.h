// The check of a Romanian fiscal code (CUI/CIF): its last digit is a control digit computed from
// the others with the key 753217532.
#pragma once

#include <cstdint>

namespace vandrix::shell {
struct Application;
}

namespace vandrix::sale {

// True when the code's control digit is right (0 counts as valid; a negative number never is).
bool fiscalCodeValid(std::int64_t code);

// The same, telling the cashier "CIF Incorect" when it is not.
bool checkFiscalCode(shell::Application& app, std::int64_t code);

}  // namespace vandrix::sale
