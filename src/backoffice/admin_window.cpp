// The administration window: its layout is `Interfataadmin`; the article, VAT-rate and group
// editors with their lists. The editors share one mode: the last Adauga or Modifica pressed in
// any of them decides whether the next Salvare adds or modifies.
#include "backoffice/administration.h"
#include "backoffice/back_office.h"
#include "backoffice/csv_line.h"
#include "platform/clock.h"
#include "shell/Interfatacolor/interfataadmin.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::backoffice {

using namespace shell::interfataadmin;

namespace {

constexpr int kLoopTimeoutMs = 250;
constexpr int kEnterShortcut = 13;

enum class Mode { None, Adding, Modifying };

class AdminWindow {
  public:
    AdminWindow(shell::Application& app, ui::Form& form, bool restricted)
        : app_(app), db_(*app.db), form_(form), restricted_(restricted) {}

    void open();
    void handle(const ui::Event& event);

  private:
    void error(const std::string& text) { app_.dialogs.message(text, "Eroare", shell::kButtonsOk); }
    bool ask(const std::string& text) {
        return app_.dialogs.message(text, "Stergeti", shell::kButtonsYesNo) == shell::kResultYes;
    }
    std::string now() { return platform::databaseStamp(app_.ui.clock().now()); }

    void showArticles(const std::vector<ArticleRow>& rows);
    void showBarcodes(const std::vector<BarcodeRow>& rows);
    void fillVatRates();
    void fillGroups();
    void nameSearch() { showArticles(articlesNamed(db_, form_.text(kNameSearch))); }
    void barcodeSearch() { showBarcodes(barcodesEqual(db_, form_.text(kBarcodeSearch))); }
    void enter();

    void addArticle();
    void modifyArticle();
    void clearArticle();
    void saveArticle();
    void deleteArticle();
    void addVatRate();
    void modifyVatRate();
    void saveVatRate();
    void deleteVatRate();
    void addGroup();
    void modifyGroup();
    void saveGroup();
    void deleteGroup();

    shell::Application& app_;
    store::Database& db_;
    ui::Form& form_;
    bool restricted_;
    Mode mode_ = Mode::None;
    int lastField_ = -1;  // the field that last raised an event: where Enter acts
    std::vector<std::string> vatIds_, groupIds_;  // the ids behind the two drop-downs' entries
};

void AdminWindow::open() {
    form_.setColumns(kArticles, {"ID", "Denumire", "UM", "Pret", "TVA", "OBS", "Grupa"},
                     {0, 100, 50, 70, 40, 50, 50});
    form_.setColumns(kBarcodes, {"ID", "CodBare", "IDArt"}, {0, 100, 0});
    form_.setColumns(kVatRates, {"ID", "Procent"}, {50, 100});
    // "Shortcut" shows whole (the list has room for it).
    form_.setColumns(kGroups, {"ID", "Denumire", "Shortcut"}, {50, 100, 60});
    form_.addShortcut(ui::Key::Enter, kEnterShortcut);
    form_.addShortcut(ui::Key::Execute, kEnterShortcut);
    for (int g = kVatAdd; g <= kVatDelete; ++g)
        form_.setEnabled(g, !restricted_);
    fillGroups();
    fillVatRates();
}

void AdminWindow::showArticles(const std::vector<ArticleRow>& rows) {
    std::vector<std::vector<std::string>> cells;
    cells.reserve(rows.size());
    for (const ArticleRow& r : rows)
        cells.push_back({r.id, r.name, r.unit, r.price, r.vatId, r.remark, r.groupId});
    form_.clearRows(kArticles);
    form_.addRows(kArticles, cells);
}

void AdminWindow::showBarcodes(const std::vector<BarcodeRow>& rows) {
    form_.clearRows(kBarcodes);
    for (const BarcodeRow& r : rows)
        form_.addRow(kBarcodes, {r.id, r.code, r.articleId});
}

void AdminWindow::fillVatRates() {
    form_.clearRows(kVatRates);
    form_.clearItems(kVatChoice);
    vatIds_.clear();
    for (const VatRate& rate : vatRates(db_)) {
        form_.addRow(kVatRates, {rate.id, rate.percent});
        form_.addItem(kVatChoice, rate.percent);
        vatIds_.push_back(rate.id);
    }
    form_.setCurrentItem(kVatChoice, -1);
}

void AdminWindow::fillGroups() {
    form_.clearRows(kGroups);
    form_.clearItems(kGroupChoice);
    groupIds_.clear();
    for (const GroupRow& group : groups(db_)) {
        form_.addRow(kGroups, {group.id, group.name, group.shortcut});
        form_.addItem(kGroupChoice, group.name);
        groupIds_.push_back(group.id);
    }
    form_.setCurrentItem(kGroupChoice, -1);
}

void AdminWindow::enter() {
    if (lastField_ == kNameSearch)
        nameSearch();
    else if (lastField_ == kBarcodeSearch)
        barcodeSearch();
    else if (lastField_ == kBarcode)
        form_.setFocus(kRemark);  // a scanned barcode ends with Enter
}

// ---- articles ----

void AdminWindow::addArticle() {
    const std::string id = nextArticleId(db_);
    form_.setText(kArticleId, id);
    form_.clearItems(kBarcode);
    form_.addItem(kBarcode, id);
    form_.setCurrentItem(kBarcode, 0);
    mode_ = Mode::Adding;
    form_.setFocus(kName);
}

// The drop-down entry of an id; -1 when no entry has it.
int indexOf(const std::vector<std::string>& ids, const std::string& id) {
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == id)
            return static_cast<int>(i);
    return -1;
}

