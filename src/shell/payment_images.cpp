// The payment buttons' images.
#include "shell/payment_images.h"

#include "ui/runtime.h"

namespace vandrix::shell {

ui::Colour paymentModeColour(int mode) {
    switch (mode) {
        case 2:
            return ui::rgb(255, 0, 0);
        case 3:
            return ui::rgb(0, 0, 255);
        case 4:
            return ui::rgb(160, 128, 0);
        default:
            return ui::rgb(0, 0, 0);
    }
}

ui::TextImage paymentButtonImage(const ui::Runtime& runtime, const std::string& modeName, int mode,
                                 int width, int height) {
    const ui::FontSpec plain{"Lucida Console", runtime.scaledY(12), false};
    const ui::FontSpec bold{"Lucida Console", runtime.scaledY(12), true};
    const ui::Colour colour = paymentModeColour(mode);
    ui::TextImage image;
    image.width = runtime.scaledX(width);
    image.height = runtime.scaledY(height);
    image.background = ui::rgb(255, 255, 255);
    image.lines.push_back({mode == 1 ? "Incasare" : " Incasare", plain, colour, runtime.scaledX(10),
                           runtime.scaledY(10)});
    image.lines.push_back(
        {modeName, bold, colour, runtime.scaledX(mode == 3 ? 25 : 10), runtime.scaledY(28)});
    return image;
}

}  // namespace vandrix::shell
