// The sale window's handlers.
#include "sale/sale_desk.h"

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "sale/held_receipt.h"
#include "sale/small_windows.h"
#include "shell/Interfatacolor/interfata.h"
#include "shell/Interfatacolor/keypad.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/money.h"
#include "shell/number_text.h"
#include "shell/settings.h"
#include "store/database.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::sale {

using namespace shell::interfata;
using shell::numberOf;

namespace {
// The system's own typeface, in which the "CUI" button shows the buyer's code.
constexpr const char* kButtonFont = "MS Shell Dlg 2";
constexpr ui::Colour kRepricedColour = 0x0000FF;  // red
constexpr ui::Colour kDiscountColour = 0xFF0000;  // blue
}  // namespace

SaleDesk::SaleDesk(shell::Application& app, ui::Form& form) : app_(app), form_(form) {
    form_.setText(kTotal, recomputeReceiptTotals(grid_));
    // A receipt parked before the last end is still parked: the button offers to bring it back,
    // and a new receipt cannot be parked over it.
    // A recall that a kill cut short left the file aside, before its receipt reached the
    // screen: it is parked again.
    if (platform::fileExists(kHeldReceiptTaking)) {
        if (platform::missingOrEmpty(kHeldReceiptFile) &&
            platform::moveFile(kHeldReceiptTaking, kHeldReceiptFile))
            app_.log.warning("Bonul din asteptare, ramas in preluare, este din nou in asteptare");
        else
            app_.log.error(std::string("Fisierul ") + kHeldReceiptTaking +
                           " ramas in preluare nu a putut fi pus inapoi in asteptare");
    }
    holding_ = !platform::missingOrEmpty(kHeldReceiptFile);
    if (holding_)
        form_.setText(kHold, "Revin");
}

void SaleDesk::showTotal() {
    form_.setText(kTotal, recomputeReceiptTotals(grid_));
    showGrid();
}

void SaleDesk::holdOrRecall() {
    if (holding_)
        recall();
    else
        hold();
    focusCurrent();
}

// The receipt is parked only once its file is written whole; until then it stays on screen.
// Its buyer's code and free text are parked with it and leave the screen.
void SaleDesk::hold() {
    if (grid_.empty())
        return;
    const HeldReceipt held{grid_, app_.buyerFiscalCode, app_.receiptText};
    if (!platform::writeLines(kHeldReceiptFile, heldReceiptLines(held), platform::Encoding::Utf8)) {
        app_.log.error(std::string("Fisierul ") + kHeldReceiptFile + " nu a putut fi scris");
        app_.dialogs.message(
            "Bonul nu a putut fi pus in asteptare: fisierul bonasteptare nu poate fi "
            "scris.\r\nBonul ramane pe ecran.\r\n",
            "Eroare", shell::kButtonsOk + shell::kIconError);
        return;
    }
    holding_ = true;
    form_.setText(kHold, "Revin");
    app_.buyerFiscalCode.clear();
    app_.receiptText.clear();
    grid_.clear();
    showTotal();
}

void SaleDesk::stopHolding() {
    holding_ = false;
    form_.setText(kHold, "Astept");
}