std::string idAt(const std::vector<std::string>& ids, int index) {
    return index >= 0 && index < static_cast<int>(ids.size()) ? ids[static_cast<std::size_t>(index)]
                                                              : std::string();
}

void AdminWindow::modifyArticle() {
    const int row = form_.selectedRow(kArticles);
    if (row >= 0) {
        const std::string id = form_.cell(kArticles, row, 0);
        form_.setText(kName, form_.cell(kArticles, row, 1));
        form_.setText(kUnit, form_.cell(kArticles, row, 2));
        form_.setText(kPrice, form_.cell(kArticles, row, 3));
        form_.setText(kArticleId, id);
        form_.setText(kRemark, form_.cell(kArticles, row, 5));
        // The rate and the group by their ids, whatever was deleted before them.
        form_.setCurrentItem(kVatChoice, indexOf(vatIds_, form_.cell(kArticles, row, 4)));
        form_.setCurrentItem(kGroupChoice, indexOf(groupIds_, form_.cell(kArticles, row, 6)));
        form_.clearItems(kBarcode);
        for (const BarcodeRow& b : barcodesOfArticle(db_, id))
            form_.addItem(kBarcode, b.code);
        form_.setCurrentItem(kBarcode, form_.itemCount(kBarcode) > 0 ? 0 : -1);
        mode_ = Mode::Modifying;
    }
    form_.setFocus(kName);
}

void AdminWindow::clearArticle() {
    for (int g : {kName, kPrice, kUnit, kRemark, kArticleId})
        form_.setText(g, "");
    form_.setCurrentItem(kVatChoice, -1);
    form_.setCurrentItem(kGroupChoice, -1);
    form_.clearItems(kBarcode);
    form_.setCurrentItem(kBarcode, -1);
}

void AdminWindow::saveArticle() {
    ArticleEdit edit;
    edit.id = form_.text(kArticleId);
    edit.name = form_.text(kName);
    edit.unit = form_.text(kUnit);
    edit.price = form_.text(kPrice);
    edit.remark = form_.text(kRemark);
    edit.barcode = form_.text(kBarcode);
    edit.vatId = idAt(vatIds_, form_.currentItem(kVatChoice));
    edit.groupId = idAt(groupIds_, form_.currentItem(kGroupChoice));
    Outcome outcome = backoffice::saveArticle(db_, edit, mode_ == Mode::Adding, now());
    if (!outcome.done) {
        error(outcome.message);
        return;
    }
    // The rate and the group stay chosen for the next article.
    for (int g : {kArticleId, kName, kUnit, kPrice, kRemark})
        form_.setText(g, "");
    form_.clearItems(kBarcode);
    form_.setCurrentItem(kBarcode, -1);
}

void AdminWindow::deleteArticle() {
    const int row = form_.selectedRow(kArticles);
    if (row < 0)
        return;
    const std::string id = form_.cell(kArticles, row, 0);
    std::string name;
    Outcome check = articleDeletable(db_, id, name);
    if (!check.done) {
        error(check.message);
        return;
    }
    if (!ask("Sigur Stergeti articolul " + name +
             "\r\ncu datele asociate ? (codbare, tva, pret)\r\n"))
        return;
    Outcome outcome = backoffice::deleteArticle(db_, id);
    if (!outcome.done)
        error(outcome.message);
}

// ---- VAT rates ----

void AdminWindow::addVatRate() {
    auto id = freeVatId(db_);
    if (!id) {
        error(
            "Casa de marcat are 5 cote de TVA si toate sunt folosite.\r\nModificati o cota "
            "existenta.\r\n\r\n");
        return;
    }
    form_.setText(kVatId, *id);
    mode_ = Mode::Adding;
    form_.setFocus(kPercent);
}

void AdminWindow::modifyVatRate() {
    const int row = form_.selectedRow(kVatRates);
    if (row >= 0) {
        form_.setText(kPercent, form_.cell(kVatRates, row, 1));
        form_.setText(kVatId, form_.cell(kVatRates, row, 0));
        mode_ = Mode::Modifying;
    }
    form_.setFocus(kPercent);
}

void AdminWindow::saveVatRate() {
    Outcome outcome = backoffice::saveVatRate(db_, form_.text(kVatId), form_.text(kPercent),
                                              mode_ == Mode::Adding);
    if (!outcome.done) {
        error(outcome.message);
        return;
    }
    form_.setText(kVatId, "");
    form_.setText(kPercent, "");
    fillVatRates();
}

