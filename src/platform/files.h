// Files and folders. Paths may use '\' or '/'; both count as separators. Operations report
// success with their return value; they never throw.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vandrix::platform {

bool fileExists(const std::string& path);  // a file or a folder of that name
bool isDirectory(const std::string& path);

// Size of a regular file in bytes; -1 when there is no file (also for a folder of that name).
std::int64_t fileSize(const std::string& path);

// True when the file is missing, empty or a folder: the "missing or empty" rule of the
// settings and resource files.
inline bool missingOrEmpty(const std::string& path) {
    return fileSize(path) < 1;
}

bool makeDirectory(const std::string& path);  // one level; true when it exists afterwards
bool copyFile(const std::string& from, const std::string& to);  // replaces the target
bool moveFile(const std::string& from, const std::string& to);  // replaces the target
bool deleteFile(const std::string& path);                       // also a read-only file
bool deleteTree(const std::string& path);                       // a file or a whole folder

std::optional<std::string> readWholeFile(const std::string& path);

// Writes the bytes complete under a temporary name beside the target, flushes and closes it,
// then renames it to its final name, so no reader ever sees a half-written file.
bool writeWholeFile(const std::string& path, const std::string& bytes);

}  // namespace vandrix::platform