// The parked receipt comes back only once: its file is first moved aside, read from there
// through the checks of entry, and removed before the receipt reaches the screen. A file that
// cannot be moved or removed leaves the receipt parked; one that fails the checks is kept
// under another name and nothing of it reaches the screen.
void SaleDesk::recall() {
    if (!grid_.empty() &&
        app_.dialogs.message("Revenirea la bonul initial anuleaza bonul curent !\r\n\r\n", "Eroare",
                             shell::kButtonsYesNo) != shell::kResultYes)
        return;
    if (platform::missingOrEmpty(kHeldReceiptFile)) {
        stopHolding();
        return;
    }
    auto cannotTake = [&](const std::string& why) {
        app_.log.error(std::string("Bonul din asteptare nu a putut fi preluat: ") + why);
        app_.dialogs.message("Bonul din asteptare nu poate fi preluat: " + why +
                                 ".\r\nBonul ramane in asteptare.\r\n",
                             "Eroare", shell::kButtonsOk + shell::kIconError);
    };
    if (!platform::moveFile(kHeldReceiptFile, kHeldReceiptTaking)) {
        cannotTake("fisierul bonasteptare nu poate fi mutat");
        return;
    }
    auto putBack = [&](const std::string& why) {
        if (!platform::moveFile(kHeldReceiptTaking, kHeldReceiptFile))
            app_.log.error(std::string("Fisierul ") + kHeldReceiptTaking +
                           " nu a putut fi mutat inapoi in " + kHeldReceiptFile);
        cannotTake(why);
    };
    HeldReceiptRead read;
    if (platform::fileSize(kHeldReceiptTaking) > kMaxHeldFileBytes) {
        read.problem = "fisierul este prea mare pentru un bon";
    } else {
        const auto lines = platform::readLines(kHeldReceiptTaking, platform::Encoding::Utf8);
        if (!lines) {
            putBack("fisierul bonasteptare nu poate fi citit");
            return;
        }
        read = readHeldReceipt(*lines, heldReceiptChecks());
    }
    if (!read.receipt) {
        setAsideDamagedHeldReceipt(read.problem);
        return;
    }
    if (!platform::deleteFile(kHeldReceiptTaking)) {
        putBack("fisierul bonasteptare nu poate fi sters");
        return;
    }
    stopHolding();
    grid_ = std::move(read.receipt->grid);
    app_.buyerFiscalCode = read.receipt->buyerFiscalCode;
    app_.receiptText = read.receipt->receiptText;
    showTotal();
}

HeldReceiptChecks SaleDesk::heldReceiptChecks() {
    HeldReceiptChecks checks;
    checks.articleExists = [this](const std::string& id) {
        return app_.db &&
               app_.db->scalarInteger("select count(*) from articol where id=?;", {id}) > 0;
    };
    checks.vatGroupExists = [this](int group) {
        return app_.db && app_.db->scalarInteger("select count(*) from tva where id=?;",
                                                 {std::to_string(group)}) > 0;
    };
    return checks;
}

// A parked receipt that is not one the program wrote is kept for the shop to look at, under a
// name that begins with the time, and the cashier is told; the receipt on screen stays.
void SaleDesk::setAsideDamagedHeldReceipt(const std::string& problem) {
    const std::string aside =
        platform::formatLocalTime("%yyyy%mm%dd%hh%ii%ss", app_.ui.clock().now()) + "-" +
        kHeldReceiptFile + ".deteriorat";
    const bool kept = platform::moveFile(kHeldReceiptTaking, aside);
    app_.log.error(std::string("Bonul din asteptare refuzat (") + problem + "), pastrat ca " +
                   (kept ? aside : std::string(kHeldReceiptTaking)));
    stopHolding();
    app_.dialogs.message(
        "Bonul din asteptare nu poate fi preluat: fisierul bonasteptare este "
        "deteriorat\r\n(" +
            problem + ").\r\n\r\nFisierul a fost pastrat ca " +
            (kept ? aside : std::string(kHeldReceiptTaking)) +
            ".\r\nNimic din el nu a fost pus pe bon.\r\n",
        "Eroare", shell::kButtonsOk + shell::kIconError);
}

void SaleDesk::changeLinePrice(bool tipMode) {
    std::string total = form_.text(kTotal);
    openLinePrice(app_, form_, grid_, total, tipMode, storeTip);
    form_.setText(kTotal, total);
    showGrid();
    focusCurrent();
}

void SaleDesk::cancelReceipt() {
    if (app_.dialogs.message("Anulati Bonul?", "Eroare", shell::kButtonsYesNo) ==
        shell::kResultYes) {
        app_.display.set("  URMATORUL CLIENT  ", "       VA ROG       ");
        app_.display.setHoldOff(1);
        form_.setText(kQuantity, "1.000");
        grid_.clear();
        showTotal();
    }
    focusCurrent();
}

int SaleDesk::currentGadget() const {
    return current_ == Field::Entry ? kEntry : kQuantity;
}

void SaleDesk::focusCurrent() {
    form_.setFocus(currentGadget());
    form_.setCaretToEnd(currentGadget());
}

