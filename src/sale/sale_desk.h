// The sale screen at work on the sale window: the handlers of its buttons, keys and fields, the
// receipt grid shown in its list, and the work after every event.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sale/article_entry.h"
#include "sale/held_receipt.h"
#include "sale/receipt_grid.h"
#include "shell/dialog_layout.h"
#include "shell/sale_operations.h"

namespace vandrix::shell {
struct Application;
}
namespace vandrix::ui {
class Form;
}

namespace vandrix::sale {

class SaleDesk final : public shell::SaleOperations {
  public:
    SaleDesk(shell::Application& app, ui::Form& form);

    void handle(const ui::Event& event) override;
    void afterEvent() override;

    ReceiptGrid& grid() { return grid_; }
    // Shows the grid's rows and selection in the window's list.
    void showGrid();

    // Payment with a mode (1 to 4) once the cashier confirmed it, on the window's fields; set
    // by the payment subsystem.
    std::function<void(int mode, EntryFields& fields)> takePayment;
    // The reports window ("Rapoarte"); set by the back office.
    std::function<void()> openReports;
    // One weight from the scale for the quantity field; nullopt when no scale is set.
    std::function<std::optional<std::string>()> readScale;
    // The back-office choice window (the access code) and the administration window in its
    // restricted mode (the administrator code).
    std::function<void()> openBackOffice;
    std::function<void()> openAdministration;
    // Another try at delivering the files of stored receipts that wait for the fiscal
    // printer's folder; set by the payment subsystem, run every few seconds while any wait.
    std::function<void()> retryDeliveries;
    // Stores and sends the tip receipt of the grid's one tip line with its amount; set by the
    // payment subsystem.
    std::function<void(ReceiptGrid& grid, std::string& total)> storeTip;

    // The question asked before a payment in the given mode, and its amount text, from the
    // entry, quantity and total fields.
    static std::string amountText(int mode, const std::string& entry, const std::string& quantity,
                                  const std::string& total);
    static std::string paymentQuestion(int mode);
    static shell::DialogFlags paymentQuestionFlags(int mode);

  private:
    enum class Field { Entry, Quantity };
    int currentGadget() const;
    void focusCurrent();
    void appendToCurrent(char key);
    void confirmEntry();
    void entryAsQuantity();
    void runCode(const std::string& code);
    void removeSelectedRow();
    void moveSelection(int step);
    void clearCurrent();
    void pay(int mode);
    void payNow(int mode);  // the payment on the window's fields, and the grid shown after it
    void updateEnabling();
    void holdOrRecall();
    void hold();
    void recall();
    void stopHolding();
    HeldReceiptChecks heldReceiptChecks();
    void setAsideDamagedHeldReceipt(const std::string& problem);
    void cancelReceipt();
    void showTotal();  // the totals recomputed and the grid shown
    void changeLinePrice(bool tipMode);

    shell::Application& app_;
    ui::Form& form_;
    ReceiptGrid grid_;
    Field current_ = Field::Entry;
    std::string cuiShown_;
    bool holding_ = false;  // a receipt is parked: the hold button says "Revin"
    std::int64_t lastDeliveryTryMs_ = 0;
};

}  // namespace vandrix::sale
