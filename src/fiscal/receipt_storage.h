// Storing a paid receipt: one row of `bon` and one row of `spbon` per line, numbered within the
// open period, with the payment split and the VAT and gross sums of the five VAT groups.
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "sale/receipt_grid.h"
#include "shell/money.h"

namespace vandrix::store {
class Database;
}

namespace vandrix::fiscal {

// The VAT rate of groups 1 to 5 in hundredths of a percent (index 0 unused); a rate that is not
// a number ("FaraTVA") counts as 0.
using VatRates = std::array<shell::Hundredths, 6>;
VatRates readVatRates(store::Database& db);

// VAT and gross sums of groups 1 to 5 as two-decimal texts; "" for a group without a line.
// A group's gross is the sum of its line values less its share of the receipt's discount (the
// discount is spread over the groups in proportion to their gross values, the leftover cent
// going to the largest group, the lowest number on a tie), so the gross sums add up to the
// receipt's value; a group's VAT is its gross x rate / (100 + rate), rounded once.
struct VatSums {
    std::array<std::string, 6> vat;
    std::array<std::string, 6> gross;
};
VatSums vatSums(const sale::ReceiptGrid& grid, const VatRates& rates);

// The `pret` written for each line: the price as a plain number ("12.5", "3"), and for a
// discount line the negative amount by which it reduced the receipt.
std::vector<std::string> storedPrices(const sale::ReceiptGrid& grid);

// The cash that stayed in the drawer: the cash paid less the change given back (only cash
// gives change). It is what `numerar` holds, so the period's total is what the shop sold and
// agrees with the fiscal printer's own Z report.
shell::Cents cashKept(const std::array<shell::Cents, 5>& paidByMode, shell::Cents receiptSum);

struct ReceiptToStore {
    const sale::ReceiptGrid* grid = nullptr;
    shell::Cents receiptSum = 0;
    std::array<shell::Cents, 5> paidByMode{};  // modes 1 to 4
    std::string paidField;                     // as shown, right-aligned
    std::string cui;
    long period = 0;
    std::string pos;
    std::time_t time = 0;
};

struct StoredReceipt {
    bool stored = false;  // false when the rows could not be written (none was)
    long receiptId = 0;
    long receiptNumber = 0;
    std::string error;  // the database's words when not stored
    int errorCode = 0;  // and its result code
};

// Runs inside the receipt's transaction once its id is known, before its rows are written;
// false stops the storing (nothing is committed).
using BeforeRows = std::function<bool(long receiptId)>;

// Writes the receipt's rows in one transaction, so a receipt is stored whole or not at all.
StoredReceipt storeReceipt(store::Database& db, const ReceiptToStore& receipt,
                           const BeforeRows& beforeRows = {});

// The tip receipt's rows: valbon and numerar the tip's value, the rest 0 or empty. With
// numbered false the receipt number is 0.
StoredReceipt storeTipReceipt(store::Database& db, const ReceiptToStore& receipt, bool numbered,
                              const BeforeRows& beforeRows = {});

}  // namespace vandrix::fiscal
