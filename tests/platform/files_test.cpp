// Files and folders: sizes and the missing-or-empty rule, folders, copy, move and delete (also
// of read-only files), whole-file reads and writes, handing files to another folder exactly once
// (also across file systems and after an interrupted move), and the path helpers.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "platform/md5.h"
#include "platform/paths.h"
#include "small_disk.h"
#include "temp_folder.h"

namespace vandrix::platform {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::ScopedWorkingFolder;
using testing::SmallDisk;
using testing::TempFolder;
using testing::writeFileBytes;

class FilesTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};

    void readOnly(const std::string& name, const std::string& bytes) {
        writeFileBytes(folder / name, bytes);
        ASSERT_EQ(::chmod((folder / name).c_str(), 0444), 0);
    }
};

TEST_F(FilesTest, SizeAndTheMissingOrEmptyRule) {
    writeFileBytes(folder / "one", "x");
    writeFileBytes(folder / "empty", "");
    fs::create_directory(folder / "dir");
    struct Case {
        const char* path;
        std::int64_t size;
        bool missingOrEmpty;
        bool exists;
    };
    const Case cases[] = {
        {"one", 1, false, true},
        {"empty", 0, true, true},
        {"dir", -1, true, true},  // a folder of that name counts as missing
        {"missing", -1, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fileSize(c.path), c.size) << c.path;
        EXPECT_EQ(missingOrEmpty(c.path), c.missingOrEmpty) << c.path;
        EXPECT_EQ(fileExists(c.path), c.exists) << c.path;
    }
    EXPECT_TRUE(isDirectory("dir"));
    EXPECT_FALSE(isDirectory("one"));
}

TEST_F(FilesTest, MakeDirectoryAcceptsEitherSeparator) {
    EXPECT_TRUE(makeDirectory("Data"));
    EXPECT_TRUE(makeDirectory("Data"));  // already there
    EXPECT_TRUE(makeDirectory("dll"));
    EXPECT_TRUE(makeDirectory("dll\\32bit\\"));
    EXPECT_TRUE(fs::is_directory(folder / "dll" / "32bit"));
    writeFileBytes(folder / "file", "x");
    EXPECT_FALSE(makeDirectory("file"));
    EXPECT_FALSE(makeDirectory("missing/child"));  // one level only
}

TEST_F(FilesTest, CopyMoveAndDeleteReadOnlyFiles) {
    readOnly("ro.txt", "content");
    ASSERT_TRUE(copyFile("ro.txt", "copy.txt"));
    EXPECT_EQ(readFileBytes(folder / "copy.txt"), "content");
    EXPECT_EQ(readFileBytes(folder / "ro.txt"), "content");

    readOnly("target.txt", "old");
    ASSERT_TRUE(copyFile("copy.txt", "target.txt"));  // replaces a read-only target
    EXPECT_EQ(readFileBytes(folder / "target.txt"), "content");

    fs::create_directory(folder / "Bonuri");
    ASSERT_TRUE(moveFile("ro.txt", "Bonuri\\ro.txt"));
    EXPECT_FALSE(fs::exists(folder / "ro.txt"));
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "ro.txt"), "content");

    EXPECT_TRUE(deleteFile("Bonuri/ro.txt"));
    EXPECT_FALSE(fs::exists(folder / "Bonuri" / "ro.txt"));
    EXPECT_FALSE(deleteFile("Bonuri/ro.txt"));
    EXPECT_FALSE(copyFile("missing", "x"));
    EXPECT_FALSE(moveFile("missing", "x"));
    EXPECT_FALSE(fs::exists(folder / "x"));
}

TEST_F(FilesTest, DeleteTreeRemovesAFolderWithReadOnlyContent) {
    fs::create_directories(folder / "Palette" / "sub");
    readOnly("Palette/sub/a.txt", "a");
    EXPECT_TRUE(deleteTree("Palette"));
    EXPECT_FALSE(fs::exists(folder / "Palette"));
    writeFileBytes(folder / "plain", "p");
    EXPECT_TRUE(deleteTree("plain"));
    EXPECT_FALSE(fs::exists(folder / "plain"));
}

