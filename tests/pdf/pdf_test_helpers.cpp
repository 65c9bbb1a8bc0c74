// Helpers shared by the PDF writer's tests (see pdf_test_helpers.h).
#include "pdf_test_helpers.h"

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <regex>

namespace vandrix::pdf::testing {

namespace {

void put16(std::string& s, std::uint32_t v) {
    s += static_cast<char>((v >> 8) & 0xFF);
    s += static_cast<char>(v & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v >> 16);
    put16(s, v & 0xFFFF);
}

std::string cmapTable(const TestFont& f) {
    std::size_t n = f.segments.size();
    std::string sub;
    put16(sub, 4);
    put16(sub, 0);  // length, patched below
    put16(sub, 0);
    put16(sub, static_cast<std::uint32_t>(n * 2));
    put16(sub, 0);
    put16(sub, 0);
    put16(sub, 0);
    for (const auto& s : f.segments)
        put16(sub, s.end);
    put16(sub, 0);
    for (const auto& s : f.segments)
        put16(sub, s.start);
    for (const auto& s : f.segments)
        put16(sub, static_cast<std::uint16_t>(s.delta));
    // idRangeOffset: from its own position to the segment's glyphs in the glyph array.
    std::vector<std::uint16_t> glyphArray;
    for (std::size_t i = 0; i < n; ++i) {
        const auto& s = f.segments[i];
        if (s.glyphs.empty()) {
            put16(sub, 0);
        } else {
            std::size_t remaining = n - i;
            put16(sub, static_cast<std::uint32_t>((remaining + glyphArray.size()) * 2));
            glyphArray.insert(glyphArray.end(), s.glyphs.begin(), s.glyphs.end());
        }
    }
    for (auto g : glyphArray)
        put16(sub, g);
    sub[2] = static_cast<char>(sub.size() >> 8);
    sub[3] = static_cast<char>(sub.size() & 0xFF);

    std::string t;
    put16(t, 0);
    put16(t, 1);
    put16(t, 3);
    put16(t, f.cmapEncoding);
    put32(t, 12);
    return t + sub;
}

std::string nameTable(const TestFont& f) {
    std::string t;
    put16(t, 0);
    put16(t, 1);
    put16(t, 6 + 12);
    put16(t, 3);
    put16(t, 1);
    put16(t, 1033);
    put16(t, 2);
    put16(t, static_cast<std::uint32_t>(f.subfamily.size() * 2));
    put16(t, 0);
    for (char c : f.subfamily)
        put16(t, static_cast<unsigned char>(c));
    return t;
}

}  // namespace

std::string TestFont::build() const {
    std::map<std::string, std::string> tables;
    std::string head(54, '\0');
    head[18] = static_cast<char>(unitsPerEm >> 8);
    head[19] = static_cast<char>(unitsPerEm & 0xFF);
    for (int i = 0; i < 4; ++i) {
        head[36 + 2 * i] = static_cast<char>((box[i] >> 8) & 0xFF);
        head[37 + 2 * i] = static_cast<char>(box[i] & 0xFF);
    }
    tables["head"] = head;
    std::string hhea(36, '\0');
    hhea[4] = static_cast<char>((ascent >> 8) & 0xFF);
    hhea[5] = static_cast<char>(ascent & 0xFF);
    hhea[6] = static_cast<char>((descent >> 8) & 0xFF);
    hhea[7] = static_cast<char>(descent & 0xFF);
    hhea[34] = static_cast<char>(advances.size() >> 8);
    hhea[35] = static_cast<char>(advances.size() & 0xFF);
    tables["hhea"] = hhea;
    std::string hmtx;
    for (int a : advances) {
        put16(hmtx, static_cast<std::uint32_t>(a));
        put16(hmtx, 0);
    }
    tables["hmtx"] = hmtx;
    std::string maxp;
    put32(maxp, 0x00005000);
    put16(maxp, static_cast<std::uint32_t>(glyphCount));
    tables["maxp"] = maxp;
    tables["cmap"] = cmapTable(*this);
    tables["name"] = nameTable(*this);
    if (withPost) {
        std::string post;
        put32(post, 0x00030000);
        put32(post, static_cast<std::uint32_t>(italicAngleFixed));
        post.resize(32, '\0');
        tables["post"] = post;
    }
    tables["glyf"] = std::string(4, '\0');
    for (const auto& tag : omit)
        tables.erase(tag);

    std::string font;
    put32(font, 0x00010000);
    put16(font, static_cast<std::uint32_t>(tables.size()));
    put16(font, 0);
    put16(font, 0);
    put16(font, 0);
    std::size_t offset = 12 + tables.size() * 16;
    std::string data;
    for (const auto& [tag, bytes] : tables) {
        font += tag;
        put32(font, 0);
        put32(font, static_cast<std::uint32_t>(offset + data.size()));
        put32(font, static_cast<std::uint32_t>(bytes.size()));
        data += bytes;
        while (data.size() % 4 != 0)
            data += '\0';
    }
    return font + data;
}

ParsedPdf parsePdf(const std::string& bytes) {
    ParsedPdf pdf;
    std::regex objectLine(R"((^|\n)(\d+) 0 obj\n)");
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), objectLine);
         it != std::sregex_iterator(); ++it) {
        std::size_t start = it->position(2);
        std::size_t end = bytes.find("\nendobj\n", start);
        PdfObject object{
            start, bytes.substr(start, end == std::string::npos ? std::string::npos : end - start)};
        pdf.objects[std::stoi((*it)[2])] = object;
    }
    std::size_t xref = bytes.rfind("\nxref\n");
    if (xref != std::string::npos) {
        std::size_t line = xref + 6;
        std::size_t eol = bytes.find('\n', line);
        pdf.xrefEntryCount = std::stoul(bytes.substr(line + 2, eol - line - 2));
        std::size_t entry = eol + 1 + 20;  // the free entry of object 0
        for (std::size_t i = 1; i < pdf.xrefEntryCount; ++i, entry += 20) {
            pdf.xrefOffsets.push_back(std::stoul(bytes.substr(entry, 10)));
        }
        std::size_t trailer = bytes.find("trailer\n", entry);
        std::size_t startxref = bytes.find("startxref\n", trailer);
        if (trailer != std::string::npos && startxref != std::string::npos) {
            pdf.trailer = bytes.substr(trailer, startxref - trailer);
            pdf.startxref = std::stoul(bytes.substr(startxref + 10));
        }
    }
    return pdf;
}

