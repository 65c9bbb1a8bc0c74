// The sale window: its build steps after the form's gadgets exist, the titles and the loop.
#include "shell/sale_window.h"

#include <cmath>

#include "platform/files.h"
#include "platform/text_file.h"
#include "shell/Interfatacolor/interfata.h"
#include "shell/Interfatacolor/keypad.h"
#include "shell/application.h"
#include "shell/dialogs.h"
#include "shell/payment_images.h"
#include "shell/sale_operations.h"
#include "shell/subsystems.h"
#include "shell/theme.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::shell {

using namespace interfata;

namespace {

constexpr int kLoopTimeoutMs = 25;

const char* const kArrowUp = "Data/arrow-up-icon.png";
const char* const kArrowDown = "Data/arrow-down-icon.png";

// The keypad buttons whose colours come from the palette's keypad entries.
std::vector<int> keypadGadgets() {
    std::vector<int> gadgets;
    for (int d = 0; d <= 9; ++d)
        gadgets.push_back(keyGadget(d));
    gadgets.insert(gadgets.end(), {kPoint, kEnter, kX});
    return gadgets;
}

}  // namespace

SaleWindow::SaleWindow(Application& app, const Subsystems& subsystems)
    : app_(app), subsystems_(subsystems) {}
SaleWindow::~SaleWindow() = default;

void SaleWindow::openBackdrop() {
    ui::Runtime& ui = app_.ui;
    themeForBackdrop(ui.colours(), app_.palette);
    ui::Rect area = ui.workArea();
    int width = area.width - 2 * ui.fixedFrameWidth();
    int height = area.height - ui.captionHeight() - 2 * ui.fixedFrameWidth();
    backdrop_ = std::make_unique<ui::Form>(ui, backdropLayout(width, height));
    backdrop_->placeWindow(area.x, area.y, width, height);
    backdrop_->setBackground(app_.palette[1]);
    for (int panel : {kBackdropLeft, kBackdropRight})
        backdrop_->setTextColours(panel, app_.palette[1], app_.palette[1]);
}

void SaleWindow::open() {
    ui::Runtime& ui = app_.ui;
    form_ = std::make_unique<ui::Form>(ui, layout(), backdrop_.get());
    ui::Form& f = *form_;
    // The sale window stands in the middle of the backdrop; the backdrop's halves are handled
    // by this window's loop.
    ui::Rect area = ui.workArea();
    int width = ui.scaledX(780);
    int height = ui.scaledY(520);
    f.placeWindow(area.x + std::max(0, (area.width - width) / 2),
                  area.y + std::max(0, (area.height - height) / 2), width, height);
    backdrop_->forwardEventsTo(form_.get());
    f.addLinkedForm(backdrop_.get());

    // The keys the window takes before its fields: digits, the decimal point and Enter go to
    // the entry field in the order typed; keypad "+" and Space are the window's own.
    addSaleShortcuts(f);
    // The receipt grid shows four columns; the others hold what payment and storage read.
    f.setColumns(kGrid, {"Articol", "Um", "Cant", "Pret", "ID", "codbar", "CotaTVA", "grupa"},
                 {245, 60, 110, 110, 0, 0, 0, 0});
    f.setFont(kEnter, {"Lucida Console", ui.scaledY(9), true});
    // What the settings decide: the payment modes' buttons, the logo, the ticker's lines.
    buildPaymentButtons();
    for (int mode : {3, 4})
        if (f.has(payGadget(mode)))
            f.setEnabled(payGadget(mode), false);
    if (!platform::missingOrEmpty("logo.bmp")) {
        f.addGadget({kLogo, ui::GadgetKind::Image, "", 256, 454, 142, 36, 0, "logo"});
        f.loadImage(kLogo, "logo.bmp", 142, 36);
    }
    buildStatusBar();
    f.loadImage(kUp, kArrowUp, 0, 0);
    f.loadImage(kDown, kArrowDown, 0, 0);
    f.setFocus(kEntry);
    if (subsystems_.saleOperations)
        operations_ = subsystems_.saleOperations(app_, f);
}

