// Lookup table of the core fonts.
#include "pdf/core_fonts.h"

#include <array>

namespace vandrix::pdf {

namespace {

using namespace core_widths;

constexpr std::array<CoreFont, 14> kCoreFonts = {{
    {"COURIER", "Courier", &kCourier, false},
    {"COURIERB", "Courier-Bold", &kCourierBold, false},
    {"COURIERI", "Courier-Oblique", &kCourierOblique, false},
    {"COURIERBI", "Courier-BoldOblique", &kCourierBoldOblique, false},
    {"HELVETICA", "Helvetica", &kHelvetica, false},
    {"HELVETICAB", "Helvetica-Bold", &kHelveticaBold, false},
    {"HELVETICAI", "Helvetica-Oblique", &kHelveticaOblique, false},
    {"HELVETICABI", "Helvetica-BoldOblique", &kHelveticaBoldOblique, false},
    {"TIMES", "Times-Roman", &kTimesRoman, false},
    {"TIMESB", "Times-Bold", &kTimesBold, false},
    {"TIMESI", "Times-Italic", &kTimesItalic, false},
    {"TIMESBI", "Times-BoldItalic", &kTimesBoldItalic, false},
    {"SYMBOL", "Symbol", &kSymbol, true},
    {"ZAPFDINGBATS", "ZapfDingbats", &kZapfDingbats, true},
}};

}  // namespace

const CoreFont* findCoreFont(std::string_view familyStyle) {
    for (const CoreFont& font : kCoreFonts) {
        if (font.familyStyle == familyStyle)
            return &font;
    }
    return nullptr;
}

}  // namespace vandrix::pdf
