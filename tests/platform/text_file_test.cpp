// Text files line by line: CR LF endings, UTF-8 and ANSI, mixed lines, and reading files that
// other editors wrote.
#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace vandrix::platform {
namespace {

using testing::readFileBytes;
using testing::ScopedWorkingFolder;
using testing::TempFolder;
using testing::writeFileBytes;
using Lines = std::vector<std::string>;

class TextFileTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};
};

TEST_F(TextFileTest, WritesEveryLineWithCrLfInItsEncoding) {
    ASSERT_TRUE(writeLines("u.txt", Lines{"Țară", "", "b"}, Encoding::Utf8));
    EXPECT_EQ(readFileBytes(folder / "u.txt"), "Țară\r\n\r\nb\r\n");
    ASSERT_TRUE(writeLines("a.txt", Lines{"Țară", "x"}, Encoding::Ansi));
    EXPECT_EQ(readFileBytes(folder / "a.txt"),
              "\xDE"
              "ar\xE3\r\nx\r\n");
    ASSERT_TRUE(writeLines("e.txt", Lines{}, Encoding::Utf8));
    EXPECT_EQ(readFileBytes(folder / "e.txt"), "");
}

TEST_F(TextFileTest, WritesMixedEncodingsLineByLine) {
    ASSERT_TRUE(writeLines("m.txt", std::vector<EncodedLine>{{"ă ANSI", Encoding::Ansi},
                                                             {"ă UTF-8", Encoding::Utf8}}));
    EXPECT_EQ(readFileBytes(folder / "m.txt"), "\xE3 ANSI\r\n\xC4\x83 UTF-8\r\n");
}

TEST_F(TextFileTest, ReadsLinesWhateverTheirEnds) {
    const std::pair<const char*, Lines> cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},  // a last line without an end still counts
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a\r", {"a"}},
        {"\xEF\xBB\xBFkey=v\r\n", {"key=v"}},  // an editor's byte-order mark
        {"", {}},
    };
    for (const auto& [bytes, lines] : cases) {
        writeFileBytes(folder / "r.txt", bytes);
        EXPECT_EQ(readLines("r.txt", Encoding::Utf8), lines) << bytes;
    }
}

TEST_F(TextFileTest, ReadsAnsiIntoUtf8) {
    writeFileBytes(folder / "a.txt",
                   "\xAA"
                   "tefan=1\n\xDE"
                   "ar\xE3");
    EXPECT_EQ(readLines("a.txt", Encoding::Ansi), (Lines{"Ştefan=1", "Ţară"}));
    EXPECT_EQ(readFirstLine("a.txt", Encoding::Ansi), "Ştefan=1");
}

TEST_F(TextFileTest, MissingFilesAndFolders) {
    EXPECT_EQ(readLines("missing.txt", Encoding::Utf8), std::nullopt);
    EXPECT_EQ(readFirstLine("missing.txt", Encoding::Utf8), "");
    std::filesystem::create_directory(folder / "dir");
    EXPECT_EQ(readLines("dir", Encoding::Utf8), std::nullopt);
    EXPECT_FALSE(writeLines("no/such/folder.txt", Lines{"x"}, Encoding::Utf8));
}

}  // namespace
}  // namespace vandrix::platform
