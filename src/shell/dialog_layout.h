// Sizes of the program's message box, input box and timed message: they follow the length of
// the text and the title, one character 8 pixels wide and one line 8 pixels high.
#pragma once

#include <string>

namespace vandrix::shell {

// The result numbers of the message box.
enum DialogResult { kResultOk = 0, kResultCancel = 2, kResultYes = 6, kResultNo = 7 };

// Flags: a button set (flags modulo 16) plus an icon.
enum DialogFlags {
    kButtonsOk = 0,
    kButtonsYesNoCancel = 3,
    kButtonsYesNo = 4,
    kButtonsNone = 5,
    kIconError = 16,
    kIconWarning = 48,
    kIconInformation = 64,
};

// A button set and an icon together: kButtonsYesNo + kIconError.
constexpr DialogFlags operator+(DialogFlags a, DialogFlags b) {
    return static_cast<DialogFlags>(static_cast<int>(a) + static_cast<int>(b));
}

struct DialogLayout {
    int widthChars = 0;  // W
    int lines = 0;       // L
    int width() const { return widthChars * 8; }
    int height(bool inputBox) const { return inputBox ? (lines + 10) * 9 : (lines + 8) * 8; }
    int textHeight() const { return (lines + 1) * 8; }
    int buttonsY() const { return (lines + 2) * 8; }
};

// Characters are counted as letters, not bytes, so a Romanian letter counts once.
DialogLayout dialogLayout(const std::string& text, const std::string& title);

// The captions of a button set: "OK"; "DA", "NU", "RENUNTA"; "DA", "NU"; or none.
struct ButtonSet {
    int count = 0;
    const char* captions[3] = {nullptr, nullptr, nullptr};
    int results[3] = {0, 0, 0};
};
ButtonSet buttonSet(int flags);

}  // namespace vandrix::shell
