// A shop of years of sales made up for measuring: articles, barcodes, groups, receipts in closed
// end-of-day periods, stock counts and price history, in a `baza.db` made through the program's
// own schema and written the way the program writes its rows. The same seed makes the same shop.
#pragma once

#include <cstdint>
#include <string>

namespace vandrix::tools {

struct ShopSize {
    long articles = 0;
    long barcodes = 0;
    long groups = 0;
    long receipts = 0;
    long periods = 0;  // closed ones; the next one is open
    long stockCounts = 0;
    long stockRows = 0;
    long priceChanges = 0;
};

// The shop of five years at factor 1 (300,000 articles, 400,000 barcodes, 1,000,000 receipts of
// 1 to 9 lines in 1,000 periods, 50,000 counted rows), every count scaled by the factor.
ShopSize shopSizeForFactor(double factor);

// Makes the shop in a database file that does not exist yet (or is empty). With earlierVersion
// the database is left as an earlier program version left it: without the program's indexes,
// schema version 0. False when the file cannot be made or written.
bool generateShop(const std::string& path, const ShopSize& size, std::uint64_t seed,
                  bool earlierVersion);

}  // namespace vandrix::tools
