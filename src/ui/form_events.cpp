// A form's events: its queue of events and of key presses that wait their turn, its keyboard
// shortcuts, and the wait of its loop. Keys reach a field or a shortcut in the order typed,
// however fast they come.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "ui/form.h"
#include "ui/form_gadget.h"
#include "ui/host.h"
#include "ui/runtime.h"

namespace vandrix::ui {

namespace {

std::optional<Key> keyOf(const QKeyEvent& e) {
    const bool keypad = e.modifiers() & Qt::KeypadModifier;
    const int k = e.key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return keypad ? keypadKey(k - Qt::Key_0) : digitKey(k - Qt::Key_0);
    switch (k) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Period:
            return keypad ? Key::KeypadDecimal : Key::Period;
        case Qt::Key_Comma:
            return keypad ? Key::KeypadDecimal : Key::Comma;
        case Qt::Key_Plus:
            if (keypad)
                return Key::KeypadAdd;
            return std::nullopt;
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Execute:
            return Key::Execute;
        default:
            return std::nullopt;
    }
}

// A key press handed to its widget when the form's loop reaches it in the queue; the form lets
// it through at once, since its turn has come.
class ReplayedKeyEvent final : public QKeyEvent {
  public:
    using QKeyEvent::QKeyEvent;
};

}  // namespace

// ---- shortcuts ----

void Form::addShortcut(Key key, int event) {
    shortcuts_[key] = event;
}
void Form::removeShortcut(Key key) {
    shortcuts_.erase(key);
}
void Form::clearShortcuts() {
    shortcuts_.clear();
}

std::optional<int> Form::shortcutFor(Key key) const {
    auto it = shortcuts_.find(key);
    if (it == shortcuts_.end())
        return std::nullopt;
    return it->second;
}

// ---- events ----

void Form::post(const Event& event) {
    if (forwardTo_) {
        forwardTo_->post(event);
        return;
    }
    events_.push_back({event, nullptr});
    runtime_.host().wake();
}

bool Form::takeKeyPress(QWidget* widget, const QKeyEvent& event) {
    if (dynamic_cast<const ReplayedKeyEvent*>(&event))
        return false;
    if (auto key = keyOf(event)) {
        if (auto shortcut = shortcutFor(*key)) {
            post({EventType::Shortcut, *shortcut});
            return true;
        }
    }
    Form& queue = forwardTo_ ? *forwardTo_ : *this;
    if (queue.events_.empty())
        return false;
    queue.events_.push_back({{},
                             std::make_unique<DeferredKey>(DeferredKey{
                                 widget, event.key(), event.modifiers(), event.text(),
                                 event.isAutoRepeat(), static_cast<quint16>(event.count())})});
    return true;
}

std::optional<Event> Form::takeEvent() {
    while (!events_.empty()) {
        Queued next = std::move(events_.front());
        events_.pop_front();
        if (!next.key)
            return next.event;
        // The key's turn: it reaches its widget now, and what the widget raises (a change of
        // the field) queues behind the events already there.
        if (QWidget* target = next.key->widget) {
            ReplayedKeyEvent press(QEvent::KeyPress, next.key->key, next.key->modifiers,
                                   next.key->text, next.key->autoRepeat, next.key->count);
            QCoreApplication::sendEvent(target, &press);
        }
    }
    return std::nullopt;
}

std::optional<Event> Form::wait(int timeoutMs) {
    runtime_.processEvents();
    if (auto e = takeEvent())
        return e;
    return runtime_.host().waitOn(*this, timeoutMs);
}

void Form::forwardEventsTo(Form* target) {
    forwardTo_ = target;
}

void Form::addLinkedForm(Form* other) {
    linked_.push_back(other);
}

}  // namespace vandrix::ui
