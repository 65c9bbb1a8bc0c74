// A small tmpfs mounted on a folder for the life of the object, for tests that need another file
// system (a move that cannot be a rename) or a disk that fills up. Mounting needs root: tests
// skip when mounted() is false and skipReason() says why.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace vandrix::testing {

class SmallDisk {
  public:
    // Creates the folder when missing and mounts a tmpfs of sizeBytes on it.
    SmallDisk(const std::filesystem::path& folder, std::size_t sizeBytes);
    // Unmounts it (detached, so a file a failed test left open cannot keep it mounted).
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& skipReason() const { return skipReason_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Fills the disk through one file in its folder ".filler" until not a byte more fits, then
    // gives back freeBytes (in whole pages on a tmpfs: a part of a page frees nothing).
    void fill(std::size_t freeBytes = 0);
    // Removes what fill() wrote.
    void makeRoom();

  private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string skipReason_;
};

}  // namespace vandrix::testing
