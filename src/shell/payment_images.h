// The faces of the payment buttons: "Incasare" and the mode's name on white, in the mode's
// colour. The sale window and the split-payment window show the same images.
#pragma once

#include <string>

#include "ui/text_image.h"

namespace vandrix::ui {
class Runtime;
}

namespace vandrix::shell {

// The text colour of payment mode 1 to 4: black, red, blue, and red 160 / green 128 / blue 0.
ui::Colour paymentModeColour(int mode);

// The image of mode 1 to 4 for a button of the given size in design units (scaled here).
ui::TextImage paymentButtonImage(const ui::Runtime& runtime, const std::string& modeName, int mode,
                                 int width, int height);

}  // namespace vandrix::shell
