// TrueType table reader. Every read is checked against the bounds of the program and of its
// table; anything out of bounds or inconsistent makes the metrics not valid instead of reading
// past the data.
#include "pdf/truetype.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vandrix::pdf {

namespace {

// A bounds-checked big-endian view of one table. A read past the end returns 0 and marks the
// view as failed, so a parser can read a whole structure and check once.
class Span {
  public:
    Span() = default;
    explicit Span(std::string_view data) : data_(data) {}

    std::size_t size() const { return data_.size(); }
    bool failed() const { return failed_; }
    bool has(std::size_t offset, std::size_t length) const {
        return offset <= data_.size() && length <= data_.size() - offset;
    }
    std::uint32_t u8(std::size_t offset) {
        if (!has(offset, 1))
            return fail();
        return static_cast<unsigned char>(data_[offset]);
    }
    std::uint16_t u16(std::size_t offset) {
        if (!has(offset, 2))
            return static_cast<std::uint16_t>(fail());
        return static_cast<std::uint16_t>((u8(offset) << 8) | u8(offset + 1));
    }
    std::int16_t s16(std::size_t offset) { return static_cast<std::int16_t>(u16(offset)); }
    std::uint32_t u32(std::size_t offset) {
        if (!has(offset, 4))
            return fail();
        return (std::uint32_t{u16(offset)} << 16) | u16(offset + 2);
    }
    // A part of this view; a part out of bounds is empty and marks this view failed.
    Span sub(std::size_t offset, std::size_t length) {
        if (!has(offset, length)) {
            fail();
            return Span();
        }
        return Span(data_.substr(offset, length));
    }
    std::string_view bytes() const { return data_; }

  private:
    std::uint32_t fail() {
        failed_ = true;
        return 0;
    }

    std::string_view data_;
    bool failed_ = false;
};

struct Tables {
    std::optional<Span> cmap, head, hhea, hmtx, maxp, name, post;
};

std::optional<Tables> readTableDirectory(std::string_view program) {
    Span file(program);
    if (file.u32(0) != 0x00010000)
        return std::nullopt;
    std::uint16_t count = file.u16(4);
    if (file.failed() || !file.has(12, std::size_t{count} * 16))
        return std::nullopt;
    Tables tables;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t entry = 12 + i * 16;
        std::string_view tag = program.substr(entry, 4);
        std::uint32_t offset = file.u32(entry + 8);
        std::uint32_t length = file.u32(entry + 12);
        if (!file.has(offset, length))
            continue;  // a table past the end counts as missing
        Span table(program.substr(offset, length));
        std::optional<Span>* slot = tag == "cmap"   ? &tables.cmap
                                    : tag == "head" ? &tables.head
                                    : tag == "hhea" ? &tables.hhea
                                    : tag == "hmtx" ? &tables.hmtx
                                    : tag == "maxp" ? &tables.maxp
                                    : tag == "name" ? &tables.name
                                    : tag == "post" ? &tables.post
                                                    : nullptr;
        if (slot != nullptr && !slot->has_value())
            *slot = table;
    }
    return tables;
}

// Finds the first subtable of encoding 1 in format 4 and records every code -> glyph mapping.
// Returns false when there is none or it is malformed (nothing is recorded then).
bool readUnicodeMap(Span cmap, int glyphCount, std::vector<std::uint16_t>& codeToGlyph) {
    std::uint16_t count = cmap.u16(2);
    for (std::size_t i = 0; i < count && !cmap.failed(); ++i) {
        std::size_t record = 4 + i * 8;
        std::uint16_t encoding = cmap.u16(record + 2);
        std::uint32_t offset = cmap.u32(record + 4);
        if (cmap.failed())
            return false;
        if (encoding != 1 || !cmap.has(offset, 4) || cmap.u16(offset) != 4)
            continue;
        std::size_t length = std::min<std::size_t>(cmap.u16(offset + 2), cmap.size() - offset);
        Span sub = cmap.sub(offset, length);
        std::size_t segCount = sub.u16(6) / 2;
        if (sub.failed() || segCount == 0)
            return false;
        std::size_t ends = 14, starts = ends + segCount * 2 + 2, deltas = starts + segCount * 2,
                    rangeOffsets = deltas + segCount * 2;
        if (!sub.has(rangeOffsets, segCount * 2))
            return false;

        std::vector<std::uint16_t> map(65536, 0);
        std::uint32_t next = 0;  // segments must ascend; overlaps are skipped
        for (std::size_t s = 0; s < segCount; ++s) {
            std::uint32_t end = sub.u16(ends + s * 2);
            std::uint32_t first = sub.u16(starts + s * 2);
            std::uint32_t start = std::max(first, next);
            std::uint16_t delta = sub.u16(deltas + s * 2);
            std::size_t rangeAt = rangeOffsets + s * 2;
            std::uint16_t rangeOffset = sub.u16(rangeAt);
            for (std::uint32_t c = start; c <= end && c < 0xFFFF; ++c) {
                std::uint32_t glyph;
                if (rangeOffset == 0) {
                    glyph = (c + delta) & 0xFFFF;
                } else {
                    std::size_t at = rangeAt + rangeOffset + (c - first) * 2;
                    if (!sub.has(at, 2))
                        continue;
                    glyph = sub.u16(at);
                    if (glyph != 0)
                        glyph = (glyph + delta) & 0xFFFF;
                }
                if (glyph != 0 && glyph < static_cast<std::uint32_t>(glyphCount)) {
                    map[c] = static_cast<std::uint16_t>(glyph);
                }
            }
            next = std::max(next, end + 1);
        }
        if (sub.failed())
            return false;
        codeToGlyph = std::move(map);
        return true;
    }
    return false;
}

