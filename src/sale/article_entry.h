// Article entry: what a confirmed code does to the receipt, with its checks and messages.
#pragma once

#include <string>

#include "sale/receipt_grid.h"

namespace vandrix::shell {
struct Application;
}

namespace vandrix::sale {

// The back-office access code: typed into the entry field it opens the back-office choice.
constexpr long long kBackOfficeCode = 2064917385520LL;

// The sale window's fields as the entry and the payment work on them.
struct EntryFields {
    std::string entry;
    std::string quantity = "1.000";
    std::string total = "   0.00";
    std::string paid;  // the amount paid so far (a hidden field)
};

// What the sale window must open after a code, when anything.
enum class EntryOutcome { Done, BackOffice, Administration, Tip, Discount };

// Looks the code up and adds or merges its line, in the order and with the messages of the
// sale screen; the windows it leads to are returned for the caller to open.
EntryOutcome processCode(shell::Application& app, const std::string& code, ReceiptGrid& grid,
                         EntryFields& fields);

// The customer-display lines for a line just added, and for a row removed.
void showAddedLine(shell::Application& app, const std::string& name, shell::Cents amount,
                   const std::string& total);
void showRemovedLine(shell::Application& app, const std::string& total);

}  // namespace vandrix::sale
