// The shared keypad: its layout and what its keys do to a field.
#include "shell/Interfatacolor/keypad.h"

#include <string>

#include "shell/Interfatacolor/interfata.h"
#include "ui/form.h"
#include "ui/keys.h"

namespace vandrix::shell {

void addKeypad(std::vector<ui::GadgetSpec>& gadgets, int key0, int point, int x, int y, int w,
               int h, int lastRowHeight) {
    const int rows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const int digit = rows[r][c];
            gadgets.push_back({key0 + digit, ui::GadgetKind::Button, std::to_string(digit),
                               x + c * w, y + r * h, w, h, 0, ""});
        }
    gadgets.push_back(
        {key0, ui::GadgetKind::Button, "0", x, y + 3 * h, 2 * w, lastRowHeight, 0, ""});
    gadgets.push_back(
        {point, ui::GadgetKind::Button, ".", x + 2 * w, y + 3 * h, w, lastRowHeight, 0, ""});
}

void typeKey(ui::Form& form, int field, char key, PointRule points) {
    const std::string text = form.text(field);
    if (key != '.' || points == PointRule::Always || text.find('.') == std::string::npos)
        form.setText(field, text + key);
    form.setFocus(field);
    form.setCaretToEnd(field);
}

void addSaleShortcuts(ui::Form& form) {
    using namespace interfata;
    for (int d = 0; d <= 9; ++d) {
        form.addShortcut(ui::digitKey(d), kShortcutDigit0 + d);
        form.addShortcut(ui::keypadKey(d), kShortcutDigit0 + d);
    }
    form.addShortcut(ui::Key::Enter, kShortcutConfirm);
    form.addShortcut(ui::Key::KeypadDecimal, kShortcutDecimal);
    form.addShortcut(ui::Key::Comma, kShortcutDecimal);
    form.addShortcut(ui::Key::Period, kShortcutDecimal);
    form.addShortcut(ui::Key::KeypadAdd, kShortcutKeypadAdd);
    form.addShortcut(ui::Key::Space, kShortcutSpace);
}

bool quantityComplete(const std::string& text) {
    const size_t point = text.find('.');
    return point != std::string::npos && text.size() - point - 1 == 3;
}

void leaveCompleteQuantity(ui::Form& form, int quantityField, int nextField) {
    if (form.focusedGadget() == quantityField && quantityComplete(form.text(quantityField)))
        form.setFocus(nextField);
}

}  // namespace vandrix::shell
