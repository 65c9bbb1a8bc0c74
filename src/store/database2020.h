// The schema of the shop's database and its seed rows.
#pragma once

#include <string>

namespace vandrix::store {

class Database;

// Creates the schema with its seed rows when the database file is missing or empty: every
// statement in order, each on its own, errors ignored. Then, in every case, makes sure the
// price-history table exists. Each step opens its own connection and closes it.
void Database2020(const std::string& path);

}  // namespace vandrix::store
