// The administration's work on the articles, barcodes, VAT rates and groups: the lists it shows
// and the checks and statements of its editors. The window applies the outcomes to its fields.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vandrix::store {
class Database;
}

namespace vandrix::backoffice {

struct ArticleRow {
    std::string id, name, unit, price, vatId, remark, groupId;
};
struct BarcodeRow {
    std::string id, code, articleId;
};
struct VatRate {
    std::string id, percent;
};
struct GroupRow {
    std::string id, name, shortcut;
};

// The messages the editors answer with (title "Eroare").
inline constexpr const char* kNoBarcode = "Nu ati selectat/introdus CodArticol/CodBare\r\n\r\n";
inline constexpr const char* kCannotSave =
    "Nu putem salva!\r\nSelectati Adauga sau Modifica !\r\n\r\n";
inline constexpr const char* kCannotSaveGroup = "Nu putem salva!\nSelectati Adauga sau Modifica !";

// Lists. Articles whose name holds the text (every article above id 0 for an empty text);
// barcodes equal to a code (never the special articles' four); an article's barcodes; one
// article; the VAT rates; the groups from id 2.
std::vector<ArticleRow> articlesNamed(store::Database& db, const std::string& text);
std::vector<BarcodeRow> barcodesEqual(store::Database& db, const std::string& code);
std::vector<BarcodeRow> barcodesOfArticle(store::Database& db, const std::string& articleId);
std::vector<ArticleRow> articleWithId(store::Database& db, const std::string& id);
std::vector<VatRate> vatRates(store::Database& db);
std::vector<GroupRow> groups(store::Database& db);

// Ids proposed by Adauga: the next article id; the lowest VAT id of the fiscal printer's
// groups 1 to 5 that no rate holds (nullopt when all five are taken); the next group id, at
// most 9.
std::string nextArticleId(store::Database& db);
std::optional<std::string> freeVatId(store::Database& db);
std::string proposedGroupId(store::Database& db);

// What Salvare or Sterge did: done, or the message that says why not.
struct Outcome {
    bool done = false;
    std::string message;
};

struct ArticleEdit {
    std::string id, name, unit, price, vatId, groupId, remark, barcode;
};

// Stores the article being added or modified, with its barcode when that is new; a price-
// history row when the price or the VAT id changed, and always for a new article. Everything
// of one save is stored together or not at all.
Outcome saveArticle(store::Database& db, const ArticleEdit& edit, bool adding,
                    const std::string& now);

// Sterge: the name for the question, or the refusal of an article that was ever sold.
Outcome articleDeletable(store::Database& db, const std::string& id, std::string& name);
Outcome deleteArticle(store::Database& db, const std::string& id);

Outcome saveVatRate(store::Database& db, const std::string& id, const std::string& percent,
                    bool adding);
Outcome vatRateDeletable(store::Database& db, const std::string& id, const std::string& percent);
Outcome deleteVatRate(store::Database& db, const std::string& id);

Outcome saveGroup(store::Database& db, const std::string& id, const std::string& name,
                  bool shortcut, bool adding);
Outcome groupDeletable(store::Database& db, const std::string& id, const std::string& name);
Outcome deleteGroup(store::Database& db, const std::string& id);

}  // namespace vandrix::backoffice
