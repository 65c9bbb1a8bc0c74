// The single-instance lock: one running copy of the program per user.
#pragma once

#include <memory>
#include <string>

namespace vandrix::platform {

class InstanceLock {
  public:
    // Takes the lock of the given user; nullptr when another copy of the program holds it.
    // The lock file lives in the user's temporary folder, so runs with separate temporary
    // folders (the tests) do not see each other.
    static std::unique_ptr<InstanceLock> acquire(const std::string& user);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

  private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace vandrix::platform
