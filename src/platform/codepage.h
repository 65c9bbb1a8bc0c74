// Conversion between the program's UTF-8 texts and the ANSI code page of the shop's PC
// (Windows-1250, the Romanian code page). Files for the fiscal-printer driver and the settings
// files marked ANSI are written in this code page, byte for byte as on a Romanian Windows PC.
#pragma once

#include <string>
#include <string_view>

namespace vandrix::platform {

// UTF-8 to Windows-1250. The comma-below letters (U+0218..U+021B), which the code page lacks,
// become their cedilla forms; any other character the code page lacks becomes '?'. Invalid
// UTF-8 bytes become '?' as well.
std::string utf8ToAnsi(std::string_view utf8);

// Windows-1250 to UTF-8. Bytes that the code page leaves undefined become '?'.
std::string ansiToUtf8(std::string_view ansi);

}  // namespace vandrix::platform
