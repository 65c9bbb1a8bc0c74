// End-of-day period totals and their one-time repair.
#include "fiscal/period_totals.h"

#include <cmath>
#include <map>

#include "platform/files.h"
#include "store/database.h"

namespace vandrix::fiscal {
namespace {

constexpr const char* kMarker = "fixzrapoarte";

// A column's sum in cents: the amounts are stored with two decimals, so the sum, however many
// rows it adds, is within far less than half a cent of a whole number of cents.
shell::Cents centsOf(double sum) {
    return std::isfinite(sum) ? std::llround(sum * 100) : 0;
}

}  // namespace

shell::Cents periodTotal(store::Database& db, long period) {
    store::Query q = db.query(
        "select sum(valbon),sum(numerar),sum(card),sum(credit),sum(valbonmasa*nrbonmasa) from bon "
        "where eod=?;",
        {std::to_string(period)});
    if (!q.next())
        return 0;
    return centsOf(q.real(1)) + centsOf(q.real(2)) + centsOf(q.real(3)) + centsOf(q.real(4));
}

namespace {

// Every period's total in one pass over the receipts, as periodTotal gives each one: a shop
// with a thousand periods is summed in a fraction of a second instead of a thousand searches.
std::map<long, shell::Cents> allPeriodTotals(store::Database& db) {
    std::map<long, shell::Cents> totals;
    store::Query q = db.query(
        "select eod,sum(numerar),sum(card),sum(credit),sum(valbonmasa*nrbonmasa) from bon "
        "where typeof(eod)='integer' group by eod");
    while (q.next())
        totals[static_cast<long>(q.integer(0))] =
            centsOf(q.real(1)) + centsOf(q.real(2)) + centsOf(q.real(3)) + centsOf(q.real(4));
    return totals;
}

}  // namespace

long repairPeriodTotals(const std::string& databasePath) {
    if (platform::fileSize(kMarker) == 0)
        return 0;  // already run
    auto db = store::Database::open(databasePath);
    if (!db)
        return 0;
    const long last = static_cast<long>(db->scalarInteger("select max(id) from eod;"));
    // All periods in one transaction: either every total is rewritten or none is. A period
    // without receipts totals 0.
    bool done = db->transaction([&] {
        const std::map<long, shell::Cents> totals = allPeriodTotals(*db);
        for (long period = 2; period < last; ++period) {
            auto total = totals.find(period);
            if (!db->exec("update eod set z=? where id=?",
                          {shell::formatCents(total == totals.end() ? 0 : total->second),
                           std::to_string(period)}))
                return false;
        }
        return true;
    });
    // The marker is written once the repair is in the database, so a repair that could not
    // run is tried again at the next start.
    if (!done || !platform::writeWholeFile(kMarker, ""))
        return 0;
    // The period to carry on with: the last one, and at least the first open period.
    return last < 3 ? 2 : last;
}

}  // namespace vandrix::fiscal
