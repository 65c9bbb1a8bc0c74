// Layout of the article search window "Articole" on its 760 x 520 design grid.
#pragma once

#include <string>

#include "ui/gadget.h"

namespace vandrix::shell::articole {

enum Gadget {
    kSearch = 1,
    kBackspace,
    kUp,
    kDown,
    kList,
    kFirstCharacter,  // the character buttons follow, one per entry of characters()
};

// The characters of the on-screen keys, in the order of their gadgets: "#", "=", "&", "!",
// "/", "\", "+", "-", "a" to "z", "0" to "9", "(", ")". Letters are appended in lower case.
const std::string& characters();

ui::FormSpec layout();

}  // namespace vandrix::shell::articole
