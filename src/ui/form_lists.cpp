// Forms: the list views (the receipt grid among them), progress bars and the status bar.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTreeWidget>

#include "ui/form.h"
#include "ui/form_gadget.h"
#include "ui/runtime.h"
#include "ui/widgets.h"

namespace vandrix::ui {

using namespace detail;

// ---- lists ----

void Form::setColumns(int gadget, const std::vector<std::string>& titles,
                      const std::vector<int>& widths) {
    auto* t = asList(widget(gadget));
    if (!t)
        return;
    QStringList labels;
    for (const auto& title : titles)
        labels << q(title);
    t->setColumnCount(static_cast<int>(titles.size()));
    t->setHeaderLabels(labels);
    for (size_t i = 0; i < widths.size() && i < titles.size(); ++i)
        setColumnWidth(gadget, static_cast<int>(i), widths[i]);
}

void Form::setColumnWidth(int gadget, int column, int width) {
    auto* t = asList(widget(gadget));
    if (!t)
        return;
    if (width == 0) {
        t->setColumnHidden(column, true);
        return;
    }
    t->setColumnHidden(column, false);
    t->setColumnWidth(column, scaled_ ? runtime_.scaledX(width) : width);
}

void Form::clearRows(int gadget) {
    if (auto* t = asList(widget(gadget))) {
        QSignalBlocker block(t);
        t->clear();
    }
}

void Form::addRow(int gadget, const std::vector<std::string>& cells) {
    auto* t = asList(widget(gadget));
    if (!t)
        return;
    auto* item = new QTreeWidgetItem();
    for (size_t i = 0; i < cells.size(); ++i)
        item->setText(static_cast<int>(i), q(cells[i]));
    if (find(gadget)->table.flags & kCheckBoxes) {
        item->setCheckState(0, Qt::Unchecked);
        // The window ticks a row on its click; the box itself only shows the state.
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
    }
    QSignalBlocker block(t);
    t->addTopLevelItem(item);
}

void Form::addRows(int gadget, const std::vector<std::vector<std::string>>& rows) {
    auto* t = asList(widget(gadget));
    if (!t)
        return;
    const bool checkBoxes = find(gadget)->table.flags & kCheckBoxes;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& cells : rows) {
        auto* item = new QTreeWidgetItem();
        for (size_t i = 0; i < cells.size(); ++i)
            item->setText(static_cast<int>(i), q(cells[i]));
        if (checkBoxes) {
            item->setCheckState(0, Qt::Unchecked);
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        }
        items.append(item);
    }
    QSignalBlocker block(t);
    t->addTopLevelItems(items);
}

void Form::removeRow(int gadget, int row) {
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return;
    QSignalBlocker block(t);
    delete t->takeTopLevelItem(row);
}

int Form::rowCount(int gadget) const {
    auto* t = asList(widget(gadget));
    return t ? t->topLevelItemCount() : 0;
}

std::string Form::cell(int gadget, int row, int column) const {
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return {};
    return s(t->topLevelItem(row)->text(column));
}

void Form::setCell(int gadget, int row, int column, const std::string& text) {
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return;
    t->topLevelItem(row)->setText(column, q(text));
}

int Form::selectedRow(int gadget) const {
    auto* t = asList(widget(gadget));
    if (!t)
        return -1;
    auto items = t->selectedItems();
    return items.isEmpty() ? -1 : t->indexOfTopLevelItem(items.front());
}

void Form::selectRow(int gadget, int row) {
    auto* t = asList(widget(gadget));
    if (!t)
        return;
    QSignalBlocker block(t);
    t->clearSelection();
    if (row >= 0 && row < t->topLevelItemCount()) {
        QTreeWidgetItem* item = t->topLevelItem(row);
        t->setCurrentItem(item);
        item->setSelected(true);
        t->scrollToItem(item);
    }
}

bool Form::isChecked(int gadget, int row) const {
    if (auto* box = qobject_cast<QCheckBox*>(widget(gadget)))
        return box->isChecked();
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return false;
    return t->topLevelItem(row)->checkState(0) == Qt::Checked;
}

void Form::setChecked(int gadget, int row, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(widget(gadget))) {
        QSignalBlocker block(box);
        box->setChecked(checked);
        return;
    }
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return;
    QSignalBlocker block(t);
    t->topLevelItem(row)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void Form::setRowColours(int gadget, int row, Colour text, Colour back) {
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return;
    QTreeWidgetItem* item = t->topLevelItem(row);
    for (int c = 0; c < t->columnCount(); ++c) {
        item->setForeground(c, toQColor(text));
        item->setBackground(c, toQColor(back));
    }
}

void Form::setCellTextColour(int gadget, int row, int column, Colour text) {
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount() || column < 0 || column >= t->columnCount())
        return;
    t->topLevelItem(row)->setForeground(column, toQColor(text));
}

