// The document lifecycle of the PDF writer and its serialisation: header, page objects, page
// tree, resources, Info, Catalog, cross-reference table and trailer.
#include "pdf/pdf_document.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "pdf/number_format.h"
#include "pdf/text_encoding.h"
#include "platform/codepage.h"
#include "platform/files.h"

namespace vandrix::pdf {

namespace {

constexpr std::string_view kProducer = "Vandrix PDF writer v2.25";
constexpr std::size_t kDocumentBufferSize = 65536;

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return result;
}

bool isValidFileName(std::string_view name) {
    if (name.empty())
        return false;
    static constexpr std::string_view kForbidden = "\"*/:<>?\\|";
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || kForbidden.find(c) != std::string_view::npos;
    });
}

std::string tenDigits(std::size_t value) {
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "%010zu", value);
    return text.data();
}

}  // namespace

PdfDocument::PdfDocument(FontLoader fontLoader, platform::Clock* clock)
    : fontLoader_(std::move(fontLoader)), clock_(clock != nullptr ? clock : &systemClock_) {}

std::string PdfDocument::number(double v, int decimals) const {
    return formatNumber(v, decimals);
}

int PdfDocument::pdfCreate(std::string_view orientation, std::string_view unit,
                           std::string_view format) {
    // Numbers are written by formatNumber, which never uses the locale's decimal separator, so
    // the user's separator needs no reading here.
    pages_.clear();
    offsets_.clear();
    fonts_.clear();
    fontFiles_.clear();
    currentPage_ = 0;
    buffer_.release();
    state_ = kStateNone;
    if (!buffer_.reserve(kDocumentBufferSize)) {
        error_ = kErrorOutOfMemory;
        return 0;
    }
    objectNumber_ = 2;
    fontFamily_.clear();
    fontStyle_.clear();
    fontSizePt_ = 12;
    underline_ = false;
    wordSpacing_ = 0;
    currentFont_ = -1;
    error_ = 0;

    // Points per user unit, held in single precision.
    float k = 72.0f / 25.4f;
    if (unit == "pt")
        k = 1.0f;
    else if (unit == "cm")
        k = 72.0f / 2.54f;
    else if (unit == "in")
        k = 72.0f;
    k_ = k;
    fontSize_ = fontSizePt_ / k_;

    auto size = parsePageFormat(format.empty() ? "595.28,841.89" : format);
    if (!size)
        size = std::pair{595.28, 841.89};
    formatWidthPt_ = size->first;
    formatHeightPt_ = size->second;

    std::string o = upper(orientation);
    defaultOrientation_ = (o == "L" || o == "LANDSCAPE") ? 'L' : 'P';
    currentOrientation_ = defaultOrientation_;
    wPt_ = defaultOrientation_ == 'L' ? formatHeightPt_ : formatWidthPt_;
    hPt_ = defaultOrientation_ == 'L' ? formatWidthPt_ : formatHeightPt_;
    w_ = wPt_ / k_;
    h_ = hPt_ / k_;

    double margin = 28.35 / k_;
    leftMargin_ = topMargin_ = rightMargin_ = margin;
    cellMargin_ = margin / 10;
    lineWidth_ = 0.567 / k_;
    autoPageBreak_ = true;
    bottomMargin_ = 2 * margin;
    pageBreakTrigger_ = h_ - bottomMargin_;
    x_ = leftMargin_;
    y_ = topMargin_;
    lastCellHeight_ = 0;

    state_ = kStateStarted;
    out("%PDF-1.3");
    return 1;
}

void PdfDocument::append(std::string_view bytes) {
    ByteBuffer& target =
        state_ == kStatePageOpen && currentPage_ > 0 ? pages_[currentPage_ - 1].content : buffer_;
    if (!target.append(bytes))
        error_ = kErrorOutOfMemory;
}

