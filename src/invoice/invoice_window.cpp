// The invoice window "Factura la Bon Fiscal": its layout is `interfatafactura`. The receipts of
// two dates, marked with a click; the buyer typed or fetched by fiscal code; the invoice saved
// with its receipts and numbered after the last one.
#include <ctime>

#include "invoice/efactura.h"
#include "invoice/invoice_rules.h"
#include "invoice/invoice_store.h"
#include "invoice/invoice_windows.h"
#include "invoice/partner_lookup.h"
#include "platform/clock.h"
#include "sale/fiscal_code.h"
#include "shell/Interfatacolor/interfatafactura.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::invoice {

using namespace shell::interfatafactura;

namespace {

constexpr int kLoopTimeoutMs = 250;
// Columns of the receipt list.
enum Column {
    kMarkColumn,
    kNumberColumn,
    kDateColumn,
    kAmountColumn,
    kPeriodColumn,
    kInvoiceColumn,
    kIdColumn,
    kStateColumn
};
constexpr ui::Colour kGreen = 0x008000, kRed = 0x800000, kGrey = 0x3B3B3B, kBlack = 0x000000,
                     kWhite = 0xFFFFFF;
// The buyer's fields that typing a new fiscal code empties.
constexpr int kBuyerFields[] = {kName, kRegister, kAddress, kBank, kAccount, kDriver, kIdentity};

class InvoiceWindow {
  public:
    InvoiceWindow(shell::Application& app, ui::Form& form) : app_(app), db_(*app.db), form_(form) {}

    void open();
    void handle(const ui::Event& event);

  private:
    void error(const std::string& text, shell::DialogFlags flags = shell::kIconError) {
        app_.dialogs.message(text, "Eroare", flags);
    }
    std::string today() const {
        return platform::databaseStamp(app_.ui.clock().now()).substr(0, 10);
    }
    void tieCalendars();
    void loadReceipts(bool cancelledFree);
    void resetTotals() {
        count_ = 0;
        total_ = 0;
        form_.setText(kTotals, totalsText(count_, total_));
    }
    void paintRow(int row, bool invoiced);
    void mark();
    void fetchBuyer();
    void save();
    Buyer typedBuyer() const;

    shell::Application& app_;
    store::Database& db_;
    ui::Form& form_;
    std::string lookedUpCode_;  // the code "PRELUARE DATE" fetched; typing in CUI clears it
    std::string fetchedCounty_, fetchedPostalCode_;  // of the fetched company, kept with it
    int count_ = 0;
    shell::Cents total_ = 0;
    std::string earliest_, latest_;  // the dates the calendars allow
};

void InvoiceWindow::open() {
    form_.setColumns(kReceipts, {"", "Bon", "Data", "Suma", "Eod", "Fact", "ID", ""},
                     {23, 45, 100, 80, 45, 190, 0, 0});
    form_.setFont(kReceipts, {"Lucida Console", app_.ui.scaledY(10), false});
    const std::string now = today();
    form_.setText(kFrom, now);
    form_.setText(kTo, now);
    form_.setText(kDate, now);
    // The calendars reach from the first receipt to the last one (at least tomorrow).
    const ReceiptDates dates = receiptDates(db_);
    earliest_ = platform::parseLocalTime(dates.earliest) >= 0 ? dates.earliest.substr(0, 10) : now;
    const std::time_t latest = platform::parseLocalTime(dates.latest);
    latest_ = latest >= 0 && dates.latest.substr(0, 10) >= now
                  ? dates.latest.substr(0, 10)
                  : platform::databaseStamp(app_.ui.clock().now() + 86400).substr(0, 10);
    tieCalendars();
    loadReceipts(true);
    form_.setText(kNumber, proposedInvoiceNumber(db_));
    resetTotals();
}

// Each calendar's range ends at the other's date.
void InvoiceWindow::tieCalendars() {
    form_.setDateRange(kFrom, earliest_, form_.text(kTo));
    form_.setDateRange(kTo, form_.text(kFrom), latest_);
}

void InvoiceWindow::paintRow(int row, bool invoiced) {
    if (invoiced) {
        form_.setRowMark(kReceipts, row, ui::Form::RowMark::Green);
        form_.setRowColours(kReceipts, row, kGreen, kWhite);
    } else {
        form_.setRowMark(kReceipts, row, ui::Form::RowMark::None);
        form_.setRowColours(kReceipts, row, row % 2 == 0 ? kGrey : kBlack, kWhite);
    }
}

void InvoiceWindow::loadReceipts(bool cancelledFree) {
    form_.clearRows(kReceipts);
    const auto rows = receiptsBetween(db_, form_.text(kFrom), form_.text(kTo), cancelledFree);
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const ReceiptRow& r : rows)
        cells.push_back({"", shell::padLeft(r.number, 3), shownDate(r.date),
                         shell::padLeft(r.amount, 7), shell::padLeft(r.period, 4), r.series, r.id,
                         r.series});
    form_.addRows(kReceipts, cells);
    for (std::size_t i = 0; i < rows.size(); ++i)
        paintRow(static_cast<int>(i), !shell::trim(rows[i].series).empty());
}

