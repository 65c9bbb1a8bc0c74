// Measuring texts in the font they are drawn in, shrinking captions until they fit, and the
// check that finds captions that still do not fit their gadgets.
#include "ui/caption_fit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "ui/form.h"
#include "ui/form_gadget.h"
#include "ui/runtime.h"
#include "ui/widgets.h"

namespace vandrix::ui {
namespace {

using detail::displayText;

// Tall enough for any text: the height of a measured text is never limited by it.
constexpr int kUnlimited = 1 << 20;
// Below this height in pixels a caption stops shrinking: letters smaller would not be read.
constexpr int kSmallestPixels = 6;

QRect textRect(const QFont& font, const QString& text, int width, int flags) {
    return QFontMetrics(font).boundingRect(QRect(0, 0, width, kUnlimited), flags, text);
}

bool fits(const QRect& text, const QSize& room) {
    return text.width() <= room.width() && text.height() <= room.height();
}

TextExtent extent(const QRect& r) {
    return {r.width(), r.height()};
}

TextExtent extent(const QSize& s) {
    return {s.width(), s.height()};
}

}  // namespace

QFont fittedFont(const QFont& font, const QString& text, const QSize& room, int flags) {
    QFont f = font;
    if (text.isEmpty() || room.width() <= 0 || room.height() <= 0)
        return f;
    for (int pixels = QFontInfo(f).pixelSize();; --pixels) {
        if (fits(textRect(f, text, room.width(), flags), room) || pixels <= kSmallestPixels)
            return f;
        f.setPixelSize(pixels - 1);
    }
}

QRect buttonCaptionRect(const QSize& size) {
    // From a quarter of the height down, inside the frame (drawn 2 pixels in) with a pixel to
    // spare on each side for the outline of a disabled caption.
    const int top = size.height() / 4;
    return QRect(4, top, size.width() - 8, size.height() - top - 3);
}

QRect tabCaptionRoom(const QRect& tab) {
    // Inside the selected tab's frame, leaving room for the outlined title's shift.
    return tab.adjusted(4, 2, -4, -2);
}

TextExtent measureText(const Runtime& runtime, const FontSpec& font, const std::string& text,
                       int wrapWidth) {
    const QString lines = displayText(text);
    const QFont f = runtime.font(font);
    if (wrapWidth > 0)
        return extent(textRect(f, lines, wrapWidth, Qt::AlignHCenter | Qt::TextWordWrap));
    return extent(textRect(f, lines, 0, Qt::AlignLeft));
}

std::vector<CaptionMisfit> captionMisfits(const Form& form) {
    std::vector<CaptionMisfit> misfits;
    auto check = [&](int gadget, const QFont& font, const QString& text, const QSize& room,
                     int flags) {
        const QRect r = textRect(font, text, room.width(), flags);
        if (!text.isEmpty() && !fits(r, room))
            misfits.push_back({gadget, detail::s(text), extent(r), extent(room)});
    };
    for (const auto& [number, name] : form.describeGadgets()) {
        QWidget* w = form.widget(number);
        if (!w || !w->isVisibleTo(form.window()))
            continue;
        switch (form.kind(number)) {
            case GadgetKind::Button: {
                auto* b = qobject_cast<QPushButton*>(w);
                if (!b)
                    break;
                const QString caption = displayText(detail::s(b->text()));
                const QSize room = buttonCaptionRect(b->size()).size();
                check(number, fittedFont(b->font(), caption, room, kButtonCaptionFlags), caption,
                      room, kButtonCaptionFlags);
                break;
            }
            case GadgetKind::TabPanel: {
                auto* panel = qobject_cast<QTabWidget*>(w);
                if (!panel)
                    break;
                QTabBar* bar = panel->tabBar();
                for (int i = 0; i < bar->count(); ++i) {
                    const QSize room = tabCaptionRoom(bar->tabRect(i)).size();
                    check(number, fittedFont(bar->font(), bar->tabText(i), room, kTabCaptionFlags),
                          bar->tabText(i), room, kTabCaptionFlags);
                }
                break;
            }
            case GadgetKind::Label: {
                auto* l = qobject_cast<QLabel*>(w);
                if (!l)
                    break;
                const int flags = l->alignment().toInt() | (l->wordWrap() ? Qt::TextWordWrap : 0);
                check(number, l->font(), l->text(), l->contentsRect().size(), flags);
                break;
            }
            default:
                break;
        }
    }
    return misfits;
}

std::string describeMisfits(const std::vector<CaptionMisfit>& misfits) {
    std::string out;
    for (const auto& m : misfits)
        out += "#" + std::to_string(m.gadget) + " \"" + captionAsOneLine(m.caption) +
               "\": " + std::to_string(m.text.width) + " x " + std::to_string(m.text.height) +
               " in " + std::to_string(m.room.width) + " x " + std::to_string(m.room.height) + "\n";
    return out;
}

}  // namespace vandrix::ui
