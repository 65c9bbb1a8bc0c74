// The tip receipt: stored with its number and sent as its fixed-column file when it has an
// amount; without one it is refused, or stored unnumbered and unsent where "param1" asks so.
#include <gtest/gtest.h>

#include "fiscal/pending_receipts.h"
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

// A tip is a receipt like any other: stored and sent once, its file waiting in the spool while
// the driver's folder is missing, and nothing stored or sent when storing is refused.
TEST_F(TipReceipt, ItTakesTheRoadOfEveryReceipt) {
    app.settings.baseFolder = folder.path().string() + "/";
    fs::remove(folder / "Bonuri");
    std::string total = "   5.00";
    fiscal::writeTipReceipt(app, grid, total);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_NE(dialogs.asked[0].find("Bonul nr. 1 (fisierul Bacsis-2-BONPOS01-"), std::string::npos)
        << dialogs.asked[0];
    EXPECT_EQ(app.pendingReceipts, 1u);
    EXPECT_EQ(app.db->scalarInteger("select count(*) from bon"), 2);

    fs::create_directories(folder / "Bonuri");
    fiscal::deliverPendingReceipts(app, false);
    EXPECT_EQ(files(), 1);
    EXPECT_EQ(app.pendingReceipts, 0u);
    EXPECT_TRUE(fs::is_empty(folder / "netrimise"));

    ASSERT_TRUE(app.db->exec(
        "CREATE TRIGGER refuse BEFORE INSERT ON bon BEGIN SELECT RAISE(ABORT, 'full'); END;"));
    grid.append({"BACSIS", "BUC", "      1", "   5.00", "0", "0", "1", "1"});
    total = "   5.00";
    fiscal::writeTipReceipt(app, grid, total);
    EXPECT_EQ(files(), 1);
    EXPECT_TRUE(fs::is_empty(folder / "netrimise"));
    EXPECT_EQ(grid.size(), 1);
    // The tip's line leaves the screen: the cashier is told to type it again.
    EXPECT_NE(dialogs.asked.back().find("Bacsisul NU a fost inregistrat!"), std::string::npos);
    EXPECT_NE(dialogs.asked.back().find("Introduceti bacsisul din nou."), std::string::npos);
    EXPECT_EQ(dialogs.asked.back().find("ramas pe ecran"), std::string::npos);
}

}  // namespace
}  // namespace vandrix
