// Width tables of the core fonts of PDF (generated into core_font_widths.cpp by
// tools/gen_core_font_widths.py): advance widths in thousandths of the font size, per code 0-255.
#pragma once

#include <array>
#include <cstdint>

namespace vandrix::pdf::core_widths {

using WidthTable = std::array<std::int16_t, 256>;

extern const WidthTable kCourier;
extern const WidthTable kCourierBold;
extern const WidthTable kCourierOblique;
extern const WidthTable kCourierBoldOblique;
extern const WidthTable kHelvetica;
extern const WidthTable kHelveticaBold;
extern const WidthTable kHelveticaOblique;
extern const WidthTable kHelveticaBoldOblique;
extern const WidthTable kTimesRoman;
extern const WidthTable kTimesBold;
extern const WidthTable kTimesItalic;
extern const WidthTable kTimesBoldItalic;
extern const WidthTable kSymbol;
extern const WidthTable kZapfDingbats;

}  // namespace vandrix::pdf::core_widths
