// ASCII85 encoding of binary streams (the ASCII85Decode filter of PDF).
#pragma once

#include <string>
#include <string_view>

namespace vandrix::pdf {

// Standard base-85 groups, "z" for a group of four zero bytes, a line feed after every 73
// output characters, ending with "~>".
std::string ascii85Encode(std::string_view bytes);

}  // namespace vandrix::pdf