std::string streamData(const std::string& objectBody) {
    std::size_t start = objectBody.find("stream\n");
    std::size_t end = objectBody.rfind("\nendstream");
    if (start == std::string::npos || end == std::string::npos || end < start + 7)
        return {};
    return objectBody.substr(start + 7, end - start - 7);
}

std::optional<std::string> ascii85Decode(std::string_view text) {
    std::string out;
    std::uint64_t value = 0;
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n' || c == '\r' || c == ' ')
            continue;
        if (c == '~') {
            if (i + 1 >= text.size() || text[i + 1] != '>' || count == 1)
                return std::nullopt;
            if (count > 0) {
                for (int k = count; k < 5; ++k)
                    value = value * 85 + 84;
                for (int k = 0; k < count - 1; ++k)
                    out += static_cast<char>(value >> (24 - 8 * k));
            }
            return out;
        }
        if (c == 'z' && count == 0) {
            out.append(4, '\0');
            continue;
        }
        if (c < '!' || c > 'u')
            return std::nullopt;
        value = value * 85 + static_cast<std::uint64_t>(c - '!');
        if (++count == 5) {
            if (value > 0xFFFFFFFFull)
                return std::nullopt;
            for (int k = 0; k < 4; ++k)
                out += static_cast<char>(value >> (24 - 8 * k));
            value = 0;
            count = 0;
        }
    }
    return std::nullopt;  // no "~>"
}

std::pair<int, std::string> runCommand(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, output};
    std::array<char, 4096> chunk{};
    std::size_t n;
    while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        output.append(chunk.data(), n);
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

bool toolAvailable(const std::string& tool) {
    return runCommand("command -v " + tool + " >/dev/null 2>&1").first == 0;
}

}  // namespace vandrix::pdf::testing
