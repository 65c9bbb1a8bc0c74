// The control digit of a fiscal code.
#include "sale/fiscal_code.h"

#include <string>

#include "shell/application.h"
#include "shell/dialogs.h"

namespace vandrix::sale {

bool fiscalCodeValid(std::int64_t code) {
    if (code < 0)
        return false;
    const std::string digits = std::to_string(code);
    const std::string key = "753217532";
    // The body's digits against the key's, both from the right; digits beyond the key count 0.
    int sum = 0;
    const int body = static_cast<int>(digits.size()) - 1;
    for (int i = 0; i < body && i < static_cast<int>(key.size()); ++i)
        sum += (digits[static_cast<size_t>(body - 1 - i)] - '0') *
               (key[key.size() - 1 - static_cast<size_t>(i)] - '0');
    const int control = sum * 10 % 11 % 10;  // 10 counts as 0
    return control == digits.back() - '0';
}

bool checkFiscalCode(shell::Application& app, std::int64_t code) {
    if (fiscalCodeValid(code))
        return true;
    app.dialogs.message("CIF Incorect", "Eroare", shell::kButtonsOk);
    return false;
}

}  // namespace vandrix::sale
