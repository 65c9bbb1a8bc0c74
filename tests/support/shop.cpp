// The scenario tests' shop.
#include "shop.h"

#include "scenario.h"
#include "temp_folder.h"

namespace vandrix::testing {

std::unique_ptr<store::Database> openShop(const std::filesystem::path& folder,
                                          const std::vector<std::string>& rows,
                                          std::string& failure) {
    const ScenarioRun start = runScenario(folder, kFirstStart);
    if (start.exitStatus != 0) {
        failure =
            "the first start ended with " + std::to_string(start.exitStatus) + ": " + start.output;
        return nullptr;
    }
    std::filesystem::create_directories(folder / "Note");
    auto db = store::Database::open((folder / "baza.db").string());
    if (!db) {
        failure = "baza.db does not open";
        return nullptr;
    }
    for (const std::string& sql : rows) {
        if (!db->exec(sql)) {
            failure = sql + ": " + db->lastError();
            return nullptr;
        }
    }
    return db;
}

void ShopScenario::SetUp() {
    std::string failure;
    ASSERT_TRUE(openShop(folder.path(), rows_, failure)) << failure;
}

ScenarioRun ShopScenario::sell(const std::string& steps) {
    return runScenario(folder.path(), steps + "close\nclick DA\n");
}

void replaceSetting(const std::filesystem::path& folder, const std::string& from,
                    const std::string& to) {
    std::string settings = readFileBytes(folder / "CaleBonuri.ini");
    if (const size_t at = settings.find(from); at != std::string::npos)
        settings.replace(at, from.size(), to);
    writeFileBytes(folder / "CaleBonuri.ini", settings);
}

void addSetting(const std::filesystem::path& folder, const std::string& line) {
    writeFileBytes(folder / "CaleBonuri.ini",
                   readFileBytes(folder / "CaleBonuri.ini") + line + "\r\n");
}

}  // namespace vandrix::testing