void SaleDesk::appendToCurrent(char key) {
    shell::typeKey(form_, currentGadget(), key, shell::PointRule::Always);
}

void SaleDesk::showGrid() {
    form_.clearRows(kGrid);
    for (int i = 0; i < grid_.size(); ++i) {
        const Row& row = grid_.row(i);
        form_.addRow(kGrid, std::vector<std::string>(row.begin(), row.end()));
        // A changed price in red, the discount's percentage in blue.
        if (grid_.repriced(i))
            form_.setCellTextColour(kGrid, i, kPriceCell, kRepricedColour);
        else if (isDiscountRow(row))
            form_.setCellTextColour(kGrid, i, kPriceCell, kDiscountColour);
    }
    form_.selectRow(kGrid, grid_.selected());
}

void SaleDesk::runCode(const std::string& code) {
    EntryFields fields{form_.text(kEntry), form_.text(kQuantity), form_.text(kTotal),
                       form_.text(kPaid)};
    EntryOutcome outcome = processCode(app_, code, grid_, fields);
    form_.setText(kEntry, fields.entry);
    form_.setText(kQuantity, fields.quantity);
    form_.setText(kTotal, fields.total);
    showGrid();
    current_ = Field::Entry;
    focusCurrent();
    // The discount line's percentage, the tip's price and the back office have windows of
    // their own.
    if (outcome == EntryOutcome::Discount) {
        openDiscount(app_, form_, grid_, form_.text(kTotal));
        showTotal();
        focusCurrent();
    } else if (outcome == EntryOutcome::Tip) {
        changeLinePrice(true);
    } else if (outcome == EntryOutcome::BackOffice && openBackOffice) {
        openBackOffice();
        focusCurrent();
    } else if (outcome == EntryOutcome::Administration && openAdministration) {
        openAdministration();
        focusCurrent();
    }
}

void SaleDesk::confirmEntry() {
    std::string code = form_.text(kEntry);
    current_ = Field::Entry;
    if (numberOf(code) > 0) {
        form_.setText(kEntry, "");
        runCode(code);
    }
    focusCurrent();
}

void SaleDesk::entryAsQuantity() {
    const std::string entry = form_.text(kEntry);
    if (numberOf(entry) > 0) {
        // A quantity is exact to the thousandth; one the fiscal printer cannot take is refused
        // here rather than cut.
        auto value = shell::parseScaled(entry, 3);
        if (value && *value > 0 && *value <= shell::kMaxQuantity) {
            form_.setText(kQuantity, shell::formatQuantity(*value));
            form_.setText(kEntry, "");
        } else {
            app_.dialogs.message(
                "Cantitatea \"" + shell::trim(entry) +
                    "\" nu poate fi folosita.\r\nCantitatea trebuie sa fie intre " +
                    shell::formatQuantity(1) + " si " + shell::formatQuantity(shell::kMaxQuantity) +
                    ".\r\n\r\n",
                "Eroare", shell::kButtonsOk + shell::kIconError);
        }
    }
    current_ = Field::Entry;
    focusCurrent();
}

void SaleDesk::removeSelectedRow() {
    if (grid_.selected() >= 0) {
        grid_.remove(grid_.selected());
        form_.setText(kTotal, recomputeReceiptTotals(grid_));
        showGrid();
        showRemovedLine(app_, form_.text(kTotal));
    }
    focusCurrent();
}

void SaleDesk::moveSelection(int step) {
    int selected = grid_.selected();
    int target = selected + step;
    if (selected >= 0 && target >= 0 && target < grid_.size()) {
        grid_.select(target);
        form_.selectRow(kGrid, target);
    }
    focusCurrent();
}

void SaleDesk::clearCurrent() {
    focusCurrent();
    form_.setText(currentGadget(), current_ == Field::Quantity ? "1.000" : "");
    current_ = Field::Entry;
}

