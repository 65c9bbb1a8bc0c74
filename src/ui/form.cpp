// Forms: building the widgets of a layout table, scaling them, and turning their signals into
// the form's queued events (the queue itself, with the keys, is in form_events.cpp).
#include "ui/form.h"

#include "ui/form_gadget.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>

#include <cmath>

#include "ui/host.h"
#include "ui/runtime.h"
#include "ui/widgets.h"

namespace vandrix::ui {

namespace {

using namespace detail;

}  // namespace

std::string captionAsOneLine(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        char c = caption[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n')
                ++i;
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
    return out;
}

Form::Form(Runtime& runtime, const FormSpec& table, Form* parent)
    : runtime_(runtime), name_(table.name), scaled_(table.scaled), dialog_(table.dialog) {
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (table.closeBox)
        flags |= Qt::WindowCloseButtonHint;
    if (!table.tool)
        flags |= Qt::WindowMinimizeButtonHint;
    if (table.maximizeBox)
        flags |= Qt::WindowMaximizeButtonHint;
    if (table.alwaysOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    window_ = std::make_unique<FormWindow>(parent ? parent->window() : nullptr, flags);
    window_->setWindowTitle(q(table.title));
    window_->setAutoFillBackground(true);
    if (table.fontFamily.empty()) {
        window_->setFont(runtime_.font(runtime_.defaultFont));
    } else {
        const int height = scaled_ ? runtime_.scaledY(table.fontHeight) : table.fontHeight;
        window_->setFont(runtime_.font({table.fontFamily, height, false}));
    }
    window_->onCloseRequest = [this] { post({EventType::Close, -1}); };
    setBackground(runtime_.colours().windowColour);

    int width = scaled_ ? runtime_.scaledX(table.width) : table.width;
    int height = scaled_ ? runtime_.scaledY(table.height) : table.height;
    window_->resize(width, height);
    if (table.statusBar) {
        statusBar_ = new QStatusBar(window_.get());
        statusBar_->setSizeGripEnabled(false);
        int barHeight = 22;
        statusBar_->setGeometry(0, height - barHeight, width, barHeight);
    }
    for (const auto& g : table.gadgets) {
        if (g.container != 0)
            addGadgetIn(g.container, g.page, g);
        else
            addGadget(g);
    }
    runtime_.registerForm(this);
    openedTitle_ = table.title;
    if (!dialog_)
        runtime_.transcript("open " + table.title);
    window_->show();
    activate();
}

Form::~Form() {
    std::string closingTitle = title();
    runtime_.unregisterForm(this);
    window_->closing = true;
    window_->close();
    if (!dialog_)
        runtime_.transcript("close " + closingTitle);
}

Form::Gadget* Form::find(int gadget) {
    for (auto& g : gadgets_)
        if (g->table.number == gadget)
            return g.get();
    return nullptr;
}

const Form::Gadget* Form::find(int gadget) const {
    for (const auto& g : gadgets_)
        if (g->table.number == gadget)
            return g.get();
    return nullptr;
}

bool Form::has(int gadget) const {
    return find(gadget) != nullptr;
}

GadgetKind Form::kind(int gadget) const {
    const Gadget* g = find(gadget);
    return g ? g->table.kind : GadgetKind::Label;
}

unsigned Form::flags(int gadget) const {
    const Gadget* g = find(gadget);
    return g ? g->table.flags : 0;
}

QWidget* Form::widget(int gadget) const {
    const Gadget* g = find(gadget);
    return g ? g->widget : nullptr;
}

QWidget* Form::window() const {
    return window_.get();
}

int Form::handle(int gadget) const {
    const Gadget* g = find(gadget);
    return g ? g->handle : 0;
}

void Form::addGadget(const GadgetSpec& table) {
    removeGadget(table.number);
    auto g = std::make_unique<Gadget>();
    g->table = table;
    g->handle = runtime_.nextGadgetHandle();
    build(*g, window_.get());
    addBuilt(std::move(g));
}

void Form::addGadgetIn(int container, int page, const GadgetSpec& table) {
    QWidget* parent = nullptr;
    if (auto* tabs = qobject_cast<QTabWidget*>(widget(container)))
        parent = tabs->widget(page);
    else if (auto* area = qobject_cast<QScrollArea*>(widget(container)))
        parent = area->widget();
    if (!parent)
        return;
    removeGadget(table.number);
    auto g = std::make_unique<Gadget>();
    g->table = table;
    g->handle = runtime_.nextGadgetHandle();
    build(*g, parent);
    addBuilt(std::move(g));
}

int Form::addTab(int panel, const std::string& title) {
    auto* tabs = qobject_cast<QTabWidget*>(widget(panel));
    return tabs ? tabs->addTab(new QWidget, q(title)) : -1;
}

void Form::removeTab(int panel, int page) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget(panel))) {
        QWidget* pageWidget = tabs->widget(page);
        tabs->removeTab(page);
        if (pageWidget)
            pageWidget->deleteLater();
    }
}

