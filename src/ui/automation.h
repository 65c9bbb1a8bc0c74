// The automation driver: runs the program's windows from a script of steps, one step each time
// a window waits for the user's input, so every window can be driven offscreen and in tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/gadget.h"

namespace vandrix::ui {

class Form;
class Runtime;

struct ScriptStep {
    int line = 0;
    std::string verb;
    std::string rest;               // the text after the verb and one space
    std::vector<std::string> args;  // for the steps whose arguments are separated by "|"
};

struct ScriptParse {
    std::vector<ScriptStep> steps;
    int errorLine = 0;  // a line that is not a step (0 when every line is one)
    std::string error;
};

// Reads a script: blank lines and lines that begin with '#' are skipped.
ScriptParse parseScript(const std::string& text);

// Splits "T | TEXT | ..." at each "|", where one space on each side of a "|" belongs to the
// separator and every other space is part of the text.
std::vector<std::string> splitArguments(const std::string& text);

class Automation {
  public:
    Automation(Runtime& runtime, std::vector<ScriptStep> steps);

    // The wait of a form's loop: runs steps until one raises an event of the form (returned) or
    // lets time pass (nullopt). Ends the process with status 3 when the script has run out and
    // with status 4 when a step fails.
    std::optional<Event> waitOn(Form& form, int timeoutMs);

    // A file-open dialog: the next step must be "file PATH" or "file CANCEL".
    std::optional<std::string> answerFileDialog(const std::string& title);

  private:
    // Runs one step on the active form; true when it lets time pass instead of raising events.
    bool run(const ScriptStep& step, Form& form);
    [[noreturn]] void fail(const ScriptStep& step, const std::string& reason, Form* form);
    void typeText(Form& form, const std::string& text);

    Runtime& runtime_;
    std::vector<ScriptStep> steps_;
    size_t next_ = 0;
    std::int64_t pendingWaitMs_ = 0;
    bool shiftPending_ = false;
};

}  // namespace vandrix::ui
