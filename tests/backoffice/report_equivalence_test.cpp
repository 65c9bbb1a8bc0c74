// On a generated shop (discounts, older prices, several counts, shared and padded codes) the
// reports equal, byte for byte, the same reports computed row by row, on the database as an
// earlier version left it (no indexes) and after it gained the indexes at start.
#include <gtest/gtest.h>

#include <filesystem>

#include "backoffice/csv_reports.h"
#include "per_row_reports.h"
#include "platform/clock.h"
#include "platform/text_file.h"
#include "shopgen/shop_generator.h"
#include "store/database.h"
#include "store/schema_indexes.h"
#include "temp_folder.h"

namespace vandrix::backoffice {
namespace {

using platform::Encoding;

TEST(ReportEquivalence, ReportsEqualTheirRowByRowReferenceBeforeAndAfterTheIndexes) {
    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    ASSERT_TRUE(tools::generateShop("baza.db", tools::shopSizeForFactor(0.0005), 7, true));
    std::filesystem::create_directory("rapoarte");
    auto db = store::Database::open("baza.db");
    ASSERT_EQ(store::schemaVersion(*db), 0);
    // Padded and shared codes, which the stock report trims and leaves out.
    ASSERT_TRUE(db->exec("insert into codbar select max(id)+1,' 77 ','1' from codbar"));
    ASSERT_TRUE(db->exec("insert into codbar select max(id)+1,'77','2' from codbar"));
    ASSERT_TRUE(db->exec("insert into codbar select max(id)+1,'88 ','3' from codbar"));

    const long last = static_cast<long>(db->scalarInteger("select max(id) from eod"));
    const std::vector<std::string> periods = {"2", std::to_string(last / 2),
                                              std::to_string(last - 1)};
    std::vector<reference::Lines> sales;
    for (const std::string& period : periods)
        sales.push_back(reference::salesReport(*db, period));
    ASSERT_GT(sales[1].size(), 3u);
    const reference::Lines stock = reference::stockReport(*db);
    const reference::Lines prices = reference::receiptPrices(*db);
    const reference::Lines history = reference::priceHistory(*db);
    ASSERT_GT(prices.size(), 1u);

    std::time_t moment = platform::parseLocalTime("2026-12-10 10:00:00");
    auto bytesOf = [](const ReportFile& file) {
        EXPECT_TRUE(file.written) << file.path;
        return testing::readFileBytes(file.path);
    };
    for (const bool indexed : {false, true}) {
        SCOPED_TRACE(indexed ? "with the indexes" : "as an earlier version left it");
        if (indexed) {
            ASSERT_TRUE(store::addIndexes(*db));
        }
        for (size_t i = 0; i < periods.size(); ++i)
            EXPECT_EQ(bytesOf(writeSalesReport("baza.db", periods[i], ++moment)),
                      platform::encodeLines(sales[i], Encoding::Utf8))
                << "period " << periods[i];
        EXPECT_EQ(bytesOf(writeStockReport("baza.db", ++moment)),
                  platform::encodeLines(stock, Encoding::Utf8));
        const PriceDifferenceReports both = writePriceDifferenceReports("baza.db", ++moment);
        EXPECT_EQ(bytesOf(both.receipts), platform::encodeLines(prices, Encoding::Utf8));
        EXPECT_EQ(bytesOf(both.history), platform::encodeLines(history, Encoding::Ansi));
    }
}

}  // namespace
}  // namespace vandrix::backoffice
