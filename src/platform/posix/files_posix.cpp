// Files and folders on POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

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

bool fileInUseByAnotherProgram(const std::string& path) {
    const std::string native = toPlatformPath(path);
    const std::size_t slash = native.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : native.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? native : native.substr(slash + 1);
    return fileExists(folder + ".~lock." + name + "#");
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

namespace {

// Writes the bytes into the file (created or emptied) and flushes them to disk.
bool writeSynced(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        done += static_cast<size_t>(n);
    }
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// After a rename that has happened: the folder's entries are flushed where the system can. A
// folder that cannot be synced does not undo the rename; the system writes it in its own time.
void flushEntries(const std::string& folder) {
    static_cast<void>(syncFolder(folder));
}

std::string parentOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The copy's name while it is written in another program's folder: hidden, and without the
// file's own ending, so a program that takes every file there does not take it half-written.
std::string copyNameFor(const std::string& target) {
    const size_t slash = target.find_last_of('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, start) + "." + target.substr(start) + ".tmp";
}

// Renames without replacing a file of the target's name; false with errno set otherwise. A
// file system without the no-replace rename (some network shares) gets a check first: this
// program is the only one that puts files of these names there.
bool renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    if (::access(to.c_str(), F_OK) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from.c_str(), to.c_str()) == 0;
}

// The last step of a move across file systems: the synced copy takes its final name and the
// marker that stands for the source goes.
Placement finishCrossDeviceMove(const std::string& marker, const std::string& copy,
                                const std::string& target) {
    if (::access(copy.c_str(), F_OK) == 0) {
        if (!renameNoReplace(copy, target))
            return errno == EEXIST ? Placement::TargetExists : Placement::Failed;
        flushEntries(parentOf(target));
    }
    // Without the copy the rename happened before (the other program may have taken the file).
    ::unlink(marker.c_str());
    flushEntries(parentOf(marker));
    return Placement::Placed;
}

Placement moveAcrossDevices(const std::string& src, const std::string& dst) {
    if (::access(dst.c_str(), F_OK) == 0)
        return Placement::TargetExists;
    const std::string copy = copyNameFor(dst);
    auto bytes = readWholeFile(src);
    if (!bytes || !writeSynced(copy, *bytes)) {
        ::unlink(copy.c_str());
        return Placement::Failed;
    }
    const std::string marker = src + kPlacingSuffix;
    if (std::rename(src.c_str(), marker.c_str()) != 0) {
        ::unlink(copy.c_str());
        return Placement::Failed;
    }
    flushEntries(parentOf(src));
    return finishCrossDeviceMove(marker, copy, dst);
}

}  // namespace

bool writeWholeFile(const std::string& path, const std::string& bytes) {
    std::string target = toPlatformPath(path);
    std::string temporary = target + ".tmp-" + std::to_string(::getpid());
    if (!writeSynced(temporary, bytes)) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

namespace {
// The bytes gathered before one write: large enough that a report of a million lines makes few
// system calls, small enough to be nothing beside the program's memory.
constexpr size_t kStreamBuffer = 256 * 1024;
}  // namespace

StreamedFile::StreamedFile(const std::string& path)
    : target_(toPlatformPath(path)), temporary_(target_ + ".tmp-" + std::to_string(::getpid())) {
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    failed_ = fd_ < 0;
    buffer_.reserve(kStreamBuffer);
}

StreamedFile::~StreamedFile() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

bool StreamedFile::flushBuffer() {
    size_t done = 0;
    while (!failed_ && done < buffer_.size()) {
        ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failed_ = true;
        else
            done += static_cast<size_t>(n);
    }
    buffer_.clear();
    return !failed_;
}

void StreamedFile::append(const std::string& bytes) {
    if (failed_)
        return;
    buffer_ += bytes;
    if (buffer_.size() >= kStreamBuffer)
        flushBuffer();
}

bool StreamedFile::finish() {
    if (fd_ < 0)
        return false;
    bool written = flushBuffer() && ::fsync(fd_) == 0;
    written = ::close(fd_) == 0 && written;
    fd_ = -1;
    if (!written || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        ::unlink(temporary_.c_str());
        return false;
    }
    return true;
}

bool syncFolder(const std::string& path) {
    int fd = ::open(toPlatformPath(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

std::vector<std::string> filesInFolder(const std::string& path) {
    std::vector<std::string> names;
    const std::string folder = toPlatformPath(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != ".." && fileSize(joinPath(folder, name)) >= 0)
            names.push_back(std::move(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

Placement placeFile(const std::string& from, const std::string& to) {
    const std::string src = toPlatformPath(from);
    const std::string dst = toPlatformPath(to);
    if (!isDirectory(parentOf(dst)))
        return Placement::FolderMissing;
    if (renameNoReplace(src, dst)) {
        flushEntries(parentOf(dst));
        flushEntries(parentOf(src));
        return Placement::Placed;
    }
    switch (errno) {
        case EEXIST:
            return Placement::TargetExists;
        case EXDEV:
            return moveAcrossDevices(src, dst);
        default:
            return Placement::Failed;
    }
}

Placement resumePlacement(const std::string& from, const std::string& to) {
    const std::string src = toPlatformPath(from);
    const std::string dst = toPlatformPath(to);
    if (::access((src + kPlacingSuffix).c_str(), F_OK) != 0)
        return Placement::Failed;
    return finishCrossDeviceMove(src + kPlacingSuffix, copyNameFor(dst), dst);
}

Placement placeCopy(const std::string& from, const std::string& to) {
    const std::string dst = toPlatformPath(to);
    if (!isDirectory(parentOf(dst)))
        return Placement::FolderMissing;
    if (::access(dst.c_str(), F_OK) == 0)
        return Placement::TargetExists;
    auto bytes = readWholeFile(from);
    const std::string copy = copyNameFor(dst);
    if (!bytes || !writeSynced(copy, *bytes)) {
        ::unlink(copy.c_str());
        return Placement::Failed;
    }
    if (!renameNoReplace(copy, dst)) {
        const bool exists = errno == EEXIST;
        ::unlink(copy.c_str());
        return exists ? Placement::TargetExists : Placement::Failed;
    }
    flushEntries(parentOf(dst));
    return Placement::Placed;
}

}  // namespace vandrix::platform
