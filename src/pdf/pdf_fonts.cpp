// Fonts of the PDF writer: selecting core and system TrueType fonts, measuring text, and writing
// the font objects (core Type1, Type0 with a CIDFontType2 descendant for Unicode TrueType fonts,
// simple TrueType otherwise) with their descriptors and embedded programs.
#include <algorithm>
#include <string>

#include "pdf/ascii85.h"
#include "pdf/number_format.h"
#include "pdf/pdf_document.h"
#include "pdf/text_encoding.h"

namespace vandrix::pdf {

namespace {

std::string upperTrimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return result;
}

}  // namespace

void PdfDocument::pdfSetFont(std::string_view family, std::string_view style, int size) {
    if (state_ == kStateFinished)
        return;
    std::string fam = upperTrimmed(family);
    if (fam.empty())
        fam = fontFamily_;
    if (fam == "ARIAL")
        fam = "HELVETICA";
    std::string requested = upperTrimmed(style);
    underline_ = requested.find('U') != std::string::npos;
    // Only bold and italic make a style; any other letter is ignored.
    bool bold = requested.find('B') != std::string::npos;
    bool italic = requested.find('I') != std::string::npos;
    std::string st = std::string(bold ? "B" : "") + (italic ? "I" : "");
    if (fam == "SYMBOL" || fam == "ZAPFDINGBATS")
        st.clear();
    if (size == 0)
        size = fontSizePt_;
    if (fam.empty())
        return;  // no family given and none selected yet
    if (fam == fontFamily_ && st == fontStyle_ && size == fontSizePt_)
        return;

    std::string key = std::string(3 - st.size(), '_') + st + "+" + fam;
    auto found =
        std::find_if(fonts_.begin(), fonts_.end(), [&key](const Font& f) { return f.key == key; });
    std::string face(family);
    if (upperTrimmed(face).empty())
        face = fam;
    Font& font = found != fonts_.end() ? *found : addFont(key, fam, st, face);

    fontFamily_ = fam;
    fontStyle_ = st;
    fontSizePt_ = size;
    fontSize_ = size / k_;
    currentFont_ = font.index - 1;
    if (state_ == kStatePageOpen) {
        out("BT /F" + std::to_string(font.index) + " " + number(size) + " Tf ET");
    }
}

PdfDocument::Font& PdfDocument::addFont(const std::string& key, const std::string& family,
                                        const std::string& style, const std::string& face) {
    Font font;
    font.index = static_cast<int>(fonts_.size()) + 1;
    font.key = key;
    font.style = style;
    if (const CoreFont* core = findCoreFont(family + style)) {
        font.core = core;
        font.name = core->name;
    } else {
        font.trueType = true;
        font.name = face;
        platform::FontRequest request;
        request.face = face;
        request.bold = style.find('B') != std::string::npos;
        request.italic = style.find('I') != std::string::npos;
        request.underline = underline_;
        std::optional<platform::SystemFont> system;
        if (fontLoader_)
            system = fontLoader_(request);
        if (system) {
            font.name = system->family;
            font.metrics = parseTrueType(system->program);
            if (font.metrics.valid) {
                // A program that cannot be read is not embedded: readers would reject it.
                font.unicode = font.metrics.unicode;
                auto same =
                    std::find_if(fontFiles_.begin(), fontFiles_.end(),
                                 [&system](const FontFile& f) { return f.path == system->file; });
                if (same == fontFiles_.end()) {
                    fontFiles_.push_back(
                        FontFile{std::move(system->program), system->family, system->file, 0});
                    same = fontFiles_.end() - 1;
                }
                font.program = static_cast<int>(same - fontFiles_.begin());
            }
        }
    }
    fonts_.push_back(std::move(font));
    return fonts_.back();
}

int PdfDocument::charWidth(const Font& font, char32_t c) const {
    if (font.core != nullptr)
        return (*font.core->widths)[toWinAnsi(c)];
    if (font.unicode) {
        if (c < font.metrics.codeToGlyph.size()) {
            std::uint16_t glyph = font.metrics.codeToGlyph[c];
            if (glyph != 0)
                return font.metrics.glyphs[glyph].width;
        }
        return 1000;
    }
    // A TrueType font without a Unicode map has no widths for its single-byte codes.
    return 0;
}

double PdfDocument::pdfGetStringWidth(std::string_view text) const {
    if (currentFont_ < 0)
        return 0;
    const Font& font = fonts_[currentFont_];
    long long sum = 0;
    for (char32_t c : decodeUtf8(text))
        sum += charWidth(font, c);
    return static_cast<double>(sum) * fontSize_ / 1000;
}

