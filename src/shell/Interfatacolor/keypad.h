// The numeric keypad that several windows share: 7 8 9 / 4 5 6 / 1 2 3 in rows, then a double
// width "0" and ".".
#pragma once

#include <string>
#include <vector>

#include "ui/gadget.h"

namespace vandrix::ui {
class Form;
}

namespace vandrix::shell {

// Adds the keys "0" to "9" (gadgets key0 to key0 + 9) and "." (gadget point) with their top left
// at (x, y), each key w by h, the row of "0" and "." lastRowHeight high.
void addKeypad(std::vector<ui::GadgetSpec>& gadgets, int key0, int point, int x, int y, int w,
               int h, int lastRowHeight);

// What a keypad key does to a field: a digit is appended; "." is appended (only when the field
// has none yet, with onePoint); the caret goes to the end and the field gets the focus.
enum class PointRule { Always, Once };
void typeKey(ui::Form& form, int field, char key, PointRule points);

// The sale window's keyboard shortcuts: digits (kShortcutDigit0 + d), Enter (kShortcutConfirm),
// the decimal keys (kShortcutDecimal), keypad "+" and Space. The small windows opened from the
// sale window take the same set while they are open, so a digit typed on the keyboard does not
// reach their fields (numbers are typed on their own keypads).
void addSaleShortcuts(ui::Form& form);

// The quantity fields' rule: a quantity typed with three decimals after its "." is complete,
// and the focus moves on from it.
bool quantityComplete(const std::string& text);
// Moves the focus from the quantity field to the next one when its quantity is complete.
void leaveCompleteQuantity(ui::Form& form, int quantityField, int nextField);

}  // namespace vandrix::shell
