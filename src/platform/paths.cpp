// Path helpers shared by every layer.
#include "platform/paths.h"

#include <filesystem>

namespace vandrix::platform {

std::string toPlatformPath(std::string_view path) {
    std::string out(path);
    for (char& c : out)
        if (c == '\\')
            c = kSeparator;
    return out;
}

bool endsWithSeparator(std::string_view path) {
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

std::string joinPath(std::string_view a, std::string_view b) {
    std::string out(a);
    if (!out.empty() && !endsWithSeparator(out))
        out.push_back(kSeparator);
    out.append(b);
    return out;
}

std::string currentFolderWithSeparator() {
    std::error_code ec;
    std::string folder = std::filesystem::current_path(ec).string();
    if (!endsWithSeparator(folder))
        folder.push_back(kSeparator);
    return folder;
}

namespace {

std::string comparable(std::string_view path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(toPlatformPath(path), ec);
    std::string out = p.lexically_normal().string();
    while (out.size() > 1 && endsWithSeparator(out))
        out.pop_back();
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace

bool samePathIgnoringCase(std::string_view a, std::string_view b) {
    return comparable(a) == comparable(b);
}

}  // namespace vandrix::platform
