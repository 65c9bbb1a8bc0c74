// The automation driver: parsing scripts and running their steps against the active window.
// Every step is one row of the step table: its verb, how its arguments are read and its handler.
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

#include <chrono>
#include <thread>

#include <cstdio>
#include <iostream>
#include <map>
#include <string_view>

#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::ui {
namespace {

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

namespace {

// Ends the run with status 4: the step, the reason, and the active window with its gadgets.
[[noreturn]] void failStep(Runtime& runtime, const ScriptStep& step, const std::string& reason,
                           Form* form) {
    std::cerr << "step at line " << step.line << " failed: " << reason << "\n";
    if (form) {
        std::cerr << "active window: " << form->title() << "\n";
        for (const auto& [number, label] : form->describeGadgets())
            std::cerr << "  #" << number << " " << label << "\n";
        for (Form* linked : form->linkedForms())
            for (const auto& [number, label] : linked->describeGadgets())
                std::cerr << "  #" << number << " " << label << "\n";
    }
    runtime.exitProcess(4);
}

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

// What a step's handler works on: the step, the active window and the driver's state.
struct StepRun {
    const ScriptStep& step;
    Form& form;
    Runtime& runtime;
    std::int64_t& pendingWaitMs;
    bool& shiftPending;

    [[noreturn]] void fail(const std::string& reason) const {
        failStep(runtime, step, reason, &form);
    }
    // The gadget a step names; a step that acts on it needs it enabled and shown.
    Target need(const std::string& name, bool mustBeActive) const {
        Target t = resolve(form, name);
        if (!t.form)
            fail("no gadget '" + name + "' in the active window");
        if (mustBeActive && (!t.form->isEnabled(t.gadget) || !t.form->isVisible(t.gadget)))
            fail("gadget '" + name + "' is disabled or hidden");
        return t;
    }
    QWidget* focusedWidget() const {
        QWidget* target = form.window()->focusWidget();
        return target ? target : form.window();
    }
};

// What follows a step: the window's loop takes the events it raised, or time passes first.
enum class After { Events, PassesTime };

After runClick(StepRun& r) {
    Target t = r.need(r.step.rest, true);
    QWidget* w = t.form->widget(t.gadget);
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->click();
    } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) {
        t.form->setFocus(t.gadget);
        t.form->post({EventType::Focus, t.gadget});
    } else {
        t.form->post({EventType::Click, t.gadget});
    }
    return After::Events;
}

After runDoubleClick(StepRun& r) {
    Target t = r.need(r.step.rest, true);
    if (t.form->kind(t.gadget) == GadgetKind::ListView && t.form->selectedRow(t.gadget) < 0)
        r.fail("list '" + r.step.rest + "' has no selected row");
    t.form->post({EventType::DoubleClick, t.gadget});
    return After::Events;
}

// Each character as a key press to the focused gadget, through the window's shortcuts.
After runType(StepRun& r) {
    for (QChar c : q(r.step.rest)) {
        sendKey(r.focusedWidget(), keyOfCharacter(c), Qt::NoModifier, QString(c));
        r.runtime.processEvents();
    }
    return After::Events;
}

After runKey(StepRun& r) {
    const KeyInfo& k = keyTable().at(r.step.rest);
    if (k.key == Qt::Key_Shift) {
        r.shiftPending = true;
        return After::PassesTime;
    }
    sendKey(r.focusedWidget(), k.key, k.modifiers, QString::fromLatin1(k.text));
    return After::Events;
}

After runSet(StepRun& r) {
    Target t = r.need(r.step.args[0], true);
    QWidget* w = t.form->widget(t.gadget);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        // As selecting all and typing would: the field's own rules apply to the new text.
        e->setFocus();
        e->selectAll();
        QString typed = q(r.step.args[1]);
        if (t.form->flags(t.gadget) & kUpperCase)
            typed = typed.toUpper();
        e->setText(typed);
    } else if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable()) {
        c->setEditText(q(r.step.args[1]));
    } else {
        t.form->setText(t.gadget, r.step.args[1]);
    }
    t.form->post({EventType::Change, t.gadget});
    return After::Events;
}

After runSelectOrTick(StepRun& r) {
    const bool tick = r.step.verb == "tick";
    Target t = r.need(r.step.args[0], true);
    long row = 0;
    if (!parseInteger(r.step.args[1], row))
        r.fail("row must be a number");
    if (row >= t.form->rowCount(t.gadget) || row < (tick ? 0 : -1))
        r.fail("list '" + r.step.args[0] + "' has no row " + r.step.args[1]);
    const int index = static_cast<int>(row);
    if (tick) {
        t.form->setChecked(t.gadget, index, !t.form->isChecked(t.gadget, index));
        t.form->selectRow(t.gadget, index);
        t.form->post({EventType::Click, t.gadget});
    } else {
        t.form->selectRow(t.gadget, index);
        t.form->post({EventType::Change, t.gadget});
    }
    return After::Events;
}

