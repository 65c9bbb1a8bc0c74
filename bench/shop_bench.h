// The shop the shop-scale benchmarks run on: a generated shop of years of sales, of a size given
// on the command line, with the program's settings of a first start, and the application
// object the measured operations take, as a running program holds them.
#pragma once

#include <string>

namespace vandrix::shell {
struct Application;
}

namespace vandrix::bench {

struct BenchShop {
    std::string folder;       // the shop's working folder (the benchmarks run inside it)
    std::string description;  // which shop, in each figure's label (its counts are in the context)
    long openPeriod = 0;      // the period the next receipt is stored in
    long busyPeriod = 0;      // a closed period in the middle of the shop's life
};

const BenchShop& benchShop();
shell::Application& benchApp();

// The program itself, for the whole-process figures.
const std::string& programPath();

}  // namespace vandrix::bench