std::string SaleDesk::amountText(int mode, const std::string& entry, const std::string& quantity,
                                 const std::string& total) {
    // The amount the payment will take, computed the way the payment computes it.
    const shell::Cents e = shell::scaledOr0(entry, 2);
    const shell::Cents q = shell::scaledOr0(quantity, 2);
    const shell::Cents amount = shell::typedAmount(quantity, entry).value_or(0);
    if (amount == 0)
        return shell::formatCents(shell::scaledOr0(total, 2));
    if (mode == 4)
        return shell::formatCents(e) + " x " + shell::formatCents(q) + " = " +
               shell::formatCents(amount);
    return shell::formatCents(q) + " x " + shell::formatCents(e) + " = " +
           shell::formatCents(amount);
}

std::string SaleDesk::paymentQuestion(int mode) {
    switch (mode) {
        case 1:
            return "Atentie !!!\r\n\r\nTranzactie cu CASH\r\n\r\nSunteti Sigur ca incasati "
                   "CASH?\r\n\r\nValoare Incasare : ";
        case 2:
            return "Atentie !!!\r\n\r\nTranzactie cu Cardul Bancar\r\n\r\nA iesit bonul pe "
                   "POS-ul Bancar?\r\n\r\nSunteti Sigur ca incasati cu CARD-ul?\r\n\r\nValoare "
                   "Incasare : ";
        case 3:
            return "Atentie !!!\r\n\r\nTranzactie cu Bonuri/Tichete\r\n\r\nSunteti Sigur ca "
                   "incasati cu Bonuri/Tichete?\r\n\r\nValoare Incasare : ";
        default:
            return "Atentie !!!\r\n\r\nTranzactie pe CREDIT\r\n\r\nSunteti Sigur ca incasati cu "
                   "CREDIT?\r\n\r\nValoare Incasare : ";
    }
}

shell::DialogFlags SaleDesk::paymentQuestionFlags(int mode) {
    switch (mode) {
        case 2:
            return shell::kButtonsYesNo + shell::kIconError;
        case 3:
            return shell::kButtonsYesNo + shell::kIconInformation;
        case 4:
            return shell::kButtonsYesNo + shell::kIconWarning;
        default:
            return shell::kButtonsYesNo;
    }
}

void SaleDesk::pay(int mode) {
    std::string amount =
        amountText(mode, form_.text(kEntry), form_.text(kQuantity), form_.text(kTotal));
    int answer = app_.dialogs.message(paymentQuestion(mode) + amount, "Atentionare",
                                      paymentQuestionFlags(mode));
    if (answer == shell::kResultYes)
        payNow(mode);
    form_.setText(kQuantity, "1.000");
    form_.setText(kEntry, "");
    current_ = Field::Entry;
    focusCurrent();
}

void SaleDesk::payNow(int mode) {
    if (!takePayment)
        return;
    EntryFields fields{form_.text(kEntry), form_.text(kQuantity), form_.text(kTotal),
                       form_.text(kPaid)};
    takePayment(mode, fields);
    form_.setText(kEntry, fields.entry);
    form_.setText(kQuantity, fields.quantity);
    form_.setText(kTotal, fields.total);
    form_.setText(kPaid, fields.paid);
    showGrid();
}

