// The sizing rule and the button sets of the program's dialogs.
#include "shell/dialog_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/utf8.h"

namespace vandrix::shell {
namespace {

int lineBreakPairs(const std::string& s) {
    int n = 0;
    for (size_t i = s.find("\r\n"); i != std::string::npos; i = s.find("\r\n", i + 2))
        ++n;
    return n;
}

}  // namespace

DialogLayout dialogLayout(const std::string& text, const std::string& title) {
    DialogLayout layout;
    int w = std::max(platform::utf8LetterCount(text), platform::utf8LetterCount(title));
    int pairs = lineBreakPairs(text);
    if (w > 80) {
        layout.lines = static_cast<int>(std::lround(w / 15.0)) + 2 * pairs;
        layout.widthChars = 80;
    } else {
        layout.widthChars = std::max(w, 35);
        layout.lines = pairs > 0 ? 2 * pairs : 2;
    }
    return layout;
}

ButtonSet buttonSet(int flags) {
    ButtonSet set;
    switch (flags % 16) {
        case kButtonsOk:
            set.count = 1;
            set.captions[0] = "OK";
            set.results[0] = kResultOk;
            break;
        case kButtonsYesNoCancel:
            set.count = 3;
            set.captions[0] = "DA";
            set.captions[1] = "NU";
            set.captions[2] = "RENUNTA";
            set.results[0] = kResultYes;
            set.results[1] = kResultNo;
            set.results[2] = kResultCancel;
            break;
        case kButtonsYesNo:
            set.count = 2;
            set.captions[0] = "DA";
            set.captions[1] = "NU";
            set.results[0] = kResultYes;
            set.results[1] = kResultNo;
            break;
        default:
            break;
    }
    return set;
}

}  // namespace vandrix::shell
