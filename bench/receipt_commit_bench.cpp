// Benchmarks of storing a paid receipt of ten lines on a real database file: the rows in one
// transaction with the database's journal as the program keeps it (a rollback journal,
// synchronous FULL) against a write-ahead log with synchronous FULL, the alternative weighed
// for the busy-database and power-cut cases.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "fiscal/receipt_storage.h"
#include "sale/receipt_grid.h"
#include "store/database.h"
#include "store/database2020.h"

namespace {

namespace fs = std::filesystem;
using namespace vandrix;

void storeReceipts(benchmark::State& state, const char* journal) {
    const fs::path folder = fs::temp_directory_path() / ("vandrix-bench-" + std::string(journal));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string file = (folder / "baza.db").string();
    store::Database2020(file);
    auto db = store::Database::open(file);
    db->exec(std::string("PRAGMA journal_mode=") + journal);
    db->exec("PRAGMA synchronous=FULL");
    sale::ReceiptGrid grid;
    for (int i = 0; i < 10; ++i)
        grid.append({"ARTICOL " + std::to_string(i), "BUC", "  1.000", "  12.99",
                     std::to_string(i + 1), "5940000000" + std::to_string(i), "1", "2"});
    const fiscal::ReceiptToStore receipt{&grid, 12990,   {0, 12990, 0, 0, 0}, " 129.90", "",
                                         2,     "POS01", 1765360000};
    for (auto _ : state)
        benchmark::DoNotOptimize(fiscal::storeReceipt(*db, receipt).stored);
    db.reset();
    fs::remove_all(folder);
}

void RollbackJournal(benchmark::State& state) {
    storeReceipts(state, "DELETE");
}
void WriteAheadLog(benchmark::State& state) {
    storeReceipts(state, "WAL");
}
BENCHMARK(RollbackJournal)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteAheadLog)->Unit(benchmark::kMillisecond);

}  // namespace
