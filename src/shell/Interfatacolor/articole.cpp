// The article search window's layout: the search field, the on-screen keys, the arrows and the
// list of matching articles.
#include "shell/Interfatacolor/articole.h"

namespace vandrix::shell::articole {

using ui::GadgetKind;

const std::string& characters() {
    static const std::string keys = "#=&!/\\+-abcdefghijklmnopqrstuvwxyz0123456789()";
    return keys;
}

namespace {

// Where each character's key stands (design grid, 40 x 40).
struct Place {
    int x, y;
};

Place placeOf(char c) {
    switch (c) {
        case '#':
            return {0, 40};
        case '=':
            return {40, 40};
        case '&':
            return {680, 40};
        case '!':
            return {720, 40};
        case '/':
            return {0, 400};
        case '\\':
            return {40, 400};
        case '+':
            return {680, 400};
        case '-':
            return {720, 400};
        case '(':
            return {680, 480};
        case ')':
            return {720, 480};
        default:
            break;
    }
    if (c >= 'a' && c <= 's')
        return {40 * (c - 'a'), 440};
    if (c >= 't' && c <= 'z')
        return {40 * (c - 't'), 480};
    return {280 + 40 * (c - '0'), 480};
}

std::string captionOf(char c) {
    if (c >= 'a' && c <= 'z')
        return std::string(1, static_cast<char>(c - 'a' + 'A'));
    return std::string(1, c);
}

}  // namespace

ui::FormSpec layout() {
    ui::FormSpec table;
    table.name = "Articole";
    table.title = "Articole";
    table.width = 760;
    table.height = 520;
    table.gadgets = {
        {kSearch, GadgetKind::TextField, "", 0, 0, 630, 40, ui::kUpperCase, "cautare"},
        {kBackspace, GadgetKind::Button, "<--", 630, 0, 130, 40, 0, ""},
        {kUp, GadgetKind::ImageButton, "", 80, 40, 600, 40, 0, "sus"},
        {kList, GadgetKind::ListView, "", 0, 80, 760, 320, ui::kFullRowSelect, "articole"},
        {kDown, GadgetKind::ImageButton, "", 80, 400, 600, 40, 0, "jos"},
    };
    const std::string& keys = characters();
    for (size_t i = 0; i < keys.size(); ++i) {
        const Place p = placeOf(keys[i]);
        table.gadgets.push_back({kFirstCharacter + static_cast<int>(i), GadgetKind::Button,
                                 captionOf(keys[i]), p.x, p.y, 40, 40, 0, ""});
    }
    return table;
}

}  // namespace vandrix::shell::articole
