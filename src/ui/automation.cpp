// The automation driver: parsing scripts and running their steps against the active window.
#include "ui/automation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTreeWidget>

#include <cstdio>
#include <iostream>
#include <map>
#include <set>

#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::ui {
namespace {

// Steps whose one argument is the rest of the line, as it stands.
const std::set<std::string> kOneArgument = {"click", "dblclick", "type",         "key",
                                            "file",  "wait",     "expect-title", "shot"};
// Steps with "|"-separated arguments, and how many they need at least.
const std::map<std::string, size_t> kSeparated = {
    {"set", 2},    {"select", 2},     {"tick", 2},        {"pick", 2},        {"date", 2},
    {"expect", 2}, {"expect-row", 2}, {"expect-rows", 2}, {"expect-state", 2}};

struct KeyInfo {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

const std::map<std::string, KeyInfo>& keyTable() {
    static const std::map<std::string, KeyInfo> table = [] {
        std::map<std::string, KeyInfo> t = {
            {"Enter", {Qt::Key_Return, Qt::NoModifier, "\r"}},
            {"Escape", {Qt::Key_Escape, Qt::NoModifier, "\x1b"}},
            {"Tab", {Qt::Key_Tab, Qt::NoModifier, "\t"}},
            {"Backspace", {Qt::Key_Backspace, Qt::NoModifier, "\b"}},
            {"Space", {Qt::Key_Space, Qt::NoModifier, " "}},
            {"Up", {Qt::Key_Up, Qt::NoModifier, ""}},
            {"Down", {Qt::Key_Down, Qt::NoModifier, ""}},
            {"Left", {Qt::Key_Left, Qt::NoModifier, ""}},
            {"Right", {Qt::Key_Right, Qt::NoModifier, ""}},
            {"Comma", {Qt::Key_Comma, Qt::NoModifier, ","}},
            {"Period", {Qt::Key_Period, Qt::NoModifier, "."}},
            {"KPDecimal", {Qt::Key_Period, Qt::KeypadModifier, "."}},
            {"KPAdd", {Qt::Key_Plus, Qt::KeypadModifier, "+"}},
            {"Shift", {Qt::Key_Shift, Qt::NoModifier, ""}},
        };
        static const char* digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        for (int d = 0; d < 10; ++d)
            t["KP" + std::to_string(d)] = {Qt::Key_0 + d, Qt::KeypadModifier, digits[d]};
        return t;
    }();
    return table;
}

std::string trimLine(std::string line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool blank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

bool parseInteger(const std::string& text, long& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return end && *end == '\0';
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

void sendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// The key code Qt gives a typed character.
int keyOfCharacter(QChar c) {
    if (c == ' ')
        return Qt::Key_Space;
    ushort u = c.toUpper().unicode();
    return u;
}

}  // namespace

std::vector<std::string> splitArguments(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t bar = text.find('|', start);
        parts.push_back(
            text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string& p = parts[i];
        if (i + 1 < parts.size() && !p.empty() && p.back() == ' ')
            p.pop_back();
        if (i > 0 && !p.empty() && p.front() == ' ')
            p.erase(0, 1);
    }
    return parts;
}

ScriptParse parseScript(const std::string& text) {
    ScriptParse parse;
    int lineNumber = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        std::string line = trimLine(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        ++lineNumber;
        start = end == std::string::npos ? text.size() + 1 : end + 1;
        if (blank(line) || line[0] == '#')
            continue;

        ScriptStep step;
        step.line = lineNumber;
        size_t space = line.find(' ');
        step.verb = line.substr(0, space);
        step.rest = space == std::string::npos ? "" : line.substr(space + 1);
        bool ok = true;
        std::string why;
        if (step.verb == "close") {
            ok = step.rest.empty() || blank(step.rest);
        } else if (kOneArgument.count(step.verb)) {
            long ms = 0;
            if (step.verb == "key" && !keyTable().count(step.rest)) {
                ok = false;
                why = "unknown key '" + step.rest + "'";
            } else if (step.verb == "wait" && (!parseInteger(step.rest, ms) || ms < 0)) {
                ok = false;
                why = "wait needs milliseconds";
            } else if (step.rest.empty() && step.verb != "type") {
                ok = false;
            }
        } else if (auto it = kSeparated.find(step.verb); it != kSeparated.end()) {
            step.args = splitArguments(step.rest);
            ok = step.args.size() >= it->second;
            if (ok && step.verb != "expect-row" && step.verb != "expect" &&
                step.args.size() != it->second)
                ok = false;
        } else {
            ok = false;
            why = "unknown step '" + step.verb + "'";
        }
        if (!ok) {
            parse.errorLine = lineNumber;
            parse.error = why.empty() ? "malformed step '" + line + "'" : why;
            return parse;
        }
        parse.steps.push_back(std::move(step));
    }
    return parse;
}

Automation::Automation(Runtime& runtime, std::vector<ScriptStep> steps)
    : runtime_(runtime), steps_(std::move(steps)) {}

std::optional<Event> Automation::waitOn(Form& form, int timeoutMs) {
    runtime_.setScriptShift(false);
    if (pendingWaitMs_ > 0) {
        std::int64_t slice = std::min<std::int64_t>(pendingWaitMs_, std::max(timeoutMs, 1));
        pendingWaitMs_ -= slice;
        static_cast<platform::ManualClock&>(runtime_.clock()).advance(slice);
        runtime_.processEvents();
        return form.takeEvent();
    }
    while (true) {
        if (next_ >= steps_.size()) {
            std::cerr << "script ended while the program waits for input in window '"
                      << form.title() << "'\n";
            runtime_.exitProcess(3);
        }
        const ScriptStep& step = steps_[next_++];
        bool passesTime = run(step, form);
        runtime_.processEvents();
        if (auto e = form.takeEvent())
            return e;
        if (shiftPending_) {
            // Shift is held for what the window does after this wait, as if no key came.
            shiftPending_ = false;
            runtime_.setScriptShift(true);
            return std::nullopt;
        }
        if (passesTime)
            return waitOn(form, timeoutMs);
    }
}

std::optional<std::string> Automation::answerFileDialog(const std::string& title) {
    if (next_ >= steps_.size()) {
        std::cerr << "script ended while a file dialog '" << title << "' waits\n";
        runtime_.exitProcess(3);
    }
    const ScriptStep& step = steps_[next_++];
    if (step.verb != "file")
        fail(step, "a file dialog is open, the step must be 'file'", nullptr);
    if (step.rest == "CANCEL")
        return std::nullopt;
    return step.rest;
}

void Automation::fail(const ScriptStep& step, const std::string& reason, Form* form) {
    std::cerr << "step at line " << step.line << " failed: " << reason << "\n";
    if (form) {
        std::cerr << "active window: " << form->title() << "\n";
        for (Form* f : {form}) {
            for (const auto& [number, label] : f->describeGadgets())
                std::cerr << "  #" << number << " " << label << "\n";
        }
        for (Form* linked : form->linkedForms())
            for (const auto& [number, label] : linked->describeGadgets())
                std::cerr << "  #" << number << " " << label << "\n";
    }
    runtime_.exitProcess(4);
}

namespace {

struct Target {
    Form* form = nullptr;
    int gadget = -1;
};

Target resolve(Form& form, const std::string& name) {
    if (int n = form.findGadget(name); n >= 0)
        return {&form, n};
    for (Form* linked : form.linkedForms())
        if (int n = linked->findGadget(name); n >= 0)
            return {linked, n};
    return {};
}

}  // namespace

void Automation::typeText(Form& form, const std::string& text) {
    QString chars = q(text);
    for (QChar c : chars) {
        QWidget* target = form.window()->focusWidget();
        if (!target)
            target = form.window();
        sendKey(target, keyOfCharacter(c), Qt::NoModifier, QString(c));
        runtime_.processEvents();
    }
}

bool Automation::run(const ScriptStep& step, Form& form) {
    const std::string& verb = step.verb;
    auto need = [&](const std::string& name, bool mustBeActive) -> Target {
        Target t = resolve(form, name);
        if (!t.form)
            fail(step, "no gadget '" + name + "' in the active window", &form);
        if (mustBeActive && (!t.form->isEnabled(t.gadget) || !t.form->isVisible(t.gadget)))
            fail(step, "gadget '" + name + "' is disabled or hidden", &form);
        return t;
    };

    if (verb == "click") {
        Target t = need(step.rest, true);
        QWidget* w = t.form->widget(t.gadget);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->click();
        } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
            t.form->setFocus(t.gadget);
            t.form->post({EventType::Focus, t.gadget});
        } else {
            t.form->post({EventType::Click, t.gadget});
        }
        return false;
    }
    if (verb == "dblclick") {
        Target t = need(step.rest, true);
        if (t.form->kind(t.gadget) == GadgetKind::ListView && t.form->selectedRow(t.gadget) < 0)
            fail(step, "list '" + step.rest + "' has no selected row", &form);
        t.form->post({EventType::DoubleClick, t.gadget});
        return false;
    }
    if (verb == "type") {
        typeText(form, step.rest);
        return false;
    }
    if (verb == "key") {
        const KeyInfo& k = keyTable().at(step.rest);
        if (k.key == Qt::Key_Shift) {
            shiftPending_ = true;
            return true;
        }
        QWidget* target = form.window()->focusWidget();
        if (!target)
            target = form.window();
        sendKey(target, k.key, k.modifiers, QString::fromLatin1(k.text));
        return false;
    }
    if (verb == "set") {
        Target t = need(step.args[0], true);
        QWidget* w = t.form->widget(t.gadget);
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            // As selecting all and typing would: the field's own rules apply to the new text.
            e->setFocus();
            e->selectAll();
            QString typed = q(step.args[1]);
            if (t.form->flags(t.gadget) & kUpperCase)
                typed = typed.toUpper();
            e->setText(typed);
            t.form->post({EventType::Change, t.gadget});
        } else if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable()) {
            c->setEditText(q(step.args[1]));
            t.form->post({EventType::Change, t.gadget});
        } else {
            t.form->setText(t.gadget, step.args[1]);
            t.form->post({EventType::Change, t.gadget});
        }
        return false;
    }
    if (verb == "select" || verb == "tick") {
        Target t = need(step.args[0], true);
        long row = 0;
        if (!parseInteger(step.args[1], row))
            fail(step, "row must be a number", &form);
        if (row >= t.form->rowCount(t.gadget) || row < (verb == "select" ? -1 : 0))
            fail(step, "list '" + step.args[0] + "' has no row " + step.args[1], &form);
        if (verb == "tick") {
            t.form->setChecked(t.gadget, row, !t.form->isChecked(t.gadget, row));
            t.form->selectRow(t.gadget, row);
            t.form->post({EventType::Click, t.gadget});
        } else {
            t.form->selectRow(t.gadget, row);
            t.form->post({EventType::Change, t.gadget});
        }
        return false;
    }
    if (verb == "pick") {
        Target t = need(step.args[0], true);
        auto* c = qobject_cast<QComboBox*>(t.form->widget(t.gadget));
        int index = c ? c->findText(q(step.args[1])) : -1;
        if (index < 0)
            fail(step, "no item '" + step.args[1] + "' in '" + step.args[0] + "'", &form);
        c->setCurrentIndex(index);
        t.form->post({EventType::Change, t.gadget});
        return false;
    }
    if (verb == "date") {
        Target t = need(step.args[0], true);
        QDate date = QDate::fromString(q(step.args[1]), "yyyy-MM-dd");
        if (!date.isValid())
            fail(step, "not a date: " + step.args[1], &form);
        t.form->setText(t.gadget, step.args[1]);
        t.form->post({EventType::Change, t.gadget});
        return false;
    }
    if (verb == "close") {
        form.post({EventType::Close, -1});
        return false;
    }
    if (verb == "file")
        fail(step, "no file dialog is open", &form);
    if (verb == "wait") {
        pendingWaitMs_ = std::stoll(step.rest);
        return true;
    }
    if (verb == "expect") {
        std::string expected = step.args[1];
        for (size_t i = 2; i < step.args.size(); ++i)
            expected += "|" + step.args[i];
        std::string actual;
        if (step.args[0] == "status" && form.findGadget("status") < 0 &&
            form.statusFieldCount() > 0) {
            actual = form.statusText(form.statusFieldCount() - 1);
        } else {
            Target t = need(step.args[0], false);
            actual = captionAsOneLine(t.form->text(t.gadget));
        }
        if (actual != expected)
            fail(step, "'" + step.args[0] + "' holds '" + actual + "', expected '" + expected + "'",
                 &form);
        return false;
    }
    if (verb == "expect-row") {
        Target t = need(step.args[0], false);
        long row = 0;
        if (!parseInteger(step.args[1], row) || row < 0 || row >= t.form->rowCount(t.gadget))
            fail(step, "list '" + step.args[0] + "' has no row " + step.args[1], &form);
        for (size_t i = 2; i < step.args.size(); ++i) {
            std::string actual = t.form->cell(t.gadget, row, static_cast<int>(i - 2));
            if (actual != step.args[i])
                fail(step,
                     "cell " + std::to_string(i - 2) + " of row " + step.args[1] + " is '" +
                         actual + "', expected '" + step.args[i] + "'",
                     &form);
        }
        return false;
    }
    if (verb == "expect-rows") {
        Target t = need(step.args[0], false);
        std::string actual = std::to_string(t.form->rowCount(t.gadget));
        if (actual != step.args[1])
            fail(step,
                 "list '" + step.args[0] + "' has " + actual + " rows, expected " + step.args[1],
                 &form);
        return false;
    }
    if (verb == "expect-state") {
        Target t = need(step.args[0], false);
        const std::string& state = step.args[1];
        bool ok = false;
        if (state == "enabled")
            ok = t.form->isEnabled(t.gadget);
        else if (state == "disabled")
            ok = !t.form->isEnabled(t.gadget);
        else if (state == "shown")
            ok = t.form->isVisible(t.gadget);
        else if (state == "hidden")
            ok = !t.form->isVisible(t.gadget);
        else
            fail(step, "unknown state '" + state + "'", &form);
        if (!ok)
            fail(step, "'" + step.args[0] + "' is not " + state, &form);
        return false;
    }
    if (verb == "expect-title") {
        if (form.title() != step.rest)
            fail(step, "the title is '" + form.title() + "', expected '" + step.rest + "'", &form);
        return false;
    }
    if (verb == "shot") {
        runtime_.processEvents();
        QPixmap picture = form.window()->grab();
        if (!picture.save(q(step.rest), "PNG"))
            fail(step, "cannot save " + step.rest, &form);
        return false;
    }
    fail(step, "unknown step", &form);
}

}  // namespace vandrix::ui
