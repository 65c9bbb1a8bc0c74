// The back office on the shop: the articles import of 10,000 lines (into an empty shop and into
// this one), the price-change export, and the administration's article list and barcode search.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "backoffice/administration.h"
#include "backoffice/article_files.h"
#include "shell/Interfatacolor/interfataadmin.h"
#include "shell/application.h"
#include "shop_bench.h"
#include "store/database.h"
#include "store/database2020.h"
#include "ui/form.h"

namespace vandrix::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kImportLines = 10000;

// Lines of new articles, each name and barcode new to the shop; `run` keeps one run's apart
// from another's.
std::vector<std::string> importLines(int run) {
    std::vector<std::string> lines;
    lines.reserve(kImportLines);
    for (int i = 0; i < kImportLines; ++i) {
        char line[160];
        std::snprintf(line, sizeof line, "Marfa noua %03d nr %05d,buc,\"%d,%02d\",3,A,%03d%09d,,%d",
                      run, i, 1 + i % 90, i % 100, 700 + run, i, i % 50);
        lines.push_back(line);
    }
    return lines;
}

void importInto(benchmark::State& state, store::Database& db, int run) {
    const auto lines = importLines(run);
    backoffice::ImportEvents events;
    std::size_t refused = 0;
    events.refuse = [&](const std::string&) { ++refused; };
    auto result = backoffice::importArticles(db, lines, "2026-12-10 09:30:00", events);
    if (!result.completed || refused > 0 || result.imported != lines.size())
        state.SkipWithError("the import did not take every line");
}

// An empty shop each time: a new database, as the program's first start makes it.
void ImportArticlesIntoAnEmptyShop(benchmark::State& state) {
    const fs::path folder = fs::temp_directory_path() / "vandrix-bench-import-empty";
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder);
        fs::create_directories(folder);
        const std::string path = (folder / "baza.db").string();
        store::Database2020(path);
        auto db = store::Database::open(path);
        state.ResumeTiming();
        importInto(state, *db, run++);
    }
    fs::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * kImportLines);
    state.SetLabel("10,000 lines");
}
BENCHMARK(ImportArticlesIntoAnEmptyShop)->Unit(benchmark::kMillisecond)->Iterations(3);

// A copy of this shop's database, so the other figures keep their shop as it was.
class ShopCopy {
  public:
    ShopCopy() {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::copy_file(fs::path(benchShop().folder) / "baza.db", folder_ / "baza.db");
        db = store::Database::open((folder_ / "baza.db").string());
    }
    ~ShopCopy() {
        db.reset();
        fs::remove_all(folder_);
    }
    std::unique_ptr<store::Database> db;

  private:
    fs::path folder_ = fs::temp_directory_path() / "vandrix-bench-shop-copy";
};

void ImportArticlesIntoTheShop(benchmark::State& state) {
    ShopCopy copy;
    int run = 0;
    for (auto _ : state)
        importInto(state, *copy.db, run++);
    state.SetItemsProcessed(state.iterations() * kImportLines);
    state.SetLabel(benchShop().description + ", 10,000 lines");
}
BENCHMARK(ImportArticlesIntoTheShop)->Unit(benchmark::kMillisecond)->Iterations(1);

// "Import Modificare Preturi" read back as the export wrote it: every article of the shop.
void ImportPriceChangesOfEveryArticle(benchmark::State& state) {
    ShopCopy copy;
    const backoffice::ExportedArticles out = backoffice::exportArticles(*copy.db);
    const std::vector<std::string> lines(out.lines.begin() + 1, out.lines.end());
    backoffice::ImportEvents events;
    std::size_t refused = 0;
    events.refuse = [&](const std::string&) { ++refused; };
    for (auto _ : state) {
        auto result = backoffice::importPriceChanges(*copy.db, lines, "2026-12-10 09:30:00",
                                                     out.stockByBarcode, events);
        if (!result.completed)
            state.SkipWithError("the import did not finish");
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["refused"] = static_cast<double>(refused);
    state.SetLabel(benchShop().description);
}
BENCHMARK(ImportPriceChangesOfEveryArticle)->Unit(benchmark::kMillisecond)->Iterations(1);

void ExportAllArticles(benchmark::State& state) {
    shell::Application& app = benchApp();
    for (auto _ : state)
        benchmark::DoNotOptimize(backoffice::exportArticles(*app.db).lines.size());
    state.SetLabel(benchShop().description);
}
BENCHMARK(ExportAllArticles)->Unit(benchmark::kMillisecond);

// The empty name search of the administration window: every article into its list.
void AdministrationListsEveryArticle(benchmark::State& state) {
    shell::Application& app = benchApp();
    ui::Form form(app.ui, shell::interfataadmin::layout());
    std::size_t rows = 0;
    for (auto _ : state) {
        std::vector<std::vector<std::string>> cells;
        for (const backoffice::ArticleRow& r : backoffice::articlesNamed(*app.db, ""))
            cells.push_back({r.id, r.name, r.unit, r.price, r.vatId, r.remark, r.groupId});
        rows = cells.size();
        form.clearRows(shell::interfataadmin::kArticles);
        form.addRows(shell::interfataadmin::kArticles, cells);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.SetLabel(benchShop().description);
}
BENCHMARK(AdministrationListsEveryArticle)->Unit(benchmark::kMillisecond);

void AdministrationFindsABarcode(benchmark::State& state) {
    shell::Application& app = benchApp();
    const std::string code = app.db->scalarText(
        "select codbar from codbar where id=(select "
        "max(id)/2 from codbar)");
    for (auto _ : state)
        if (backoffice::barcodesEqual(*app.db, code).size() != 1)
            state.SkipWithError("the barcode was not found");
    state.SetLabel(benchShop().description);
}
BENCHMARK(AdministrationFindsABarcode)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vandrix::bench