void PdfDocument::out(std::string_view text) {
    // The writer's own texts are ASCII; anything else goes out in the ANSI code page.
    bool ascii = std::all_of(text.begin(), text.end(),
                             [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    std::string line = ascii ? std::string(text) : platform::utf8ToAnsi(text);
    line += '\n';
    append(line);
}

void PdfDocument::outBytes(std::string_view bytes) {
    append(bytes);
    append("\n");
}

void PdfDocument::newObject() {
    ++objectNumber_;
    if (offsets_.size() <= static_cast<std::size_t>(objectNumber_)) {
        offsets_.resize(objectNumber_ + 1, 0);
    }
    offsets_[objectNumber_] = buffer_.size();
    out(std::to_string(objectNumber_) + " 0 obj");
}

void PdfDocument::putStream(std::string_view bytes) {
    out("stream");
    outBytes(bytes);
    out("endstream");
}

void PdfDocument::pdfClose() {
    if (state_ == kStateFinished)
        return;
    if (pages_.empty())
        pdfAddPage();
    if (state_ == kStateNone)
        return;  // no document could be started
    state_ = kStateStarted;
    putPages();
    putResources();
    putInfo();
    putCatalog();
    putXrefAndTrailer();
    state_ = kStateFinished;
    pages_.clear();
    offsets_.clear();
    fonts_.clear();
    fontFiles_.clear();
    currentPage_ = 0;
    currentFont_ = -1;
}

void PdfDocument::putPages() {
    std::string kids;
    for (Page& page : pages_) {
        newObject();
        page.objectNumber = objectNumber_;
        out("<</Type /Page");
        out("/Parent 1 0 R");
        out("/MediaBox [0 0 " + number(page.widthPt) + " " + number(page.heightPt) + "]");
        out("/Resources 2 0 R");
        out("/Contents " + std::to_string(objectNumber_ + 1) + " 0 R>>");
        out("endobj");
        newObject();
        out("<</Length " + std::to_string(page.content.size()) + ">>");
        putStream(page.content.view());
        out("endobj");
        page.content.release();
        if (!kids.empty())
            kids += ' ';
        kids += std::to_string(page.objectNumber) + " 0 R";
    }
    if (offsets_.size() < 3)
        offsets_.resize(3, 0);
    offsets_[1] = buffer_.size();
    out("1 0 obj");
    out("<</Type /Pages");
    out("/Kids [" + kids + "]");
    out("/Count " + std::to_string(pages_.size()));
    out(">>");
    out("endobj");
}

void PdfDocument::putResources() {
    putFonts();
    offsets_[2] = buffer_.size();
    out("2 0 obj");
    out("<<");
    out("/ProcSet [/PDF /Text /ImageB /ImageC /ImageI]");
    out("/Font <<");
    for (const Font& font : fonts_) {
        out("/F" + std::to_string(font.index) + " " + std::to_string(font.objectNumber) + " 0 R");
    }
    out(">>");
    out(">>");
    out("endobj");
}

void PdfDocument::putInfo() {
    newObject();
    out("<<");
    outBytes(escapeText("/Producer (", ")", kProducer, TextBytes::kUnicodeText));
    out("/CreationDate (D:" + platform::formatLocalTime("%yyyy%mm%dd%hh%ii%ss", clock_->now()) +
        ")");
    out(">>");
    out("endobj");
}

void PdfDocument::putCatalog() {
    newObject();
    out("<<");
    out("/Type /Catalog");
    out("/Pages 1 0 R");
    if (!pages_.empty()) {
        out("/OpenAction [" + std::to_string(pages_.front().objectNumber) + " 0 R /FitH null]");
    }
    out("/PageLayout /OneColumn");
    out(">>");
    out("endobj");
}

void PdfDocument::putXrefAndTrailer() {
    std::size_t xref = buffer_.size();
    out("xref");
    out("0 " + std::to_string(objectNumber_ + 1));
    out("0000000000 65535 f ");
    for (int n = 1; n <= objectNumber_; ++n)
        out(tenDigits(offsets_[n]) + " 00000 n ");
    out("trailer");
    out("<<");
    out("/Size " + std::to_string(objectNumber_ + 1));
    out("/Root " + std::to_string(objectNumber_) + " 0 R");
    out("/Info " + std::to_string(objectNumber_ - 1) + " 0 R");
    out(">>");
    out("startxref");
    out(std::to_string(xref));
    out("%%EOF");
}

void PdfDocument::pdfSave(const std::string& fileName) {
    pdfClose();
    if (!fileName.empty() && error_ != kErrorOutOfMemory && state_ == kStateFinished &&
        buffer_.size() > 0) {
        std::size_t slash = fileName.find_last_of("/\\");
        std::string_view filePart =
            std::string_view(fileName).substr(slash == std::string::npos ? 0 : slash + 1);
        if (!isValidFileName(filePart)) {
            error_ = kErrorFileName;
        } else if (!platform::writeWholeFile(fileName, std::string(buffer_.view()))) {
            error_ = kErrorFileCreate;
        }
    }
    buffer_.release();
}

std::string_view PdfDocument::pageContent(int n) const {
    if (n < 1 || n > pageCount())
        return {};
    return pages_[n - 1].content.view();
}

}  // namespace vandrix::pdf
