// MD5 digest of a file, as the update swap compares them.
#pragma once

#include <string>

namespace vandrix::platform {

// The upper-case hexadecimal MD5 digest of the file's content; "" when it cannot be read.
std::string md5OfFile(const std::string& path);

}  // namespace vandrix::platform
