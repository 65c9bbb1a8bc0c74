// The tip receipt: a receipt whose only line is the tip article, stored and sent to the fiscal
// printer as a receipt of its own.
#pragma once

#include <string>

#include "sale/receipt_grid.h"

namespace vandrix::shell {
struct Application;
}

namespace vandrix::fiscal {

// Stores the tip in the grid and writes its file when the total is above 0; with a total of 0
// or less it is stored without a number and without a file when "param1" is set, and refused
// with "Suma Nepermisa" otherwise. The grid and the total field are cleared when it was stored.
void writeTipReceipt(shell::Application& app, sale::ReceiptGrid& grid, std::string& totalField);

}  // namespace vandrix::fiscal
