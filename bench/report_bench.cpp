// The CSV reports of the reports window on the shop: the sales of one period, the stock of the
// day and the price differences.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <string>

#include "backoffice/csv_reports.h"
#include "platform/system.h"
#include "shop_bench.h"

namespace vandrix::bench {
namespace {

// Each run writes its own file (the time is part of the name); the files are removed after.
std::time_t nextMoment() {
    static std::time_t moment = 1765000000;
    return ++moment;
}

// The memory a report needs: the process's peak before the first run and after the last.
void countMemory(benchmark::State& state, std::int64_t before) {
    state.counters["peak_mb_before"] = static_cast<double>(before) / (1024 * 1024);
    state.counters["peak_mb_after"] =
        static_cast<double>(platform::peakResidentBytes()) / (1024 * 1024);
}

void removeReports() {
    std::filesystem::remove_all("rapoarte");
    std::filesystem::create_directory("rapoarte");
}

// Runs a report as often as the benchmark asks; the files are removed after.
template <typename Write>
void runReport(benchmark::State& state, const Write& write) {
    const std::int64_t before = platform::peakResidentBytes();
    for (auto _ : state)
        if (!write(nextMoment()))
            state.SkipWithError("the report was not written");
    countMemory(state, before);
    removeReports();
    state.SetLabel(benchShop().description);
}

void SalesReportOfOnePeriod(benchmark::State& state) {
    const std::string period = std::to_string(benchShop().busyPeriod);
    runReport(state, [&](std::time_t now) {
        return backoffice::writeSalesReport("baza.db", period, now).written;
    });
}
BENCHMARK(SalesReportOfOnePeriod)->Unit(benchmark::kMillisecond);

void StockOfTheDay(benchmark::State& state) {
    runReport(state,
              [](std::time_t now) { return backoffice::writeStockReport("baza.db", now).written; });
}
BENCHMARK(StockOfTheDay)->Unit(benchmark::kMillisecond);

void PriceDifferences(benchmark::State& state) {
    runReport(state, [](std::time_t now) {
        auto files = backoffice::writePriceDifferenceReports("baza.db", now);
        return files.receipts.written && files.history.written;
    });
}
BENCHMARK(PriceDifferences)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vandrix::bench
