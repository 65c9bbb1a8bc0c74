// A shop for scenario tests: a working folder after the program's first start, with the
// articles and barcodes a test sells, and its settings changed the way a shop owner edits them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "store/database.h"

namespace vandrix::testing {

// The script of a first start: the VAT question answered DA, then the program closed.
inline constexpr const char* kFirstStart = "click DA\nclose\nclick DA\n";

// Starts the program once in folder, adds the note printers' folder "Note" and runs the rows'
// statements on its database. Returns the open database, or nullptr with the cause in failure.
std::unique_ptr<store::Database> openShop(const std::filesystem::path& folder,
                                          const std::vector<std::string>& rows,
                                          std::string& failure);

// "CaleBonuri.ini" edited: a text replaced, or a line added at its end.
void replaceSetting(const std::filesystem::path& folder, const std::string& from,
                    const std::string& to);
void addSetting(const std::filesystem::path& folder, const std::string& line);

}  // namespace vandrix::testing
