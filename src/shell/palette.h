// The colour themes: the palette files written at start and the palette chosen in the settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vandrix::shell {

// Colour values are 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

// Entries 1 to 16 at indexes 1 to 16 (index 0 unused); all 0 without a palette.
using Palette = std::array<Colour, 17>;

// The folder "Palette" and its files: the seven named palettes rewritten when missing or
// empty, an empty "default.txt" when missing.
[[nodiscard]] bool createPalettes();  // false when a palette file could not be written

// The palette of the PALETTE setting: the first line (ANSI) of that file split at ",", fields
// read as integers ("$" hexadecimal). All 0 when the setting or the file is empty.
Palette readPalette(const std::string& paletteSetting);
Palette parsePaletteLine(const std::string& line);

}  // namespace vandrix::shell
