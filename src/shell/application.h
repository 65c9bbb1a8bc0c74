// The application object: the process-wide state of one running program, created at start and
// passed by reference to every window and operation that needs it.
#pragma once

#include <ctime>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "shell/diagnostic_log.h"
#include "shell/palette.h"
#include "shell/settings.h"
#include "store/database.h"

namespace vandrix::ui {
class Runtime;
}

namespace vandrix::shell {

class Dialogs;

inline constexpr const char* kVersionText = "v" VANDRIX_VERSION;
inline constexpr const char* kDatabaseFile = "baza.db";

// The two lines of the customer display and the hold-off, shared with the display thread.
class DisplayLines {
  public:
    void set(const std::string& line1, const std::string& line2) {
        std::lock_guard<std::mutex> lock(mutex_);
        line1_ = line1;
        line2_ = line2;
    }
    std::pair<std::string, std::string> get() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return {line1_, line2_};
    }
    void setHoldOff(long holdOff) {
        std::lock_guard<std::mutex> lock(mutex_);
        holdOff_ = holdOff;
    }
    long holdOff() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return holdOff_;
    }
    // The next refresh comes a whole period from now (after a receipt, so the customer reads
    // "URMATORUL CLIENT" for 5 seconds before the lines are sent again).
    static constexpr long kRestartRefresh = -1;
    void restartRefresh() { setHoldOff(kRestartRefresh); }

  private:
    mutable std::mutex mutex_;
    std::string line1_ = "  URMATORUL CLIENT  ";
    std::string line2_ = "       VA ROG       ";
    long holdOff_ = 0;
};

struct Application {
    Application(ui::Runtime& runtime, Dialogs& boxes) : ui(runtime), dialogs(boxes) {}

    ui::Runtime& ui;
    Dialogs& dialogs;

    DiagnosticLog log;  // "vandrix.log" beside the database, opened at start
    Settings settings;
    Palette palette{};
    std::unique_ptr<store::Database> db;  // the connection every operation uses

    long currentPeriod = 0;    // the open end-of-day period
    std::time_t lastZ = 0;     // time of the last Z report
    bool notVatPayer = false;  // every article is sold in VAT group 5
    std::string operatorName = "Operator";
    bool labelLibraryLoaded = false;

    DisplayLines display;
    bool displayPortOpen = false;  // the customer display's serial port opened at start
    // The customer display shows the sale: its port is open, or the fiscal printer drives it.
    bool displayInUse() const {
        return displayPortOpen || settings.tipAmef == "TM80" || settings.tipAmef == "ZF80";
    }
    // Stored receipts whose file waits in the spool for the fiscal printer's folder.
    std::size_t pendingReceipts = 0;
    std::set<std::string> announcedWaiting;  // the cashier was told that these wait
    std::string buyerFiscalCode;  // the buyer's fiscal code for the receipt ("" when none)
    std::string receiptText;      // free text lines of the receipt
};

}  // namespace vandrix::shell
