// The quick-key window: its fixed layout is `ArticoleGrupa`; a tab per group marked for quick
// keys, built from the database at every opening, with a button per priced article.
#include <cmath>
#include <map>
#include <vector>

#include "sale/small_windows.h"
#include "shell/Interfatacolor/articolegrupa.h"
#include "shell/application.h"
#include "shell/money.h"
#include "store/database.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::sale {

namespace layout = shell::articolegrupa;

namespace {

constexpr int kLoopTimeoutMs = 250;
// The article buttons' colours: white, and a near-black that the colour map takes as set.
constexpr ui::ButtonColours kArticleColours{0x010101, 0xFFFFFF};

std::vector<std::string> quickKeyGroups(store::Database& db) {
    std::vector<std::string> names;
    store::Query q = db.query("select denumire from grupa where shortcut=?", {"DA"});
    while (q.next())
        names.push_back(q.text(0));
    return names;
}

// The window as the database has it now: the tabs, the group buttons and the article buttons
// (their article ids kept by button).
class QuickKeys {
  public:
    QuickKeys(shell::Application& app, ui::Form& form) : app_(app), form_(form) {}

    void build() {
        if (!app_.db)
            return;
        int k = 0;
        for (const std::string& name : quickKeyGroups(*app_.db)) {
            if (name == "Special")
                continue;
            addGroup(name, k++);
        }
    }

    // Removes the buttons' entries from the colour map.
    void forgetColours() {
        for (int number : coloured_)
            app_.ui.colours().colourMap.erase(form_.handleKey(number));
    }

    const std::string* articleOf(int gadget) const {
        auto found = articles_.find(gadget);
        return found == articles_.end() ? nullptr : &found->second;
    }
    int groupOf(int gadget) const {
        const int k = gadget - layout::groupButton(0);
        return k >= 0 && k < static_cast<int>(names_.size()) ? k : -1;
    }

    // A tab's article buttons are made when the tab is first shown: a shop with many quick keys
    // opens the window with one tab's buttons, not all of them.
    void showGroup(int k) {
        if (k < 0 || k >= static_cast<int>(names_.size()))
            return;
        if (!built_[static_cast<size_t>(k)]) {
            built_[static_cast<size_t>(k)] = true;
            addArticles(k);
        }
        form_.showTab(layout::kTabs, k);
    }

  private:
    void colour(int number) {
        app_.ui.colours().colourMap[form_.handleKey(number)] = kArticleColours;
        coloured_.push_back(number);
    }

    void addGroup(const std::string& name, int k) {
        names_.push_back(name);
        built_.push_back(false);
        if (k < layout::kGroupButtonsShown) {
            form_.addGadget({layout::groupButton(k), ui::GadgetKind::Button, name, 640, 20 + 50 * k,
                             120, 50, 0, ""});
            colour(layout::groupButton(k));
        }
        const int page = form_.addTab(layout::kTabs, name);
        form_.addGadgetIn(layout::kTabs, page,
                          {layout::articleArea(k), ui::GadgetKind::ScrollArea, "", 0, 0, 640, 500,
                           0, "articole-" + std::to_string(k + 1)});
    }

    void addArticles(int k) {
        const std::string& name = names_[static_cast<size_t>(k)];
        store::Query q = app_.db->query(
            "select a.nume,a.pret,g.denumire,a.id from articol as a,grupa as g where "
            "upper(a.idgrupa)=upper(g.id) And g.shortcut=? And upper(g.denumire)=upper(?);",
            {"DA", name});
        int shown = 0;
        while (q.next()) {
            const shell::Cents price = shell::scaledOr0(q.text(1), 2);
            if (price <= 0)
                continue;  // an article without a price gets no button
            const int number = layout::articleButton(articleCount_++);
            const int column = shown % layout::kArticlesPerRow;
            const int row = shown / layout::kArticlesPerRow;
            form_.addGadgetIn(
                layout::articleArea(k), 0,
                {number, ui::GadgetKind::Button,
                 q.text(0) + " \n\r\n\r" + shell::formatCents(price),
                 2 + layout::kArticleSize * column, 2 + layout::kArticleSize * row,
                 layout::kArticleSize, layout::kArticleSize, 0, "articol-" + q.text(3)});
            colour(number);
            articles_[number] = q.text(3);
            ++shown;
        }
        const int rows = (shown + layout::kArticlesPerRow - 1) / layout::kArticlesPerRow;
        form_.setContentSize(layout::articleArea(k), 618, rows * layout::kArticleSize + 4);
    }

    shell::Application& app_;
    ui::Form& form_;
    std::map<int, std::string> articles_;  // article button -> article id
    std::vector<int> coloured_;
    std::vector<std::string> names_;  // the groups by tab
    std::vector<bool> built_;         // whose article buttons are made
    int articleCount_ = 0;
};

}  // namespace

std::optional<std::string> openQuickKeys(shell::Application& app, ui::Form& saleWindow) {
    saleWindow.hideWindow();
    // The window's gadgets are built in a smaller bold face; the program's own comes back after.
    const ui::FontSpec programFont = app.ui.defaultFont;
    app.ui.defaultFont = {"Lucida Console", app.ui.scaledY(10), true};
    std::optional<std::string> chosen;
    {
        ui::Form form(app.ui, layout::layout(), &saleWindow);
        form.loadImage(layout::kUp, "Data/arrow-up-icon.png", 0, 0);
        form.loadImage(layout::kDown, "Data/arrow-down-icon.png", 0, 0);
        QuickKeys keys(app, form);
        keys.build();
        keys.showGroup(0);
        // The arrows move the shown tab's articles by one row of buttons.
        const int rowStep = app.ui.scaledY(layout::kArticleSize);
        ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
            if (event.type == ui::EventType::Close)
                return ui::Next::Leave;
            const int g = event.gadget;
            if (g == layout::kTabs && event.type == ui::EventType::Change) {
                keys.showGroup(form.currentTab(layout::kTabs));  // a tab chosen by its title
                return ui::Next::Stay;
            }
            if (event.type != ui::EventType::Click)
                return ui::Next::Stay;
            if (const std::string* article = keys.articleOf(g)) {
                chosen = app.db ? app.db->scalarText(
                                      "select codbar from codbar where idarticol=? order by id "
                                      "limit 1;",
                                      {*article})
                                : std::string();
                return ui::Next::Leave;
            }
            if (const int k = keys.groupOf(g); k >= 0) {
                keys.showGroup(k);
            } else if (g == layout::kUp || g == layout::kDown) {
                const int area = layout::articleArea(form.currentTab(layout::kTabs));
                const int step = g == layout::kUp ? -rowStep : rowStep;
                form.scrollTo(area, std::max(0, form.scrollPosition(area) + step));
            }
            return ui::Next::Stay;
        });
        keys.forgetColours();
    }
    app.ui.defaultFont = programFont;
    saleWindow.showWindow();
    return chosen;
}

}  // namespace vandrix::sale
