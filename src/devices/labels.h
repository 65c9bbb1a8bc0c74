// Shelf labels: the articles the labels window lists, the text of a label, and a label's
// commands to the label printer in either size.
#pragma once

#include <string>
#include <vector>

namespace vandrix::store {
class Database;
}
namespace vandrix::platform {
class LabelPrinter;
}

namespace vandrix::devices {

struct LabelRow {
    std::string name, barcode, price, unit, vat, group;
};

// One row per barcode of the articles above id 0 with a group and a VAT rate, whose name, group,
// barcode, rate or unit holds the filter.
std::vector<LabelRow> labelRows(store::Database& db, const std::string& filter);

enum class LabelSize { Small, Large };  // 38 x 25 mm and 80 x 38 mm

// "|NAME\r\n\r\nCategoria: <group>\r\n\r\n|Pret:<price RON/unit>", the group and the price
// right-aligned to fill the label's line.
std::string labelText(const LabelRow& row, LabelSize size);

// The commands of one label, as many times as the copies.
void printLabel(platform::LabelPrinter& printer, const std::string& port, const LabelRow& row,
                LabelSize size, int copies);

}  // namespace vandrix::devices
