// The sale window `Interfata` on its backdrop: building both windows, the titles, and the main
// event loop that runs until the cashier confirms "Inchidem?".
#pragma once

#include <memory>
#include <optional>

#include "shell/ticker.h"
#include "ui/form.h"

namespace vandrix::shell {

struct Application;
struct Subsystems;
class SaleOperations;

class SaleWindow {
  public:
    SaleWindow(Application& app, const Subsystems& subsystems);
    ~SaleWindow();

    // The backdrop window (its size fixes the scale factors when "winsize" is 0).
    void openBackdrop();
    // The sale window with its layout and build steps.
    void open();
    // The colours of the theme and the keypad's colour-map entries.
    void applyTheme();
    // "Utilizator: <operator>" on both windows, the version on the sale window.
    void setTitles();
    // The main event loop; returns when the close question was answered DA.
    void run();

    ui::Form& form() { return *form_; }
    ui::Form& backdrop() { return *backdrop_; }

  private:
    void buildPaymentButtons();
    void buildStatusBar();
    bool handle(const ui::Event& event);  // false when the loop ends
    void afterEvent();
    bool confirmClose();
    void openLogoLink();

    Application& app_;
    const Subsystems& subsystems_;
    std::unique_ptr<SaleOperations> operations_;
    std::unique_ptr<ui::Form> backdrop_;
    std::unique_ptr<ui::Form> form_;
    std::optional<Ticker> ticker_;
};

}  // namespace vandrix::shell
