// The receipt being built: the rows of the sale window's grid, eight text cells each. It is the
// only copy of the receipt; payment, storage and the fiscal files read its cells.
#pragma once

#include <array>
#include <string>
#include <vector>

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
    void append(const Row& row) { rows_.push_back(row); }
    void remove(int row);
    void clear();

    int selected() const { return selected_; }  // -1 when no row is selected
    void select(int row) { selected_ = row >= 0 && row < size() ? row : -1; }

  private:
    std::vector<Row> rows_;
    int selected_ = -1;
};

// True for the discount line: its name, trimmed and upper-cased, begins with "DISCOUNT".
bool isDiscountRow(const Row& row);

// A line's amount: quantity times price, rounded to two decimals.
double lineAmount(const Row& row);

// Recomputes the total after a change of the grid: a lone discount row is removed, the
// discount row moves to the end and applies its percentage to the lines above it, and the last
// row is selected. Returns the total with two decimals right-aligned in 7 characters.
std::string recomputeReceiptTotals(ReceiptGrid& grid);

// Cell texts: quantities with three decimals and money with two, right-aligned in 7; the
// discount line's price "%" and the percentage right-aligned in 6.
std::string quantityCell(double quantity);
std::string priceCell(double price);
std::string discountCell(double percent);

}  // namespace vandrix::sale