void AdminWindow::deleteVatRate() {
    const int row = form_.selectedRow(kVatRates);
    if (row < 0)
        return;
    const std::string id = form_.cell(kVatRates, row, 0);
    const std::string percent = form_.cell(kVatRates, row, 1);
    Outcome check = vatRateDeletable(db_, id, percent);
    if (!check.done) {
        error(check.message);
        return;
    }
    if (!ask("Sigur Stergeti " + percent + " ?\r\n"))
        return;
    Outcome outcome = backoffice::deleteVatRate(db_, id);
    if (!outcome.done)
        error(outcome.message);
    fillVatRates();
}

// ---- groups ----

void AdminWindow::addGroup() {
    form_.setText(kGroupId, proposedGroupId(db_));
    mode_ = Mode::Adding;
    form_.setFocus(kGroupName);
}

void AdminWindow::modifyGroup() {
    // The first group ("General" in a new shop) stays as it is.
    const int row = form_.selectedRow(kGroups);
    if (row > 0) {
        form_.setText(kGroupName, form_.cell(kGroups, row, 1));
        form_.setText(kGroupId, form_.cell(kGroups, row, 0));
        form_.setChecked(kShortcut, 0, upperCase(form_.cell(kGroups, row, 2)) == "DA");
        mode_ = Mode::Modifying;
    }
    form_.setFocus(kGroupName);
}

void AdminWindow::saveGroup() {
    Outcome outcome = backoffice::saveGroup(db_, form_.text(kGroupId), form_.text(kGroupName),
                                            form_.isChecked(kShortcut), mode_ == Mode::Adding);
    if (!outcome.done) {
        error(outcome.message);
        return;
    }
    form_.setText(kGroupId, "");
    form_.setText(kGroupName, "");
    fillGroups();
}

void AdminWindow::deleteGroup() {
    const int row = form_.selectedRow(kGroups);
    if (row <= 0)
        return;
    const std::string id = form_.cell(kGroups, row, 0);
    const std::string name = form_.cell(kGroups, row, 1);
    Outcome check = groupDeletable(db_, id, name);
    if (!check.done) {
        error(check.message);
        return;
    }
    if (!ask("Sigur Stergeti " + name + " ?\r\n"))
        return;
    Outcome outcome = backoffice::deleteGroup(db_, id);
    if (!outcome.done)
        error(outcome.message);
    fillGroups();
}

void AdminWindow::handle(const ui::Event& event) {
    if (event.type == ui::EventType::Shortcut) {
        if (event.gadget == kEnterShortcut)
            enter();
        return;
    }
    if (event.type == ui::EventType::Change || event.type == ui::EventType::Focus)
        lastField_ = event.gadget;
    switch (event.gadget) {
        case kArticles:
            if (const int row = form_.selectedRow(kArticles); row >= 0)
                showBarcodes(barcodesOfArticle(db_, form_.cell(kArticles, row, 0)));
            else
                form_.clearRows(kBarcodes);
            return;
        case kBarcodes:
            if (const int row = form_.selectedRow(kBarcodes); row >= 0)
                showArticles(articleWithId(db_, form_.cell(kBarcodes, row, 2)));
            else
                form_.clearRows(kArticles);
            return;
        default:
            break;
    }
    if (event.type != ui::EventType::Click)
        return;
    switch (event.gadget) {
        case kSearch:
            nameSearch();
            barcodeSearch();
            break;
        case kArticleAdd:
            addArticle();
            break;
        case kArticleModify:
            modifyArticle();
            break;
        case kArticleCancel:
            clearArticle();
            break;
        case kArticleSave:
            saveArticle();
            break;
        case kArticleDelete:
            deleteArticle();
            break;
        case kVatAdd:
            addVatRate();
            break;
        case kVatModify:
            modifyVatRate();
            break;
        case kVatCancel:
            form_.setText(kVatId, "");
            form_.setText(kPercent, "");
            break;
        case kVatSave:
            saveVatRate();
            break;
        case kVatDelete:
            deleteVatRate();
            break;
        case kGroupAdd:
            addGroup();
            break;
        case kGroupModify:
            modifyGroup();
            break;
        case kGroupCancel:
            form_.setText(kGroupId, "");
            form_.setText(kGroupName, "");
            break;
        case kGroupSave:
            saveGroup();
            break;
        case kGroupDelete:
            deleteGroup();
            break;
        default:
            break;
    }
}

}  // namespace

void openAdministration(shell::Application& app, ui::Form* parent, bool restricted) {
    if (!app.db)
        return;
    ui::Form form(app.ui, layout(), parent);
    form.centreOnScreen(890, 520);
    AdminWindow window(app, form, restricted);
    window.open();
    ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close)
            return ui::Next::Leave;
        window.handle(event);
        return ui::Next::Stay;
    });
}

}  // namespace vandrix::backoffice
