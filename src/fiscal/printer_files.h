// The files exchanged with the fiscal-printer driver: what a paid receipt's three files are made
// of, the X and Z report requests, cash in and out, and the tip receipt. A receipt's files are
// spooled and delivered by fiscal/receipt_spool.h.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "sale/receipt_grid.h"

namespace vandrix::platform {
class Clock;
}
namespace vandrix::shell {
struct Settings;
}

namespace vandrix::fiscal {

// One row of the split-payment list: the "Valoare" text (two decimals, right-aligned in 7), the
// mode name without spaces and the mode index ("Tip").
struct PaymentRow {
    std::string value;
    std::string modeName;
    int mode = 0;
};

// What the receipt files are made of.
struct ReceiptForFiles {
    const sale::ReceiptGrid* grid = nullptr;
    int mode = 0;                      // 1 to 4: paid in one mode; 0: through the split window
    std::string paidField;             // the paid field's text (one mode)
    std::vector<PaymentRow> payments;  // the split-payment list (mode 0)
    std::string cui;                   // the buyer's fiscal code, "" when none
    std::string freeText;              // the four free-text lines joined with "|", "" when none
};

// The X (kind 0) or Z (kind 1) report request; nothing when the Fiscal setting is 0. Returns the
// path of the delivered file ("" when none was written or it could not be delivered).
std::string writeReportRequest(int kind, long period, const shell::Settings& settings,
                               platform::Clock& clock);

// Cash in (direction 1) or out (0) of the typed amount, with the time stamp
// "%yyyy%mm%dd%hh%ii%ss" of the moment the cash window opened. Returns the delivered path or "".
std::string writeCashMovement(int direction, const std::string& amount, const std::string& stamp,
                              const shell::Settings& settings);

// The tip receipt's fixed-column file for the tip line of the grid. Returns the delivered path
// or "".
std::string writeTipFile(const sale::Row& tipLine, long period, const std::string& cui,
                         const std::string& freeText, const std::string& stamp,
                         const shell::Settings& settings);

// The mode's name without spaces and its fiscal code, from "ModuriPlata.ini".
std::string modeName(const shell::Settings& settings, int mode);
std::string fiscalCode(const shell::Settings& settings, int mode);

}  // namespace vandrix::fiscal
