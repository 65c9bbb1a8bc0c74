// The palette files written at start and the reading of a palette line.
#include "shell/palette.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "temp_folder.h"

namespace vandrix::shell {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::ScopedWorkingFolder;
using testing::TempFolder;
using testing::writeFileBytes;

const std::pair<const char*, const char*> kExpected[] = {
    {"solarized.txt",
     "$969483,$a1a193,$d5e8ee,$e3f6fd,$837b65,$756e58,$423607,$362b00,$c4716c,$d28b26,$98a12a,"
     "$009985,$8236d3,$2f32dc,$164bcb,$0089b5\r\n"},
    {"solarizedlight.txt",
     "$969483,$a1a193,$d5e8ee,$e3f6fd,$837b65,$756e58,$423607,$362b00,$c4716c,$d28b26,$164bcb,"
     "$0089b5,$98a12a,$009985,$8236d3,$2f32dc\r\n"},
    {"solarizeddark.txt",
     "$837b65,$756e58,$423607,$362b00,$969483,$a1a193,$d58eee,$e3f6fd,$c4716c,$d28b26,$98a12a,"
     "$009985,$8236d3,$2f32dc,$164bcb,$0089b5\r\n"},
    {"tomorrow.txt", "0,0,$d6d6d6,$ffffff,0,0,0,0,0,0,$c8908e,$4c4d4d,0,0,0,0\r\n"},
    {"tomorrowlight.txt", "0,0,$fafafa,$ffffff,0,0,0,0,0,0,$c8908e,0,0,0,0,0\r\n"},
    {"tomorrownight.txt", "0,0,$413b37,$211f1d,0,0,0,0,0,0,$969896,$c6c8c5,0,0,0,0\r\n"},
    {"tomorrownightblue.txt", "0,0,$512400,$e83f00,0,0,0,0,0,0,$b78572,$ffffff,0,0,0,0\r\n"},
    {"default.txt", ""},
};

class PaletteTest : public ::testing::Test {
  protected:
    TempFolder folder;
    ScopedWorkingFolder cwd{folder.path()};
    fs::path palette = folder / "Palette";
};

TEST_F(PaletteTest, WritesTheEightFilesInAnEmptyFolder) {
    EXPECT_TRUE(createPalettes());
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(palette)) {
        (void)entry;
        ++count;
    }
    EXPECT_EQ(count, 8u);
    for (const auto& [name, bytes] : kExpected)
        EXPECT_EQ(readFileBytes(palette / name), bytes) << name;
}

TEST_F(PaletteTest, RestoresMissingOrEmptyFilesAndKeepsEditedOnes) {
    EXPECT_TRUE(createPalettes());
    fs::remove(palette / "solarized.txt");
    writeFileBytes(palette / "tomorrow.txt", "");
    writeFileBytes(palette / "tomorrownight.txt", "1,2,3\r\n");
    writeFileBytes(palette / "default.txt", "$010101\r\n");
    EXPECT_TRUE(createPalettes());
    EXPECT_EQ(readFileBytes(palette / "solarized.txt"), kExpected[0].second);
    EXPECT_EQ(readFileBytes(palette / "tomorrow.txt"), kExpected[3].second);
    EXPECT_EQ(readFileBytes(palette / "tomorrownight.txt"), "1,2,3\r\n");
    EXPECT_EQ(readFileBytes(palette / "default.txt"), "$010101\r\n");
}

TEST_F(PaletteTest, DefaultPaletteIsCreatedOnlyWhenMissing) {
    EXPECT_TRUE(createPalettes());
    fs::remove(palette / "default.txt");
    EXPECT_TRUE(createPalettes());
    ASSERT_TRUE(fs::is_regular_file(palette / "default.txt"));
    EXPECT_EQ(fs::file_size(palette / "default.txt"), 0u);
}

TEST_F(PaletteTest, ReplacesAReadOnlyFileNamedPaletteWithTheFolder) {
    writeFileBytes(palette, "not a folder");
    ::chmod(palette.c_str(), 0444);
    EXPECT_TRUE(createPalettes());
    ASSERT_TRUE(fs::is_directory(palette));
    EXPECT_EQ(readFileBytes(palette / "tomorrow.txt"), kExpected[3].second);
}

TEST(PaletteLine, ReadsSixteenEntriesFromOne) {
    Palette p = parsePaletteLine("0,0,$d6d6d6,$ffffff,0,0,0,0,0,0,$c8908e,$4c4d4d,0,0,0,0");
    Palette expected{};
    expected[3] = 0xd6d6d6;
    expected[4] = 0xffffff;
    expected[11] = 0xc8908e;
    expected[12] = 0x4c4d4d;
    EXPECT_EQ(p, expected);

    Palette solarized = parsePaletteLine(
        "$969483,$a1a193,$d5e8ee,$e3f6fd,$837b65,$756e58,$423607,$362b00,$c4716c,$d28b26,$98a12a,"
        "$009985,$8236d3,$2f32dc,$164bcb,$0089b5");
    EXPECT_EQ(solarized[0], 0u);
    EXPECT_EQ(solarized[1], 0x969483u);
    EXPECT_EQ(solarized[16], 0x0089b5u);

    // A short line leaves the rest 0; fields beyond the sixteenth are not read.
    Palette shortLine = parsePaletteLine("$ff, 16,x");
    EXPECT_EQ(shortLine[1], 0xffu);
    EXPECT_EQ(shortLine[2], 16u);
    EXPECT_EQ(shortLine[3], 0u);
    EXPECT_EQ(shortLine[4], 0u);
    Palette longLine = parsePaletteLine("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17");
    EXPECT_EQ(longLine[16], 16u);
}

TEST_F(PaletteTest, ReadsTheChosenFileWhateverTheSeparator) {
    EXPECT_TRUE(createPalettes());
    Palette tomorrow = readPalette("Palette\\tomorrow.txt");
    EXPECT_EQ(tomorrow[4], 0xffffffu);
    EXPECT_EQ(tomorrow[12], 0x4c4d4du);
    EXPECT_EQ(readPalette("Palette/tomorrow.txt"), tomorrow);
    for (const char* none : {"", "Palette/default.txt", "Palette/missing.txt", "Palette"})
        EXPECT_EQ(readPalette(none), Palette{}) << none;
}

}  // namespace
}  // namespace vandrix::shell
