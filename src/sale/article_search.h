// The article search of the sale screen: the articles whose name or barcode holds a text, with
// their stock.
#pragma once

#include <string>
#include <vector>

namespace vandrix::store {
class Database;
}

namespace vandrix::sale {

// One row of the search list, in the list's columns.
struct FoundArticle {
    std::string id, name, unit, price, group, barcode, vatGroup, remark, stock;
};

// The fewest characters a search needs: a shorter text lists nothing.
inline constexpr std::size_t kSearchMinimum = 3;

// The articles whose name or one of whose barcodes holds the text (letters without regard to
// case), one row per name in name order, with one of the article's barcodes (never the tip's
// "0" or the discount's "D"), the price with two decimals and the stock with three: the latest
// count (by date; of two at the same moment, the one entered last) less what was sold since, or
// less everything sold when it was never counted.
std::vector<FoundArticle> searchArticles(store::Database& db, const std::string& text);

}  // namespace vandrix::sale
