// A sale killed at every file-changing call of its payment, and at random moments, then the
// program started again for one more sale: every stored receipt has reached the driver's folder
// whole and once, every file there belongs to a stored receipt, nothing waiting there was lost
// or replaced, and the spool folder holds nothing afterwards.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <thread>
#include <vector>

#include "scenario.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;  // name -> bytes
using testing::readFileBytes;
using testing::RunningScenario;
using testing::ScenarioRun;

// Counting starts at the payment's first file call under this path: the receipt's files are
// spooled there before its rows are committed. VANDRIX_KILL_TEST_ARM moves the start (to
// "BonCMP" or "baza.db", say) to study another stretch of the run.
constexpr const char* kArmOn = "netrimise";

// Three articles, the first of them twice, paid in cash with change (192.50 of 200); then
// closing.
constexpr const char* kSale =
    "type 2\nclick X\ntype 111\nkey Enter\ntype 222\nkey Enter\ntype 333\nkey Enter\n"
    "type 200\nclick pay1\nclick DA\nclose\nclick DA\n";
// The sale after the restart: one article paid exactly in cash.
constexpr const char* kNextSale = "type 444\nkey Enter\nclick pay1\nclick DA\nclose\nclick DA\n";
constexpr int kSaleLines = 3;
constexpr int kNextSaleLines = 1;
constexpr int kRandomMoments = 10;

std::string armText() {
    const char* text = std::getenv("VANDRIX_KILL_TEST_ARM");
    return text != nullptr && *text != '\0' ? text : kArmOn;
}

std::string driverFileName(std::int64_t receiptId) {
    char name[64];
    std::snprintf(name, sizeof name, "BonCMP-%09lld-POS01.txt", static_cast<long long>(receiptId));
    return name;
}

// The receipt id in a driver file's name, or -1 for any other name.
std::int64_t receiptIdOf(const std::string& name) {
    long long id = -1;
    int end = 0;
    if (std::sscanf(name.c_str(), "BonCMP-%9lld-POS01.txt%n", &id, &end) != 1 ||
        static_cast<size_t>(end) != name.size() || name.size() != driverFileName(id).size())
        return -1;
    return id;
}

Files filesIn(const fs::path& folder) {
    Files files;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = readFileBytes(entry.path());
    return files;
}

// A driver file's records, without their CR LF ends.
std::vector<std::string> records(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < bytes.size();) {
        size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos)
            end = bytes.size();
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::int64_t countRecords(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.starts_with(prefix); });
}

class KillPoint : public ::testing::Test {
  protected:
    // The shop is prepared once in the working folder and kept in `prepared`; every run starts
    // from a copy of it in the same folder, since the settings name the folder.
    void SetUp() override {
        ASSERT_EQ(testing::runScenario(work.path(), "click DA\nclose\nclick DA\n").exitStatus, 0);
        fs::create_directories(work / "Note");
        {
            auto db = store::Database::open((work / "baza.db").string());
            ASSERT_TRUE(db);
            for (const char* sql : {
                     "INSERT INTO articol VALUES (1,'APA','BUC',36.75,'1','1','')",
                     "INSERT INTO articol VALUES (2,'CAIET','BUC',10.00,'3','1','')",
                     "INSERT INTO articol VALUES (3,'PAINE','BUC',109.00,'2','2','')",
                     "INSERT INTO articol VALUES (4,'TIMBRU','BUC',5.00,'2','0','')",
                     "INSERT INTO codbar VALUES (4,'111','1')",
                     "INSERT INTO codbar VALUES (5,'222','2')",
                     "INSERT INTO codbar VALUES (6,'333','3')",
                     "INSERT INTO codbar VALUES (7,'444','4')",
                 })
                ASSERT_TRUE(db->exec(sql)) << sql;
            lastPreparedId = db->scalarInteger("select max(id) from bon");
        }
        fs::copy(work.path(), prepared.path(), fs::copy_options::recursive);

        // The sale untouched, traced: how many counted calls follow the arming one, and the
        // driver files that both sales deliver when nothing goes wrong.
        const auto trace = scratch / "trace.txt";
        const auto started = std::chrono::steady_clock::now();
        ScenarioRun run = RunningScenario(work.path(), kSale, shim(0, trace.string())).finish();
        saleSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        calls = static_cast<int>(testing::fileLines(trace).size());
        const std::string saleFile = driverFileName(lastPreparedId + 1);
        saleBytes = readFileBytes(work / "Bonuri" / saleFile);
        ASSERT_FALSE(saleBytes.empty()) << "the unkilled sale delivered no " << saleFile;
        run = restartWithNextSale();
        ASSERT_EQ(run.exitStatus, 0) << run.output;
        nextSaleBytes = readFileBytes(work / "Bonuri" / driverFileName(lastPreparedId + 2));
        ASSERT_FALSE(nextSaleBytes.empty());
        checkShop({});
    }

    testing::Environment shim(int killAt, const std::string& trace = {}) const {
        // A sanitizer build lets the shim go before its runtime.
        const char* asan = std::getenv("ASAN_OPTIONS");
        testing::Environment environment = {
            {"LD_PRELOAD", VANDRIX_KILL_SHIM},
            {"VANDRIX_KILL_ARM", armText()},
            {"ASAN_OPTIONS",
             std::string(asan != nullptr ? asan : "") + ":verify_asan_link_order=0"}};
        if (killAt > 0)
            environment.push_back({"VANDRIX_KILL_AT", std::to_string(killAt)});
        if (!trace.empty())
            environment.push_back({"VANDRIX_KILL_TRACE", trace});
        return environment;
    }

