// The article search window: its layout is `Articole`; the search text typed or put together
// on the on-screen keys, the matching articles with their stock, a double click to sell one.
#include "sale/article_search.h"
#include "sale/small_windows.h"
#include "shell/Interfatacolor/articole.h"
#include "shell/application.h"
#include "ui/form.h"
#include "ui/window_loop.h"

namespace vandrix::sale {

namespace layout = shell::articole;

namespace {

constexpr int kLoopTimeoutMs = 250;
constexpr int kBarcodeColumn = 5;

void fillSearchList(shell::Application& app, ui::Form& form, const std::string& text) {
    form.clearRows(layout::kList);
    if (!app.db)
        return;
    for (const FoundArticle& a : searchArticles(*app.db, text))
        form.addRow(layout::kList, {a.id, a.name, a.unit, a.price, a.group, a.barcode, a.vatGroup,
                                    a.remark, a.stock});
}

}  // namespace

std::optional<std::string> openArticleSearch(shell::Application& app, ui::Form& saleWindow) {
    saleWindow.hideWindow();
    std::optional<std::string> chosen;
    {
        ui::Form form(app.ui, layout::layout(), &saleWindow);
        form.setColumns(layout::kList,
                        {"ID", "Denumire", "UM", "Pret", "Grupa", "CodBare", "TVA", "OBS", "STOC"},
                        {0, 200, 100, 100, 0, 200, 0, 0, 150});
        form.loadImage(layout::kUp, "Data/arrow-up-icon.png", 0, 0);
        form.loadImage(layout::kDown, "Data/arrow-down-icon.png", 0, 0);
        form.setFocus(layout::kSearch);
        std::string searched;
        const std::string& keys = layout::characters();
        ui::runWindowLoop(
            form, kLoopTimeoutMs,
            [&](const ui::Event& event) {
                if (event.type == ui::EventType::Close)
                    return ui::Next::Leave;
                const int g = event.gadget;
                const int rows = form.rowCount(layout::kList);
                const int selected = form.selectedRow(layout::kList);
                if (g == layout::kList && event.type == ui::EventType::DoubleClick &&
                    selected >= 0) {
                    chosen = form.cell(layout::kList, selected, kBarcodeColumn);
                    return ui::Next::Leave;
                }
                if (g == layout::kDown && selected < rows - 1) {
                    form.selectRow(layout::kList, selected + 1);
                    form.setFocus(layout::kList);
                } else if (g == layout::kUp && selected > 0) {
                    form.selectRow(layout::kList, selected - 1);
                    form.setFocus(layout::kList);
                } else if (g >= layout::kFirstCharacter &&
                           g < layout::kFirstCharacter + static_cast<int>(keys.size())) {
                    form.setText(layout::kSearch,
                                 form.text(layout::kSearch) +
                                     keys[static_cast<size_t>(g - layout::kFirstCharacter)]);
                    form.setFocus(layout::kSearch);
                    form.setCaretToEnd(layout::kSearch);
                } else if (g == layout::kBackspace) {
                    std::string text = form.text(layout::kSearch);
                    if (!text.empty())
                        text.pop_back();
                    form.setText(layout::kSearch, text);
                    form.setFocus(layout::kSearch);
                    form.setCaretToEnd(layout::kSearch);
                }
                return ui::Next::Stay;
            },
            [&] {
                // Typed or put together on the keys: a new text is searched once.
                const std::string text = form.text(layout::kSearch);
                if (text != searched) {
                    searched = text;
                    fillSearchList(app, form, text);
                }
            });
    }
    saleWindow.showWindow();
    return chosen;
}

}  // namespace vandrix::sale
