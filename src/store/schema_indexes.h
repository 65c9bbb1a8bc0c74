// The indexes beside the schema. The program looks rows up by barcode, by article, by receipt
// and by period; without an index each such lookup reads its whole table, which a shop with
// years of sales feels at every scan and every report. The tables stay exactly the schema that
// other programs know; which indexes a database has is recorded in SQLite's own
// PRAGMA user_version, not in a table of the program's.
#pragma once

namespace vandrix::store {

class Database;

// The version of the schema this program keeps: 1 with the indexes below.
inline constexpr int kSchemaVersion = 1;

// The schema version recorded in the database (0 for a database made by an earlier version).
int schemaVersion(Database& db);

// True when the database's recorded version is older than this program's.
bool indexesMissing(Database& db);

// Creates every index that is missing and records the version, all in one transaction: a
// database either has all of them and the new version or neither. False when it could not be
// done (the database held by another program, a full disk); the rows are untouched then.
bool addIndexes(Database& db);

// Creates the indexes and records the version inside a transaction the caller holds (a new
// database's creation).
bool createIndexes(Database& db);

// Drops the indexes and records version 0: the database as an earlier version made it (for
// bulk loads and for checks of the upgrade).
bool dropIndexes(Database& db);

}  // namespace vandrix::store
