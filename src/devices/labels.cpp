// Shelf labels.
#include "devices/labels.h"

#include "platform/label_printer.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::devices {

namespace {

struct Geometry {
    const char *width, *height, *sensor, *font;
    int step, lineCharacters, groupWidth, priceWidth;
    const char* bar;  // narrow and wide bars
};

const Geometry& geometryOf(LabelSize size) {
    static const Geometry small{"38", "25", "0", "2", 20, 20, 9, 15, "2"};
    static const Geometry large{"80", "38", "1", "3", 30, 38, 27, 33, "4"};
    return size == LabelSize::Small ? small : large;
}

std::string priceText(const std::string& price) {
    const auto cents = shell::parseScaled(price, 2);
    return cents ? shell::formatCents(*cents) : price;
}

}  // namespace

std::vector<LabelRow> labelRows(store::Database& db, const std::string& filter) {
    const std::string like = "%" + filter + "%";
    auto q = db.query(
        "select a.nume,a.pret,a.um,b.denumire,c.procent,d.codbar from articol as a,grupa as b,tva "
        "as c,codbar as d where a.idgrupa = b.id and a.idtva = c.id and a.id>0 and "
        "d.idarticol=a.id and (a.nume like ? or b.denumire  like ? or d.codbar  like ? or "
        "c.procent like ? or a.um like ?) order by a.nume,d.id;",
        {like, like, like, like, like});
    std::vector<LabelRow> rows;
    while (q.next())
        rows.push_back(
            {q.text(0), q.text(5), priceText(q.text(1)), q.text(2), q.text(4), q.text(3)});
    return rows;
}

std::string labelText(const LabelRow& row, LabelSize size) {
    const Geometry& g = geometryOf(size);
    return "|" + row.name + "\r\n\r\nCategoria: " + shell::rightAlign(row.group, g.groupWidth) +
           "\r\n\r\n|Pret:" +
           shell::rightAlign(priceText(row.price) + " RON/" + row.unit, g.priceWidth);
}

void printLabel(platform::LabelPrinter& printer, const std::string& port, const LabelRow& row,
                LabelSize size, int copies) {
    const Geometry& g = geometryOf(size);
    const bool small = size == LabelSize::Small;
    const std::string text = labelText(row, size);
    const std::string code = shell::trim(row.barcode);
    for (int copy = 0; copy < copies; ++copy) {
        printer.openport(port);
        printer.setup(g.width, g.height, "4", "10", g.sensor, "2", "0");
        printer.clearbuffer();
        // The text block, a line at a time; a line marked "|" in bold (printed three more times,
        // a dot apart).
        std::size_t start = 0;
        for (int i = 0; start <= text.size(); ++i) {
            std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos)
                end = text.size();
            std::string line = text.substr(start, end - start);
            start = end + 2;
            const bool bold = !line.empty() && line[0] == '|';
            std::erase(line, '|');
            if (static_cast<int>(line.size()) > g.lineCharacters)
                line = shell::rightAlign(line, g.lineCharacters);  // its first characters
            const int y = 20 + g.step * i;
            printer.printerfont("15", std::to_string(y), g.font, "0", "1", "1", line);
            if (bold) {
                printer.printerfont("16", std::to_string(y), g.font, "0", "1", "1", line);
                printer.printerfont("17", std::to_string(y), g.font, "0", "1", "1", line);
                printer.printerfont("15", std::to_string(y + 1), g.font, "0", "1", "1", line);
            }
        }
        // The code: a short internal code as "PLU:", 13 digits as EAN-13, any other as Code 128.
        if (code.size() < 6) {
            printer.printerfont(small ? "55" : "145", small ? "130" : "190", small ? "4" : "5", "0",
                                "1", "1", "PLU:" + shell::rightAlign(code, small ? 5 : 7));
        } else if (code.size() == 13) {
            printer.barcode(small ? "60" : "150", small ? "120" : "180", "EAN13", "50", "1", "0",
                            g.bar, g.bar, code.substr(0, 12));
        } else {
            std::string long128 = code.size() == 19 ? "0" + code : code;
            if (long128.size() > 20)
                long128.resize(20);
            printer.barcode(small ? "5" : "80", small ? "120" : "180", "128", "50", "1", "0", g.bar,
                            g.bar, long128);
        }
        printer.printlabel("1", "1");
    }
}

}  // namespace vandrix::devices
