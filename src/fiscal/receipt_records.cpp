// The records of a paid receipt: the driver's command file, the note printers' text and the
// Datecs-style copy, with the receipt's value and the amounts paid in each mode.
#include <algorithm>
#include <string_view>

#include "fiscal/printer_records.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::fiscal {
namespace {

using platform::EncodedLine;
using platform::Encoding;
using shell::Cents;
using shell::formatCents;
using shell::padLeft;
using shell::scaledOr0;
using shell::trim;

constexpr const char* kDatecsPrefix = ",1,______,_,__;";

std::string datecs(char command, const std::string& fields) {
    return std::string(1, command) + kDatecsPrefix + fields;
}

std::string driverField(const std::string& text) {
    return withSpacesFor(text, "|~");
}
std::string datecsField(const std::string& text) {
    return withSpacesFor(text, ";");
}
std::string textField(const std::string& text) {
    return withSpacesFor(text, "");
}

bool validMode(int mode) {
    return mode >= 1 && mode <= 4;
}

void addArticle(ReceiptRecords& out, const sale::Row& row) {
    const std::string& name = row[sale::kNameCell];
    const std::string unit = trim(row[sale::kUnitCell]);
    const std::string vat = trim(row[sale::kVatGroupCell]);
    const std::string price = trim(row[sale::kPriceCell]);
    const std::string quantity = trim(row[sale::kQuantityCell]);
    const std::string department = std::to_string(shell::integerOf(row[sale::kGroupCell]) - 1);
    const Cents amount = sale::lineAmount(row);

    out.driver.push_back({"V|" + driverField(name) + "~" + driverField(unit) + "|" +
                              driverField(vat) + "|" + price + "|" + quantity + "|0|0|" +
                              department,
                          Encoding::Ansi});
    out.text.push_back({textField(name), Encoding::Ansi});
    out.text.push_back(
        {quantity + " " + textField(unit) + "x" + price + " = " + formatCents(amount),
         Encoding::Ansi});
    out.datecs.push_back(
        {datecs('S', datecsField(name) + ";" + price + ";" + quantity + ";" + department + ";1;" +
                         datecsField(vat) + ";0;0;" + datecsField(unit)),
         Encoding::Ansi});
    out.receiptSum += amount;
}

void addDiscount(ReceiptRecords& out, const sale::Row& row) {
    std::string percentText = row[sale::kPriceCell];
    percentText.erase(std::remove(percentText.begin(), percentText.end(), '%'), percentText.end());
    percentText = trim(percentText);
    const Cents reduction = shell::percentOf(out.receiptSum, sale::discountPercent(row));

    out.driver.push_back({"U|1|-" + percentText, Encoding::Utf8});
    out.text.push_back(
        {"Dsicount " + percentText + "% = " + formatCents(reduction), Encoding::Utf8});
    out.datecs.push_back({datecs('T', "4;;;;;"), Encoding::Utf8});
    out.datecs.push_back({datecs('C', "1;" + percentText + ";;;;"), Encoding::Utf8});
    out.receiptSum -= reduction;
}

void addPaymentRecords(ReceiptRecords& out, const shell::Settings& settings, int mode,
                       const std::string& value) {
    const std::string code = fiscalCode(settings, mode);
    out.driver.push_back({"P|" + driverField(code) + "|" + value, Encoding::Ansi});
    out.datecs.push_back({datecs('T', datecsField(code) + ";" + value + ";;;;"), Encoding::Utf8});
}

std::string totalLine(Cents sum) {
    return "Total    :" + padLeft(formatCents(sum), 7);
}
std::string changeLine(Cents change) {
    return "Rest     :" + padLeft(formatCents(change), 7);
}

void addSplitPayment(ReceiptRecords& out, const ReceiptForFiles& receipt,
                     const shell::Settings& settings) {
    for (const PaymentRow& row : receipt.payments) {
        const std::string value = trim(row.value);
        if (validMode(row.mode))
            out.paidByMode[static_cast<size_t>(row.mode)] += scaledOr0(value, 2);
        addPaymentRecords(out, settings, row.mode, value);
    }
    // The note printers get the four modes and the total in one write.
    std::string summary;
    Cents paid = 0;
    for (int m = 1; m <= 4; ++m) {
        const Cents amount = out.paidByMode[static_cast<size_t>(m)];
        paid += amount;
        summary += "Modplata " + textField(modeName(settings, m)) + ":" +
                   padLeft(formatCents(amount), 7) + "\r\n";
    }
    summary += "\r\n" + totalLine(out.receiptSum);
    out.text.push_back({summary, Encoding::Utf8});
    if (paid > out.receiptSum)
        out.text.push_back({"\r\n" + changeLine(paid - out.receiptSum), Encoding::Utf8});
}

void addSingleModePayment(ReceiptRecords& out, const ReceiptForFiles& receipt,
                          const shell::Settings& settings) {
    const std::string value = trim(receipt.paidField);
    const Cents paid = scaledOr0(value, 2);
    out.paidByMode[static_cast<size_t>(receipt.mode)] = paid;
    addPaymentRecords(out, settings, receipt.mode, value);
    out.text.push_back(
        {"\r\nModplata " + textField(modeName(settings, receipt.mode)) + ":" + padLeft(value, 7),
         Encoding::Utf8});
    out.text.push_back({"\r\n" + totalLine(out.receiptSum), Encoding::Utf8});
    if (paid > out.receiptSum)
        out.text.push_back({"\r\n" + changeLine(paid - out.receiptSum), Encoding::Utf8});
}

void addFreeText(ReceiptRecords& out, const std::string& freeText) {
    const auto lines = freeTextLines(freeText);
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        out.text.push_back({textField(line), Encoding::Utf8});
        out.driver.push_back({"T|" + driverField(line), Encoding::Utf8});
    }
    out.datecs.push_back({datecs('P', datecsField(lines[0]) + ";" + datecsField(lines[1]) + ";" +
                                          datecsField(lines[2]) + ";;;"),
                          Encoding::Utf8});
}

}  // namespace

