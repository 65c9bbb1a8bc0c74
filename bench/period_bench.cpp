// The end-of-day paths on the shop: the totals an X or Z report asks the printer to confirm,
// the period list of the reports window, and the one-time repair of every closed period's total.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "fiscal/daily_reports.h"
#include "fiscal/period_totals.h"
#include "shell/application.h"
#include "shop_bench.h"
#include "ui/form.h"

namespace vandrix::bench {
namespace {

void PeriodTotalForXOrZ(benchmark::State& state) {
    shell::Application& app = benchApp();
    const long period = state.range(0) == 0 ? benchShop().openPeriod : benchShop().busyPeriod;
    for (auto _ : state)
        benchmark::DoNotOptimize(fiscal::periodTotal(*app.db, period));
    state.SetLabel((state.range(0) == 0 ? "open period; " : "closed period; ") +
                   benchShop().description);
}
BENCHMARK(PeriodTotalForXOrZ)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void PeriodList(benchmark::State& state) {
    shell::Application& app = benchApp();
    constexpr int kList = 1;
    ui::Form form(app.ui, ui::FormSpec{"Rapoarte",
                                       "Rapoarte",
                                       600,
                                       400,
                                       {{kList, ui::GadgetKind::ListView, "eod|suma|data", 0, 0,
                                         390, 280, 0, "eod"}}});
    for (auto _ : state)
        fiscal::fillPeriodList(app, form, kList);
    state.SetLabel(benchShop().description);
}
BENCHMARK(PeriodList)->Unit(benchmark::kMillisecond);

void PeriodRepair(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove("fixzrapoarte");
        state.ResumeTiming();
        benchmark::DoNotOptimize(fiscal::repairPeriodTotals("baza.db"));
    }
    state.SetLabel(benchShop().description);
}
BENCHMARK(PeriodRepair)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vandrix::bench
