// The receipt text window: its layout is `Text`; four lines for the next receipt.
#include "sale/small_window_rules.h"
#include "sale/small_windows.h"
#include "shell/Interfatacolor/textbon.h"
#include "shell/application.h"
#include "ui/form.h"
#include "ui/runtime.h"
#include "ui/window_loop.h"

namespace vandrix::sale {

namespace layout = shell::textbon;

namespace {
constexpr int kLoopTimeoutMs = 250;
}

std::string openReceiptText(shell::Application& app, ui::Form& parent) {
    ui::Form form(app.ui, layout::layout(), &parent);
    // Lines of 20 units: a font that fits them, the labels in the theme's text colours.
    const ui::FontSpec font{"Lucida Console", app.ui.scaledY(10), false};
    for (int i = 0; i < 4; ++i) {
        form.setFont(layout::kLabel1 + i, font);
        form.setFont(layout::lineField(i), font);
        form.setTextColours(layout::kLabel1 + i, app.ui.colours().textColour,
                            app.ui.colours().windowColour);
    }
    form.setFocus(layout::lineField(0));
    ui::runWindowLoop(form, kLoopTimeoutMs, [&](const ui::Event& event) {
        if (event.type == ui::EventType::Close || event.gadget == layout::kOk)
            return ui::Next::Leave;
        return ui::Next::Stay;
    });
    // OK or the close box: either way the lines as they stand.
    std::array<std::string, 4> lines;
    for (int i = 0; i < 4; ++i)
        lines[static_cast<size_t>(i)] = form.text(layout::lineField(i));
    return joinedReceiptText(lines);
}

}  // namespace vandrix::sale
