// The fourteen core fonts every PDF reader has: their lookup names, PDF names and width tables.
#pragma once

#include <string_view>

#include "pdf/core_font_widths.h"

namespace vandrix::pdf {

struct CoreFont {
    std::string_view familyStyle;  // upper-case family followed by the style, e.g. "HELVETICAB"
    std::string_view name;         // the PDF base font name, e.g. "Helvetica-Bold"
    const core_widths::WidthTable* widths;
    bool symbolic;  // Symbol and ZapfDingbats use their own encoding, not WinAnsiEncoding
};

// The core font for an upper-case family and style ("", "B", "I", "BI"), or nullptr.
const CoreFont* findCoreFont(std::string_view familyStyle);

}  // namespace vandrix::pdf
