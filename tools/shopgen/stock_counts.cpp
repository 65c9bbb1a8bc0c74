// The generated shop's stock counts: a few counting days over the years, each counting a share
// of the articles (never one article twice in a day), as the counting window stores them.
#include <algorithm>

#include "shop_parts.h"
#include "store/database.h"

namespace vandrix::tools {

bool writeStockCounts(store::Database& db, const ShopSize& size, Draw& draw,
                      const Catalogue& catalogue) {
    const long articles = static_cast<long>(catalogue.articles.size());
    const long perCount = std::max(1L, size.stockRows / std::max(1L, size.stockCounts));
    long row = 1;
    for (long c = 0; c < size.stockCounts; ++c) {
        const std::int64_t day =
            kFirstDay + (kLastDay - kFirstDay) * (c + 1) / (size.stockCounts + 1) + 7 * 3600;
        if (!db.exec(
                "Insert into stoc values (?,?,?,?);",
                {std::to_string(c + 1), dateText(day), "Inventar " + std::to_string(c + 1), ""}))
            return false;
        // Distinct articles: a stride through the list from a random start.
        const long first = static_cast<long>(draw.below(static_cast<std::uint64_t>(articles)));
        for (long i = 0; i < perCount && i < articles && row <= size.stockRows; ++i, ++row) {
            const long article = (first + i * 7) % articles + 1;
            if (!db.exec("Insert into spstoc values (?,?,?,?,?);",
                         {std::to_string(row), std::to_string(article), "",
                          shell::formatQuantity(draw.between(0, 200000)), dateText(day + i)}))
                return false;
        }
    }
    return true;
}

}  // namespace vandrix::tools
