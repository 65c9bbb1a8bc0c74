// The shared keypad layout.
#include "shell/Interfatacolor/keypad.h"

#include <string>

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

}  // namespace vandrix::shell
