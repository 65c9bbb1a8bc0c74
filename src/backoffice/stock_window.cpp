// The stock count window: its layout is `Interfatastoc`. Scan an article, see its name and
// current stock, type the quantity on the shelf, Enter; the list shows the count so far.
#include "backoffice/back_office.h"
#include "backoffice/stock_count.h"
#include "platform/clock.h"
#include "shell/Interfatacolor/interfatastoc.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/settings.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::backoffice {

using namespace shell::interfatastoc;

namespace {

constexpr int kNoTimeout = 60 * 60 * 1000;
constexpr int kEnterShortcut = 10;

class StockWindow {
  public:
    StockWindow(shell::Application& app, ui::Form& form)
        : app_(app),
          db_(*app.db),
          form_(form),
          countTime_(platform::databaseStamp(app.ui.clock().now())) {}

    const std::string& countTime() const { return countTime_; }

    void enter(int field) {
        if (field == kQuantity)
            enterQuantity();
        else
            enterBarcode();
    }

    void showCount() {
        form_.clearRows(kCount);
        for (const CountRow& row : countRows(db_, countTime_))
            form_.addRow(kCount, {row.name, row.unit, row.quantity});
    }

  private:
    void restart() {
        form_.setText(kBarcode, "");
        form_.setText(kArticle, "");
        form_.setText(kQuantity, "");
        form_.setFocus(kBarcode);
    }

    void enterBarcode() {
        const std::string code = shell::trim(form_.text(kBarcode));
        if (ignoredInCount(code))
            return;
        auto article = articleOfBarcode(db_, code);
        if (!article) {
            form_.setText(kArticle, "");
            form_.setText(kQuantity, "");
            form_.setFocus(kBarcode);
            return;
        }
        form_.setText(kArticle, stockLine(article->name, currentStock(db_, article->id)));
        form_.setFocus(kQuantity);
    }

    void enterQuantity() {
        const std::string typed = shell::trim(form_.text(kQuantity));
        if (typed.empty()) {
            restart();
            return;
        }
        const auto quantity = countedQuantity(typed);
        if (!quantity) {
            app_.dialogs.message("Cantitatea \"" + typed +
                                     "\" nu este un numar.\r\nScrieti cantitatea gasita, de "
                                     "exemplu 5 sau 2,5.\r\n\r\n",
                                 "Eroare", shell::kButtonsOk);
            form_.setFocus(kQuantity);
            return;
        }
        const std::string code = shell::trim(form_.text(kBarcode));
        auto article = ignoredInCount(code) ? std::nullopt : articleOfBarcode(db_, code);
        if (article && !recordCount(db_, article->id, *quantity, countTime_))
            app_.dialogs.message("Cantitatea nu a putut fi salvata.\r\nBaza de date: " +
                                     db_.lastError() + "\r\n\r\n",
                                 "Eroare", shell::kButtonsOk);
        showCount();
        restart();
    }

    shell::Application& app_;
    store::Database& db_;
    ui::Form& form_;
    std::string countTime_;
};

}  // namespace

void openStockCount(shell::Application& app, ui::Form* parent) {
    if (!app.db)
        return;
    ui::Form form(app.ui, layout(), parent);
    form.centreOnScreen(360, 520);
    form.setColumns(kCount, {"Denumire", "UM", "Cant."}, {200, 55, 100});
    form.setFont(kCount, {"Lucida Console", app.ui.scaledY(12), false});
    form.setFont(kArticle, {"Lucida Console", app.ui.scaledY(12), false});
    form.addShortcut(ui::Key::Enter, kEnterShortcut);
    form.addShortcut(ui::Key::Execute, kEnterShortcut);
    StockWindow window(app, form);
    form.setFocus(kBarcode);
    int current = kBarcode;  // the input typed in last: where VERIFICA sends its Enter
    ui::runWindowLoop(form, kNoTimeout, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return ui::Next::Leave;
        if (event.type == ui::EventType::Change &&
            (event.gadget == kBarcode || event.gadget == kQuantity))
            current = event.gadget;
        if (event.type == ui::EventType::Shortcut && event.gadget == kEnterShortcut) {
            const int focused = form.focusedGadget();
            window.enter(focused == kQuantity ? kQuantity : kBarcode);
        } else if (event.type == ui::EventType::Click && event.gadget == kCheck) {
            form.setFocus(current);
            window.enter(current);
        } else if (event.type == ui::EventType::Click && event.gadget == kExit) {
            return ui::Next::Leave;
        }
        return ui::Next::Stay;
    });
    // The count is a stock document once it holds anything, however the window was closed.
    finishCount(*app.db, window.countTime());
}

}  // namespace vandrix::backoffice
