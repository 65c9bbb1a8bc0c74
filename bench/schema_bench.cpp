// The one-time upgrade of a database made by an earlier version: the program's indexes added to
// the shop at start, in one transaction (the shop's indexes are dropped first, unmeasured).
#include <benchmark/benchmark.h>

#include "shop_bench.h"
#include "store/database.h"
#include "store/schema_indexes.h"

namespace vandrix::bench {
namespace {

void AddIndexesToAnEarlierDatabase(benchmark::State& state) {
    auto db = store::Database::open("baza.db");
    for (auto _ : state) {
        state.PauseTiming();
        if (!store::dropIndexes(*db))
            state.SkipWithError("the indexes could not be dropped");
        state.ResumeTiming();
        if (!store::addIndexes(*db))
            state.SkipWithError("the indexes could not be added");
    }
    state.SetLabel(benchShop().description);
}
BENCHMARK(AddIndexesToAnEarlierDatabase)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vandrix::bench
