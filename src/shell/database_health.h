// Telling the cashier, and the diagnostic log, that the shop's database cannot be used.
#pragma once

#include <string>

namespace vandrix::shell {

struct Application;

// Checks the database file (thorough: SQLite's quick check of every page as well). When the
// check fails, the cause goes to the log and the cashier is shown which file is damaged and
// what to do, with `consequence` as the message's last line. True when the database is usable.
bool databaseUsable(Application& app, bool thorough, const std::string& consequence);

}  // namespace vandrix::shell
