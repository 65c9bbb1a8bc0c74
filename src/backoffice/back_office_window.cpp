// The back-office choice window: its layout is `InterfataAdminSelect`; each button hides it,
// runs its action and shows it again.
#include "backoffice/back_office.h"
#include "shell/Interfatacolor/interfataadminselect.h"
#include "shell/application.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::backoffice {

namespace layout = shell::interfataadminselect;

namespace {

constexpr int kNoTimeout = 60 * 60 * 1000;

}  // namespace

void openBackOffice(shell::Application& app, ui::Form& saleWindow) {
    saleWindow.hideWindow();
    {
        ui::Form form(app.ui, layout::layout());
        form.centreOnScreen(230, 320);
        ui::runWindowLoop(form, kNoTimeout, [&](const ui::Event& event) {
            if (event.type == ui::EventType::Close)
                return ui::Next::Leave;
            if (event.type != ui::EventType::Click)
                return ui::Next::Stay;
            form.hideWindow();
            // The administration and the stock count are windows of their own, after which
            // the choice comes back; an import returns straight to the sale screen.
            bool stay = true;
            switch (event.gadget) {
                case layout::kAdmin:
                    openAdministration(app, nullptr, false);
                    break;
                case layout::kImportArticles:
                    importArticlesFile(app);
                    stay = false;
                    break;
                case layout::kImportPriceChanges:
                    importPriceChangesFile(app);
                    stay = false;
                    break;
                case layout::kStock:
                    openStockCount(app, nullptr);
                    break;
                default:
                    break;
            }
            if (!stay)
                return ui::Next::Leave;
            form.showWindow();
            form.activate();
            return ui::Next::Stay;
        });
    }
    saleWindow.showWindow();
    saleWindow.activate();
}

}  // namespace vandrix::backoffice
