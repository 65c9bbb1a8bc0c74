// Applying the colour theme: the palette entries give the window colour, the text colour, the
// dim colour and the keypad buttons' colours.
#pragma once

#include <vector>

#include "shell/palette.h"
#include "ui/colour_scheme.h"

namespace vandrix::ui {
class Form;
}

namespace vandrix::shell {

constexpr ui::Colour kDefaultWindowColour = 0xEFEFEF;

// While the backdrop window is built: its background is entry 1 and the dim colour entry 2.
void themeForBackdrop(ui::ColourScheme& colours, const Palette& palette);

// Keypad buttons take the palette's keypad colours: back colour entry 3, text colour entry 11.
void enterKeypadColours(ui::ColourScheme& colours, const Palette& palette, const ui::Form& form,
                        const std::vector<int>& keypadGadgets);

// The sale window's theming: the keypad buttons enter the colour map with back colour entry 3
// and text colour entry 11; the window colour becomes entry 4 ($EFEFEF when 0) and the text
// colour entry 12; the sale window takes the window colour.
void applyTheme(ui::ColourScheme& colours, const Palette& palette, ui::Form& saleWindow,
                const std::vector<int>& keypadGadgets);

}  // namespace vandrix::shell
