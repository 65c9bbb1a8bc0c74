// Forms: each gadget's widget built from its line of the layout table, and the widget's signals
// turned into the form's queued events.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTreeWidget>

#include "ui/form.h"
#include "ui/form_gadget.h"
#include "ui/runtime.h"
#include "ui/widgets.h"

namespace vandrix::ui {

using namespace detail;

void Form::build(Gadget& g, QWidget* parent) {
    const GadgetSpec& table = g.table;
    switch (table.kind) {
        case GadgetKind::Button: {
            auto* b = new OwnerDrawnButton(runtime_.colours(), std::to_string(g.handle), parent);
            b->setText(q(table.caption));
            g.widget = b;
            break;
        }
        case GadgetKind::ImageButton: {
            auto* b = new ImageButton(parent);
            b->setText(q(table.caption));
            g.widget = b;
            break;
        }
        case GadgetKind::TextField: {
            auto* e = new QLineEdit(parent);
            e->setText(q(table.caption));
            if (table.flags & kPassword)
                e->setEchoMode(QLineEdit::Password);
            if (table.flags & kReadOnly)
                e->setReadOnly(true);
            if (table.flags & kCentred)
                e->setAlignment(Qt::AlignCenter);
            if (table.flags & kRightAligned)
                e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (table.flags & kDigitsOnly)
                e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
            g.widget = e;
            break;
        }
        case GadgetKind::TextArea: {
            auto* e = new QPlainTextEdit(parent);
            e->setPlainText(displayText(table.caption));
            if (table.flags & kReadOnly)
                e->setReadOnly(true);
            g.widget = e;
            break;
        }
        case GadgetKind::Label: {
            auto* l = new QLabel(displayText(table.caption), parent);
            l->setWordWrap(true);
            if (table.flags & kCentred)
                l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            if (table.flags & kRightAligned)
                l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (table.flags & kBorder)
                l->setFrameStyle(QFrame::Box | QFrame::Plain);
            g.widget = l;
            break;
        }
        case GadgetKind::ComboBox:
        case GadgetKind::EditableCombo: {
            auto* c = new QComboBox(parent);
            c->setEditable(table.kind == GadgetKind::EditableCombo);
            g.widget = c;
            break;
        }
        case GadgetKind::ListView: {
            auto* t = new QTreeWidget(parent);
            t->setRootIsDecorated(false);
            t->setUniformRowHeights(true);
            t->setAllColumnsShowFocus(true);
            t->setSelectionMode(QAbstractItemView::SingleSelection);
            t->setSelectionBehavior(QAbstractItemView::SelectRows);
            t->header()->setStretchLastSection(false);
            if (!table.caption.empty())
                t->setHeaderLabels(q(table.caption).split('|'));
            g.widget = t;
            break;
        }
        case GadgetKind::TabPanel: {
            auto* tabs = new OwnerDrawnTabWidget(runtime_.colours(), parent);
            if (!table.caption.empty())
                for (const QString& title : q(table.caption).split('|'))
                    tabs->addTab(new QWidget, title);
            g.widget = tabs;
            break;
        }
        case GadgetKind::ScrollArea: {
            auto* a = new QScrollArea(parent);
            a->setWidget(new QWidget);
            a->setWidgetResizable(false);
            a->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            a->verticalScrollBar()->setSingleStep(30);
            g.widget = a;
            break;
        }
        case GadgetKind::SpinBox: {
            auto* sb = new QSpinBox(parent);
            sb->setRange(0, 1000000);
            g.widget = sb;
            break;
        }
        case GadgetKind::Calendar: {
            // Romanian month names, one letter a day, no week numbers: a small calendar shows
            // every day whole.
            auto* cal = new QCalendarWidget(parent);
            cal->setLocale(QLocale(QLocale::Romanian, QLocale::Romania));
            cal->setFirstDayOfWeek(Qt::Monday);
            cal->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
            cal->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
            g.widget = cal;
            break;
        }
        case GadgetKind::DatePicker: {
            auto* d = new QDateEdit(QDate::currentDate(), parent);
            d->setCalendarPopup(true);
            d->setDisplayFormat("dd.MM.yyyy");  // as the shop reads a date; text() gives ISO
            g.widget = d;
            break;
        }
        case GadgetKind::ProgressBar: {
            auto* p = new QProgressBar(parent);
            p->setTextVisible(false);
            if (table.flags & kIndeterminate)
                p->setRange(0, 0);
            g.widget = p;
            break;
        }
        case GadgetKind::Frame: {
            auto* f = new QGroupBox(q(table.caption), parent);
            g.widget = f;
            break;
        }
        case GadgetKind::Image: {
            auto* i = new ImagePanel(parent);
            i->setScaledContents(true);
            if (table.flags & kBorder)
                i->setFrameStyle(QFrame::Box | QFrame::Plain);
            g.widget = i;
            break;
        }
        case GadgetKind::CheckBox:
            g.widget = new QCheckBox(q(table.caption), parent);
            break;
    }
    g.widget->setProperty("vandrixGadget", table.number);
}

void Form::connectEvents(Gadget& g) {
    const int n = g.table.number;
    QWidget* w = g.widget;
    auto postEvent = [this, n](EventType type) { post({type, n}); };
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QObject::connect(b, &QAbstractButton::clicked, w,
                         [postEvent] { postEvent(EventType::Click); });
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        const bool upperCase = g.table.flags & kUpperCase;
        QObject::connect(e, &QLineEdit::textEdited, w, [e, upperCase, postEvent](const QString& t) {
            if (upperCase && t != t.toUpper()) {
                int caret = e->cursorPosition();
                e->setText(t.toUpper());
                e->setCursorPosition(caret);
            }
            postEvent(EventType::Change);
        });
    } else if (auto* t = asList(w)) {
        QObject::connect(t, &QTreeWidget::itemSelectionChanged, w,
                         [postEvent] { postEvent(EventType::Change); });
        QObject::connect(t, &QTreeWidget::itemDoubleClicked, w,
                         [postEvent] { postEvent(EventType::DoubleClick); });
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        QObject::connect(c, &QComboBox::activated, w,
                         [postEvent] { postEvent(EventType::Change); });
        // An editable drop-down's field: typing in it changes it, as in a text field.
        if (QLineEdit* field = c->lineEdit()) {
            const bool upperCase = g.table.flags & kUpperCase;
            QObject::connect(field, &QLineEdit::textEdited, w,
                             [field, upperCase, postEvent](const QString& typed) {
                                 if (upperCase && typed != typed.toUpper()) {
                                     int caret = field->cursorPosition();
                                     field->setText(typed.toUpper());
                                     field->setCursorPosition(caret);
                                 }
                                 postEvent(EventType::Change);
                             });
        }
    } else if (auto* i = dynamic_cast<ImagePanel*>(w)) {
        i->onClick = [postEvent] { postEvent(EventType::Click); };
        i->onDoubleClick = [postEvent] { postEvent(EventType::DoubleClick); };
    } else if (auto* tw = qobject_cast<QTabWidget*>(w)) {
        QObject::connect(tw, &QTabWidget::currentChanged, w,
                         [postEvent] { postEvent(EventType::Change); });
    } else if (auto* sb = qobject_cast<QSpinBox*>(w)) {
        QObject::connect(sb, &QSpinBox::valueChanged, w,
                         [postEvent] { postEvent(EventType::Change); });
    } else if (auto* cal = qobject_cast<QCalendarWidget*>(w)) {
        QObject::connect(cal, &QCalendarWidget::selectionChanged, w,
                         [postEvent] { postEvent(EventType::Change); });
    } else if (auto* d = qobject_cast<QDateEdit*>(w)) {
        QObject::connect(d, &QDateEdit::dateChanged, w,
                         [postEvent] { postEvent(EventType::Change); });
    }
}

}  // namespace vandrix::ui
