// The administration window's layout. Everything stands on the "Articole" page; places are
// from the page's top left.
#include "shell/Interfatacolor/interfataadmin.h"

namespace vandrix::shell::interfataadmin {

using ui::GadgetKind;

namespace {

// A gadget on the "Articole" page.
ui::GadgetSpec onPage(int number, GadgetKind kind, const std::string& caption, int x, int y,
                      int width, int height, unsigned flags, const std::string& name) {
    return {number, kind, caption, x, y, width, height, flags, name, kTabs, kArticlesPage};
}

// An editor's five buttons, 50 by 40, from x0 at y; named "<verb>-<editor>" because the three
// editors share their captions.
void addButtons(std::vector<ui::GadgetSpec>& gadgets, int first, int x0, int y,
                const std::string& editor, unsigned flags = 0) {
    const char* captions[] = {"Adauga", "Modifica", "Anuleaza", "Salvare", "Sterge"};
    const char* verbs[] = {"adauga", "modifica", "anuleaza", "salvare", "sterge"};
    for (int i = 0; i < 5; ++i)
        gadgets.push_back(onPage(first + i, GadgetKind::Button, captions[i], x0 + 50 * i, y, 50, 40,
                                 flags, std::string(verbs[i]) + "-" + editor));
}

}  // namespace

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Interfataadmin";
    table.title = "Administrator";
    table.width = 890;
    table.height = 520;
    // The desktop's ordinary control font, not the sale screen's.
    table.fontFamily = "DejaVu Sans";
    table.fontHeight = 8;
    auto& g = table.gadgets;
    g.push_back({kTabs, GadgetKind::TabPanel, "Articole|Parteneri", 0, 0, 890, 520, 0, "pagini"});
    // Articles
    g.push_back(onPage(kArticlesFrame, GadgetKind::Frame, "Articole", 0, 0, 890, 208, 0, ""));
    g.push_back(onPage(kNameSearchLabel, GadgetKind::Label, "Cauta:", 260, 8, 50, 20, 0, ""));
    g.push_back(onPage(kNameSearch, GadgetKind::TextField, "", 310, 10, 260, 18, ui::kUpperCase,
                       "cauta-nume"));
    g.push_back(onPage(kArticles, GadgetKind::ListView, "", 260, 28, 370, 170, ui::kFullRowSelect,
                       "articole"));
    const char* labels[] = {"Denumire:", "UM:", "Pret:", "TVA:", "CodBare:", "OBS:", "Grupa:"};
    for (int i = 0; i < 7; ++i)
        g.push_back(onPage(kNameLabel + i, GadgetKind::Label, labels[i], 0, 18 + 20 * i, 70, 20,
                           ui::kRightAligned, ""));
    g.push_back(
        onPage(kName, GadgetKind::TextField, "", 70, 18, 190, 20, ui::kUpperCase, "denumire"));
    g.push_back(onPage(kUnit, GadgetKind::TextField, "", 70, 38, 190, 20, ui::kUpperCase, "um"));
    g.push_back(onPage(kPrice, GadgetKind::TextField, "", 70, 58, 190, 20, ui::kUpperCase, "pret"));
    g.push_back(onPage(kVatChoice, GadgetKind::ComboBox, "", 70, 78, 190, 20, 0, "tva"));
    g.push_back(onPage(kBarcode, GadgetKind::EditableCombo, "", 70, 98, 190, 20, ui::kUpperCase,
                       "codbare"));
    g.push_back(
        onPage(kRemark, GadgetKind::TextField, "", 70, 118, 190, 20, ui::kUpperCase, "obs"));
    g.push_back(onPage(kGroupChoice, GadgetKind::ComboBox, "", 70, 138, 190, 20, 0, "grupa"));
    addButtons(g, kArticleAdd, 10, 158, "articol");
    g.push_back(
        onPage(kArticleId, GadgetKind::Label, "", 570, 8, 60, 20, ui::kRightAligned, "id-articol"));
    // Right-aligned, so it stands apart from the article id before it.
    g.push_back(onPage(kBarcodeSearchLabel, GadgetKind::Label, "Cauta:", 630, 8, 60, 20,
                       ui::kRightAligned, ""));
    g.push_back(onPage(kBarcodeSearch, GadgetKind::TextField, "", 690, 8, 140, 20, ui::kDigitsOnly,
                       "cauta-codbare"));
    g.push_back(onPage(kSearch, GadgetKind::Button, "Cauta", 830, 8, 50, 20, 0, ""));
    g.push_back(onPage(kBarcodes, GadgetKind::ListView, "", 630, 28, 250, 170, ui::kFullRowSelect,
                       "coduri"));
    // VAT rates
    g.push_back(onPage(kVatFrame, GadgetKind::Frame, "TVA", 0, 218, 270, 280, 0, ""));
    g.push_back(onPage(kPercentLabel, GadgetKind::Label, "Procent:", 10, 238, 60, 20, 0, ""));
    g.push_back(onPage(kPercent, GadgetKind::TextField, "", 70, 238, 130, 20, 0, "procent"));
    g.push_back(
        onPage(kVatId, GadgetKind::Label, "", 200, 238, 60, 20, ui::kRightAligned, "id-tva"));
    addButtons(g, kVatAdd, 10, 258, "tva");
    g.push_back(
        onPage(kVatRates, GadgetKind::ListView, "", 10, 298, 250, 190, ui::kFullRowSelect, "cote"));
    // Groups
    g.push_back(onPage(kGroupFrame, GadgetKind::Frame, "Grupa", 280, 218, 270, 280, 0, ""));
    // Four units further left than the other frames' labels, so the word fits whole.
    g.push_back(onPage(kGroupNameLabel, GadgetKind::Label, "Denumire:", 286, 238, 64, 20, 0, ""));
    g.push_back(
        onPage(kGroupName, GadgetKind::TextField, "", 350, 238, 110, 20, 0, "grupa-denumire"));
    g.push_back(onPage(kShortcut, GadgetKind::CheckBox, "", 470, 238, 20, 20, 0, "shortcut"));
    g.push_back(
        onPage(kGroupId, GadgetKind::Label, "", 490, 238, 50, 20, ui::kRightAligned, "id-grupa"));
    addButtons(g, kGroupAdd, 290, 258, "grupa");
    g.push_back(
        onPage(kGroups, GadgetKind::ListView, "", 290, 298, 250, 190, ui::kFullRowSelect, "grupe"));
    // Meal vouchers: the frame alone shows
    g.push_back(onPage(kVoucherFrame, GadgetKind::Frame, "BonMasa", 560, 218, 330, 280, 0, ""));
    g.push_back(onPage(kVoucherValueLabel, GadgetKind::Label, "Valoare:", 570, 238, 60, 20,
                       ui::kHidden, ""));
    g.push_back(onPage(kVoucherValue, GadgetKind::TextField, "", 630, 238, 130, 20, ui::kHidden,
                       "bonmasa-valoare"));
    g.push_back(onPage(kVoucherId, GadgetKind::Label, "", 760, 238, 60, 20,
                       ui::kHidden | ui::kRightAligned, "id-bonmasa"));
    addButtons(g, kVoucherAdd, 570, 258, "bonmasa", ui::kHidden);
    g.push_back(onPage(kVouchers, GadgetKind::ListView, "", 570, 298, 310, 190,
                       ui::kHidden | ui::kFullRowSelect, "bonuri-masa"));
    return table;
}

}  // namespace vandrix::shell::interfataadmin