std::string withSpacesFor(std::string text, std::string_view separators) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || separators.find(c) != std::string_view::npos)
            c = ' ';
    }
    return text;
}

std::string modeName(const shell::Settings& settings, int mode) {
    if (!validMode(mode))
        return {};
    std::string name = settings.paymentModes[static_cast<size_t>(mode)].name;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return name;
}

std::string fiscalCode(const shell::Settings& settings, int mode) {
    if (!validMode(mode))
        return {};
    return settings.paymentModes[static_cast<size_t>(mode)].code();
}

std::string receiptFileName(const std::string& fileNumber, const std::string& pos) {
    return "BonCMP-" + shell::padLeft(fileNumber, 9, '0') + "-" + pos + ".txt";
}

std::array<std::string, 4> freeTextLines(const std::string& freeText) {
    std::array<std::string, 4> lines;
    size_t start = 0;
    for (size_t k = 0; k < lines.size() && start <= freeText.size(); ++k) {
        size_t bar = freeText.find('|', start);
        if (bar == std::string::npos)
            bar = freeText.size();
        lines[k] = freeText.substr(start, bar - start);
        start = bar + 1;
    }
    return lines;
}

ReceiptRecords buildReceiptRecords(const ReceiptForFiles& receipt,
                                   const shell::Settings& settings) {
    ReceiptRecords out;
    out.text.push_back({"", Encoding::Ansi});
    out.text.push_back({"", Encoding::Ansi});

    if (!receipt.cui.empty()) {
        out.text.push_back({"CUI CLIENT: " + textField(receipt.cui), Encoding::Utf8});
        out.driver.push_back({"C|" + driverField(receipt.cui) + "| | |", Encoding::Utf8});
        out.datecs.push_back({datecs('K', datecsField(receipt.cui) + ";"), Encoding::Utf8});
    }

    if (receipt.grid != nullptr) {
        for (int i = 0; i < receipt.grid->size(); ++i) {
            const sale::Row& row = receipt.grid->row(i);
            if (sale::isDiscountRow(row))
                addDiscount(out, row);
            else
                addArticle(out, row);
        }
    }

    if (validMode(receipt.mode))
        addSingleModePayment(out, receipt, settings);
    else
        addSplitPayment(out, receipt, settings);

    if (!receipt.freeText.empty())
        addFreeText(out, receipt.freeText);
    return out;
}

}  // namespace vandrix::fiscal
