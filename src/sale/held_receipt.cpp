// Writing a receipt's rows into the held-receipt lines and reading them back.
#include "sale/held_receipt.h"

namespace vandrix::sale {

std::vector<std::string> heldReceiptLines(const ReceiptGrid& grid) {
    std::vector<std::string> lines;
    for (int i = 0; i < grid.size(); ++i) {
        std::string line;
        for (const std::string& cell : grid.row(i)) {
            for (char c : cell) {
                switch (c) {
                    case '|':
                        line += "\\|";
                        break;
                    case '\\':
                        line += "\\\\";
                        break;
                    case '\r':
                        line += "\\r";
                        break;
                    case '\n':
                        line += "\\n";
                        break;
                    default:
                        line += c;
                }
            }
            line += '|';
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

ReceiptGrid heldReceiptRows(const std::vector<std::string>& lines) {
    ReceiptGrid grid;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        Row row{};
        size_t column = 0;
        std::string cell;
        for (size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '\\' && i + 1 < line.size()) {
                const char next = line[++i];
                cell += next == 'r' ? '\r' : next == 'n' ? '\n' : next;
            } else if (c == '|') {
                if (column < row.size())
                    row[column] = cell;
                ++column;
                cell.clear();
            } else {
                cell += c;
            }
        }
        if (!cell.empty() && column < row.size())
            row[column] = cell;  // a last cell without its "|"
        grid.append(row);
    }
    return grid;
}

}  // namespace vandrix::sale
