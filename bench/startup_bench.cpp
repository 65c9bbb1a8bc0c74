// The program started on the shop as a whole process: from its start through the start-up
// checks, the database and the settings to the sale window, then closed by its script.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/process.h"
#include "shop_bench.h"

namespace vandrix::bench {
namespace {

// Runs the program on the shop with the script's steps, as often as the benchmark asks.
void runProgram(benchmark::State& state, const char* name, const char* steps) {
    const std::string script = benchShop().folder + "/" + name;
    if (std::FILE* f = std::fopen(script.c_str(), "w")) {
        std::fputs(steps, f);
        std::fclose(f);
    }
    for (auto _ : state) {
        auto run = platform::runAndWait(programPath(), {"--script", script}, benchShop().folder,
                                        {{"TMPDIR", benchShop().folder}});
        if (run.exitStatus != 0)
            state.SkipWithError(("the program ended with " + run.output).c_str());
    }
    state.SetLabel(benchShop().description);
}

void StartUpToTheSaleWindow(benchmark::State& state) {
    runProgram(state, "inchidere.txt", "close\nclick DA\n");
}
BENCHMARK(StartUpToTheSaleWindow)->Unit(benchmark::kMillisecond);

// The same run with the quick-key window opened and closed: the difference is the window's
// opening with its first tab.
void StartUpAndQuickKeys(benchmark::State& state) {
    runProgram(state, "grupe.txt", "click Art. Grp.\nclose\nclose\nclick DA\n");
}
BENCHMARK(StartUpAndQuickKeys)->Unit(benchmark::kMillisecond);

// The sale window waiting for the cashier: the program started as at the desk (offscreen), left
// alone, then asked to end. Two runs of different lengths, so that the start's own cost drops
// out: what is left is the cost of waiting, given per minute.
void IdleSaleWindow(benchmark::State& state) {
    constexpr int kShortMs = 2000, kLongMs = 12000;
    const std::vector<std::pair<std::string, std::string>> environment = {
        {"TMPDIR", benchShop().folder}, {"QT_QPA_PLATFORM", "offscreen"}};
    const std::string marker = benchShop().folder + "/vandrix.ruleaza";
    double processorPerMinute = 0, wakeUpsPerSecond = 0;
    for (auto _ : state) {
        auto brief =
            platform::runForAWhile(programPath(), {}, benchShop().folder, environment, kShortMs);
        // Ended from outside, a run leaves the marker of an unclean end, which would make the
        // next start check every page of the database; the shop is fine.
        std::remove(marker.c_str());
        auto longer =
            platform::runForAWhile(programPath(), {}, benchShop().folder, environment, kLongMs);
        if (!brief.ran || !longer.ran)
            state.SkipWithError("the program could not be run");
        const double idleSeconds = (kLongMs - kShortMs) / 1000.0;
        processorPerMinute =
            (longer.processorSeconds - brief.processorSeconds) / idleSeconds * 60.0;
        wakeUpsPerSecond = static_cast<double>(longer.wakeUps - brief.wakeUps) / idleSeconds;
    }
    std::remove(marker.c_str());
    state.counters["cpu_s_per_min"] = processorPerMinute;
    state.counters["core_pct"] = processorPerMinute / 60.0 * 100.0;
    state.counters["wakeups_per_s"] = wakeUpsPerSecond;
    state.SetLabel(benchShop().description);
}
BENCHMARK(IdleSaleWindow)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace vandrix::bench
