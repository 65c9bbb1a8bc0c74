// Keys that windows take as keyboard shortcuts before the focused gadget does.
#pragma once

namespace vandrix::ui {

enum class Key {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Keypad0,
    Keypad1,
    Keypad2,
    Keypad3,
    Keypad4,
    Keypad5,
    Keypad6,
    Keypad7,
    Keypad8,
    Keypad9,
    Enter,  // Return and the keypad's Enter
    KeypadDecimal,
    Comma,
    Period,
    KeypadAdd,
    Space,
    Escape,
    Execute,  // the key with virtual-key code 43
};

inline Key digitKey(int d) {
    return static_cast<Key>(static_cast<int>(Key::Digit0) + d);
}
inline Key keypadKey(int d) {
    return static_cast<Key>(static_cast<int>(Key::Keypad0) + d);
}

}  // namespace vandrix::ui
