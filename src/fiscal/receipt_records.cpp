// The records of a paid receipt: the driver's command file, the note printers' text and the
// Datecs-style copy, with the receipt's value and the amounts paid in each mode.
#include <algorithm>

#include "fiscal/printer_records.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::fiscal {
namespace {

using platform::EncodedLine;
using platform::Encoding;
using shell::money;
using shell::numberOf;
using shell::rightAlign;
using shell::trim;

constexpr const char* kDatecsPrefix = ",1,______,_,__;";

std::string datecs(char command, const std::string& fields) {
    return std::string(1, command) + kDatecsPrefix + fields;
}

bool validMode(int mode) {
    return mode >= 1 && mode <= 4;
}

// Amounts are compared in cents, so that a payment equal to the receipt's value never shows a
// change of 0.00 through the rounding of the running sum.
bool exceeds(double paid, double sum) {
    return shell::round2(paid) > shell::round2(sum);
}

void addArticle(ReceiptRecords& out, const sale::Row& row) {
    const std::string& name = row[sale::kNameCell];
    const std::string unit = trim(row[sale::kUnitCell]);
    const std::string vat = trim(row[sale::kVatGroupCell]);
    const std::string price = trim(row[sale::kPriceCell]);
    const std::string quantity = trim(row[sale::kQuantityCell]);
    const std::string department = std::to_string(shell::integerOf(row[sale::kGroupCell]) - 1);
    const double amount = numberOf(price) * numberOf(quantity);

    out.driver.push_back(
        {"V|" + name + "~" + unit + "|" + vat + "|" + price + "|" + quantity + "|0|0|" + department,
         Encoding::Ansi});
    out.text.push_back({name, Encoding::Ansi});
    out.text.push_back(
        {quantity + " " + unit + "x" + price + " = " + money(amount), Encoding::Ansi});
    out.datecs.push_back({datecs('S', name + ";" + price + ";" + quantity + ";" + department +
                                          ";1;" + vat + ";0;0;" + unit),
                          Encoding::Ansi});
    out.receiptSum += amount;
}

void addDiscount(ReceiptRecords& out, const sale::Row& row) {
    std::string percentText = row[sale::kPriceCell];
    percentText.erase(std::remove(percentText.begin(), percentText.end(), '%'), percentText.end());
    percentText = trim(percentText);
    const double reduction = out.receiptSum * numberOf(percentText) / 100;

    out.driver.push_back({"U|1|-" + percentText, Encoding::Utf8});
    out.text.push_back({"Dsicount " + percentText + "% = " + money(reduction), Encoding::Utf8});
    out.datecs.push_back({datecs('T', "4;;;;;"), Encoding::Utf8});
    out.datecs.push_back({datecs('C', "1;" + percentText + ";;;;"), Encoding::Utf8});
    out.receiptSum -= reduction;
}

void addPaymentRecords(ReceiptRecords& out, const shell::Settings& settings, int mode,
                       const std::string& value) {
    const std::string code = fiscalCode(settings, mode);
    out.driver.push_back({"P|" + code + "|" + value, Encoding::Ansi});
    out.datecs.push_back({datecs('T', code + ";" + value + ";;;;"), Encoding::Utf8});
}

std::string totalLine(double sum) {
    return "Total    :" + rightAlign(money(sum), 7);
}
std::string changeLine(double change) {
    return "Rest     :" + rightAlign(money(change), 7);
}

void addSplitPayment(ReceiptRecords& out, const ReceiptForFiles& receipt,
                     const shell::Settings& settings) {
    for (const PaymentRow& row : receipt.payments) {
        const std::string value = trim(row.value);
        if (validMode(row.mode))
            out.paidByMode[static_cast<size_t>(row.mode)] += numberOf(value);
        addPaymentRecords(out, settings, row.mode, value);
    }
    // The note printers get the four modes and the total in one write.
    std::string summary;
    double paid = 0;
    for (int m = 1; m <= 4; ++m) {
        const double amount = out.paidByMode[static_cast<size_t>(m)];
        paid += amount;
        summary +=
            "Modplata " + modeName(settings, m) + ":" + rightAlign(money(amount), 7) + "\r\n";
    }
    summary += "\r\n" + totalLine(out.receiptSum);
    out.text.push_back({summary, Encoding::Utf8});
    if (exceeds(paid, out.receiptSum))
        out.text.push_back({"\r\n" + changeLine(paid - out.receiptSum), Encoding::Utf8});
}

void addSingleModePayment(ReceiptRecords& out, const ReceiptForFiles& receipt,
                          const shell::Settings& settings) {
    const std::string value = trim(receipt.paidField);
    const double paid = numberOf(value);
    out.paidByMode[static_cast<size_t>(receipt.mode)] = paid;
    addPaymentRecords(out, settings, receipt.mode, value);
    out.text.push_back(
        {"\r\nModplata " + modeName(settings, receipt.mode) + ":" + rightAlign(value, 7),
         Encoding::Utf8});
    out.text.push_back({"\r\n" + totalLine(out.receiptSum), Encoding::Utf8});
    if (exceeds(paid, out.receiptSum))
        out.text.push_back({"\r\n" + changeLine(paid - out.receiptSum), Encoding::Utf8});
}

void addFreeText(ReceiptRecords& out, const std::string& freeText) {
    const auto lines = freeTextLines(freeText);
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        out.text.push_back({line, Encoding::Utf8});
        out.driver.push_back({"T|" + line, Encoding::Utf8});
    }
    out.datecs.push_back(
        {datecs('P', lines[0] + ";" + lines[1] + ";" + lines[2] + ";;;"), Encoding::Utf8});
}

}  // namespace

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
    return "BonCMP-" + rightAlign(fileNumber, 9, '0') + "-" + pos + ".txt";
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
        out.text.push_back({"CUI CLIENT: " + receipt.cui, Encoding::Utf8});
        out.driver.push_back({"C|" + receipt.cui + "| | |", Encoding::Utf8});
        out.datecs.push_back({datecs('K', receipt.cui + ";"), Encoding::Utf8});
    }

    if (receipt.grid != nullptr) {
        for (int i = 0; i < receipt.grid->size(); ++i) {
            const sale::Row& row = receipt.grid->row(i);
            if (trim(row[sale::kIdCell]) == "-1")
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
