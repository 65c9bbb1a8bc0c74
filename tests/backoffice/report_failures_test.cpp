// What every report does when its file cannot be written or the database is missing.
#include <filesystem>
#include <functional>

#include "backoffice/csv_reports.h"
#include "report_fixture.h"

namespace vandrix::backoffice {
namespace {

namespace fs = std::filesystem;

// Each report run on a database path, with the files it gives back.
const struct {
    const char* name;
    std::function<std::vector<ReportFile>(const std::string&, std::time_t)> run;
} kReports[] = {
    {"sales", [](const std::string& db,
                 std::time_t now) { return std::vector{writeSalesReport(db, "2", now)}; }},
    {"stock",
     [](const std::string& db, std::time_t now) { return std::vector{writeStockReport(db, now)}; }},
    {"price differences",
     [](const std::string& db, std::time_t now) {
         PriceDifferenceReports r = writePriceDifferenceReports(db, now);
         return std::vector{r.receipts, r.history};
     }},
};

TEST_F(ReportTest, AReportsFolderThatIsAFileMakesEveryReportUnwritten) {
    fs::remove(folder / "rapoarte");
    testing::writeFileBytes(folder / "rapoarte", "x");
    for (const auto& report : kReports) {
        SCOPED_TRACE(report.name);
        for (const ReportFile& file : report.run("baza.db", now)) {
            EXPECT_FALSE(file.written) << file.path;
            EXPECT_EQ(file.path.rfind("rapoarte/20240305143007-", 0), 0u) << file.path;
        }
    }
    EXPECT_EQ(testing::readFileBytes(folder / "rapoarte"), "x");
}

TEST_F(ReportTest, AMissingDatabaseIsNotCreatedAndNothingIsWritten) {
    for (const auto& report : kReports) {
        SCOPED_TRACE(report.name);
        for (const ReportFile& file : report.run("lipsa.db", now))
            EXPECT_FALSE(file.written) << file.path;
    }
    EXPECT_FALSE(fs::exists(folder / "lipsa.db"));
    EXPECT_TRUE(fs::is_empty(folder / "rapoarte"));
}

TEST_F(ReportTest, AReportsFolderRemovedSinceStartUpIsMadeAgain) {
    fs::remove(folder / "rapoarte");
    for (const auto& report : kReports) {
        SCOPED_TRACE(report.name);
        for (const ReportFile& file : report.run("baza.db", now)) {
            EXPECT_TRUE(file.written) << file.path;
            EXPECT_TRUE(fs::is_regular_file(folder / file.path)) << file.path;
        }
    }
}

}  // namespace
}  // namespace vandrix::backoffice
