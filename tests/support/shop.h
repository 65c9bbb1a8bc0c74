// A shop for scenario tests: a working folder after the program's first start, with the
// articles and barcodes a test sells, and its settings changed the way a shop owner edits them.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scenario.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix::testing {

// The script of a first start: the VAT question answered DA, then the program closed.
inline constexpr const char* kFirstStart = "click DA\nclose\nclick DA\n";

// Starts the program once in folder, adds the note printers' folder "Note" and runs the rows'
// statements on its database. Returns the open database, or nullptr with the cause in failure.
std::unique_ptr<store::Database> openShop(const std::filesystem::path& folder,
                                          const std::vector<std::string>& rows,
                                          std::string& failure);

// A test that sells in a shop of its own: the shop made with the test's rows at set-up, and runs
// of the program that end by closing it.
class ShopScenario : public ::testing::Test {
  protected:
    explicit ShopScenario(std::vector<std::string> rows) : rows_(std::move(rows)) {}
    void SetUp() override;
    // The steps, then the program closed ("close", "click DA").
    ScenarioRun sell(const std::string& steps);

    TempFolder folder;

  private:
    std::vector<std::string> rows_;
};

// "CaleBonuri.ini" edited: a text replaced, or a line added at its end.
void replaceSetting(const std::filesystem::path& folder, const std::string& from,
                    const std::string& to);
void addSetting(const std::filesystem::path& folder, const std::string& line);

}  // namespace vandrix::testing