TEST_F(FilesTest, WholeFileWritesLeaveNothingHalfDone) {
    ASSERT_TRUE(writeWholeFile("w.txt", std::string("a\0b", 3)));
    EXPECT_EQ(readWholeFile("w.txt"), std::string("a\0b", 3));
    EXPECT_FALSE(writeWholeFile("missing/w.txt", "x"));
    fs::create_directory(folder / "dir");
    EXPECT_FALSE(writeWholeFile("dir", "x"));  // a folder in the way is kept
    EXPECT_TRUE(fs::is_directory(folder / "dir"));
    EXPECT_EQ(readWholeFile("dir"), std::nullopt);
    EXPECT_EQ(readWholeFile("missing"), std::nullopt);
    size_t entries = 0;
    for (const auto& e : fs::directory_iterator(folder.path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 2u);  // no temporary file left behind
}

// A file written piece by piece appears whole or not at all: the old file stays readable until
// the new one is complete, and a file left unfinished leaves nothing behind.
TEST_F(FilesTest, StreamedFilesAppearOnlyWhenComplete) {
    writeFileBytes(folder / "r.csv", "old");
    const std::string piece(1000, 'x');
    {
        StreamedFile file("r.csv");
        for (int i = 0; i < 1000; ++i)  // more than the file's buffer
            file.append(piece);
        EXPECT_EQ(readFileBytes(folder / "r.csv"), "old");
        ASSERT_TRUE(file.finish());
    }
    EXPECT_EQ(fs::file_size(folder / "r.csv"), 1000u * 1000u);
    {
        StreamedFile unfinished("u.csv");
        unfinished.append(piece);
    }
    EXPECT_FALSE(fs::exists(folder / "u.csv"));
    StreamedFile nowhere("missing/r.csv");
    nowhere.append(piece);
    EXPECT_FALSE(nowhere.finish());
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1u);  // no temporary file left behind
}

TEST_F(FilesTest, Md5OfAFileIsUpperCaseHex) {
    writeFileBytes(folder / "fox", "The quick brown fox jumps over the lazy dog");
    writeFileBytes(folder / "empty", "");
    EXPECT_EQ(md5OfFile("fox"), "9E107D9D372BB6826BD81D3542A419D6");
    EXPECT_EQ(md5OfFile("empty"), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(md5OfFile("missing"), "");
}

// The names in a folder, files and subfolders alike, sorted.
std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

using Names = std::vector<std::string>;

TEST_F(FilesTest, PlaceFileNeverReplacesAWaitingFile) {
    fs::create_directories(folder / "spool");
    fs::create_directories(folder / "Bonuri");
    writeFileBytes(folder / "spool" / "a.txt", "receipt a");
    EXPECT_EQ(placeFile("spool/a.txt", "Bonuri/a.txt"), Placement::Placed);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), "receipt a");
    EXPECT_EQ(namesIn(folder / "spool"), Names{});

    // A file of that name already waits: it stays as it is, and so does the new one.
    writeFileBytes(folder / "spool" / "a.txt", "another receipt a");
    EXPECT_EQ(placeFile("spool/a.txt", "Bonuri/a.txt"), Placement::TargetExists);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), "receipt a");
    EXPECT_EQ(readFileBytes(folder / "spool" / "a.txt"), "another receipt a");

    EXPECT_EQ(placeFile("spool/a.txt", "Missing/a.txt"), Placement::FolderMissing);
    EXPECT_EQ(readFileBytes(folder / "spool" / "a.txt"), "another receipt a");
    EXPECT_FALSE(fs::exists(folder / "Missing"));

    EXPECT_EQ(placeFile("spool/none.txt", "Bonuri/none.txt"), Placement::Failed);
    EXPECT_EQ(namesIn(folder / "Bonuri"), Names{"a.txt"});
    EXPECT_EQ(namesIn(folder / "spool"), Names{"a.txt"});

    // A copy never replaces either, and keeps its source.
    EXPECT_EQ(placeCopy("spool/a.txt", "Bonuri/a.txt"), Placement::TargetExists);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), "receipt a");
    EXPECT_EQ(placeCopy("spool/a.txt", "Bonuri/b.txt"), Placement::Placed);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "b.txt"), "another receipt a");
    EXPECT_EQ(placeCopy("spool/a.txt", "Missing/a.txt"), Placement::FolderMissing);
    EXPECT_EQ(namesIn(folder / "Bonuri"), (Names{"a.txt", "b.txt"}));
    EXPECT_EQ(namesIn(folder / "spool"), Names{"a.txt"});
}

