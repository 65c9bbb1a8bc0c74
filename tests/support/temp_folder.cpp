// Temporary folders and file helpers shared by the tests.
#include "temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vandrix::testing {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vandrix-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = std::filesystem::canonical(pattern);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

ScopedWorkingFolder::ScopedWorkingFolder(const std::filesystem::path& folder)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

ScopedWorkingFolder::~ScopedWorkingFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
}

std::string readFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFileBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

ScopedTmpDir::ScopedTmpDir(const std::string& value) {
    if (const char* old = std::getenv("TMPDIR"))
        previous_ = old;
    ::setenv("TMPDIR", value.c_str(), 1);
}

ScopedTmpDir::~ScopedTmpDir() {
    if (previous_)
        ::setenv("TMPDIR", previous_->c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

}  // namespace vandrix::testing