void InvoiceWindow::mark() {
    const int row = form_.selectedRow(kReceipts);
    if (row >= 0) {
        const std::string state = form_.cell(kReceipts, row, kStateColumn);
        const shell::Cents amount = shell::scaledOr0(form_.cell(kReceipts, row, kAmountColumn), 2);
        if (state.empty()) {
            total_ += amount;
            ++count_;
            form_.setCell(kReceipts, row, kInvoiceColumn,
                          shell::trim(form_.text(kNumber)) + " / " + shownDate(form_.text(kDate)));
            form_.setCell(kReceipts, row, kStateColumn, "*");
            form_.setRowColours(kReceipts, row, kRed, kWhite);
            form_.setRowMark(kReceipts, row, ui::Form::RowMark::Red);
        } else if (state == "*") {
            total_ -= amount;
            --count_;
            form_.setCell(kReceipts, row, kStateColumn, "");
            form_.setCell(kReceipts, row, kInvoiceColumn, "");
            paintRow(row, false);
        } else {
            form_.setRowMark(kReceipts, row, ui::Form::RowMark::Green);  // already invoiced
        }
    }
    form_.selectRow(kReceipts, -1);
    form_.setText(kTotals, totalsText(count_, total_));
}

void InvoiceWindow::fetchBuyer() {
    const std::int64_t n = fiscalCodeNumber(form_.text(kCui));
    lookedUpCode_ = std::to_string(n);
    if (!sale::checkFiscalCode(app_, n) || n <= 0)
        return;
    const long long known = buyerCount(db_, lookedUpCode_);
    if (known == 0) {
        // The service is asked once; the window says it waits meanwhile.
        const std::string host = serviceHost(app_.settings.vatServiceUrl);
        std::optional<CompanyData> company;
        app_.dialogs.whileShowing("Se preiau datele firmei de la " + host + "...", "Asteptati",
                                  [&] {
                                      company = lookupCompany(app_.settings, n, today());
                                      return true;
                                  });
        const std::string payer = vatPayerFields(company);
        const std::string registerNumber = company ? company->registerNumber : "";
        fetchedCounty_ = company ? company->county : "";
        fetchedPostalCode_ = company ? company->postalCode : "";
        if (shell::upper(shell::field(payer, '|', 4)) == "TRUE")
            lookedUpCode_ = "RO" + lookedUpCode_;
        // Set by the program: not typing, so the fields stay.
        form_.setText(kCui, lookedUpCode_);
        form_.setText(kAddress, shell::upper(shell::trim(shell::field(payer, '|', 2))));
        form_.setText(kName, shell::upper(shell::trim(shell::field(payer, '|', 3))));
        form_.setText(kRegister, shell::upper(shell::trim(registerNumber)));
        std::string rest = payer;
        std::erase(rest, '|');
        rest = shell::trim(rest);
        for (const char* flag : {"FALSE", "TRUE"})
            for (auto at = rest.find(flag); at != std::string::npos; at = rest.find(flag))
                rest.erase(at, std::string(flag).size());
        if (rest.empty())
            error(
                "Nu au fost preluate date din Baza de date/Internet\r\nClientul nu a fost "
                "salvat in Baza de date sau\r\nNu avem Conexiune la Internet sau \r\nServiciul " +
                host + " nu functioneaza !");
    } else if (known == 1) {
        if (auto buyer = buyerWithCode(db_, lookedUpCode_)) {
            form_.setText(kCui, buyer->cui);
            form_.setText(kName, buyer->name);
            form_.setText(kAddress, buyer->address);
            form_.setText(kRegister, buyer->registerNumber);
            form_.setText(kBank, buyer->bank);
            form_.setText(kAccount, buyer->account);
            form_.setText(kDriver, buyer->driver);
            form_.setText(kIdentity, buyer->identity);
        }
    }
}

