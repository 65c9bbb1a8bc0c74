// A stock count: the shop owner scans each article, sees its current stock and types the
// quantity found on the shelf. The count is stamped with the time its window opened; an article
// counted twice in it keeps one row.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/money.h"

namespace vandrix::store {
class Database;
}

namespace vandrix::backoffice {

// Codes the count passes over: the tip's "0", the discount's "D" and the back-office code.
bool ignoredInCount(const std::string& code);

struct CountedArticle {
    std::string id, name;
};

// The article of a barcode that names exactly one; nullopt otherwise.
std::optional<CountedArticle> articleOfBarcode(store::Database& db, const std::string& code);

// The current stock: the latest count (by its time) less what was sold since; 0 for an article
// never counted.
shell::Thousandths currentStock(store::Database& db, const std::string& articleId);

// What the article display shows: "NAME > 12.000".
std::string stockLine(const std::string& name, shell::Thousandths stock);

// A counted quantity typed as "5", "2,5" or "2.500"; nullopt for anything else (letters, a
// negative count, more than three decimals).
std::optional<shell::Thousandths> countedQuantity(const std::string& typed);

// Records the article's counted quantity in the count; false when the database refused it.
bool recordCount(store::Database& db, const std::string& articleId, shell::Thousandths quantity,
                 const std::string& countTime);

struct CountRow {
    std::string name, unit, quantity;  // quantity with 3 decimals, right-aligned in 7
};
std::vector<CountRow> countRows(store::Database& db, const std::string& countTime);

// Ends the count: its stock document row when its quantities add up to more than 0.
void finishCount(store::Database& db, const std::string& countTime);

}  // namespace vandrix::backoffice
