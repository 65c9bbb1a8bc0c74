// The colour theme of the program's windows.
#include "shell/theme.h"

#include "ui/form.h"

namespace vandrix::shell {

void themeForBackdrop(ui::ColourScheme& colours, const Palette& palette) {
    colours.windowColour = palette[1];
    colours.dimColour = palette[2];
}

void enterKeypadColours(ui::ColourScheme& colours, const Palette& palette, const ui::Form& form,
                        const std::vector<int>& keypadGadgets) {
    for (int gadget : keypadGadgets)
        colours.colourMap[form.handleKey(gadget)] = ui::ButtonColours{palette[11], palette[3]};
}

void applyTheme(ui::ColourScheme& colours, const Palette& palette, ui::Form& saleWindow,
                const std::vector<int>& keypadGadgets) {
    enterKeypadColours(colours, palette, saleWindow, keypadGadgets);
    colours.windowColour = palette[4] != 0 ? palette[4] : kDefaultWindowColour;
    colours.textColour = palette[12];
    saleWindow.setBackground(colours.windowColour);
    saleWindow.repaint();
}

}  // namespace vandrix::shell
