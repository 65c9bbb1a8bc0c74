// Storing a paid receipt: one row of `bon` and one row of `spbon` per line, numbered within the
// open period, with the payment split and the VAT and gross sums of the five VAT groups.
#pragma once

#include <array>
#include <ctime>
#include <string>
#include <vector>

#include "sale/receipt_grid.h"

namespace vandrix::store {
class Database;
}

namespace vandrix::fiscal {

// The VAT rate of groups 1 to 5 (index 0 unused); a rate that is not a number counts as 0.
using VatRates = std::array<double, 6>;
VatRates readVatRates(store::Database& db);

// VAT and gross sums of groups 1 to 5 as two-decimal texts; "" for a group without a line.
struct VatSums {
    std::array<std::string, 6> vat;
    std::array<std::string, 6> gross;
};
VatSums vatSums(const sale::ReceiptGrid& grid, const VatRates& rates);

// The `pret` written for each line: the price as a plain number ("12.5", "3"), and for a
// discount line the negative amount by which it reduced the receipt.
std::vector<std::string> storedPrices(const sale::ReceiptGrid& grid);

struct ReceiptToStore {
    const sale::ReceiptGrid* grid = nullptr;
    double receiptSum = 0;
    std::array<double, 5> paidByMode{};  // modes 1 to 4
    std::string paidField;               // as shown, right-aligned
    std::string cui;
    long period = 0;
    std::string pos;
    std::time_t time = 0;
};

struct StoredReceipt {
    bool stored = false;  // false when the rows could not be written (nothing was)
    long receiptId = 0;
    long receiptNumber = 0;
};

// Writes the receipt's rows in one transaction, so a receipt is never stored without its lines.
StoredReceipt storeReceipt(store::Database& db, const ReceiptToStore& receipt);

// The tip receipt's rows: valbon and numerar the tip's value, the rest 0 or empty. With
// numbered false the receipt number is 0.
StoredReceipt storeTipReceipt(store::Database& db, const ReceiptToStore& receipt, bool numbered);

}  // namespace vandrix::fiscal
