// Paths of the working folder. Settings files may hold Windows paths with '\'; every such
// separator counts as the platform's separator here.
#pragma once

#include <string>
#include <string_view>

namespace vandrix::platform {

constexpr char kSeparator = '/';

// The path with every '\' replaced by the platform separator.
std::string toPlatformPath(std::string_view path);

// a + separator + b, without doubling a separator that a already ends with.
std::string joinPath(std::string_view a, std::string_view b);

// True when the path ends with a separator ('/' or '\').
bool endsWithSeparator(std::string_view path);

// The absolute current working folder with a trailing separator: the base folder.
std::string currentFolderWithSeparator();

// True when two paths name the same place, compared as the shop's Windows PC compares them:
// made absolute from the current folder, "." and ".." resolved, '\' and '/' alike, and letters
// without regard to case.
bool samePathIgnoringCase(std::string_view a, std::string_view b);

}  // namespace vandrix::platform
