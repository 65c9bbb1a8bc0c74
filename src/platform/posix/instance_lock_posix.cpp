// Single-instance lock as an advisory lock on a per-user file. The operating system releases
// it when the process ends, however it ends, so a crash never leaves a stale lock.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/instance_lock.h"
#include "platform/system.h"

namespace vandrix::platform {

std::unique_ptr<InstanceLock> InstanceLock::acquire(const std::string& user) {
    std::string name = user.empty() ? "user" : user;
    for (char& c : name)
        if (c == '/')
            c = '_';
    std::string path = temporaryFolder() + "vandrix-" + name + ".lock";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A temporary folder that cannot hold the lock file must not stop the shop from selling:
    // the start goes on without the guard.
    if (fd < 0)
        return std::unique_ptr<InstanceLock>(new InstanceLock(-1));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<InstanceLock>(new InstanceLock(fd));
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace vandrix::platform
