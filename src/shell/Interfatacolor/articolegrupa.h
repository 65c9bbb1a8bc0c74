// Layout of the quick-key window "Articole Grupa" on its 780 x 520 design grid: the tab panel
// and the arrows. The group buttons, the tabs' article areas and the article buttons are added
// by the window from the database, numbered as below.
#pragma once

#include "ui/gadget.h"

namespace vandrix::shell::articolegrupa {

enum Gadget { kTabs = 1, kUp, kDown };

// The k-th group's button and its tab's article area; the n-th article button.
inline int groupButton(int k) {
    return 100 + k;
}
inline int articleArea(int k) {
    return 10000 + k;
}
inline int articleButton(int n) {
    return 20000 + n;
}

// Group buttons stand beside the panel, one under the other, as many as fit above the arrows;
// every group is also reached through its tab.
inline constexpr int kGroupButtonsShown = 9;

// Article buttons: six a row, 103 units square, from (2, 2) of their area.
inline constexpr int kArticlesPerRow = 6;
inline constexpr int kArticleSize = 103;

ui::FormSpec layout();

}  // namespace vandrix::shell::articolegrupa
