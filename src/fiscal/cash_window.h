// The cash window "Sume Introduse/Scoase": money put into the drawer or taken out of it, told to
// the fiscal printer.
#pragma once

#include <string>

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::fiscal {

enum CashDirection { kCashOut = 0, kCashIn = 1 };

// Whether a typed amount can go into the fiscal printer's record as it is: a number above 0,
// at most two decimals and no more than the printer takes.
bool cashAmountAccepted(const std::string& typed);

// The window: the amount typed is sent to the fiscal printer with ENTER; closing it sends
// nothing.
void runCashMovement(shell::Application& app, CashDirection direction, ui::Form* parent);

}  // namespace vandrix::fiscal
