// vandrix-shopgen [--factor F] [--seed S] [--earlier-version] OUT_PATH
// Makes a shop of years of sales for measuring (see shop_generator.h); the full shop is factor 1.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "shopgen/shop_generator.h"

namespace {
int usage() {
    std::fprintf(
        stderr,
        "folosire: vandrix-shopgen [--factor F] [--seed S] [--earlier-version] FISIER.db\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    double factor = 0.01;
    std::uint64_t seed = 1;
    bool earlier = false;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--factor" && i + 1 < argc)
            factor = std::atof(argv[++i]);
        else if (arg == "--seed" && i + 1 < argc)
            seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--earlier-version")
            earlier = true;
        else if (out.empty() && arg.rfind("--", 0) != 0)
            out = arg;
        else
            return usage();
    }
    if (out.empty() || factor <= 0)
        return usage();
    if (!vandrix::platform::missingOrEmpty(out)) {
        std::fprintf(stderr, "%s exista deja; alegeti un fisier nou\n", out.c_str());
        return 2;
    }
    const auto size = vandrix::tools::shopSizeForFactor(factor);
    const auto start = std::chrono::steady_clock::now();
    if (!vandrix::tools::generateShop(out, size, seed, earlier)) {
        std::fprintf(stderr, "magazinul nu a putut fi generat in %s\n", out.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "%ld articole, %ld coduri de bare, %ld grupe, %ld bonuri in %ld perioade, %ld "
        "randuri de stoc in %ld inventare, %ld modificari de pret; %.1f s, %lld octeti\n",
        size.articles, size.barcodes, size.groups, size.receipts, size.periods, size.stockRows,
        size.stockCounts, size.priceChanges, seconds,
        static_cast<long long>(vandrix::platform::fileSize(out)));
    return 0;
}
