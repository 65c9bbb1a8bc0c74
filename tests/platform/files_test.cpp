// Files and folders: sizes and the missing-or-empty rule, folders, copy, move and delete (also
// of read-only files), whole-file reads and writes, and the path helpers.
#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/md5.h"
#include "platform/paths.h"
#include "temp_folder.h"

namespace vandrix::platform {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::ScopedWorkingFolder;
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

TEST_F(FilesTest, Md5OfAFileIsUpperCaseHex) {
    writeFileBytes(folder / "fox", "The quick brown fox jumps over the lazy dog");
    writeFileBytes(folder / "empty", "");
    EXPECT_EQ(md5OfFile("fox"), "9E107D9D372BB6826BD81D3542A419D6");
    EXPECT_EQ(md5OfFile("empty"), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(md5OfFile("missing"), "");
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
