// The scale: one weight read from a DIGI or ACS scale on a serial port, for the quantity field.
// Readings travel as hexadecimal dumps ("01 02 53 ") as the protocols are written.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace vandrix::devices {

// Each byte as two upper-case hexadecimal digits and a space.
std::string hexDump(const std::string& bytes);

// A DIGI answer: the weight text ("01.234"), a status word ("BAD DATA", "NOT STABLE",
// "OVERWEIGHT", "NEGATIVE"), or "" for an answer of another kind.
std::string parseDigi(const std::string& dump);

// An ACS answer: the weight ("1.234") or a status word, once a whole frame is there; nullopt
// while no frame is.
std::optional<std::string> parseAcs(const std::string& dump);

// True for the four status words.
bool isStatusWord(const std::string& reading);

// The quantity field's text for a reading: its value with three decimals; "0.000" for a status
// word or nothing.
std::string quantityOfReading(const std::string& reading);

// One weight from the scale of the setting ("COM2,DIGI", "/dev/ttyUSB1,ACS"), the whole read
// bounded by `limit`; nullopt when the setting names no known scale (the field keeps its text).
std::optional<std::string> readWeight(const std::string& scaleSetting,
                                      std::chrono::milliseconds limit = std::chrono::seconds(3));

}  // namespace vandrix::devices
