// The palette files written at start and the reading of the chosen palette.
#include "shell/palette.h"

#include <utility>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "shell/settings.h"

namespace vandrix::shell {
namespace {

constexpr const char* kFolder = "Palette";

const std::pair<const char*, const char*> kPalettes[] = {
    {"solarized.txt",
     "$969483,$a1a193,$d5e8ee,$e3f6fd,$837b65,$756e58,$423607,$362b00,$c4716c,$d28b26,$98a12a,"
     "$009985,$8236d3,$2f32dc,$164bcb,$0089b5"},
    {"solarizedlight.txt",
     "$969483,$a1a193,$d5e8ee,$e3f6fd,$837b65,$756e58,$423607,$362b00,$c4716c,$d28b26,$164bcb,"
     "$0089b5,$98a12a,$009985,$8236d3,$2f32dc"},
    {"solarizeddark.txt",
     "$837b65,$756e58,$423607,$362b00,$969483,$a1a193,$d58eee,$e3f6fd,$c4716c,$d28b26,$98a12a,"
     "$009985,$8236d3,$2f32dc,$164bcb,$0089b5"},
    {"tomorrow.txt", "0,0,$d6d6d6,$ffffff,0,0,0,0,0,0,$c8908e,$4c4d4d,0,0,0,0"},
    {"tomorrowlight.txt", "0,0,$fafafa,$ffffff,0,0,0,0,0,0,$c8908e,0,0,0,0,0"},
    {"tomorrownight.txt", "0,0,$413b37,$211f1d,0,0,0,0,0,0,$969896,$c6c8c5,0,0,0,0"},
    {"tomorrownightblue.txt", "0,0,$512400,$e83f00,0,0,0,0,0,0,$b78572,$ffffff,0,0,0,0"},
};

}  // namespace

bool createPalettes() {
    bool written = true;
    if (platform::fileExists(kFolder) && !platform::isDirectory(kFolder))
        platform::deleteFile(kFolder);
    platform::makeDirectory(kFolder);
    for (const auto& [name, line] : kPalettes) {
        std::string path = platform::joinPath(kFolder, name);
        if (platform::missingOrEmpty(path))
            written = platform::writeLines(path, {line}, platform::Encoding::Utf8) && written;
    }
    // The empty palette is the user's to fill; once there it is never touched.
    std::string empty = platform::joinPath(kFolder, "default.txt");
    if (!platform::fileExists(empty))
        written = platform::writeWholeFile(empty, "") && written;
    return written;
}

Palette parsePaletteLine(const std::string& line) {
    Palette palette{};
    size_t start = 0;
    for (size_t entry = 1; entry <= 16 && start <= line.size(); ++entry) {
        size_t end = line.find(',', start);
        if (end == std::string::npos)
            end = line.size();
        palette[entry] = static_cast<Colour>(integerOf(line.substr(start, end - start)));
        start = end + 1;
    }
    return palette;
}

Palette readPalette(const std::string& paletteSetting) {
    if (paletteSetting.empty())
        return Palette{};
    std::string path = platform::toPlatformPath(paletteSetting);
    if (platform::missingOrEmpty(path))
        return Palette{};
    return parsePaletteLine(platform::readFirstLine(path, platform::Encoding::Ansi));
}

}  // namespace vandrix::shell
