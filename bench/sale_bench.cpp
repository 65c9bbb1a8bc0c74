// The paths of a sale on the shop: a scanned code through the article entry into the receipt
// grid (no painting), and a paid receipt of ten lines stored with its files and delivered.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "fiscal/finish_receipt.h"
#include "sale/article_entry.h"
#include "sale/article_search.h"
#include "shell/application.h"
#include "shop_bench.h"

namespace vandrix::bench {
namespace {

namespace fs = std::filesystem;

// Barcodes spread over the whole article list, as a day's scans are.
std::vector<std::string> sampleCodes(shell::Application& app, int wanted) {
    std::vector<std::string> codes;
    const std::int64_t rows = app.db->scalarInteger("select count(*) from codbar");
    const std::int64_t step = std::max<std::int64_t>(1, rows / wanted);
    auto q = app.db->query(
        "select c.codbar from codbar as c, articol as a where a.id=c.idarticol and a.id>0 and "
        "a.pret>0 and c.id % ? = 0 order by c.id",
        {std::to_string(step)});
    while (q.next() && static_cast<int>(codes.size()) < wanted)
        codes.push_back(q.text(0));
    return codes;
}

void ScanPath(benchmark::State& state) {
    shell::Application& app = benchApp();
    const std::vector<std::string> codes = sampleCodes(app, 1000);
    sale::ReceiptGrid grid;
    std::vector<double> times;
    size_t next = 0;
    for (auto _ : state) {
        sale::EntryFields fields;
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(sale::processCode(app, codes[next], grid, fields));
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        next = (next + 1) % codes.size();
        if (grid.size() >= 10) {
            state.PauseTiming();
            grid = sale::ReceiptGrid();
            state.ResumeTiming();
        }
    }
    std::sort(times.begin(), times.end());
    state.counters["p99_ms"] = times[times.size() * 99 / 100];
    state.SetLabel(benchShop().description);
}
BENCHMARK(ScanPath)->Unit(benchmark::kMicrosecond);

void FinishReceiptOfTenLines(benchmark::State& state) {
    shell::Application& app = benchApp();
    const std::vector<std::string> codes = sampleCodes(app, 10);
    sale::ReceiptGrid grid;
    sale::EntryFields fields;
    for (const std::string& code : codes)
        sale::processCode(app, code, grid, fields);
    const fiscal::Payment cash{1, fields.total, {}};
    const fs::path driverFolder = app.settings.serverDir;
    fs::create_directories(driverFolder);
    for (auto _ : state) {
        if (!fiscal::finishReceipt(app, grid, cash))
            state.SkipWithError("the receipt was not stored");
        // The driver takes the file.
        state.PauseTiming();
        for (const auto& entry : fs::directory_iterator(driverFolder))
            fs::remove(entry.path());
        state.ResumeTiming();
    }
    state.SetLabel(benchShop().description);
}
BENCHMARK(FinishReceiptOfTenLines)->Unit(benchmark::kMillisecond);

// A search refresh with its stock column, for a fragment that many articles hold and for one
// that few hold.
void ArticleSearch(benchmark::State& state, const char* fragment) {
    shell::Application& app = benchApp();
    size_t rows = 0;
    for (auto _ : state)
        rows = sale::searchArticles(*app.db, fragment).size();
    state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(benchShop().description);
}
BENCHMARK_CAPTURE(ArticleSearch, many, "123")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ArticleSearch, few, "12345")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vandrix::bench
