// The resource files the program carries and writes out at start (the arrow icons).
#pragma once

#include <string_view>

namespace vandrix::shell {

// The bytes of a built-in resource by its file name ("arrow-up-icon.png"); empty when unknown.
std::string_view resourceBytes(std::string_view name);

}  // namespace vandrix::shell
