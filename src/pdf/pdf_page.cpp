// Pages, margins, the current position and text cells of the PDF writer. Positions are in user
// units from the top left corner; the content streams get points from the bottom left.
#include <algorithm>
#include <string>

#include "pdf/number_format.h"
#include "pdf/pdf_document.h"
#include "pdf/text_encoding.h"

namespace vandrix::pdf {

void PdfDocument::pdfAddPage(std::string_view orientation, std::string_view format) {
    if (state_ == kStateFinished)
        return;  // a finished document takes no more pages
    if (state_ == kStateNone && pdfCreate("", "", "") == 0)
        return;

    std::string family = fontFamily_;
    std::string style = fontStyle_ + (underline_ ? "U" : "");
    int size = fontSizePt_;
    double lineWidth = lineWidth_;

    if (state_ == kStatePageOpen)
        state_ = kStateStarted;
    beginPage(orientation, format);
    if (state_ != kStatePageOpen)
        return;

    out("2 J");
    lineWidth_ = lineWidth;
    out(number(lineWidth * k_) + " w");
    if (!family.empty())
        pdfSetFont(family, style, size);
}

void PdfDocument::beginPage(std::string_view orientation, std::string_view format) {
    Page page;
    if (!page.content.reserve(ByteBuffer::kStep)) {
        error_ = kErrorOutOfMemory;
        return;
    }
    bool newSize = false;
    if (auto size = parsePageFormat(format)) {
        // A "w,h" format (points) becomes the size of this and later pages.
        formatWidthPt_ = size->first;
        formatHeightPt_ = size->second;
        newSize = true;
    }
    char wanted = defaultOrientation_;
    if (!orientation.empty()) {
        char first = orientation.front();
        wanted = (first == 'l' || first == 'L') ? 'L' : 'P';
    }
    page.sizeChanged = newSize || wanted != defaultOrientation_;
    if (newSize || wanted != currentOrientation_) {
        wPt_ = wanted == 'P' ? formatWidthPt_ : formatHeightPt_;
        hPt_ = wanted == 'P' ? formatHeightPt_ : formatWidthPt_;
        w_ = wPt_ / k_;
        h_ = hPt_ / k_;
        pageBreakTrigger_ = h_ - bottomMargin_;
        currentOrientation_ = wanted;
    }
    page.widthPt = wPt_;
    page.heightPt = hPt_;
    pages_.push_back(std::move(page));
    currentPage_ = static_cast<int>(pages_.size());
    state_ = kStatePageOpen;
    x_ = leftMargin_;
    y_ = topMargin_;
    fontFamily_.clear();
}

void PdfDocument::pdfSetMargins(double left, double top, double right) {
    leftMargin_ = left;
    topMargin_ = top;
    rightMargin_ = right == -1 ? left : right;
}

void PdfDocument::pdfSetAutoPageBreak(bool on, double margin) {
    autoPageBreak_ = on;
    bottomMargin_ = margin;
    pageBreakTrigger_ = h_ - margin;
}

void PdfDocument::pdfSetLineWidth(double width) {
    lineWidth_ = width;
    if (state_ == kStatePageOpen)
        out(number(width * k_) + " w");
}

void PdfDocument::pdfLn(double h) {
    x_ = leftMargin_;
    y_ += h < 0 ? lastCellHeight_ : h;
}

void PdfDocument::pdfCell(double w, double h, std::string_view text, int border, int ln,
                          std::string_view align, int fill, int /*link*/) {
    if (state_ == kStateFinished)
        return;
    // Drawing needs a page: operators outside a page's content would corrupt the file.
    if (state_ != kStatePageOpen) {
        pdfAddPage();
        if (state_ != kStatePageOpen)
            return;
    }
    if (!text.empty() && text.back() == '\n')
        text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);

    if (autoPageBreak_ && y_ + h > pageBreakTrigger_) {
        double x = x_;
        double spacing = wordSpacing_;
        if (spacing > 0) {
            wordSpacing_ = 0;
            out("0 Tw");
        }
        pdfAddPage(std::string(1, currentOrientation_), "");
        x_ = x;
        if (spacing > 0) {
            wordSpacing_ = spacing;
            out(number(spacing * k_, 3) + " Tw");
        }
    }
    if (w == 0)
        w = w_ - rightMargin_ - x_;

    const double k = k_;
    std::string s;
    if (fill == 1 || border == 1) {
        s = number(x_ * k) + " " + number((h_ - y_) * k) + " " + number(w * k) + " " +
            number(-h * k) + " re " + (fill == 1 ? (border == 1 ? "B " : "f ") : "S ");
    }
    if (border < 0) {
        int sides = -border;
        auto line = [&](double x1, double y1, double x2, double y2) {
            s += number(x1 * k) + " " + number((h_ - y1) * k) + " m " + number(x2 * k) + " " +
                 number((h_ - y2) * k) + " l S ";
        };
        if (sides & 1)
            line(x_, y_, x_, y_ + h);
        if (sides & 2)
            line(x_, y_, x_ + w, y_);
        if (sides & 4)
            line(x_ + w, y_, x_ + w, y_ + h);
        if (sides & 8)
            line(x_, y_ + h, x_ + w, y_ + h);
    }

    // Text is drawn only with a font selected: "Tj" without a font is an invalid content stream.
    if (!text.empty() && currentFont_ >= 0) {
        const Font& font = fonts_[currentFont_];
        double tw = pdfGetStringWidth(text);
        std::size_t blanks = std::count(text.begin(), text.end(), ' ');
        double dx = cellMargin_;
        if (align == "R") {
            dx = w - cellMargin_ - tw;
        } else if (align == "C") {
            dx = (w - tw) / 2;
        } else if (align == "FJ") {
            wordSpacing_ = w - 2 * cellMargin_ - tw;
            if (blanks > 0)
                wordSpacing_ /= static_cast<double>(blanks);
            out(number(wordSpacing_ * k, 3) + " Tw");
        }
        double baseline = y_ + h / 2 + 0.3 * fontSize_;
        s += "BT " + number((x_ + dx) * k) + " " + number((h_ - baseline) * k) + " Td ";
        std::string closing = ") Tj ET";
        if (underline_) {
            double width = tw + wordSpacing_ * static_cast<double>(blanks);
            double thickness =
                0.05 * fontSizePt_ * (fontStyle_.find('B') != std::string::npos ? 2 : 1);
            closing += " " + number((x_ + dx) * k) + " " +
                       number((h_ - (baseline + 0.1 * fontSize_)) * k) + " " + number(width * k) +
                       " " + number(-thickness) + " re f";
        }
        outBytes(escapeText(s + "(", closing, text,
                            font.unicode ? TextBytes::kTwoByteCodes : TextBytes::kSingleByte));
        if (align == "FJ") {
            out("0 Tw");
            wordSpacing_ = 0;
        }
    } else if (!s.empty()) {
        out(s);
    }

    lastCellHeight_ = h;
    if (ln > 0) {
        y_ += h;
        if (ln == 1)
            x_ = leftMargin_;
    } else {
        x_ += w;
    }
}

}  // namespace vandrix::pdf
