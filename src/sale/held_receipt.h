// The held ("parked") receipt and its file "bonasteptare": one line per receipt line, each of the
// eight cells followed by "|", the line ended by CR LF, UTF-8.
//
// A cell that holds "|", a line break or "\" would not come back as it was, so those characters
// are written escaped: "\|", "\r", "\n" and "\\". A receipt without them is written exactly as
// the plain format has it.
#pragma once

#include <string>
#include <vector>

#include "sale/receipt_grid.h"

namespace vandrix::sale {

inline constexpr const char* kHeldReceiptFile = "bonasteptare";

// The file's lines (without their CR LF) for the receipt's rows.
std::vector<std::string> heldReceiptLines(const ReceiptGrid& grid);

// The receipt's rows from the file's lines; an empty line adds no row, a line with fewer cells
// leaves the rest empty and cells beyond the eighth are dropped.
ReceiptGrid heldReceiptRows(const std::vector<std::string>& lines);

}  // namespace vandrix::sale