void Form::showTab(int panel, int page) {
    if (auto* tabs = qobject_cast<QTabWidget*>(widget(panel)))
        tabs->setCurrentIndex(page);
}

int Form::currentTab(int panel) const {
    auto* tabs = qobject_cast<QTabWidget*>(widget(panel));
    return tabs ? tabs->currentIndex() : -1;
}

int Form::tabCount(int panel) const {
    auto* tabs = qobject_cast<QTabWidget*>(widget(panel));
    return tabs ? tabs->count() : 0;
}

void Form::setContentSize(int area, int width, int height) {
    if (auto* a = qobject_cast<QScrollArea*>(widget(area)))
        a->widget()->resize(runtime_.scaledX(width), runtime_.scaledY(height));
}

int Form::scrollPosition(int area) const {
    auto* a = qobject_cast<QScrollArea*>(widget(area));
    return a ? a->verticalScrollBar()->value() : 0;
}

void Form::scrollTo(int area, int position) {
    if (auto* a = qobject_cast<QScrollArea*>(widget(area)))
        a->verticalScrollBar()->setValue(position);
}

void Form::addBuilt(std::unique_ptr<Gadget> gadget) {
    Gadget* g = gadget.get();
    const GadgetSpec& table = g->table;
    applyPlace(*g);
    if (table.flags & kHidden)
        g->widget->hide();
    else
        g->widget->show();
    if (table.flags & kDisabled)
        g->widget->setEnabled(false);
    connectEvents(*g);
    gadgets_.push_back(std::move(gadget));
}

void Form::removeGadget(int gadget) {
    for (auto it = gadgets_.begin(); it != gadgets_.end(); ++it) {
        if ((*it)->table.number == gadget) {
            (*it)->widget->hide();
            (*it)->widget->deleteLater();
            gadgets_.erase(it);
            return;
        }
    }
}

void Form::applyPlace(Gadget& g) {
    const GadgetSpec& table = g.table;
    if (scaled_) {
        int x = runtime_.scaledX(table.x);
        int y = runtime_.scaledY(table.y);
        int right = runtime_.scaledX(table.x + table.width);
        int bottom = runtime_.scaledY(table.y + table.height);
        g.widget->setGeometry(x, y, right - x, bottom - y);
    } else {
        g.widget->setGeometry(table.x, table.y, table.width, table.height);
    }
}

void Form::place(int gadget, int x, int y, int width, int height) {
    if (Gadget* g = find(gadget)) {
        g->table.x = x;
        g->table.y = y;
        g->table.width = width;
        g->table.height = height;
        applyPlace(*g);
    }
}

