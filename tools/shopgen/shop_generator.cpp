// The generated shop: its size by factor, and the database made through the program's schema,
// filled in one transaction and then given the program's indexes.
#include "shopgen/shop_generator.h"

#include <algorithm>
#include <cmath>

#include "platform/files.h"
#include "shop_parts.h"
#include "store/database.h"
#include "store/database2020.h"
#include "store/schema_indexes.h"

namespace vandrix::tools {
namespace {

long scaled(double full, double factor, long least) {
    return std::max(least, static_cast<long>(std::llround(full * factor)));
}

}  // namespace

ShopSize shopSizeForFactor(double factor) {
    ShopSize size;
    size.articles = scaled(300000, factor, 20);
    size.barcodes = std::max(size.articles, scaled(400000, factor, 25));
    size.groups = scaled(40, factor, 5);
    size.periods = scaled(1000, factor, 5);
    size.receipts = std::max(size.periods, scaled(1000000, factor, 100));
    size.stockCounts = scaled(5, factor, 2);
    size.stockRows = scaled(50000, factor, 10);
    size.priceChanges = scaled(20000, factor, 10);
    return size;
}

bool generateShop(const std::string& path, const ShopSize& size, std::uint64_t seed,
                  bool earlierVersion) {
    if (!platform::missingOrEmpty(path))
        return false;
    store::Database2020(path);
    auto db = store::Database::open(path);
    if (!db || !store::dropIndexes(*db))
        return false;
    // A bulk load: no journal to keep and no waiting for the disk; the file is made whole or
    // thrown away by whoever asked for it.
    db->exec("PRAGMA journal_mode=OFF");
    db->exec("PRAGMA synchronous=OFF");
    db->exec("PRAGMA cache_size=-262144");
    Draw draw(seed);
    Catalogue catalogue;
    const bool filled = db->transaction([&] {
        // The seed rows carry the moment the schema was made; the shop's history starts before
        // its first sale instead, so a seed makes the same file every time.
        const std::string founded = dateText(kFirstDay);
        if (!db->exec("update bon set databon=? where id=1", {founded}) ||
            !db->exec("update eod set data=? where id=1", {founded}) ||
            !db->exec("update fact set data=? where id=0", {founded}))
            return false;
        return writeCatalogue(*db, size, draw, catalogue) &&
               writeSales(*db, size, draw, catalogue) &&
               writeStockCounts(*db, size, draw, catalogue);
    });
    if (!filled)
        return false;
    if (!earlierVersion && !store::addIndexes(*db))
        return false;
    return db->exec("PRAGMA journal_mode=DELETE");
}

}  // namespace vandrix::tools
