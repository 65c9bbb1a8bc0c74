// Small tmpfs disks for tests.
#include "small_disk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace vandrix::testing {
namespace {

// In a folder of its own: a program that clears stray files out of its folders would take a
// filler file beside them away.
constexpr const char* kFillerFolder = ".filler";

}  // namespace

SmallDisk::SmallDisk(const std::filesystem::path& folder, std::size_t sizeBytes) : folder_(folder) {
    if (::geteuid() != 0) {
        skipReason_ = "mounting a tmpfs needs root";
        return;
    }
    std::filesystem::create_directories(folder_);
    const std::string options = "size=" + std::to_string(sizeBytes);
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        // Root without the right to mount (a restricted container) is no root here.
        if (errno == EPERM) {
            skipReason_ = "not allowed to mount a tmpfs";
            return;
        }
        throw std::runtime_error("mount tmpfs on " + folder_.string() + ": " +
                                 std::strerror(errno));
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        ::umount2(folder_.c_str(), MNT_DETACH);
}

void SmallDisk::fill(std::size_t freeBytes) {
    std::filesystem::create_directories(folder_ / kFillerFolder);
    const std::string filler = (folder_ / kFillerFolder / "bytes").string();
    const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + filler);
    const std::vector<char> block(4096, 'x');
    // Whole blocks first, then single bytes into the last page.
    for (std::size_t chunk : {block.size(), std::size_t{1}})
        while (::write(fd, block.data(), chunk) == static_cast<ssize_t>(chunk)) {
        }
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const off_t kept =
        size > static_cast<off_t>(freeBytes) ? size - static_cast<off_t>(freeBytes) : 0;
    const bool truncated = ::ftruncate(fd, kept) == 0;
    ::close(fd);
    if (!truncated)
        throw std::runtime_error("cannot give room back in " + filler);
}

void SmallDisk::makeRoom() {
    std::filesystem::remove_all(folder_ / kFillerFolder);
}

}  // namespace vandrix::testing
