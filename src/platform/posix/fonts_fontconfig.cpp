// System fonts through fontconfig: the fonts matching a face name are tried best first, and the
// first TrueType font with glyf outlines is read whole. A generic family of the face's kind
// (monospace, serif or sans-serif) is asked second, so a face that is not installed gets a
// substitute of the same kind.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

#include "platform/fonts.h"

namespace vandrix::platform {

namespace {

constexpr std::array<std::string_view, 10> kMonospaceFaces = {
    "lucida console", "courier new", "courier", "consolas",    "lucida sans typewriter",
    "fixedsys",       "terminal",    "monaco",  "andale mono", "cascadia mono"};
constexpr std::array<std::string_view, 8> kSerifFaces = {
    "times new roman", "times",        "georgia",           "cambria",
    "garamond",        "book antiqua", "palatino linotype", "century schoolbook"};

std::string lowerCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

const char* genericFamily(std::string_view face) {
    std::string lower = lowerCase(face);
    if (std::find(kMonospaceFaces.begin(), kMonospaceFaces.end(), lower) != kMonospaceFaces.end())
        return "monospace";
    if (std::find(kSerifFaces.begin(), kSerifFaces.end(), lower) != kSerifFaces.end())
        return "serif";
    return "sans-serif";
}

// True for an sfnt program with TrueType outlines: version 1.0 and a "glyf" table.
bool hasTrueTypeOutlines(std::string_view program) {
    if (program.size() < 12 || program.substr(0, 4) != std::string_view("\0\1\0\0", 4))
        return false;
    std::size_t count =
        (static_cast<unsigned char>(program[4]) << 8) | static_cast<unsigned char>(program[5]);
    for (std::size_t i = 0; i < count && 12 + i * 16 + 4 <= program.size(); ++i) {
        if (program.substr(12 + i * 16, 4) == "glyf")
            return true;
    }
    return false;
}

std::optional<std::string> readWhole(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

}  // namespace

std::optional<SystemFont> loadSystemFont(const FontRequest& request) {
    if (!FcInit())
        return std::nullopt;
    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    if (!pattern)
        return std::nullopt;
    auto text = [](const char* s) { return reinterpret_cast<const FcChar8*>(s); };
    if (!request.face.empty())
        FcPatternAddString(pattern.get(), FC_FAMILY, text(request.face.c_str()));
    FcPatternAddString(pattern.get(), FC_FAMILY, text(genericFamily(request.face)));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                        request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
        FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result));
    if (!fonts)
        return std::nullopt;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        FcChar8* format = nullptr;
        FcChar8* file = nullptr;
        FcChar8* family = nullptr;
        if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch ||
            std::string_view(reinterpret_cast<const char*>(format)) != "TrueType" ||
            FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
            FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch) {
            continue;
        }
        const char* path = reinterpret_cast<const char*>(file);
        std::optional<std::string> program = readWhole(path);
        if (!program || !hasTrueTypeOutlines(*program))
            continue;
        return SystemFont{reinterpret_cast<const char*>(family), path, std::move(*program)};
    }
    return std::nullopt;
}

}  // namespace vandrix::platform
