// Article entry.
#include "sale/article_entry.h"

#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::sale {

using shell::numberOf;

namespace {

void codeNotFound(shell::Application& app, const char* message, EntryFields& fields) {
    app.dialogs.message(message, "Eroare", shell::kButtonsOk);
    fields.entry.clear();
    fields.quantity = "1";
}

}  // namespace

void showAddedLine(shell::Application& app, const std::string& name, double amount,
                   const std::string& total) {
    if (!app.displayInUse())
        return;
    app.display.setHoldOff(0);
    app.display.set(name,
                    shell::leftAlign(shell::money(amount), 8) + "T:" + shell::rightAlign(total, 8));
}

void showRemovedLine(shell::Application& app, const std::string& total) {
    if (!app.displayInUse())
        return;
    app.display.setHoldOff(0);
    app.display.set("", std::string(8, ' ') + "T:" + shell::rightAlign(total, 8));
}

EntryOutcome processCode(shell::Application& app, const std::string& code, ReceiptGrid& grid,
                         EntryFields& fields) {
    // 1.-2. The access codes open the back office instead of selling.
    if (shell::integerValue(code) == kBackOfficeCode)
        return EntryOutcome::BackOffice;
    if (!app.settings.adminCode.empty() && code == app.settings.adminCode)
        return EntryOutcome::Administration;
    // 3.-4. The code must name an article.
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
    // 5.-6. The article; a missing article row gives an empty name and the price 0.00.
    std::string name, price = shell::money(0), vatGroup, unit, group;
    {
        auto q = app.db->query("select nume,pret,idtva,um,idgrupa from articol where id=?;",
                               {articleId});
        if (q.next()) {
            name = q.text(0);
            price = shell::money(q.real(1));
            vatGroup = q.text(2);
            unit = q.text(3);
            group = q.text(4);
        }
    }
    std::string quantity = shell::quantity(numberOf(fields.quantity));
    if (group.empty())
        group = "2";
    // 7. Nothing is sold in a quantity of zero or less.
    if (numberOf(quantity) <= 0) {
        app.dialogs.message(
            "Nu putem avea cantitate zero sau negativa\r\n\r\nApasati 1 x sau QTY (daca aveti "
            "cantar)\r\n\r\n",
            "Eroare", shell::kButtonsOk + shell::kIconError);
        return EntryOutcome::Done;
    }
    // 8. Merging into the article's existing rows.
    bool merged = false;
    if (app.settings.mergeArticles != 0) {
        std::string running = quantity;
        for (int i = 0; i < grid.size(); ++i) {
            if (grid.cell(i, kIdCell) != articleId)
                continue;
            running = shell::quantity(numberOf(running) + numberOf(grid.cell(i, kQuantityCell)));
            grid.setCell(i, kQuantityCell, shell::rightAlign(running, 7));
            merged = true;
        }
    }
    // 9.-10. A shop that is not a VAT payer sells everything in group 5.
    if (app.notVatPayer == 1)
        vatGroup = "5";
    if (!merged)
        grid.append({name, unit, shell::rightAlign(quantity, 7), shell::rightAlign(price, 7),
                     articleId, code, vatGroup, group});
    // 11.-12. The total and the customer display.
    fields.quantity = "1.000";
    fields.total = recomputeReceiptTotals(grid);
    showAddedLine(app, name, numberOf(price) * numberOf(quantity), fields.total);
    // 13. The tip must stand alone on its receipt.
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
    // 14. A discount needs lines to apply to.
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