void PdfDocument::putBinaryStreamObject(std::string_view bytes, std::size_t originalLength) {
    std::string encoded = ascii85Encode(bytes);
    out("<<");
    out("/Filter /ASCII85Decode");
    out("/Length " + std::to_string(encoded.size()));
    out("/Length1 " + std::to_string(originalLength));
    out(">>");
    putStream(encoded);
    out("endobj");
}

void PdfDocument::putFonts() {
    for (FontFile& file : fontFiles_) {
        newObject();
        file.objectNumber = objectNumber_;
        putBinaryStreamObject(file.program, file.program.size());
    }
    for (Font& font : fonts_) {
        if (font.core != nullptr) {
            newObject();
            font.objectNumber = objectNumber_;
            out("<</Type /Font");
            out("/BaseFont /" + pdfName(font.name));
            out("/Subtype /Type1");
            if (!font.core->symbolic)
                out("/Encoding /WinAnsiEncoding");
            out(">>");
            out("endobj");
        } else {
            putTrueTypeFont(font);
        }
    }
}

void PdfDocument::putTrueTypeFont(Font& font) {
    const TrueTypeMetrics& m = font.metrics;
    std::string name = pdfName(font.name);
    if (font.unicode) {
        newObject();
        int characterMap = objectNumber_;
        putBinaryStreamObject(characterMapBytes(m), 131072);

        newObject();
        font.objectNumber = objectNumber_;
        out("<</Type /Font");
        out("/Subtype /Type0");
        out("/BaseFont /" + name + "-UCS");
        out("/Encoding /Identity-H");
        out("/DescendantFonts [" + std::to_string(objectNumber_ + 1) + " 0 R]");
        out(">>");
        out("endobj");

        newObject();
        out("<</Type /Font");
        out("/Subtype /CIDFontType2");
        out("/BaseFont /" + name);
        out("/CIDSystemInfo <</Registry (Adobe) /Ordering (UCS) /Supplement 0>>");
        out("/FontDescriptor " + std::to_string(objectNumber_ + 1) + " 0 R");
        std::string widths = "/W [";
        for (const TrueTypeGlyph& glyph : m.glyphs) {
            for (std::uint16_t code : glyph.codes) {
                widths += std::to_string(code) + " [" + std::to_string(glyph.width) + "] ";
            }
        }
        out(widths + "]");
        out("/CIDToGIDMap " + std::to_string(characterMap) + " 0 R");
        out(">>");
        out("endobj");
    } else {
        newObject();
        std::string widths = "[";
        for (char32_t c = 0; c < 256; ++c) {
            if (c > 0)
                widths += ' ';
            widths += std::to_string(charWidth(font, c));
        }
        out(widths + "]");
        out("endobj");
        int widthsObject = objectNumber_;

        newObject();
        font.objectNumber = objectNumber_;
        out("<</Type /Font");
        out("/Subtype /TrueType");
        out("/Name /F" + std::to_string(font.index));
        out("/BaseFont /" + name);
        out("/Encoding /WinAnsiEncoding");
        out("/FirstChar 0");
        out("/LastChar 255");
        out("/Widths " + std::to_string(widthsObject) + " 0 R");
        out("/FontDescriptor " + std::to_string(objectNumber_ + 1) + " 0 R");
        out(">>");
        out("endobj");
    }

    newObject();
    out("<</Type /FontDescriptor");
    out("/FontName /" + name);
    out("/Ascent " + std::to_string(m.ascent));
    out("/Descent " + std::to_string(m.descent));
    out("/CapHeight " + std::to_string(m.capHeight));
    out("/Flags 4");
    out("/FontBBox [" + std::to_string(m.boundingBox[0]) + " " + std::to_string(m.boundingBox[1]) +
        " " + std::to_string(m.boundingBox[2]) + " " + std::to_string(m.boundingBox[3]) + "]");
    out("/ItalicAngle " + number(m.italicAngle));
    out("/StemV " + std::to_string(m.stemWidth));
    out("/MissingWidth " + std::to_string(m.glyphs.empty() ? 0 : m.glyphs.front().width));
    if (font.program >= 0) {
        out("/FontFile2 " + std::to_string(fontFiles_[font.program].objectNumber) + " 0 R");
    }
    out(">>");
    out("endobj");
}

}  // namespace vandrix::pdf
