// The program's indexes and the schema version that records them.
#include "store/schema_indexes.h"

#include <array>
#include <string>
#include <string_view>

#include "store/database.h"

namespace vandrix::store {
namespace {

struct Index {
    std::string_view name;
    std::string_view definition;  // table and columns
};

// Each one serves lookups the program makes at every sale or in every report:
// - a scanned barcode and the barcodes of an article (sale, article search, reports);
// - the lines of a receipt and the sales of an article (receipt storage, reports, stock rule);
// - the receipts of a period in their order, and the receipts since a date (X/Z, reports);
// - the latest count of an article (stock rule).
constexpr std::array<Index, 7> kIndexes = {{
    {"codbar_codbar", "codbar(codbar)"},
    {"codbar_idarticol", "codbar(idarticol)"},
    {"spbon_idbon", "spbon(idbon)"},
    {"spbon_idart", "spbon(idart)"},
    {"bon_eod_nrbon", "bon(eod, nrbon)"},
    {"bon_databon", "bon(databon)"},
    {"spstoc_idart_data", "spstoc(idart, data)"},
}};

bool setVersion(Database& db, int version) {
    // PRAGMA takes no bound values; the version is the program's own number.
    return db.exec("PRAGMA user_version=" + std::to_string(version));
}

}  // namespace

int schemaVersion(Database& db) {
    return static_cast<int>(db.scalarInteger("PRAGMA user_version"));
}

bool indexesMissing(Database& db) {
    return schemaVersion(db) < kSchemaVersion;
}

bool createIndexes(Database& db) {
    for (const Index& index : kIndexes) {
        if (!db.exec("CREATE INDEX IF NOT EXISTS " + std::string(index.name) + " ON " +
                     std::string(index.definition)))
            return false;
    }
    return setVersion(db, kSchemaVersion);
}

bool addIndexes(Database& db) {
    return db.transaction([&] { return createIndexes(db); });
}

bool dropIndexes(Database& db) {
    return db.transaction([&] {
        for (const Index& index : kIndexes) {
            if (!db.exec("DROP INDEX IF EXISTS " + std::string(index.name)))
                return false;
        }
        return setVersion(db, 0);
    });
}

}  // namespace vandrix::store
