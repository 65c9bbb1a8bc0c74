// Writing a held receipt into its file's lines and reading it back through the entry's checks.
#include "sale/held_receipt.h"

#include <algorithm>

#include "platform/utf8.h"
#include "sale/receipt_limits.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::sale {
namespace {

// The names of the lines beside the receipt's lines; each is written after a "\\".
constexpr const char* kCodeLine = "CUI";
constexpr const char* kTextLine = "TEXT";
constexpr const char* kRepricedLine = "ROSU";

// A cell longer than this was not written by the program.
constexpr size_t kMaxCellBytes = 1024;

std::string escaped(const std::string& cell) {
    std::string out;
    for (char c : cell) {
        switch (c) {
            case '|':
                out += "\\|";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The cells of a line, each ended by "|"; nullopt when the line does not end with one (a line
// cut short).
std::optional<std::vector<std::string>> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            cell += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
        } else if (c == '|') {
            cells.push_back(std::move(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.empty() || line.empty() || line.back() != '|')
        return std::nullopt;
    return cells;
}

bool hasControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 || u == 0x7F;
    });
}

// A number exactly as the grid writes it (right-aligned, "." and all its decimals).
std::optional<std::int64_t> gridNumber(const std::string& cell, int decimals) {
    const std::string text = shell::trim(cell);
    const auto value = shell::parseScaled(text, decimals);
    if (!value || shell::formatScaled(*value, decimals) != text)
        return std::nullopt;
    return value;
}

bool smallInteger(const std::string& cell, int digits) {
    const std::string text = shell::trim(cell);
    return !text.empty() && static_cast<int>(text.size()) <= digits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The receipt line with its cells as the grid writes them, or the cause it cannot be one.
std::optional<Row> checkedRow(const std::vector<std::string>& cells,
                              const HeldReceiptChecks& checks, std::string& problem) {
    if (cells.size() != kColumnCount) {
        problem = "linia nu are cele 8 campuri ale unui articol";
        return std::nullopt;
    }
    Row row;
    std::copy(cells.begin(), cells.end(), row.begin());
    for (const std::string& cell : row)
        if (cell.size() > kMaxCellBytes || hasControlCharacter(cell)) {
            problem = "linia are un camp prea lung sau caractere de control";
            return std::nullopt;
        }
    const std::string id = shell::trim(row[kIdCell]);
    if (id == "-1") {
        // "%" and the percentage; "0.00" while the discount window was closed without one.
        std::string percent = shell::trim(row[kPriceCell]);
        if (!percent.empty() && percent[0] == '%')
            percent.erase(0, 1);
        const auto value = gridNumber(percent, 2);
        if (!value || *value < 0 || *value > kMaxDiscount) {
            problem = "discountul \"" + shell::trim(row[kPriceCell]) + "\" nu este permis";
            return std::nullopt;
        }
        row[kQuantityCell] = quantityCell(1000);
        row[kPriceCell] = discountCell(*value);
        return row;
    }
    // The tip is never parked: it is recorded as soon as its amount is typed.
    const bool integer = !id.empty() && smallInteger(id[0] == '-' ? id.substr(1) : id, 18);
    if (!integer || id == "0" || !checks.articleExists || !checks.articleExists(id)) {
        problem = "articolul cu id \"" + id + "\" nu exista";
        return std::nullopt;
    }
    const auto quantity = gridNumber(row[kQuantityCell], 3);
    if (!quantity || *quantity <= 0 || *quantity > shell::kMaxQuantity) {
        problem = "cantitatea \"" + shell::trim(row[kQuantityCell]) + "\" nu este permisa";
        return std::nullopt;
    }
    const auto price = gridNumber(row[kPriceCell], 2);
    if (!price || *price < 0 || *price > shell::kMaxAmount ||
        shell::lineValue(*price, *quantity) > shell::kMaxAmount) {
        problem = "pretul \"" + shell::trim(row[kPriceCell]) + "\" nu este permis";
        return std::nullopt;
    }
    const std::string vat = shell::trim(row[kVatGroupCell]);
    if (vat.size() != 1 || vat[0] < '1' || vat[0] > '5' || !checks.vatGroupExists ||
        !checks.vatGroupExists(vat[0] - '0')) {
        problem = "grupa de TVA \"" + vat + "\" nu exista";
        return std::nullopt;
    }
    if (!smallInteger(row[kGroupCell], 4)) {
        problem = "grupa \"" + shell::trim(row[kGroupCell]) + "\" nu este permisa";
        return std::nullopt;
    }
    row[kQuantityCell] = quantityCell(*quantity);
    row[kPriceCell] = priceCell(*price);
    row[kIdCell] = id;
    row[kVatGroupCell] = vat;
    row[kGroupCell] = shell::trim(row[kGroupCell]);
    return row;
}

HeldReceiptRead refused(size_t lineNumber, const std::string& problem) {
    return {std::nullopt, "linia " + std::to_string(lineNumber) + ": " + problem};
}

}  // namespace

std::vector<std::string> heldReceiptLines(const HeldReceipt& receipt) {
    std::vector<std::string> lines;
    std::string repriced;
    for (int i = 0; i < receipt.grid.size(); ++i) {
        std::string line;
        for (const std::string& cell : receipt.grid.row(i))
            line += escaped(cell) + '|';
        lines.push_back(std::move(line));
        if (receipt.grid.repriced(i))
            repriced += std::to_string(i) + '|';
    }
    if (!receipt.buyerFiscalCode.empty())
        lines.push_back(std::string("\\") + kCodeLine + '|' + escaped(receipt.buyerFiscalCode) +
                        '|');
    if (!receipt.receiptText.empty())
        lines.push_back(std::string("\\") + kTextLine + '|' + escaped(receipt.receiptText) + '|');
    if (!repriced.empty())
        lines.push_back(std::string("\\") + kRepricedLine + '|' + repriced);
    return lines;
}

HeldReceiptRead readHeldReceipt(const std::vector<std::string>& lines,
                                const HeldReceiptChecks& checks) {
    HeldReceipt receipt;
    std::vector<std::string> repriced;
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        if (line.empty())
            continue;
        if (!platform::isValidUtf8(line))
            return refused(n + 1, "linia nu este text");
        const auto cells = cellsOf(line);
        if (!cells)
            return refused(n + 1, "linia este incompleta");
        const bool extra = line.size() > 1 && line[0] == '\\' && line[1] >= 'A' && line[1] <= 'Z';
        if (extra && (*cells)[0] == kCodeLine && cells->size() == 2 &&
            !hasControlCharacter((*cells)[1]) && (*cells)[1].size() <= 20) {
            receipt.buyerFiscalCode = (*cells)[1];
        } else if (extra && (*cells)[0] == kTextLine && cells->size() == 2 &&
                   (*cells)[1].size() <= 4 * kMaxCellBytes && !hasControlCharacter((*cells)[1])) {
            receipt.receiptText = (*cells)[1];
        } else if (extra && (*cells)[0] == kRepricedLine) {
            repriced.assign(cells->begin() + 1, cells->end());
        } else if (extra) {
            return refused(n + 1, "linia nu este a unui bon");
        } else {
            if (receipt.grid.size() >= kMaxHeldLines)
                return refused(n + 1,
                               "bonul are mai mult de " + std::to_string(kMaxHeldLines) + " linii");
            std::string problem;
            const auto row = checkedRow(*cells, checks, problem);
            if (!row)
                return refused(n + 1, problem);
            receipt.grid.append(*row);
        }
    }
    for (const std::string& index : repriced) {
        const auto i = shell::parseScaled(index, 0);
        if (!i || *i < 0 || *i >= receipt.grid.size() ||
            isDiscountRow(receipt.grid.row(static_cast<int>(*i))))
            return {std::nullopt, "liniile cu pret modificat nu sunt ale bonului"};
        receipt.grid.markRepriced(static_cast<int>(*i));
    }
    if (!withinReceiptLimits(receipt.grid))
        return {std::nullopt, receiptLimitMessage()};
    return {std::move(receipt), ""};
}

}  // namespace vandrix::sale
