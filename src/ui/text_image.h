// An image drawn from a few lines of text on a plain background: the payment buttons' faces.
#pragma once

#include <string>
#include <vector>

#include "ui/colour_scheme.h"

namespace vandrix::ui {

struct FontSpec {
    std::string family = "Lucida Console";
    int height = 12;  // in points, already scaled
    bool bold = false;
};

struct TextImageLine {
    std::string text;
    FontSpec font;
    Colour colour = 0;
    int x = 0, y = 0;  // in pixels
};

struct TextImage {
    int width = 0, height = 0;  // in pixels
    Colour background = 0xFFFFFF;
    std::vector<TextImageLine> lines;
};

}  // namespace vandrix::ui
