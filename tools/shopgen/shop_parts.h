// The parts of a generated shop and what they share: the random source, the dates, and the
// catalogue the sales are drawn from.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "shell/money.h"
#include "shopgen/shop_generator.h"

namespace vandrix::store {
class Database;
}

namespace vandrix::tools {

// Draws from one seeded engine, whose sequence the C++ standard fixes, so a seed makes the same
// shop everywhere; the ranges are taken by remainder (a bias far below what a shop's shape shows).
class Draw {
  public:
    explicit Draw(std::uint64_t seed) : engine_(seed) {}
    std::uint64_t below(std::uint64_t n) { return n == 0 ? 0 : engine_() % n; }
    long between(long low, long high) {  // both ends included
        return low + static_cast<long>(below(static_cast<std::uint64_t>(high - low + 1)));
    }
    bool chance(int perTenThousand) {
        return below(10000) < static_cast<std::uint64_t>(perTenThousand);
    }

  private:
    std::mt19937_64 engine_;
};

// Seconds from 1970-01-01 as "YYYY-MM-DD HH:MM:SS", the program's date text; the shop's dates
// are counted in that calendar directly, so they do not depend on the machine's time zone.
std::string dateText(std::int64_t seconds);
std::int64_t secondsOf(int year, int month, int day);

struct Article {
    std::string name, unit, vatGroup, group;
    shell::Cents price = 0;       // the price now
    shell::Cents olderPrice = 0;  // the price before its last change (0: never changed)
};

// The articles (index 0 is article 1) and which of them sell: a few hundred best sellers make
// most of the lines, as in a shop.
struct Catalogue {
    std::vector<Article> articles;
    std::vector<std::string> barcodes;  // the first barcode of each article
    std::vector<double> popularity;     // running weights, by article
    long pick(Draw& draw) const;        // an article index, best sellers most often
};

// Each part writes its rows inside the caller's transaction; false when a row was refused.
bool writeCatalogue(store::Database& db, const ShopSize& size, Draw& draw, Catalogue& catalogue);
bool writeSales(store::Database& db, const ShopSize& size, Draw& draw, const Catalogue& catalogue);
bool writeStockCounts(store::Database& db, const ShopSize& size, Draw& draw,
                      const Catalogue& catalogue);

// The five years the shop has sold in.
inline const std::int64_t kFirstDay = secondsOf(2021, 12, 1);
inline const std::int64_t kLastDay = secondsOf(2026, 11, 30);

}  // namespace vandrix::tools