std::string Form::text(int gadget) const {
    const Gadget* g = find(gadget);
    if (!g)
        return {};
    QWidget* w = g->widget;
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return s(e->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return s(b->text());
    if (qobject_cast<QLabel*>(w))
        return g->table.caption;
    if (auto* e = qobject_cast<QPlainTextEdit*>(w))
        return s(e->toPlainText());
    if (auto* c = qobject_cast<QComboBox*>(w))
        return s(c->currentText());
    if (asList(w)) {
        int row = selectedRow(gadget);
        return row >= 0 ? cell(gadget, row, 0) : std::string();
    }
    if (auto* sb = qobject_cast<QSpinBox*>(w))
        return std::to_string(sb->value());
    if (auto* d = qobject_cast<QDateEdit*>(w))
        return s(d->date().toString("yyyy-MM-dd"));
    if (auto* cal = qobject_cast<QCalendarWidget*>(w))
        return s(cal->selectedDate().toString("yyyy-MM-dd"));
    if (auto* f = qobject_cast<QGroupBox*>(w))
        return s(f->title());
    return g->table.caption;
}

void Form::setText(int gadget, const std::string& text) {
    Gadget* g = find(gadget);
    if (!g)
        return;
    QWidget* w = g->widget;
    g->table.caption = text;
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(q(text));
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(q(text));
    else if (auto* l = qobject_cast<QLabel*>(w))
        l->setText(displayText(text));
    else if (auto* area = qobject_cast<QPlainTextEdit*>(w))
        area->setPlainText(displayText(text));
    else if (auto* c = qobject_cast<QComboBox*>(w)) {
        int i = c->findText(q(text));
        if (i >= 0)
            c->setCurrentIndex(i);
        else if (c->isEditable())
            c->setEditText(q(text));
    } else if (auto* sb = qobject_cast<QSpinBox*>(w))
        sb->setValue(q(text).toInt());
    else if (auto* d = qobject_cast<QDateEdit*>(w)) {
        QSignalBlocker block(d);  // a date set by the program raises no event
        d->setDate(QDate::fromString(q(text), "yyyy-MM-dd"));
    } else if (auto* cal = qobject_cast<QCalendarWidget*>(w)) {
        QSignalBlocker block(cal);
        cal->setSelectedDate(QDate::fromString(q(text), "yyyy-MM-dd"));
    } else if (auto* f = qobject_cast<QGroupBox*>(w))
        f->setTitle(q(text));
}

void Form::setEnabled(int gadget, bool enabled) {
    if (Gadget* g = find(gadget))
        g->widget->setEnabled(enabled);
}

bool Form::isEnabled(int gadget) const {
    const Gadget* g = find(gadget);
    return g && g->widget->isEnabled();
}

void Form::setVisible(int gadget, bool visible) {
    if (Gadget* g = find(gadget))
        g->widget->setVisible(visible);
}

bool Form::isVisible(int gadget) const {
    const Gadget* g = find(gadget);
    return g && !g->widget->isHidden();
}

void Form::setFocus(int gadget) {
    if (Gadget* g = find(gadget))
        g->widget->setFocus(Qt::OtherFocusReason);
}

void Form::centreOnScreen(int width, int height) {
    const Rect screen = runtime_.workArea();
    const int w = scaled_ ? runtime_.scaledX(width) : width;
    const int h = scaled_ ? runtime_.scaledY(height) : height;
    placeWindow(screen.x + (screen.width - w) / 2, screen.y + (screen.height - h) / 2, w, h);
}

int Form::focusedGadget() const {
    QWidget* focus = window_->focusWidget();
    if (!focus)
        return -1;
    // The innermost gadget that holds the focus: a field on a tab page, not the tab panel.
    const Gadget* best = nullptr;
    for (const auto& g : gadgets_)
        if (g->widget == focus || g->widget->isAncestorOf(focus))
            if (!best || best->widget->isAncestorOf(g->widget))
                best = g.get();
    return best ? best->table.number : -1;
}

void Form::setCaretToEnd(int gadget) {
    if (auto* e = qobject_cast<QLineEdit*>(widget(gadget)))
        e->end(false);
}

void Form::setFont(int gadget, const FontSpec& font) {
    if (Gadget* g = find(gadget))
        g->widget->setFont(runtime_.font(font));
}

void Form::setImage(int gadget, const TextImage& image) {
    Gadget* g = find(gadget);
    if (!g)
        return;
    QPixmap pixmap(image.width, image.height);
    pixmap.fill(toQColor(image.background));
    {
        QPainter p(&pixmap);
        for (const auto& line : image.lines) {
            QFont f = runtime_.font(line.font);
            p.setFont(f);
            p.setPen(toQColor(line.colour));
            QFontMetrics m(f);
            p.drawText(line.x, line.y + m.ascent(), q(line.text));
        }
    }
    if (auto* b = dynamic_cast<ImageButton*>(g->widget))
        b->setImage(pixmap);
    else if (auto* l = qobject_cast<QLabel*>(g->widget))
        l->setPixmap(pixmap);
}

bool Form::loadImage(int gadget, const std::string& path, int width, int height) {
    Gadget* g = find(gadget);
    QPixmap pixmap;
    if (!g || !pixmap.load(q(path)))
        return false;
    if (width > 0 && height > 0)
        pixmap = pixmap.scaled(scaled_ ? runtime_.scaledX(width) : width,
                               scaled_ ? runtime_.scaledY(height) : height, Qt::IgnoreAspectRatio,
                               Qt::SmoothTransformation);
    if (auto* b = dynamic_cast<ImageButton*>(g->widget))
        b->setImage(pixmap);
    else if (auto* l = qobject_cast<QLabel*>(g->widget))
        l->setPixmap(pixmap);
    return true;
}

void Form::setTextColours(int gadget, Colour text, Colour back) {
    Gadget* g = find(gadget);
    if (!g)
        return;
    QPalette pal = g->widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text})
        pal.setColor(role, toQColor(text));
    for (auto role : {QPalette::Window, QPalette::Base})
        pal.setColor(role, toQColor(back));
    g->widget->setPalette(pal);
    g->widget->setAutoFillBackground(true);
}

