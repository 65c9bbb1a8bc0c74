// Files and folders. Paths may use '\' or '/'; both count as separators. Operations report
// success with their return value; they never throw.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
[[nodiscard]] bool copyFile(const std::string& from, const std::string& to);  // replaces the target
[[nodiscard]] bool moveFile(const std::string& from, const std::string& to);  // replaces the target
bool deleteFile(const std::string& path);  // also a read-only file
bool deleteTree(const std::string& path);  // a file or a whole folder

std::optional<std::string> readWholeFile(const std::string& path);

// True while another program holds the file open for editing. On Windows a file open in a
// spreadsheet cannot be renamed onto itself; here the desktop's office programs leave their lock
// file beside it (".~lock.NAME#"), which tells the same.
bool fileInUseByAnotherProgram(const std::string& path);

// Writes the bytes complete under a temporary name beside the target, flushes them to disk and
// closes it, then renames it to its final name, so no reader ever sees a half-written file.
[[nodiscard]] bool writeWholeFile(const std::string& path, const std::string& bytes);

// A file written piece by piece (a report of many lines that is never held whole in memory),
// with the guarantee of writeWholeFile: the pieces go to a temporary name beside the target and
// only finish() flushes them to disk and renames the file to its final name. A file that is
// never finished, or whose writing failed, is removed and the target never appears.
class StreamedFile {
  public:
    explicit StreamedFile(const std::string& path);
    ~StreamedFile();
    StreamedFile(const StreamedFile&) = delete;
    StreamedFile& operator=(const StreamedFile&) = delete;

    void append(const std::string& bytes);
    // True when every piece was written and the file is in place under its name.
    [[nodiscard]] bool finish();

  private:
    bool flushBuffer();
    std::string target_;
    std::string temporary_;
    std::string buffer_;
    int fd_ = -1;
    bool failed_ = false;
};

// Flushes a folder's entries (files created, renamed or removed in it) to disk.
[[nodiscard]] bool syncFolder(const std::string& path);

// The names of the regular files in a folder (not its subfolders), sorted; empty when the
// folder cannot be read.
std::vector<std::string> filesInFolder(const std::string& path);

// Handing a file to another program's folder exactly once.
enum class Placement {
    Placed,         // the file is there whole, under its name, and synced
    TargetExists,   // a file of that name waits there: nothing was replaced, the source stays
    FolderMissing,  // the target's folder does not exist: the source stays
    Failed,         // it could not be moved (no room, no rights): the source stays
};

// Moves a file into another folder under its final name, never replacing a file there, and
// syncs both folders. Within one file system this is one rename. Across file systems the copy
// is written and synced under a hidden name beside `to` ("." + its name + ".tmp"), the source is
// renamed to `from` + kPlacingSuffix, the copy renamed to `to` and the marker removed;
// resumePlacement finishes such a move that a crash interrupted, so a file is never handed over
// twice nor lost.
[[nodiscard]] Placement placeFile(const std::string& from, const std::string& to);
inline constexpr const char* kPlacingSuffix = ".livrare";
// Finishes an interrupted move of `from` to `to` (the marker `from` + kPlacingSuffix is there):
// Placed when the file reached `to` (and maybe was taken by the other program since).
[[nodiscard]] Placement resumePlacement(const std::string& from, const std::string& to);

// Copies a file into another folder under its final name the same way, never replacing a file
// there.
[[nodiscard]] Placement placeCopy(const std::string& from, const std::string& to);

}  // namespace vandrix::platform
