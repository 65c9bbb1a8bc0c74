// The Qt widgets behind the gadgets that need behaviour of their own: the form's window, the
// owner-drawn push buttons and tabs, image panels and image buttons.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <functional>
#include <string>

#include "ui/colour_scheme.h"

namespace vandrix::ui {

// The top-level window of a form. Its close box raises the form's close event; whether the
// window really closes is for the window's loop to decide.
class FormWindow : public QWidget {
  public:
    explicit FormWindow(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}
    std::function<void()> onCloseRequest;
    bool closing = false;  // set by the form when it really goes away

  protected:
    void closeEvent(QCloseEvent* event) override;
};

// A push button drawn by the program with the colour scheme: back colour, a frame that follows
// the button's state, a centred word-wrapped caption from a quarter of the height, and an
// outlined caption when disabled.
class OwnerDrawnButton : public QPushButton {
  public:
    OwnerDrawnButton(const ColourScheme& colours, std::string key, QWidget* parent)
        : QPushButton(parent), colours_(colours), key_(std::move(key)) {}

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ColourScheme& colours_;
    std::string key_;
};

// Which frame an owner-drawn button gets for its state: 0 focused (rounded, full size),
// 2 pressed (rounded, inset by 4), 1 otherwise (plain rectangle inset by 2).
int buttonStyle(bool pressed, bool focused);

// A button that shows an image scaled to its size.
class ImageButton : public QPushButton {
  public:
    using QPushButton::QPushButton;
    void setImage(const QPixmap& pixmap) {
        pixmap_ = pixmap;
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap pixmap_;
};

// An image panel that reports clicks and double clicks.
class ImagePanel : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> onClick, onDoubleClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Tabs drawn by the program: the selected tab framed with a rounded rectangle and its title in
// the text colour, the others with an outlined title, all on the window colour.
class OwnerDrawnTabBar : public QTabBar {
  public:
    OwnerDrawnTabBar(const ColourScheme& colours, QWidget* parent)
        : QTabBar(parent), colours_(colours) {}

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ColourScheme& colours_;
};

class OwnerDrawnTabWidget : public QTabWidget {
  public:
    OwnerDrawnTabWidget(const ColourScheme& colours, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ColourScheme& colours_;
};

QColor toQColor(Colour colour);

// How captions are laid out: a button's centred and word-wrapped from its top, a tab's title
// centred on one line.
inline constexpr int kButtonCaptionFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
inline constexpr int kTabCaptionFlags = Qt::AlignCenter | Qt::TextSingleLine;

// The room of an owner-drawn button's caption, and of a tab's title within its tab.
QRect buttonCaptionRect(const QSize& size);
QRect tabCaptionRoom(const QRect& tab);

// The font a caption is drawn in: the given one when every line fits the room, else the same
// face in the largest smaller size that fits (never below a legible least size).
QFont fittedFont(const QFont& font, const QString& text, const QSize& room, int flags);

}  // namespace vandrix::ui
