// The held ("parked") receipt and its file "bonasteptare": one line per receipt line, each of the
// eight cells followed by "|", the line ended by CR LF, UTF-8.
//
// A cell that holds "|", a line break or "\" would not come back as it was, so those characters
// are written escaped: "\|", "\r", "\n" and "\\". A receipt without them is written exactly as
// the plain format has it.
//
// What belongs to the receipt beside its lines follows them on lines that begin with a "\" and a
// letter, which no receipt line can begin with (a cell's own "\" is written "\\"): "\CUI|code|"
// for the buyer's fiscal code, "\TEXT|text|" for the receipt's free text and "\ROSU|i|j|..." for
// the lines whose price the cashier changed. A file without them (an earlier version's) reads as
// a receipt with no code, no text and no changed price.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sale/receipt_grid.h"

namespace vandrix::sale {

inline constexpr const char* kHeldReceiptFile = "bonasteptare";
// Where the file waits while its receipt is taken back.
inline constexpr const char* kHeldReceiptTaking = "bonasteptare.preluare";

// A held receipt has at most as many lines as a receipt on screen; a longer or larger file was
// not written by the program and is refused before it is read.
inline constexpr int kMaxHeldLines = 1000;
inline constexpr std::int64_t kMaxHeldFileBytes = 1024 * 1024;

struct HeldReceipt {
    ReceiptGrid grid;  // with the lines whose price was changed marked
    std::string buyerFiscalCode;
    std::string receiptText;
};

// The file's lines (without their CR LF) for the receipt.
std::vector<std::string> heldReceiptLines(const HeldReceipt& receipt);

// What the receipt's lines are checked against when it comes back: the article and the VAT
// group must exist in the shop as they do for a scanned code.
struct HeldReceiptChecks {
    std::function<bool(const std::string& articleId)> articleExists;
    std::function<bool(int vatGroup)> vatGroupExists;
};

// The receipt read back, or why the file cannot be taken (the line and the cause, in Romanian).
struct HeldReceiptRead {
    std::optional<HeldReceipt> receipt;
    std::string problem;
};

// Reads the file's lines through the checks of entry: every line has its eight cells, numbers
// that are numbers as the grid writes them, a quantity above 0, a price and a line value within
// the fiscal printer's limits, a discount of at most 99.99 %, an article and a VAT group that
// exist, no control character; the whole receipt within the limits. The cells come back as the
// grid writes them. Empty lines are skipped.
HeldReceiptRead readHeldReceipt(const std::vector<std::string>& lines,
                                const HeldReceiptChecks& checks);

}  // namespace vandrix::sale