// A move across file systems interrupted by a crash, as the folders show it afterwards: the
// marker stands for a source whose copy may or may not have reached its final name.
TEST_F(FilesTest, ResumePlacementFinishesAnInterruptedMoveOnce) {
    struct Case {
        const char* what;
        bool marker;
        bool copy;
        bool waiting;  // another file of the target's name is there
        Placement result;
        Names spool, target;
    };
    const Case cases[] = {
        {"the copy still has its temporary name",
         true,
         true,
         false,
         Placement::Placed,
         {},
         {"a.txt"}},
        {"the copy had reached its name and was taken",
         true,
         false,
         false,
         Placement::Placed,
         {},
         {}},
        {"no move was under way", false, true, false, Placement::Failed, {}, {".a.txt.tmp"}},
        {"a file of that name waits",
         true,
         true,
         true,
         Placement::TargetExists,
         {"a.txt.livrare"},
         {".a.txt.tmp", "a.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder / "spool");
        fs::remove_all(folder / "Bonuri");
        fs::create_directories(folder / "spool");
        fs::create_directories(folder / "Bonuri");
        if (c.marker)
            writeFileBytes(folder / "spool" / (std::string("a.txt") + kPlacingSuffix), "receipt a");
        if (c.copy)
            writeFileBytes(folder / "Bonuri" / ".a.txt.tmp", "receipt a");
        if (c.waiting)
            writeFileBytes(folder / "Bonuri" / "a.txt", "receipt of before");
        EXPECT_EQ(resumePlacement("spool/a.txt", "Bonuri/a.txt"), c.result);
        EXPECT_EQ(namesIn(folder / "spool"), c.spool);
        EXPECT_EQ(namesIn(folder / "Bonuri"), c.target);
        if (c.result == Placement::Placed && c.copy) {
            EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), "receipt a");
        }
        if (c.waiting) {
            EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), "receipt of before");
        }
    }
}

// A real move across file systems: the target folder is a small tmpfs (root only).
class CrossDeviceFilesTest : public FilesTest {
  protected:
    void SetUp() override {
        if (!disk.mounted())
            GTEST_SKIP() << disk.skipReason();
        fs::create_directories(folder / "spool");
        writeFileBytes(folder / "spool" / "a.txt", receipt);
    }

    const std::string receipt = std::string(6000, 'V') + "\r\nP|0|36.75\r\n";
    SmallDisk disk{folder / "Bonuri", 64 * 1024};
};

TEST_F(CrossDeviceFilesTest, AStreamedFileThatDoesNotFitFailsAndLeavesNothing) {
    StreamedFile file("Bonuri/r.csv");
    for (int i = 0; i < 100; ++i)
        file.append(std::string(4096, 'x'));
    EXPECT_FALSE(file.finish());
    EXPECT_EQ(namesIn(folder / "Bonuri"), Names{});
}

TEST_F(CrossDeviceFilesTest, AMoveToAnotherFileSystemArrivesWholeAndLeavesNothing) {
    EXPECT_EQ(placeFile("spool/a.txt", "Bonuri/a.txt"), Placement::Placed);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), receipt);
    EXPECT_EQ(namesIn(folder / "Bonuri"), Names{"a.txt"});
    EXPECT_EQ(namesIn(folder / "spool"), Names{});

    writeFileBytes(folder / "spool" / "a.txt", "another");
    EXPECT_EQ(placeFile("spool/a.txt", "Bonuri/a.txt"), Placement::TargetExists);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), receipt);
    EXPECT_EQ(namesIn(folder / "spool"), Names{"a.txt"});
}

TEST_F(CrossDeviceFilesTest, AFullDiskKeepsTheSourceAndLeavesNoHalfCopy) {
    disk.fill(1000);  // less than the file
    EXPECT_EQ(placeFile("spool/a.txt", "Bonuri/a.txt"), Placement::Failed);
    EXPECT_EQ(readFileBytes(folder / "spool" / "a.txt"), receipt);
    EXPECT_EQ(namesIn(folder / "spool"), Names{"a.txt"});
    EXPECT_EQ(namesIn(folder / "Bonuri"), Names{".filler"});

    disk.makeRoom();
    EXPECT_EQ(placeFile("spool/a.txt", "Bonuri/a.txt"), Placement::Placed);
    EXPECT_EQ(readFileBytes(folder / "Bonuri" / "a.txt"), receipt);
    EXPECT_EQ(namesIn(folder / "spool"), Names{});
}

TEST(Paths, SeparatorsAndJoins) {
    EXPECT_EQ(toPlatformPath("Palette\\solarized.txt"), "Palette/solarized.txt");
    EXPECT_EQ(toPlatformPath("C:\\Casa\\"), "C:/Casa/");
    EXPECT_EQ(joinPath("a", "b"), "a/b");
    EXPECT_EQ(joinPath("a/", "b"), "a/b");
    EXPECT_EQ(joinPath("a\\", "b"), "a\\b");
    EXPECT_EQ(joinPath("", "b"), "b");
    EXPECT_TRUE(endsWithSeparator("a\\"));
    EXPECT_TRUE(endsWithSeparator("a/"));
    EXPECT_FALSE(endsWithSeparator("a"));
    EXPECT_FALSE(endsWithSeparator(""));
}

TEST(Paths, BaseFolderIsTheWorkingFolderWithASeparator) {
    TempFolder folder;
    ScopedWorkingFolder cwd(folder.path());
    EXPECT_EQ(currentFolderWithSeparator(), folder.path().string() + "/");
}

}  // namespace
}  // namespace vandrix::platform