After runPick(StepRun& r) {
    Target t = r.need(r.step.args[0], true);
    auto* c = qobject_cast<QComboBox*>(t.form->widget(t.gadget));
    int index = c ? c->findText(q(r.step.args[1])) : -1;
    if (index < 0)
        r.fail("no item '" + r.step.args[1] + "' in '" + r.step.args[0] + "'");
    c->setCurrentIndex(index);
    t.form->post({EventType::Change, t.gadget});
    return After::Events;
}

After runDate(StepRun& r) {
    Target t = r.need(r.step.args[0], true);
    QDate date = QDate::fromString(q(r.step.args[1]), "yyyy-MM-dd");
    if (!date.isValid())
        r.fail("not a date: " + r.step.args[1]);
    t.form->setText(t.gadget, r.step.args[1]);
    t.form->post({EventType::Change, t.gadget});
    return After::Events;
}

After runClose(StepRun& r) {
    r.form.post({EventType::Close, -1});
    return After::Events;
}

After runFile(StepRun& r) {
    r.fail("no file dialog is open");
}

After runWait(StepRun& r) {
    r.pendingWaitMs = std::stoll(r.step.rest);
    return After::PassesTime;
}

After runExpect(StepRun& r) {
    const auto& args = r.step.args;
    std::string expected = args[1];
    for (size_t i = 2; i < args.size(); ++i)
        expected += "|" + args[i];
    std::string actual;
    if (args[0] == "status" && r.form.findGadget("status") < 0 && r.form.statusFieldCount() > 0) {
        actual = r.form.statusText(r.form.statusFieldCount() - 1);
    } else {
        Target t = r.need(args[0], false);
        actual = captionAsOneLine(t.form->text(t.gadget));
    }
    if (actual != expected)
        r.fail("'" + args[0] + "' holds '" + actual + "', expected '" + expected + "'");
    return After::Events;
}

After runExpectRow(StepRun& r) {
    const auto& args = r.step.args;
    Target t = r.need(args[0], false);
    long row = 0;
    if (!parseInteger(args[1], row) || row < 0 || row >= t.form->rowCount(t.gadget))
        r.fail("list '" + args[0] + "' has no row " + args[1]);
    for (size_t i = 2; i < args.size(); ++i) {
        std::string actual = t.form->cell(t.gadget, static_cast<int>(row), static_cast<int>(i - 2));
        if (actual != args[i])
            r.fail("cell " + std::to_string(i - 2) + " of row " + args[1] + " is '" + actual +
                   "', expected '" + args[i] + "'");
    }
    return After::Events;
}

After runExpectRows(StepRun& r) {
    const auto& args = r.step.args;
    Target t = r.need(args[0], false);
    std::string actual = std::to_string(t.form->rowCount(t.gadget));
    if (actual != args[1])
        r.fail("list '" + args[0] + "' has " + actual + " rows, expected " + args[1]);
    return After::Events;
}

After runExpectState(StepRun& r) {
    const auto& args = r.step.args;
    Target t = r.need(args[0], false);
    const std::string& state = args[1];
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
        r.fail("unknown state '" + state + "'");
    if (!ok)
        r.fail("'" + args[0] + "' is not " + state);
    return After::Events;
}

After runExpectTitle(StepRun& r) {
    if (r.form.title() != r.step.rest)
        r.fail("the title is '" + r.form.title() + "', expected '" + r.step.rest + "'");
    return After::Events;
}

After runShot(StepRun& r) {
    r.runtime.processEvents();
    QPixmap picture = r.form.window()->grab();
    if (!picture.save(q(r.step.rest), "PNG"))
        r.fail("cannot save " + r.step.rest);
    return After::Events;
}

// How a step's arguments are read.
enum class Arguments {
    None,       // nothing after the verb
    Rest,       // the rest of the line after the verb and one space, as it stands
    Separated,  // "|"-separated, one space on each side of a "|" belonging to the separator
};

// A reason why a step's argument is wrong ("" when it is fine).
std::string checkKey(const ScriptStep& step) {
    return keyTable().count(step.rest) ? "" : "unknown key '" + step.rest + "'";
}
std::string checkMilliseconds(const ScriptStep& step) {
    long ms = 0;
    return parseInteger(step.rest, ms) && ms >= 0 ? "" : "wait needs milliseconds";
}

constexpr size_t kAnyCount = 0;

struct StepKind {
    std::string_view verb;
    Arguments arguments;
    size_t minCount;                          // Separated: the arguments needed at least
    size_t maxCount;                          // Separated: at most (kAnyCount: no limit)
    bool mayBeEmpty;                          // Rest: an empty argument is allowed
    std::string (*check)(const ScriptStep&);  // nullptr: any argument
    After (*run)(StepRun&);
};

