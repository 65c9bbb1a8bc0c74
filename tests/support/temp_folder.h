// A temporary folder for one test: created fresh, made the current working folder and $TMPDIR
// while the test runs when asked, and removed afterwards, so tests can run side by side.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace vandrix::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Makes a folder the current working folder for its lifetime and restores the previous one.
class ScopedWorkingFolder {
  public:
    explicit ScopedWorkingFolder(const std::filesystem::path& folder);
    ~ScopedWorkingFolder();

  private:
    std::filesystem::path previous_;
};

// Sets $TMPDIR for its lifetime and restores what was there.
class ScopedTmpDir {
  public:
    explicit ScopedTmpDir(const std::string& value);
    ~ScopedTmpDir();
    ScopedTmpDir(const ScopedTmpDir&) = delete;
    ScopedTmpDir& operator=(const ScopedTmpDir&) = delete;

  private:
    std::optional<std::string> previous_;
};

// Whole-file helpers for checks.
std::string readFileBytes(const std::filesystem::path& file);
void writeFileBytes(const std::filesystem::path& file, const std::string& bytes);

}  // namespace vandrix::testing
