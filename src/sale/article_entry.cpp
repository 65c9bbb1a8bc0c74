// Article entry.
#include "sale/article_entry.h"

#include <optional>

#include "sale/receipt_limits.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::sale {

namespace {

void codeNotFound(shell::Application& app, const char* message, EntryFields& fields) {
    app.dialogs.message(message, "Eroare", shell::kButtonsOk);
    fields.entry.clear();
    fields.quantity = "1";
}

void refuse(shell::Application& app, const std::string& message) {
    app.dialogs.message(message + "\r\n\r\n", "Eroare", shell::kButtonsOk + shell::kIconError);
}

// The quantity the line is sold in, or nullopt (with the cashier told why) when the quantity
// field holds no number or more than the fiscal printer takes. Zero and negative quantities
// have their own message below.
std::optional<shell::Thousandths> entryQuantity(shell::Application& app, const std::string& text) {
    auto quantity = shell::parseScaled(text, 3);
    if (!quantity) {
        refuse(app, "Cantitatea \"" + shell::trim(text) + "\" nu este un numar.");
        return std::nullopt;
    }
    if (*quantity > shell::kMaxQuantity) {
        refuse(app, "Cantitatea este prea mare.\r\nCantitatea maxima este " +
                        shell::formatQuantity(shell::kMaxQuantity) + ".");
        return std::nullopt;
    }
    return quantity;
}

}  // namespace

void showAddedLine(shell::Application& app, const std::string& name, shell::Cents amount,
                   const std::string& total) {
    if (!app.displayInUse())
        return;
    app.display.setHoldOff(0);
    const std::string value = shell::formatCents(amount);
    app.display.set(name, value + std::string(value.size() < 8 ? 8 - value.size() : 0, ' ') +
                              "T:" + shell::padLeft(shell::trim(total), 8));
}

void showRemovedLine(shell::Application& app, const std::string& total) {
    if (!app.displayInUse())
        return;
    app.display.setHoldOff(0);
    app.display.set("", std::string(8, ' ') + "T:" + shell::padLeft(shell::trim(total), 8));
}

EntryOutcome processCode(shell::Application& app, const std::string& code, ReceiptGrid& grid,
                         EntryFields& fields) {
    // The access codes open the back office instead of selling.
    if (shell::integerValue(code) == kBackOfficeCode)
        return EntryOutcome::BackOffice;
    if (!app.settings.adminCode.empty() && code == app.settings.adminCode)
        return EntryOutcome::Administration;
    // The code must name an article.
    if (code.empty()) {
        codeNotFound(app, "Codbar nu este gasit", fields);
        return EntryOutcome::Done;
    }
    std::string articleId;
    bool found = false;
    if (app.db) {
        auto q = app.db->query("select idarticol from codbar where codbar=?;", {code});
        if ((found = q.next()))
            articleId = q.text(0);
    }
    if (!found) {
        codeNotFound(app, "CodBar nu este gasit", fields);
        return EntryOutcome::Done;
    }
    // The article; a missing article row gives an empty name and the price 0.00.
    std::string name, priceText = "0", vatGroup, unit, group;
    {
        auto q = app.db->query("select nume,pret,idtva,um,idgrupa from articol where id=?;",
                               {articleId});
        if (q.next()) {
            name = q.text(0);
            priceText = q.text(1);
            vatGroup = q.text(2);
            unit = q.text(3);
            group = q.text(4);
        }
    }
    // A price that is not a number, or more than the fiscal printer takes, sells nothing.
    const auto price = shell::parseScaled(priceText, 2);
    if (!price || *price < 0 || *price > shell::kMaxAmount) {
        refuse(app, "Articolul " + shell::trim(name) + " are pretul \"" + priceText +
                        "\", care nu poate fi vandut.\r\nCorectati pretul articolului.");
        fields.entry.clear();
        return EntryOutcome::Done;
    }
    const auto entered = entryQuantity(app, fields.quantity);
    if (!entered)
        return EntryOutcome::Done;
    if (group.empty())
        group = "2";
    // Nothing is sold in a quantity of zero or less.
    if (*entered <= 0) {
        app.dialogs.message(
            "Nu putem avea cantitate zero sau negativa\r\n\r\nApasati 1 x sau QTY (daca aveti "
            "cantar)\r\n\r\n",
            "Eroare", shell::kButtonsOk + shell::kIconError);
        return EntryOutcome::Done;
    }
    // The receipt as it was, for a line the fiscal printer could not take.
    const ReceiptGrid before = grid;
    // Merging into the article's existing rows.
    bool merged = false;
    shell::Thousandths quantity = *entered;
    if (app.settings.mergeArticles != 0) {
        shell::Thousandths running = *entered;
        for (int i = 0; i < grid.size(); ++i) {
            if (grid.cell(i, kIdCell) != articleId)
                continue;
            running += shell::scaledOr0(grid.cell(i, kQuantityCell), 3);
            grid.setCell(i, kQuantityCell, quantityCell(running));
            merged = true;
        }
        if (merged)
            quantity = running;
    }
    // A shop that is not a VAT payer sells everything in group 5.
    if (app.notVatPayer)
        vatGroup = "5";
    if (!merged)
        grid.append({name, unit, quantityCell(quantity), priceCell(*price), articleId, code,
                     vatGroup, group});
    // Quantities, line values and the receipt's value stay within what the fiscal printer
    // takes; a line that would pass them is not added.
    const shell::Cents amount = shell::lineValue(*price, *entered);
    if (!withinReceiptLimits(grid)) {
        grid = before;
        refuse(app, receiptLimitMessage());
        return EntryOutcome::Done;
    }
    // The total and the customer display.
    fields.quantity = "1.000";
    fields.total = recomputeReceiptTotals(grid);
    showAddedLine(app, name, amount, fields.total);
    // The tip must stand alone on its receipt.
    if (code == "0") {
        if (grid.size() > 1) {
            app.dialogs.message(
                "Aveti mai multe articole\r\nArticolul Bacsis nu este permis.\r\n\r\n", "Eroare",
                shell::kButtonsOk);
            grid.remove(grid.size() - 1);
            fields.total = recomputeReceiptTotals(grid);
            return EntryOutcome::Done;
        }
        grid.setCell(0, kQuantityCell, shell::rightAlign("1", 7));
        grid.select(0);
        return EntryOutcome::Tip;
    }
    // A discount needs lines to apply to.
    if (code == "D") {
        if (grid.empty()) {
            app.dialogs.message("Nu putei avea numai discount pe bon\r\n\r\n", "Eroare",
                                shell::kButtonsOk);
            return EntryOutcome::Done;
        }
        grid.setCell(grid.size() - 1, kQuantityCell, shell::rightAlign("1", 7));
        grid.select(grid.size() - 1);
        return EntryOutcome::Discount;
    }
    return EntryOutcome::Done;
}

}  // namespace vandrix::sale
