// What the form's files share: the gadget record, the waiting key press and the small conversions
// between the program's texts and Qt's.
#pragma once

#include <QPointer>
#include <QString>
#include <QTreeWidget>

#include <string>

#include "ui/form.h"

namespace vandrix::ui {

struct Form::Gadget {
    GadgetSpec table;
    QWidget* widget = nullptr;
    int handle = 0;
};

// A key press that waits in the form's queue for its turn.
struct Form::DeferredKey {
    QPointer<QWidget> widget;  // null once the widget is deleted: the key is then dropped
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool autoRepeat;
    quint16 count;
};

namespace detail {

inline QString q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string s(const QString& q) {
    return q.toStdString();
}

// A caption's line breaks as Qt draws them.
inline QString displayText(const std::string& caption) {
    QString text = q(caption);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}

inline QTreeWidget* asList(QWidget* w) {
    return qobject_cast<QTreeWidget*>(w);
}

}  // namespace detail
}  // namespace vandrix::ui
