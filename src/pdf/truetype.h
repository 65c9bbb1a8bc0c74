// Reading the metrics of a TrueType font program for embedding: glyph advances, the Unicode
// character map, ascent, descent, bounding box, italic angle and weight. The reader is safe on
// any input: a truncated or malformed program gives metrics marked not valid.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vandrix::pdf {

struct TrueTypeGlyph {
    int width = 0;                     // advance in thousandths of the font size
    std::vector<std::uint16_t> codes;  // character codes mapped to this glyph, ascending
};

struct TrueTypeMetrics {
    bool valid = false;    // the tables needed were all found and readable
    bool unicode = false;  // a Unicode (format 4, encoding 1) character map was found
    int glyphCount = 0;
    int horizontalMetricsCount = 0;
    int unitsPerEm = 0;
    // In thousandths of the font size:
    int ascent = 0;
    int descent = 0;
    int capHeight = 0;
    std::array<int, 4> boundingBox{};  // xMin, yMin, xMax, yMax
    double italicAngle = 0;
    int stemWidth = 70;
    std::vector<TrueTypeGlyph> glyphs;
    // Character code -> glyph number (0: not mapped); 65536 entries when unicode, else empty.
    std::vector<std::uint16_t> codeToGlyph;
};

TrueTypeMetrics parseTrueType(std::string_view program);

// The character map as the PDF CIDToGIDMap stream wants it: 65536 two-byte glyph numbers,
// high byte first, indexed by character code (131072 bytes).
std::string characterMapBytes(const TrueTypeMetrics& metrics);

}  // namespace vandrix::pdf
