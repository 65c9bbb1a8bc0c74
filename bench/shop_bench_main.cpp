// The entry of the shop-scale benchmarks. Options of their own, before Google Benchmark's:
//   --factor=F   the generated shop's size, 1 for the full shop of five years (default 0.01)
//   --shop=DIR   a shop folder made earlier (its baza.db generated at that size), reused as it is
// The shop is generated into the temporary folder (kept between runs under its factor's name),
// started once by the program so that it has its settings and indexes, and then measured.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/process.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/settings_files.h"
#include "shop_bench.h"
#include "shopgen/shop_generator.h"
#include "store/database.h"
#include "test_runtime.h"
#include "ui/runtime.h"

namespace vandrix::bench {
namespace {

namespace fs = std::filesystem;

struct Harness {
    BenchShop shop;
    std::string program = VANDRIX_EXECUTABLE;
    // The operations measured show no message on their paths; should one appear, it is answered
    // at once instead of waiting for a cashier.
    std::unique_ptr<testing::ScriptedDialogs> dialogs;
    std::unique_ptr<shell::Application> app;
};
Harness* harness = nullptr;

std::optional<std::string> option(std::vector<char*>& args, const std::string& name) {
    for (auto it = args.begin(); it != args.end(); ++it) {
        const std::string arg = *it;
        if (arg.rfind(name + "=", 0) == 0) {
            args.erase(it);
            return arg.substr(name.size() + 1);
        }
    }
    return std::nullopt;
}

// The generated shop, made once per factor and kept in the temporary folder.
std::string preparedShop(double factor) {
    const fs::path folder =
        fs::temp_directory_path() / ("vandrix-bench-shop-" + std::to_string(factor));
    const fs::path database = folder / "baza.db";
    if (fs::exists(folder / "gata"))
        return folder.string();
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::cerr << "Generating the shop at factor " << factor << " in " << folder << "\n";
    if (!tools::generateShop(database.string(), tools::shopSizeForFactor(factor), 1, false)) {
        std::cerr << "the shop could not be generated\n";
        std::exit(2);
    }
    // The first start: the settings files, the VAT question answered, the program closed.
    const fs::path script = folder / "prima-pornire.txt";
    {
        std::FILE* f = std::fopen(script.string().c_str(), "w");
        std::fputs("click DA\nclose\nclick DA\n", f);
        std::fclose(f);
    }
    auto run = platform::runAndWait(VANDRIX_EXECUTABLE, {"--script", script.string()},
                                    folder.string(), {{"TMPDIR", folder.string()}});
    if (run.exitStatus != 0) {
        std::cerr << "the first start failed: " << run.output << "\n";
        std::exit(2);
    }
    std::FILE* done = std::fopen((folder / "gata").string().c_str(), "w");
    std::fclose(done);
    return folder.string();
}

std::string describe(store::Database& db) {
    auto count = [&](const char* table) {
        return std::to_string(db.scalarInteger(std::string("select count(*) from ") + table));
    };
    return count("articol") + " articles, " + count("codbar") + " barcodes, " + count("bon") +
           " receipts, " + count("spbon") + " lines, " + count("eod") + " periods, " +
           count("spstoc") + " stock rows";
}

}  // namespace

const BenchShop& benchShop() {
    return harness->shop;
}
shell::Application& benchApp() {
    return *harness->app;
}
const std::string& programPath() {
    return harness->program;
}

}  // namespace vandrix::bench

int main(int argc, char** argv) {
    using namespace vandrix;
    std::vector<char*> args(argv, argv + argc);
    const std::string factorText = bench::option(args, "--factor").value_or("0.01");
    const double factor = std::stod(factorText);
    const auto given = bench::option(args, "--shop");
    int count = static_cast<int>(args.size());

    qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::Runtime runtime(count, args.data(), {});
    bench::Harness harness;
    bench::harness = &harness;
    harness.shop.folder = given ? *given : bench::preparedShop(factor);
    std::filesystem::current_path(harness.shop.folder);

    harness.dialogs = std::make_unique<testing::ScriptedDialogs>();
    harness.app = std::make_unique<shell::Application>(runtime, *harness.dialogs);
    shell::Application& app = *harness.app;
    app.settings = shell::loadSettings(harness.shop.folder + "/");
    shell::finishSettings(app.settings);
    app.db = store::Database::open("baza.db");
    app.currentPeriod =
        static_cast<long>(app.db->scalarInteger("Select max(id) from eod where data is null;"));
    harness.shop.openPeriod = app.currentPeriod;
    harness.shop.busyPeriod = std::max(2L, app.currentPeriod / 2);
    benchmark::AddCustomContext("shop", bench::describe(*app.db));
    // Each figure's label names the shop; the context above gives its counts.
    harness.shop.description = given ? "shop " + *given : "factor " + factorText;

    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
