// Texts that must be seen whole: measuring a text in the font it is drawn in, and finding the
// captions of a form that do not fit their gadgets at the size they are drawn.
#pragma once

#include <string>
#include <vector>

#include "ui/text_image.h"

namespace vandrix::ui {

class Form;
class Runtime;

struct TextExtent {
    int width = 0;   // the widest line, in pixels
    int height = 0;  // all lines, in pixels
};

// The extent of a text whose lines are separated by CR LF (or CR, or LF) in the given font. With
// wrapWidth above 0 the lines are broken between words to stay within it, as a word-wrapped
// label breaks them; a single word wider than that keeps its own width.
TextExtent measureText(const Runtime& runtime, const FontSpec& font, const std::string& text,
                       int wrapWidth = 0);

// A caption wider or taller than the room its gadget gives it.
struct CaptionMisfit {
    int gadget = 0;
    std::string caption;
    TextExtent text;
    TextExtent room;
};

// Every visible button, tab and label of the form whose caption, in the font it is drawn in (a
// button's or tab's after shrinking to fit), is wider or taller than its room.
std::vector<CaptionMisfit> captionMisfits(const Form& form);

// One line per misfit, for a failure report.
std::string describeMisfits(const std::vector<CaptionMisfit>& misfits);

}  // namespace vandrix::ui
