// Files and folders on POSIX systems.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files.h"
#include "platform/paths.h"

namespace vandrix::platform {
namespace fs = std::filesystem;

bool fileExists(const std::string& path) {
    struct stat st;
    return ::stat(toPlatformPath(path).c_str(), &st) == 0;
}

bool isDirectory(const std::string& path) {
    struct stat st;
    return ::stat(toPlatformPath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::int64_t fileSize(const std::string& path) {
    struct stat st;
    if (::stat(toPlatformPath(path).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<std::int64_t>(st.st_size);
}

bool makeDirectory(const std::string& path) {
    std::string p = toPlatformPath(path);
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    if (::mkdir(p.c_str(), 0777) == 0)
        return true;
    return errno == EEXIST && isDirectory(p);
}

bool copyFile(const std::string& from, const std::string& to) {
    auto bytes = readWholeFile(from);
    return bytes && writeWholeFile(to, *bytes);
}

bool moveFile(const std::string& from, const std::string& to) {
    std::string src = toPlatformPath(from);
    std::string dst = toPlatformPath(to);
    if (std::rename(src.c_str(), dst.c_str()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    // Another file system: copy complete under a temporary name, then remove the source.
    return copyFile(src, dst) && ::unlink(src.c_str()) == 0;
}

bool deleteFile(const std::string& path) {
    // Removing a directory entry needs no write permission on the file itself, so a read-only
    // file goes the same way as any other.
    return ::unlink(toPlatformPath(path).c_str()) == 0;
}

bool deleteTree(const std::string& path) {
    std::error_code ec;
    fs::remove_all(toPlatformPath(path), ec);
    return !ec && !fileExists(path);
}

std::optional<std::string> readWholeFile(const std::string& path) {
    std::string p = toPlatformPath(path);
    if (isDirectory(p))
        return std::nullopt;
    std::ifstream in(p, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return s.str();
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
    std::string target = toPlatformPath(path);
    std::string temporary = target + ".tmp-" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            ::unlink(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace vandrix::platform