// True when the subfamily name (name 2) says bold or black.
bool subfamilyIsBold(Span name) {
    std::uint16_t count = name.u16(2);
    std::uint16_t stringsAt = name.u16(4);
    std::optional<std::string> mac, windows;
    for (std::size_t i = 0; i < count && !name.failed(); ++i) {
        std::size_t record = 6 + i * 12;
        std::uint16_t platform = name.u16(record), encoding = name.u16(record + 2),
                      language = name.u16(record + 4), id = name.u16(record + 6),
                      length = name.u16(record + 8), offset = name.u16(record + 10);
        if (name.failed() || id != 2)
            continue;
        bool isMac = platform == 1 && encoding == 0 && language == 0;
        bool isWindows = platform == 3 && encoding == 1 && language == 1033;
        if ((!isMac || mac) && (!isWindows || windows))
            continue;
        std::size_t at = std::size_t{stringsAt} + offset;
        if (!name.has(at, length))
            continue;
        std::string text;
        if (isMac) {
            text = std::string(name.bytes().substr(at, length));
            mac = text;
        } else {
            for (std::size_t k = 0; k + 1 < length; k += 2) {
                if (name.u8(at + k) == 0)
                    text += static_cast<char>(name.u8(at + k + 1));
            }
            windows = text;
        }
    }
    std::string subfamily = mac ? *mac : windows ? *windows : std::string();
    std::transform(subfamily.begin(), subfamily.end(), subfamily.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return subfamily.find("bold") != std::string::npos ||
           subfamily.find("black") != std::string::npos;
}

}  // namespace

TrueTypeMetrics parseTrueType(std::string_view program) {
    TrueTypeMetrics m;
    std::optional<Tables> found = readTableDirectory(program);
    if (!found || !found->cmap || !found->head || !found->hhea || !found->hmtx || !found->maxp ||
        !found->name) {
        return m;
    }
    Tables& t = *found;

    int glyphCount = t.maxp->u16(4);
    int metricsCount = t.hhea->u16(34);
    int unitsPerEm = t.head->u16(18);
    if (t.maxp->failed() || t.hhea->failed() || t.head->failed() || glyphCount == 0 ||
        metricsCount == 0 || unitsPerEm == 0) {
        return m;
    }
    double scale = 1000.0 / unitsPerEm;
    auto scaled = [scale](double v) { return static_cast<int>(std::round(scale * v)); };

    TrueTypeMetrics r;
    r.glyphCount = glyphCount;
    r.horizontalMetricsCount = metricsCount;
    r.unitsPerEm = unitsPerEm;
    r.boundingBox = {scaled(t.head->s16(36)), scaled(t.head->s16(38)), scaled(t.head->s16(40)),
                     scaled(t.head->s16(42))};
    r.ascent = scaled(t.hhea->s16(4));
    r.descent = scaled(t.hhea->s16(6));
    r.capHeight = r.ascent;
    if (t.head->failed() || t.hhea->failed())
        return m;

    int advances = std::min(metricsCount, glyphCount);
    if (!t.hmtx->has(0, static_cast<std::size_t>(advances) * 4))
        return m;
    r.glyphs.resize(glyphCount);
    int last = 0;
    for (int g = 0; g < glyphCount; ++g) {
        if (g < advances)
            last = scaled(t.hmtx->u16(static_cast<std::size_t>(g) * 4));
        r.glyphs[g].width = last;
    }

    if (readUnicodeMap(*t.cmap, glyphCount, r.codeToGlyph)) {
        r.unicode = true;
        for (std::size_t c = 0; c < r.codeToGlyph.size(); ++c) {
            if (r.codeToGlyph[c] != 0) {
                r.glyphs[r.codeToGlyph[c]].codes.push_back(static_cast<std::uint16_t>(c));
            }
        }
    }

    if (t.post) {
        std::uint32_t fixed = t.post->u32(4);
        if (!t.post->failed())
            r.italicAngle = static_cast<std::int32_t>(fixed) / 65536.0;
    }
    r.stemWidth = subfamilyIsBold(*t.name) ? 120 : 70;
    r.valid = true;
    return r;
}

std::string characterMapBytes(const TrueTypeMetrics& metrics) {
    std::string bytes(131072, '\0');
    for (std::size_t c = 0; c < metrics.codeToGlyph.size() && c < 65536; ++c) {
        bytes[c * 2] = static_cast<char>(metrics.codeToGlyph[c] >> 8);
        bytes[c * 2 + 1] = static_cast<char>(metrics.codeToGlyph[c] & 0xFF);
    }
    return bytes;
}

}  // namespace vandrix::pdf
