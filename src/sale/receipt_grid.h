// The receipt being built: the rows of the sale window's grid, eight text cells each. It is the
// only copy of the receipt; payment, storage and the fiscal files read its cells.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/money.h"

namespace vandrix::sale {

enum Column {
    kNameCell,
    kUnitCell,
    kQuantityCell,
    kPriceCell,
    kIdCell,
    kCodeCell,
    kVatGroupCell,
    kGroupCell,
    kColumnCount
};
using Row = std::array<std::string, kColumnCount>;

class ReceiptGrid {
  public:
    int size() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    const Row& row(int i) const { return rows_.at(static_cast<size_t>(i)); }
    const std::string& cell(int row, Column column) const { return this->row(row)[column]; }
    void setCell(int row, Column column, const std::string& text) {
        rows_.at(static_cast<size_t>(row))[column] = text;
    }
    void append(const Row& row) {
        rows_.push_back(row);
        repriced_.push_back(false);
    }
    void remove(int row);
    void clear();

    int selected() const { return selected_; }  // -1 when no row is selected
    void select(int row) { selected_ = row >= 0 && row < size() ? row : -1; }

    // A line whose price the cashier changed (shown in red).
    bool repriced(int row) const { return repriced_.at(static_cast<size_t>(row)); }
    void markRepriced(int row) { repriced_.at(static_cast<size_t>(row)) = true; }

  private:
    std::vector<Row> rows_;
    std::vector<bool> repriced_;
    int selected_ = -1;
};

// True for the discount line: the line of the discount article, id -1. (Not by its name: an
// article may be called "Discount card" and must be sold as an article everywhere.)
bool isDiscountRow(const Row& row);

// A line's amount: quantity times price, to the cent.
shell::Cents lineAmount(const Row& row);

// The discount line's percentage, in hundredths ("%  10.00" is 1000).
shell::Hundredths discountPercent(const Row& row);

// The receipt's value: the sum of the line amounts, less the discount taken from the sum of the
// lines above it (the discount line stands last once the total was recomputed).
shell::Cents receiptTotal(const ReceiptGrid& grid);

// Recomputes the total after a change of the grid: a lone discount row is removed, the
// discount row moves to the end and applies its percentage to the lines above it, and the last
// row is selected. Returns the total with two decimals right-aligned in 7 characters.
std::string recomputeReceiptTotals(ReceiptGrid& grid);

// Cell texts: quantities with three decimals and money with two, right-aligned in 7; the
// discount line's price "%" and the percentage right-aligned in 6.
// A number wider than the field widens the cell, it is never cut.
std::string quantityCell(shell::Thousandths quantity);
std::string priceCell(shell::Cents price);
std::string discountCell(shell::Hundredths percent);

// The total and paid fields' text: the amount right-aligned in 7, wider when it needs.
std::string amountField(shell::Cents amount);

}  // namespace vandrix::sale