// ---- the window ----

std::string Form::title() const {
    return s(window_->windowTitle());
}
void Form::setTitle(const std::string& title) {
    window_->setWindowTitle(q(title));
}

void Form::setBackground(Colour colour) {
    QPalette pal = window_->palette();
    pal.setColor(QPalette::Window, toQColor(colour));
    window_->setPalette(pal);
}

void Form::repaint() {
    window_->update();
    for (auto& g : gadgets_)
        g->widget->update();
}

void Form::setAlwaysOnTop(bool onTop) {
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window_->show();
}

void Form::minimize() {
    window_->showMinimized();
}
void Form::hideWindow() {
    window_->hide();
}
void Form::showWindow() {
    window_->show();
}
bool Form::isMaximized() const {
    return window_->isMaximized();
}
void Form::showNormal() {
    window_->showNormal();
}

void Form::activate() {
    if (QGuiApplication::platformName() != "offscreen")
        window_->raise();
    window_->activateWindow();
}

void Form::placeWindow(int x, int y, int width, int height) {
    window_->setGeometry(x, y, width, height);
    if (statusBar_)
        statusBar_->setGeometry(0, height - statusBar_->height(), width, statusBar_->height());
}

// ---- automation look-ups ----

int Form::findGadget(const std::string& target) const {
    if (target.size() > 1 && target[0] == '#') {
        try {
            int n = std::stoi(target.substr(1));
            return has(n) ? n : -1;
        } catch (...) {
            return -1;
        }
    }
    for (const auto& g : gadgets_)
        if (!g->table.name.empty() && g->table.name == target)
            return g->table.number;
    for (const auto& g : gadgets_) {
        if (g->table.kind == GadgetKind::TextField || g->table.kind == GadgetKind::TextArea)
            continue;
        if (captionAsOneLine(text(g->table.number)) == target)
            return g->table.number;
    }
    return -1;
}

std::vector<std::pair<int, std::string>> Form::describeGadgets() const {
    std::vector<std::pair<int, std::string>> out;
    for (const auto& g : gadgets_) {
        std::string label = g->table.name;
        if (label.empty())
            label = captionAsOneLine(text(g->table.number));
        out.emplace_back(g->table.number, label);
    }
    return out;
}

}  // namespace vandrix::ui
