// Drawing of the owner-drawn buttons and tabs with the colour scheme.
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTab>

#include "ui/form_gadget.h"
#include "ui/widgets.h"

namespace vandrix::ui {

QColor toQColor(Colour colour) {
    return QColor(red(colour), green(colour), blue(colour));
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (closing) {
        event->accept();
        return;
    }
    event->ignore();
    if (onCloseRequest)
        onCloseRequest();
}

int buttonStyle(bool pressed, bool focused) {
    if (pressed)
        return 2;
    if (focused)
        return 0;
    return 1;
}

namespace {

// The caption's text drawn several times around its place in the outline colour, then once in
// place in the fill colour: the outlined look of disabled captions and unselected tabs.
void drawOutlinedText(QPainter& p, const QRect& rect, int flags, const QString& text,
                      const QColor& outline, const QColor& fill, int reach) {
    p.setPen(outline);
    for (int d = 1; d <= reach; ++d)
        for (int dx : {-d, d})
            for (int dy : {-d, d})
                p.drawText(rect.translated(dx, dy), flags, text);
    p.setPen(fill);
    p.drawText(rect, flags, text);
}

}  // namespace

void OwnerDrawnButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    const QColor back = toQColor(colours_.backFor(key_));
    const QColor textColour = toQColor(colours_.textFor(key_));
    p.fillRect(0, 0, w, h, back);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1));
    switch (buttonStyle(isDown(), hasFocus() && isEnabled())) {
        case 0:
            p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);
            break;
        case 2:
            p.drawRoundedRect(QRectF(4.5, 4.5, w - 9, h - 9), 3, 3);
            break;
        default:
            p.drawRect(2, 2, w - 5, h - 5);
            break;
    }

    // A caption too large for the button is drawn smaller rather than cut.
    const QRect captionRect = buttonCaptionRect(size());
    const int flags = kButtonCaptionFlags | Qt::TextDontClip;
    const QString caption = detail::displayText(text().toStdString());
    p.setFont(fittedFont(font(), caption, captionRect.size(), kButtonCaptionFlags));
    if (isEnabled()) {
        p.setPen(textColour);
        p.drawText(captionRect, flags, caption);
    } else {
        drawOutlinedText(p, captionRect, flags, caption, textColour, back, 2);
    }
}

void ImageButton::paintEvent(QPaintEvent* event) {
    if (pixmap_.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    // An image of the button's size fills it; a smaller one (an icon) stands in the middle at its
    // own size, and a larger one is shrunk to fit, keeping its proportions.
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    QSize size = pixmap_.size();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(target, pixmap_);
    if (!isEnabled())
        p.fillRect(rect(), QColor(255, 255, 255, 110));
    if (isDown()) {
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void ImagePanel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    if (onClick)
        onClick();
}

void ImagePanel::mouseDoubleClickEvent(QMouseEvent* event) {
    QLabel::mouseDoubleClickEvent(event);
    if (onDoubleClick)
        onDoubleClick();
}

void OwnerDrawnTabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor window = toQColor(colours_.windowColour);
    const QColor text = toQColor(colours_.textColour);
    p.fillRect(rect(), window);
    const int flags = kTabCaptionFlags;
    for (int i = 0; i < count(); ++i) {
        QRect r = tabRect(i);
        p.fillRect(r, window);
        p.setFont(fittedFont(font(), tabText(i), tabCaptionRoom(r).size(), flags));
        if (i == currentIndex()) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::black, 1));
            p.drawRoundedRect(QRectF(r.adjusted(1, 1, -2, -2)), 2, 2);
            p.setPen(text);
            p.drawText(r, flags, tabText(i));
        } else {
            drawOutlinedText(p, r.translated(2, 2), flags, tabText(i), text, window, 1);
        }
    }
}

OwnerDrawnTabWidget::OwnerDrawnTabWidget(const ColourScheme& colours, QWidget* parent)
    : QTabWidget(parent), colours_(colours) {
    setTabBar(new OwnerDrawnTabBar(colours, this));
}

void OwnerDrawnTabWidget::paintEvent(QPaintEvent*) {
    // The panel's face takes the window colour, as the rest of the window does.
    QPainter p(this);
    p.fillRect(rect(), toQColor(colours_.windowColour));
}

}  // namespace vandrix::ui
