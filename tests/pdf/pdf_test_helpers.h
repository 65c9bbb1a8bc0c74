// Helpers shared by the PDF writer's tests: a builder of small TrueType programs with known
// metrics, a reader of the objects and cross-reference table of a written document, and an
// ASCII85 decoder to look inside encoded streams.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vandrix::pdf::testing {

// A TrueType program built table by table. The defaults give a valid font of 4 glyphs with
// 2048 units per em: glyph 0 (.notdef, advance 1000 -> 488), glyph 1 for 'A' (1233 -> 602),
// glyph 2 for 'B' and U+0219 (128 -> 62.5 -> 63), glyph 3 for the blank (beyond the three
// horizontal metrics: takes the last advance, 63).
struct TestFont {
    int unitsPerEm = 2048;
    int glyphCount = 4;
    std::vector<int> advances = {1000, 1233, 128};
    int ascent = 1901, descent = -483;
    std::array<int, 4> box = {-128, -615, 1229, 1901};  // -63 -300 600 928
    std::int32_t italicAngleFixed = 0;
    std::string subfamily = "Regular";
    // Format-4 segments: start, end, delta, glyphs (non-empty: the idRangeOffset form).
    struct Segment {
        std::uint16_t start, end;
        std::int16_t delta;
        std::vector<std::uint16_t> glyphs;
    };
    std::vector<Segment> segments = {{0x20, 0x20, 3 - 0x20, {}},
                                     {0x41, 0x42, 1 - 0x41, {}},
                                     {0x219, 0x219, 0, {2}},
                                     {0xFFFF, 0xFFFF, 1, {}}};
    std::uint16_t cmapEncoding = 1;
    bool withPost = true;
    std::vector<std::string> omit;  // tags of tables to leave out
    std::string build() const;
};

// One object of a written document: its number and the text from "n 0 obj" to "endobj".
struct PdfObject {
    std::size_t offset = 0;
    std::string body;
};

struct ParsedPdf {
    std::map<int, PdfObject> objects;      // by number, found by scanning for "n 0 obj" lines
    std::vector<std::size_t> xrefOffsets;  // entries 1..n of the cross-reference table
    std::size_t xrefEntryCount = 0;        // the count on the "0 n" line
    std::size_t startxref = 0;
    std::string trailer;
};
ParsedPdf parsePdf(const std::string& bytes);

// The stream data of an object ("stream\n" ... "\nendstream").
std::string streamData(const std::string& objectBody);

std::optional<std::string> ascii85Decode(std::string_view text);

// Runs a shell command; its standard output and exit status.
std::pair<int, std::string> runCommand(const std::string& command);
bool toolAvailable(const std::string& tool);

}  // namespace vandrix::pdf::testing
