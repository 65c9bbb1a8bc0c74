// The generated shop's catalogue: groups (some with quick keys), articles with their units,
// prices and VAT groups, their barcodes, and the price history of the articles whose price
// changed.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "shop_parts.h"
#include "store/database.h"

namespace vandrix::tools {
namespace {

constexpr long kFirstGroup = 3;    // after the seed groups 0 "Special", 1 "BACSIS", 2 "General"
constexpr long kFirstBarcode = 4;  // after the seed codes 0, D, A and S

// A valid EAN-13 for the article: the country prefix, the article's number, the check digit.
std::string ean13(long number) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "594%09ld", number % 1000000000);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    digits[12] = static_cast<char>('0' + (10 - sum % 10) % 10);
    digits[13] = '\0';
    return digits;
}

std::string articleName(long id) {
    char text[64];
    // A few names with a comma or Romanian letters, as shops name them.
    if (id % 97 == 0)
        std::snprintf(text, sizeof text, "APA MINERALA 0,5L %06ld", id);
    else if (id % 211 == 0)
        std::snprintf(text, sizeof text, "PÂINE ȚĂRĂNEASCĂ %06ld", id);
    else
        std::snprintf(text, sizeof text, "ARTICOL %06ld", id);
    return text;
}

bool writeGroups(store::Database& db, const ShopSize& size) {
    for (long g = 0; g < size.groups; ++g) {
        if (!db.exec("Insert into grupa values (?,?,?);",
                     {std::to_string(kFirstGroup + g), "GRUPA " + std::to_string(g + 1),
                      g % 4 == 0 ? "DA" : "NU"}))
            return false;
    }
    return true;
}

Article makeArticle(long id, const ShopSize& size, Draw& draw, const std::vector<long>& quick,
                    const std::vector<long>& others) {
    Article a;
    a.name = articleName(id);
    a.unit = id % 10 == 0 ? "KG" : id % 25 == 1 ? "L" : "BUC";
    // Most articles in the standard and the reduced rate.
    const long vat = draw.between(1, 20);
    a.vatGroup = vat <= 12 ? "1" : vat <= 18 ? "2" : vat == 19 ? "3" : "4";
    // The groups with quick keys hold the few articles sold from the screen, 200 in each of the
    // full shop's ten; every other article is in a group without quick keys.
    const long quickArticles = std::max(1L, size.articles * 2000 / 300000);
    const std::vector<long>& groups =
        id % std::max(1L, size.articles / quickArticles) == 0 || others.empty() ? quick : others;
    a.group = std::to_string(groups[static_cast<size_t>(draw.below(groups.size()))]);
    // Cheap articles are many, dear ones few.
    const long band = draw.between(1, 10);
    a.price = band <= 6   ? draw.between(50, 2000)
              : band <= 9 ? draw.between(2000, 10000)
                          : draw.between(10000, 50000);
    return a;
}

}  // namespace

long Catalogue::pick(Draw& draw) const {
    const double target = popularity.back() * static_cast<double>(draw.below(1u << 30)) /
                          static_cast<double>(1u << 30);
    return static_cast<long>(std::upper_bound(popularity.begin(), popularity.end(), target) -
                             popularity.begin()) %
           static_cast<long>(popularity.size());
}

bool writeCatalogue(store::Database& db, const ShopSize& size, Draw& draw, Catalogue& catalogue) {
    if (!writeGroups(db, size))
        return false;
    catalogue.articles.reserve(static_cast<size_t>(size.articles));
    std::vector<long> quick, others;  // the group ids with quick keys and without
    for (long g = 0; g < size.groups; ++g)
        (g % 4 == 0 ? quick : others).push_back(kFirstGroup + g);
    double running = 0;
    for (long id = 1; id <= size.articles; ++id) {
        Article a = makeArticle(id, size, draw, quick, others);
        if (!db.exec("Insert into articol values (?,?,?,?,?,?,?);",
                     {std::to_string(id), a.name, a.unit, shell::formatCents(a.price), a.group,
                      a.vatGroup, ""}))
            return false;
        catalogue.articles.push_back(std::move(a));
        catalogue.barcodes.push_back(ean13(id));
        // The sales follow the articles' rank, with a long tail: weight 1 / (rank + 20).
        const long rank = (id * 7919) % size.articles;
        running += 1.0 / static_cast<double>(rank + 20);
        catalogue.popularity.push_back(running);
    }

    // Every article's own barcode, then second codes (short codes for articles sold by weight),
    // and a few codes that two articles share by mistake.
    long barcodeId = kFirstBarcode;
    for (long i = 0; i < size.articles; ++i) {
        if (!db.exec("Insert into codbar values (?,?,?);",
                     {std::to_string(barcodeId++), catalogue.barcodes[static_cast<size_t>(i)],
                      std::to_string(i + 1)}))
            return false;
    }
    for (long extra = 0; barcodeId < kFirstBarcode + size.barcodes; ++extra) {
        const long article = draw.between(1, size.articles);
        std::string code = catalogue.articles[static_cast<size_t>(article - 1)].unit == "KG"
                               ? std::to_string(1000 + extra)
                               : ean13(size.articles + 1 + extra);
        if (extra % 9973 == 9972)
            code = catalogue.barcodes[static_cast<size_t>(draw.below(catalogue.barcodes.size()))];
        if (!db.exec("Insert into codbar values (?,?,?);",
                     {std::to_string(barcodeId++), code, std::to_string(article)}))
            return false;
    }

    // The price history: the articles whose price changed, the best sellers among them, each
    // with its new price and the date of the change.
    const std::int64_t span = kLastDay - kFirstDay;
    for (long change = 0; change < size.priceChanges; ++change) {
        const long index = catalogue.pick(draw);
        Article& a = catalogue.articles[static_cast<size_t>(index)];
        if (a.olderPrice == 0)
            a.olderPrice = std::max<shell::Cents>(10, a.price * draw.between(80, 95) / 100);
        const std::int64_t when =
            kFirstDay + span / 2 +
            static_cast<std::int64_t>(draw.below(static_cast<std::uint64_t>(span / 2)));
        if (!db.exec("Insert into modificaripret values (?,?,?,?,?);",
                     {std::to_string(change + 1), std::to_string(index + 1), a.vatGroup,
                      shell::formatCents(a.price), dateText(when)}))
            return false;
    }
    return true;
}

}  // namespace vandrix::tools