const StepKind kSteps[] = {
    {"click", Arguments::Rest, 0, 0, false, nullptr, runClick},
    {"dblclick", Arguments::Rest, 0, 0, false, nullptr, runDoubleClick},
    {"type", Arguments::Rest, 0, 0, true, nullptr, runType},
    {"key", Arguments::Rest, 0, 0, false, checkKey, runKey},
    {"set", Arguments::Separated, 2, 2, false, nullptr, runSet},
    {"select", Arguments::Separated, 2, 2, false, nullptr, runSelectOrTick},
    {"tick", Arguments::Separated, 2, 2, false, nullptr, runSelectOrTick},
    {"pick", Arguments::Separated, 2, 2, false, nullptr, runPick},
    {"date", Arguments::Separated, 2, 2, false, nullptr, runDate},
    {"close", Arguments::None, 0, 0, false, nullptr, runClose},
    {"file", Arguments::Rest, 0, 0, false, nullptr, runFile},
    {"wait", Arguments::Rest, 0, 0, false, checkMilliseconds, runWait},
    {"expect", Arguments::Separated, 2, kAnyCount, false, nullptr, runExpect},
    {"expect-row", Arguments::Separated, 2, kAnyCount, false, nullptr, runExpectRow},
    {"expect-rows", Arguments::Separated, 2, 2, false, nullptr, runExpectRows},
    {"expect-state", Arguments::Separated, 2, 2, false, nullptr, runExpectState},
    {"expect-title", Arguments::Rest, 0, 0, false, nullptr, runExpectTitle},
    {"shot", Arguments::Rest, 0, 0, false, nullptr, runShot},
};

const StepKind* findStep(std::string_view verb) {
    for (const StepKind& kind : kSteps)
        if (kind.verb == verb)
            return &kind;
    return nullptr;
}

// Reads a step's arguments by its kind; a reason when they are wrong ("malformed" when there
// is nothing more to say, "" when they are fine).
std::string readArguments(const StepKind& kind, ScriptStep& step) {
    switch (kind.arguments) {
        case Arguments::None:
            return blank(step.rest) ? "" : "malformed";
        case Arguments::Rest:
            if (kind.check)
                if (std::string why = kind.check(step); !why.empty())
                    return why;
            return step.rest.empty() && !kind.mayBeEmpty ? "malformed" : "";
        case Arguments::Separated:
            step.args = splitArguments(step.rest);
            if (step.args.size() < kind.minCount ||
                (kind.maxCount != kAnyCount && step.args.size() > kind.maxCount))
                return "malformed";
            return "";
    }
    return "malformed";
}

}  // namespace

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
        std::string why;
        if (const StepKind* kind = findStep(step.verb))
            why = readArguments(*kind, step);
        else
            why = "unknown step '" + step.verb + "'";
        if (!why.empty()) {
            parse.errorLine = lineNumber;
            parse.error = why == "malformed" ? "malformed step '" + line + "'" : why;
            return parse;
        }
        parse.steps.push_back(std::move(step));
    }
    return parse;
}

Automation::Automation(Runtime& runtime, platform::ManualClock& clock,
                       std::vector<ScriptStep> steps)
    : runtime_(runtime), clock_(clock), steps_(std::move(steps)) {}

std::optional<Event> Automation::waitOn(Form& form, int timeoutMs) {
    shiftHeld_ = false;
    if (pendingWaitMs_ > 0) {
        std::int64_t slice = std::min<std::int64_t>(pendingWaitMs_, std::max(timeoutMs, 1));
        pendingWaitMs_ -= slice;
        clock_.advance(slice);
        // The time passes for the program's own threads too (the customer display's).
        std::this_thread::sleep_for(std::chrono::milliseconds(slice));
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
        StepRun run{step, form, runtime_, pendingWaitMs_, shiftPending_};
        const After after = findStep(step.verb)->run(run);
        runtime_.processEvents();
        if (auto e = form.takeEvent())
            return e;
        if (shiftPending_) {
            // Shift is held for what the window does after this wait, as if no key came.
            shiftPending_ = false;
            shiftHeld_ = true;
            return std::nullopt;
        }
        if (after == After::PassesTime)
            return waitOn(form, timeoutMs);
    }
}

void Automation::pause(int ms) {
    clock_.sleepMs(ms);
    runtime_.processEvents();
}

std::optional<std::string> Automation::chooseFile(const std::string& title, const std::string&,
                                                  const std::string&) {
    if (next_ >= steps_.size()) {
        std::cerr << "script ended while a file dialog '" << title << "' waits\n";
        runtime_.exitProcess(3);
    }
    const ScriptStep& step = steps_[next_++];
    if (step.verb != "file")
        failStep(runtime_, step, "a file dialog is open, the step must be 'file'", nullptr);
    if (step.rest == "CANCEL")
        return std::nullopt;
    return step.rest;
}

}  // namespace vandrix::ui