void Form::setProgress(int gadget, int value, int maximum) {
    if (auto* p = qobject_cast<QProgressBar*>(widget(gadget))) {
        p->setRange(0, maximum);
        p->setValue(value);
    }
}

// ---- row marks ----

namespace {

// A 50 x 50 image on white: a disc of radius 23 in the outer colour with one of radius 20 in
// the inner colour on it; none for a blank image.
QIcon markImage(Form::RowMark mark) {
    QPixmap image(50, 50);
    image.fill(Qt::white);
    if (mark != Form::RowMark::None) {
        const bool red = mark == Form::RowMark::Red;
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(red ? QColor(128, 0, 0) : QColor(0, 128, 0));
        p.drawEllipse(QPointF(25, 25), 23, 23);
        p.setBrush(red ? QColor(255, 128, 128) : QColor(128, 255, 128));
        p.drawEllipse(QPointF(25, 25), 20, 20);
    }
    return QIcon(image);
}

constexpr int kMarkRole = Qt::UserRole + 7;

}  // namespace

void Form::setRowMark(int gadget, int row, RowMark mark) {
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return;
    QSignalBlocker block(t);
    QTreeWidgetItem* item = t->topLevelItem(row);
    item->setIcon(0, markImage(mark));
    item->setData(0, kMarkRole, static_cast<int>(mark));
}

Form::RowMark Form::rowMark(int gadget, int row) const {
    auto* t = asList(widget(gadget));
    if (!t || row < 0 || row >= t->topLevelItemCount())
        return RowMark::None;
    return static_cast<RowMark>(t->topLevelItem(row)->data(0, kMarkRole).toInt());
}

void Form::setNumberRange(int gadget, int lowest, int highest) {
    if (auto* sb = qobject_cast<QSpinBox*>(widget(gadget))) {
        QSignalBlocker block(sb);
        sb->setRange(lowest, highest);
    }
}

// ---- dates ----

void Form::setDateRange(int gadget, const std::string& earliest, const std::string& latest) {
    const QDate from = QDate::fromString(q(earliest), "yyyy-MM-dd");
    const QDate to = QDate::fromString(q(latest), "yyyy-MM-dd");
    QWidget* w = widget(gadget);
    QSignalBlocker block(w);
    if (auto* cal = qobject_cast<QCalendarWidget*>(w))
        cal->setDateRange(from, to);
    else if (auto* d = qobject_cast<QDateEdit*>(w))
        d->setDateRange(from, to);
}

// ---- drop-down lists ----

void Form::clearItems(int gadget) {
    if (auto* c = qobject_cast<QComboBox*>(widget(gadget))) {
        QSignalBlocker block(c);
        c->clear();
    }
}

void Form::addItem(int gadget, const std::string& item) {
    if (auto* c = qobject_cast<QComboBox*>(widget(gadget))) {
        QSignalBlocker block(c);
        c->addItem(q(item));
    }
}

int Form::itemCount(int gadget) const {
    auto* c = qobject_cast<QComboBox*>(widget(gadget));
    return c ? c->count() : 0;
}

std::string Form::item(int gadget, int index) const {
    auto* c = qobject_cast<QComboBox*>(widget(gadget));
    return c && index >= 0 && index < c->count() ? s(c->itemText(index)) : std::string();
}

int Form::currentItem(int gadget) const {
    auto* c = qobject_cast<QComboBox*>(widget(gadget));
    return c ? c->currentIndex() : -1;
}

void Form::setCurrentItem(int gadget, int index) {
    if (auto* c = qobject_cast<QComboBox*>(widget(gadget))) {
        QSignalBlocker block(c);
        c->setCurrentIndex(index < c->count() ? index : -1);
        if (c->isEditable() && index < 0)
            c->setEditText(QString());
    }
}

// ---- status bar ----

void Form::setStatusFields(const std::vector<int>& widths) {
    if (!statusBar_)
        return;
    for (auto* child : statusBar_->findChildren<QLabel*>()) {
        statusBar_->removeWidget(child);
        delete child;
    }
    for (int w : widths) {
        auto* label = new QLabel(statusBar_);
        int pixels = scaled_ ? runtime_.scaledX(w) : w;
        label->setFixedWidth(pixels);
        label->setVisible(pixels > 0);
        statusBar_->addWidget(label);
    }
}

int Form::statusFieldCount() const {
    if (!statusBar_)
        return 0;
    return static_cast<int>(statusBar_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size());
}

void Form::setStatusText(int field, const std::string& text) {
    if (!statusBar_)
        return;
    auto labels = statusBar_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    if (field >= 0 && field < labels.size())
        labels[field]->setText(q(text));
}

std::string Form::statusText(int field) const {
    if (!statusBar_)
        return {};
    auto labels = statusBar_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    return field >= 0 && field < labels.size() ? s(labels[field]->text()) : std::string();
}

}  // namespace vandrix::ui
