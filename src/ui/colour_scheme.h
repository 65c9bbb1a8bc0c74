// The colour state of the program: the window colour, the text colour, the dim colour and the
// colour map through which a window gives single buttons their own colours. The owner-drawn
// buttons and tabs read it when they paint.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace vandrix::ui {

// A colour value 0x00BBGGRR (red in the low byte), as the palette files write them.
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int red(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int green(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blue(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Text and back colour of one button; 0 means "not set" (so black is written $010101).
struct ButtonColours {
    Colour text = 0;
    Colour back = 0;
};

struct ColourScheme {
    Colour windowColour = 0xEFEFEF;
    Colour textColour = 0;
    Colour dimColour = rgb(64, 64, 64);
    // Keyed by the gadget's handle written as decimal text.
    std::map<std::string, ButtonColours> colourMap;

    Colour backFor(const std::string& key) const {
        auto it = colourMap.find(key);
        return it != colourMap.end() && it->second.back != 0 ? it->second.back : windowColour;
    }
    Colour textFor(const std::string& key) const {
        auto it = colourMap.find(key);
        return it != colourMap.end() && it->second.text != 0 ? it->second.text : textColour;
    }
};

}  // namespace vandrix::ui