void SaleDesk::handle(const ui::Event& event) {
    if (event.type == ui::EventType::Shortcut) {
        const int id = event.gadget;
        if (id >= kShortcutDigit0 && id <= kShortcutDigit0 + 9) {
            current_ = Field::Entry;
            appendToCurrent(static_cast<char>('0' + id - kShortcutDigit0));
        } else if (id == kShortcutConfirm) {
            confirmEntry();
        } else if (id == kShortcutDecimal) {
            appendToCurrent('.');
        }
        return;
    }
    const int g = event.gadget;
    if (g >= kKey0 && g <= kKey9) {
        appendToCurrent(static_cast<char>('0' + g - kKey0));
        return;
    }
    if (g >= kPay1 && g <= kPay4) {
        pay(g - kPay1 + 1);
        return;
    }
    switch (g) {
        case kPoint:
            appendToCurrent('.');
            break;
        case kEnter:
            confirmEntry();
            break;
        case kX:
            entryAsQuantity();
            break;
        case kDown:
            moveSelection(1);
            break;
        case kUp:
            moveSelection(-1);
            break;
        case kRemoveLine:
            removeSelectedRow();
            break;
        case kPlus:
            clearCurrent();
            break;
        case kQtyButton:
            // The weight on the scale becomes the quantity the next article is sold in.
            if (readScale)
                if (auto weight = readScale())
                    form_.setText(kQuantity, *weight);
            current_ = Field::Entry;
            focusCurrent();
            break;
        case kMinus:
            current_ = Field::Entry;
            focusCurrent();
            break;
        case kQuantity:
            current_ = Field::Quantity;
            form_.setCaretToEnd(kQuantity);
            break;
        case kEntry:
            current_ = Field::Entry;
            form_.setCaretToEnd(kEntry);
            break;
        case kGrid:
            grid_.select(form_.selectedRow(kGrid));
            break;
        case kDiscount:
            runCode("D");
            break;
        case kHold:
            holdOrRecall();
            break;
        case kPrice:
            // The discount line has a percentage, not a price: the discount window sets it.
            if (grid_.selected() >= 0 && isDiscountRow(grid_.row(grid_.selected()))) {
                openDiscount(app_, form_, grid_, form_.text(kTotal));
                showTotal();
                focusCurrent();
            } else if (grid_.selected() >= 0) {
                changeLinePrice(false);
            }
            break;
        case kSearch:
            if (auto code = openArticleSearch(app_, form_))
                runCode(*code);
            focusCurrent();
            break;
        case kGroups:
            // The article touched is sold as if scanned; one without a barcode gets the
            // message for an unknown code.
            if (auto code = openQuickKeys(app_, form_))
                runCode(*code);
            focusCurrent();
            break;
        case kCui:
            openFiscalCode(app_, form_);
            focusCurrent();
            break;
        case kText:
            app_.receiptText = openReceiptText(app_, form_);
            focusCurrent();
            break;
        case kCancel:
            cancelReceipt();
            break;
        case kReports:
            if (openReports)
                openReports();
            focusCurrent();
            break;
        default:
            break;  // buttons whose windows this build does not open yet
    }
}

void SaleDesk::updateEnabling() {
    const bool selected = grid_.selected() >= 0;
    form_.setEnabled(kPrice, selected);
    form_.setEnabled(kRemoveLine, selected);
    const bool lines = !grid_.empty();
    form_.setEnabled(kCancel, lines);
    for (int mode = 1; mode <= 4; ++mode)
        if (form_.has(payGadget(mode)))
            form_.setEnabled(payGadget(mode), lines);
}

void SaleDesk::afterEvent() {
    // Buttons that need a line or a selection.
    updateEnabling();
    // Receipts waiting for the fiscal printer's folder go as soon as it is back.
    constexpr std::int64_t kDeliveryRetryMs = 10'000;
    if (app_.pendingReceipts > 0 && retryDeliveries) {
        const std::int64_t now = app_.ui.clock().elapsedMs();
        if (now - lastDeliveryTryMs_ >= kDeliveryRetryMs) {
            lastDeliveryTryMs_ = now;
            retryDeliveries();
        }
    }
    // The buyer's fiscal code on the "CUI" button.
    if (!app_.buyerFiscalCode.empty() && app_.buyerFiscalCode != cuiShown_) {
        cuiShown_ = app_.buyerFiscalCode;
        form_.setText(kCui, "CUI\r\n" + cuiShown_);
        form_.setFont(kCui, {kButtonFont, app_.ui.scaledY(8), false});
    } else if (app_.buyerFiscalCode.empty() && !cuiShown_.empty()) {
        cuiShown_.clear();  // the code went with the receipt it was given for
        form_.setText(kCui, "CUI");
        form_.setFont(kCui, {kButtonFont, app_.ui.scaledY(16), false});
    }
    // A quantity typed with its three decimals: back to the entry field.
    shell::leaveCompleteQuantity(form_, kQuantity, kEntry);
    // Shift held: cash at once, without the question.
    if (app_.ui.shiftHeld()) {
        payNow(1);
        current_ = Field::Entry;
        focusCurrent();
    }
}

}  // namespace vandrix::sale
