// The offscreen demonstration (scripts/demo-script.txt on the sample articles of
// scripts/demo-articles.sql) set up as scripts/demo.sh sets it up, so that a change of the
// program that breaks the demo fails here and not only when somebody runs the demo.
#include <gtest/gtest.h>

#include <sstream>

#include "scenario.h"
#include "store/database.h"
#include "temp_folder.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::runScenario;

std::string sourceFile(const std::string& name) {
    return readFileBytes(fs::path(VANDRIX_SOURCE_DIR) / name);
}

TEST(DemoScenario, TheDemoSellsPaysSplitAndRunsAnXReport) {
    testing::TempFolder folder;
    ASSERT_EQ(runScenario(folder.path(), "click DA\nclose\nclick DA\n").exitStatus, 0);
    fs::create_directories(folder / "Note");
    {
        auto db = store::Database::open((folder / "baza.db").string());
        std::istringstream sql(sourceFile("scripts/demo-articles.sql"));
        for (std::string line; std::getline(sql, line);)
            if (!line.empty() && line.rfind("--", 0) != 0) {
                ASSERT_TRUE(db->exec(line)) << line;
            }
    }

    auto run = runScenario(folder.path(), sourceFile("scripts/demo-script.txt"));
    ASSERT_EQ(run.exitStatus, 0) << run.output;

    const std::string name = "BonCMP-000000002-POS01.txt";
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / name),
              "V|PAINE ALBA FELIATA~BUC|2|4.50|1.000|0|0|1\r\n"
              "V|LAPTE INTEGRAL 1L~BUC|2|7.20|2.000|0|0|1\r\n"
              "V|MERE ROSII~KG|2|5.49|0.350|0|0|1\r\n"
              "P|1|10.00\r\nP|0|20.00\r\n");
    const std::string note = readFileBytes(folder / "Note" / name);
    EXPECT_NE(note.find("0.350 KGx5.49 = 1.92\r\n"), std::string::npos) << note;
    EXPECT_NE(note.find("Total    :  20.82\r\n"), std::string::npos) << note;
    EXPECT_NE(note.find("Rest     :   9.18\r\n"), std::string::npos) << note;
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "BonRaportX-0002-POS01.txt"), "X\r\n");
    EXPECT_TRUE(run.transcriptHas("open Incasare"));
    // The X total is the day's sales: the change given back is not in the drawer.
    EXPECT_TRUE(run.transcriptHas(
        "message BonRaport X | Rog Confirmati Raportul X pe casa de marcat\\r\\n20.82\\r\\n | 6"));
    for (const char* picture :
         {"demo-1-vanzare.png", "demo-2-intrebare-plata.png", "demo-3-incasare.png",
          "demo-4-rapoarte.png", "demo-5-raport-x.png", "demo-6-inchidem.png"})
        EXPECT_TRUE(fs::exists(folder / picture)) << picture;
}

}  // namespace
}  // namespace vandrix
