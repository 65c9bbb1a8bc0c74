// The program's PDF writer: one PDF 1.3 document built in memory by the caller's PdfDocument
// object, with pages in a user unit (origin top left, y downwards), core and embedded TrueType
// fonts and text cells, written to a file at the end. The member functions named pdf... are the
// operations the documents of the program call.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/byte_buffer.h"
#include "pdf/core_fonts.h"
#include "pdf/truetype.h"
#include "platform/clock.h"
#include "platform/fonts.h"

namespace vandrix::pdf {

// Error codes of the writer.
inline constexpr int kErrorFileName = 15;     // invalid file name for saving
inline constexpr int kErrorFileCreate = 16;   // the file could not be created or written
inline constexpr int kErrorOutOfMemory = 18;  // a document or page buffer could not be allocated

// Document states.
inline constexpr int kStateNone = 0;
inline constexpr int kStateStarted = 1;
inline constexpr int kStatePageOpen = 2;
inline constexpr int kStateFinished = 3;

// Where the writer gets the installed fonts from (the platform's fonts by default; tests can
// hand it a font program of their own).
using FontLoader = std::function<std::optional<platform::SystemFont>(const platform::FontRequest&)>;

class PdfDocument {
  public:
    // The clock gives the creation date; nullptr means the system clock.
    explicit PdfDocument(FontLoader fontLoader = platform::loadSystemFont,
                         platform::Clock* clock = nullptr);

    // Document lifecycle. Empty texts take "P", "mm" and "595.28,841.89" (A4, points).
    int pdfCreate(std::string_view orientation, std::string_view unit, std::string_view format);
    void pdfClose();
    void pdfSave(const std::string& fileName);
    int pdfError() const { return error_; }

    // Pages and layout, in user units.
    void pdfAddPage(std::string_view orientation = "", std::string_view format = "");
    void pdfSetMargins(double left, double top, double right = -1);
    void pdfSetAutoPageBreak(bool on, double margin = 0);
    void pdfSetLineWidth(double width);
    void pdfSetFont(std::string_view family, std::string_view style = "", int size = 0);
    double pdfGetStringWidth(std::string_view text) const;
    void pdfCell(double w, double h = 0, std::string_view text = "", int border = 0, int ln = 0,
                 std::string_view align = "", int fill = 0, int link = 0);
    void pdfLn(double h = -1);
    double pdfGetX() const { return x_; }
    double pdfGetY() const { return y_; }
    // Moves the current position (user units from the top left corner of the page).
    void pdfSetXY(double x, double y) {
        x_ = x;
        y_ = y;
    }

    // State for the caller and for checks.
    int state() const { return state_; }
    double scaleFactor() const { return k_; }
    double pageWidth() const { return w_; }   // user units
    double pageHeight() const { return h_; }  // user units
    double pageBreakTrigger() const { return pageBreakTrigger_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    int currentPage() const { return currentPage_; }
    // The serialised document after pdfClose (empty after pdfSave).
    std::string_view documentBytes() const { return buffer_.view(); }
    // The content stream of page n (1-based) while the document is open.
    std::string_view pageContent(int n) const;

  private:
    struct Page {
        ByteBuffer content;
        bool sizeChanged = false;
        double widthPt = 0;
        double heightPt = 0;
        int objectNumber = 0;
    };
    struct Font {
        int index = 0;
        int objectNumber = 0;
        std::string key;
        std::string style;
        bool trueType = false;
        bool unicode = false;
        std::string name;  // the PDF font name as text (blanks unescaped)
        const CoreFont* core = nullptr;
        TrueTypeMetrics metrics;  // TrueType only
        int program = -1;         // index in fontFiles_ of the embedded program, -1 for none
    };
    struct FontFile {
        std::string program;
        std::string faceName;
        std::string path;
        int objectNumber = 0;
    };

    // Serialisation primitives.
    void out(std::string_view text);
    void outBytes(std::string_view bytes);
    void append(std::string_view bytes);
    void newObject();
    void putStream(std::string_view bytes);
    void putBinaryStreamObject(std::string_view bytes, std::size_t originalLength);

    // Serialisation steps.
    void putPages();
    void putResources();
    void putFonts();
    void putTrueTypeFont(Font& font);
    void putInfo();
    void putCatalog();
    void putXrefAndTrailer();

    void beginPage(std::string_view orientation, std::string_view format);
    Font& addFont(const std::string& key, const std::string& family, const std::string& style,
                  const std::string& face);
    int charWidth(const Font& font, char32_t c) const;
    std::string number(double v, int decimals = 2) const;

    FontLoader fontLoader_;
    platform::SystemClock systemClock_;
    platform::Clock* clock_;

    int state_ = kStateNone;
    int error_ = 0;
    ByteBuffer buffer_;
    std::vector<Page> pages_;
    int currentPage_ = 0;
    int objectNumber_ = 2;
    std::vector<std::size_t> offsets_;
    std::vector<Font> fonts_;
    std::vector<FontFile> fontFiles_;

    double k_ = 72.0f / 25.4f;
    char defaultOrientation_ = 'P';
    char currentOrientation_ = 'P';
    double formatWidthPt_ = 595.28, formatHeightPt_ = 841.89;  // the format, portrait as given
    double wPt_ = 595.28, hPt_ = 841.89;                       // the current page size
    double w_ = 0, h_ = 0;
    double leftMargin_ = 0, topMargin_ = 0, rightMargin_ = 0, bottomMargin_ = 0;
    double cellMargin_ = 0;
    bool autoPageBreak_ = true;
    double pageBreakTrigger_ = 0;
    double x_ = 0, y_ = 0;
    double lastCellHeight_ = 0;
    double lineWidth_ = 0;
    std::string fontFamily_;
    std::string fontStyle_;
    int fontSizePt_ = 12;
    double fontSize_ = 0;
    bool underline_ = false;
    int currentFont_ = -1;  // index in fonts_
    double wordSpacing_ = 0;
};

}  // namespace vandrix::pdf
