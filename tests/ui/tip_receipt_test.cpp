// The tip receipt: stored with its number and sent as its fixed-column file when it has an
// amount; without one it is refused, or stored unnumbered and unsent where "param1" asks so.
#include <gtest/gtest.h>

#include "fiscal/tip_receipt.h"
#include "shell/application.h"
#include "store/database2020.h"
#include "temp_folder.h"
#include "test_runtime.h"

namespace vandrix {
namespace {

namespace fs = std::filesystem;

class TipReceipt : public ::testing::Test {
  protected:
    void SetUp() override {
        store::Database2020("baza.db");
        app.db = store::Database::open("baza.db");
        app.currentPeriod = 2;
        app.settings.pos = "POS01";
        app.settings.serverDir = folder.path().string() + "/Bonuri/";
        fs::create_directories(folder / "Bonuri");
        grid.append({"BACSIS", "BUC", "      1", "   5.00", "0", "0", "1", "1"});
    }

    int files() {
        int n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder / "Bonuri"))
            ++n;
        return n;
    }

    testing::TempFolder folder;
    testing::ScopedWorkingFolder cwd{folder.path()};
    testing::ScriptedDialogs dialogs;
    shell::Application app{testing::testRuntime(), dialogs};
    sale::ReceiptGrid grid;
};

TEST_F(TipReceipt, WithAnAmountItIsStoredAndSent) {
    app.buyerFiscalCode = "RO42";
    std::string total = "   5.00";
    fiscal::writeTipReceipt(app, grid, total);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(
        app.db->scalarText("select nrbon||'/'||valbon||'/'||numerar||'/'||cui from bon where id=2"),
        "1/5.0/5.0/RO42");
    EXPECT_EQ(files(), 1);
    EXPECT_TRUE(grid.empty());
    EXPECT_EQ(total, "");
    EXPECT_EQ(app.buyerFiscalCode, "");
}

TEST_F(TipReceipt, WithoutAnAmountItIsRefused) {
    std::string total = "   0.00";
    fiscal::writeTipReceipt(app, grid, total);
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"Eroare | Suma Nepermisa"}));
    EXPECT_EQ(app.db->scalarInteger("select count(*) from bon"), 1);
    EXPECT_EQ(grid.size(), 1);
}

TEST_F(TipReceipt, WithoutAnAmountAndParam1ItIsStoredUnnumberedAndNotSent) {
    app.settings.param1Present = true;
    std::string total = "   0.00";
    fiscal::writeTipReceipt(app, grid, total);
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(app.db->scalarText("select nrbon from bon where id=2"), "0");
    EXPECT_EQ(files(), 0);
    EXPECT_TRUE(grid.empty());
}

}  // namespace
}  // namespace vandrix