Buyer InvoiceWindow::typedBuyer() const {
    auto field = [&](int g) { return shell::trim(form_.text(g)); };
    return {field(kCui),    field(kName),      field(kAddress), field(kRegister),
            field(kBank),   field(kAccount),   field(kDriver),  field(kIdentity),
            fetchedCounty_, fetchedPostalCode_};
}

void InvoiceWindow::save() {
    const std::string number = shell::upper(shell::trim(form_.text(kNumber)));
    if (digitsOf(number).empty()) {
        error("Nu avem Nr. Factura\r\n\r\n");
        return;
    }
    // The buyer is the one of the code in the CUI field: the fetched one, or one typed by hand
    // (whose control digit is checked too).
    std::string code = lookedUpCode_;
    const std::int64_t typed = fiscalCodeNumber(form_.text(kCui));
    if (typed != fiscalCodeNumber(code))
        code = std::to_string(typed);
    const std::string bare = std::to_string(fiscalCodeNumber(code));
    const Buyer buyer = typedBuyer();
    const bool complete = sale::checkFiscalCode(app_, fiscalCodeNumber(code)) &&
                          !buyer.address.empty() && !buyer.registerNumber.empty() &&
                          !buyer.name.empty();
    const std::string partner =
        complete && storeBuyer(db_, bare, buyer) ? buyerId(db_, bare) : std::string();
    if (partner.empty()) {
        error("Nu avem Partener Introdus Corect\r\n\r\n");
        return;
    }
    const auto parts = splitInvoiceNumber(number);
    if (!parts) {
        error(
            "Aveti mai multe grupari de cifre\r\nRog folositi sintaxa:\r\n[serie]<numar> sau "
            "<numar>[serie]\r\n\r\n",
            shell::kIconInformation);
        return;
    }
    if (invoiceExists(db_, parts->whole())) {
        error("Factura " + parts->whole() + " exista deja\r\n\r\n");
        return;
    }
    std::vector<std::string> receipts;
    for (int r = 0; r < form_.rowCount(kReceipts); ++r)
        if (form_.cell(kReceipts, r, kStateColumn) == "*")
            receipts.push_back(form_.cell(kReceipts, r, kIdColumn));
    const SaveResult saved = saveInvoice(db_, *parts, partner, form_.text(kDate), receipts);
    if (!saved.saved) {
        app_.log.error("invoice not saved: " + saved.failure);
        error("Factura nu a fost salvata.\r\nBaza de date: " + saved.failure +
              "\r\nNimic nu a fost scris; incercati din nou.\r\n\r\n");
        return;
    }
    // Its e-Factura file; what the rules need and the shop has not set is said.
    if (const std::string missing = writeEInvoice(app_, shell::integerValue(saved.id));
        !missing.empty())
        app_.dialogs.message("Factura " + parts->whole() + " a fost salvata.\r\n" + missing,
                             "Atentie", shell::kIconWarning);
    loadReceipts(false);
    form_.setText(kNumber, proposedInvoiceNumber(db_));
    for (int g : {kAccount, kName, kIdentity, kBank, kCui, kAddress, kRegister})
        form_.setText(g, "");
    lookedUpCode_.clear();
    fetchedCounty_.clear();
    fetchedPostalCode_.clear();
    resetTotals();
}

void InvoiceWindow::handle(const ui::Event& event) {
    const int g = event.gadget;
    if (event.type == ui::EventType::Change) {
        if (g == kReceipts) {
            mark();
        } else if (g == kFrom || g == kTo) {
            tieCalendars();
            loadReceipts(true);
            resetTotals();
        } else if (g == kCui) {
            // A new code typed: the other buyer's fields and the fetched code no longer hold.
            for (int field : kBuyerFields)
                form_.setText(field, "");
            lookedUpCode_.clear();
            fetchedCounty_.clear();
            fetchedPostalCode_.clear();
        }
        return;
    }
    if (event.type != ui::EventType::Click)
        return;
    if (g == kFetch) {
        fetchBuyer();
    } else if (g == kSave) {
        save();
    } else if (g == kPrintOrCancel) {
        form_.setEnabled(kPrintOrCancel, false);
        openInvoiceListWindow(app_, form_);
        form_.setEnabled(kPrintOrCancel, true);
    }
}

}  // namespace

void openInvoiceWindow(shell::Application& app, ui::Form& parent) {
    if (!app.db)
        return;
    // Its own loop: the window beneath acts on nothing until this one closes.
    ui::Form form(app.ui, layout(), &parent);
    form.centreOnScreen(750, 520);
    InvoiceWindow window(app, form);
    window.open();
    ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return ui::Next::Leave;
        window.handle(event);
        return ui::Next::Stay;
    });
}

}  // namespace vandrix::invoice