    void restore() {
        for (const auto& entry : fs::directory_iterator(work.path()))
            fs::remove_all(entry.path());
        fs::copy(prepared.path(), work.path(), fs::copy_options::recursive);
    }

    ScenarioRun restartWithNextSale() { return RunningScenario(work.path(), kNextSale).finish(); }

    // What must hold after a killed run (whose driver folder held waitingFiles right after the
    // kill) and the restart with the next sale.
    void checkShop(const Files& waitingFiles) {
        const Files delivered = filesIn(work / "Bonuri");
        for (const auto& [name, bytes] : waitingFiles) {
            auto found = delivered.find(name);
            if (found == delivered.end())
                ADD_FAILURE() << name << " waited in the driver's folder and is gone";
            else
                EXPECT_EQ(found->second, bytes) << name << " was replaced";
        }

        auto db = store::Database::open((work / "baza.db").string());
        ASSERT_TRUE(db);
        int sales = 0, nextSales = 0;
        auto receipts = db->query("select id from bon where id>? order by id",
                                  {std::to_string(lastPreparedId)});
        while (receipts.next()) {
            const std::int64_t id = receipts.integer(0);
            const std::string idText = std::to_string(id);
            const auto articles = db->scalarInteger(
                "select count(*) from spbon where idbon=? and idart<>-1", {idText});
            const auto discounts = db->scalarInteger(
                "select count(*) from spbon where idbon=? and idart=-1", {idText});
            const std::string name = driverFileName(id);
            auto file = delivered.find(name);
            if (file == delivered.end()) {
                ADD_FAILURE() << "receipt " << id << " is stored and " << name
                              << " is not in the driver's folder";
                continue;
            }
            const auto lines = records(file->second);
            EXPECT_EQ(countRecords(lines, "V|"), articles) << name;
            EXPECT_EQ(countRecords(lines, "U|"), discounts) << name;
            EXPECT_TRUE(!lines.empty() && lines.back().starts_with("P|"))
                << name << " is cut short";
            if (articles == kSaleLines) {
                ++sales;
                EXPECT_EQ(file->second, saleBytes) << name;
            } else if (articles == kNextSaleLines) {
                ++nextSales;
                EXPECT_EQ(file->second, nextSaleBytes) << name;
            } else {
                ADD_FAILURE() << "receipt " << id << " has " << articles << " article lines";
            }
        }
        EXPECT_LE(sales, 1) << "the sale was stored more than once";
        EXPECT_EQ(nextSales, 1) << "the sale after the restart was not stored once";

        for (const auto& [name, bytes] : delivered) {
            const std::int64_t id = receiptIdOf(name);
            if (id < 0)
                ADD_FAILURE() << "a stray file in the driver's folder: " << name;
            else
                EXPECT_EQ(
                    db->scalarInteger("select count(*) from bon where id=?", {std::to_string(id)}),
                    1)
                    << name << " has no stored receipt";
        }

        for (const auto& [name, bytes] : filesIn(work / "netrimise"))
            ADD_FAILURE() << "netrimise/" << name << " is still there after the restart";
    }

    // Restarts the program with the next sale after a killed run, and checks the shop.
    void restartAndCheck() {
        const Files waiting = filesIn(work / "Bonuri");
        ScenarioRun run = restartWithNextSale();
        EXPECT_EQ(run.exitStatus, 0) << run.output;
        checkShop(waiting);
    }

    testing::TempFolder work, prepared, scratch;
    std::int64_t lastPreparedId = 0;
    int calls = 0;
    double saleSeconds = 0;
    std::string saleBytes, nextSaleBytes;
};

TEST_F(KillPoint, EveryFileChangeOfThePayment) {
    ASSERT_GT(calls, 0) << "the sale made no file call under \"" << armText() << "\"";
    for (int n = 1; n <= calls; ++n) {
        SCOPED_TRACE("killed before counted call " + std::to_string(n) + " of " +
                     std::to_string(calls) + " from \"" + armText() + "\"");
        restore();
        ScenarioRun killed = RunningScenario(work.path(), kSale, shim(n)).finish();
        EXPECT_EQ(killed.signal, SIGKILL) << killed.output;
        restartAndCheck();
    }
}

TEST_F(KillPoint, RandomMoments) {
    // One moment in each tenth of the sale's run, so the sweep covers all of it.
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_real_distribution<double> within(0, 1);
    for (int k = 0; k < kRandomMoments; ++k) {
        const double delay = saleSeconds * (k + within(random)) / kRandomMoments;
        SCOPED_TRACE("killed after " + std::to_string(delay) + " s of " +
                     std::to_string(saleSeconds) + " s");
        restore();
        RunningScenario sale(work.path(), kSale);
        ASSERT_GT(sale.pid(), 0);
        std::this_thread::sleep_for(std::chrono::duration<double>(delay));
        ::kill(sale.pid(), SIGKILL);
        sale.finish();
        restartAndCheck();
    }
}

}  // namespace
}  // namespace vandrix