void SaleWindow::buildPaymentButtons() {
    ui::Form& f = *form_;
    struct Place {
        int x, y, w, h;
    };
    const Place places[5] = {
        {}, {670, 390, 110, 60}, {550, 390, 120, 60}, {550, 450, 120, 45}, {670, 450, 110, 45}};
    for (int mode = 1; mode <= 4; ++mode) {
        const std::string& name = app_.settings.paymentModes[mode].name;
        if (trim(name).empty())
            continue;  // modes 1 and 2 keep their plain buttons
        const Place& p = places[mode];
        const int gadget = payGadget(mode);
        const bool wasEnabled = !f.has(gadget) || f.isEnabled(gadget);
        f.addGadget({gadget, ui::GadgetKind::ImageButton, "", p.x, p.y, p.w, p.h, 0,
                     "pay" + std::to_string(mode)});
        if (!wasEnabled)
            f.setEnabled(gadget, false);
        f.setImage(gadget, paymentButtonImage(app_.ui, name, mode, p.w, p.h));
    }
}

void SaleWindow::buildStatusBar() {
    ui::Form& f = *form_;
    f.setStatusFields({0, 0, 775});
    std::vector<std::string> lines;
    if (!platform::missingOrEmpty("text.txt"))
        lines = platform::readLines("text.txt", platform::Encoding::Ansi).value_or(lines);
    ticker_.emplace(lines, app_.ui.scaleX);
    f.setStatusText(2, ticker_->visible());
}

void SaleWindow::applyTheme() {
    shell::applyTheme(app_.ui.colours(), app_.palette, *form_, keypadGadgets());
}

void SaleWindow::setTitles() {
    std::string title = "Utilizator: " + app_.operatorName;
    form_->setTitle(title);
    backdrop_->setTitle(title);
    form_->setTitle(form_->title() + " / " + kVersionText);
}

bool SaleWindow::confirmClose() {
    return app_.dialogs.message("Inchidem?", "Inchidem", kButtonsYesNo) == kResultYes;
}

bool SaleWindow::handle(const ui::Event& event) {
    using ui::EventType;
    if (event.type == EventType::Close)
        return !confirmClose();
    if (event.gadget == kBackdropLeft && event.type == EventType::DoubleClick)
        return !confirmClose();
    if (event.gadget == kBackdropRight && event.type == EventType::DoubleClick) {
        backdrop_->minimize();
        return true;
    }
    if (event.gadget == kBackdropLeft || event.gadget == kBackdropRight)
        return true;
    if (event.gadget == kLogo && event.type == EventType::Click) {
        openLogoLink();
        return true;
    }
    if (event.type == EventType::Shortcut && backdrop_->isMaximized())
        backdrop_->showNormal();
    if (operations_)
        operations_->handle(event);
    return true;
}

void SaleWindow::openLogoLink() {
    if (platform::missingOrEmpty("logolink.txt"))
        return;
    std::string address = trim(platform::readFirstLine("logolink.txt", platform::Encoding::Ansi));
    if (address.find("://") == std::string::npos)
        address = "https://" + address;
    form_->setFocus(kEntry);
    app_.ui.shellOpen(address);
}

void SaleWindow::afterEvent() {
    if (operations_)
        operations_->afterEvent();
    if (ticker_ && ticker_->stepIfDue(app_.ui.clock().elapsedMs()))
        form_->setStatusText(2, ticker_->visible());
}

void SaleWindow::run() {
    ui::runWindowLoop(
        *form_, kLoopTimeoutMs,
        [this](const ui::Event& event) { return handle(event) ? ui::Next::Stay : ui::Next::Leave; },
        [this] { afterEvent(); });
}

}  // namespace vandrix::shell
