// The customer display's commands: a line of text as the bytes the display takes, in its
// default command set or in the ESC/POS one, written as hexadecimal text as the display's
// commands are kept.
#pragma once

#include <string>

namespace vandrix::devices {

// The display text: one byte per character; letters above code 255 become their plain letters
// (ă a, ș s, ț t, Ş S ...), any other such character "?".
std::string displayBytes(const std::string& utf8);

// The command of one line (1 or 2) as hexadecimal text: "1B 51 41 41 42 0D" for AB on line 1,
// or with ESC/POS (the text cut to 20) "0B 0A 18 1B 51 41 42 0D 1F 42" for AB on line 2.
std::string lineCommand(const std::string& text, int line, bool escpos);

// Hexadecimal byte values separated by spaces as bytes (at most 256); "$" and "0x" ignored.
std::string hexToBytes(const std::string& hex);

// The line as the display thread sends it: cut or padded with spaces to 20 characters.
std::string twentyCharacters(const std::string& text);

}  // namespace vandrix::devices
