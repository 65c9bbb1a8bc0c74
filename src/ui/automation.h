// The automation driver: the host of a scripted run. It runs the program's windows from a
// script of steps, one step each time a window waits for the user's input, so every window can
// be driven offscreen and in tests.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "ui/gadget.h"
#include "ui/host.h"

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

class Automation final : public Host {
  public:
    // Pauses and "wait" steps move the given clock, the run's manual clock.
    Automation(Runtime& runtime, platform::ManualClock& clock, std::vector<ScriptStep> steps);

    bool scripted() const override { return true; }
    // Runs steps until one raises an event of the form (returned) or lets time pass (nullopt).
    // Ends the process with status 3 when the script has run out and with status 4 when a step
    // fails.
    std::optional<Event> waitOn(Form& form, int timeoutMs) override;
    void wake() override {}
    // Moves the clock at once; windows get their pending events.
    void pause(int ms) override;
    // Held for the event after a "key Shift" step.
    bool shiftHeld() const override { return shiftHeld_; }
    // The next step must be "file PATH" or "file CANCEL".
    std::optional<std::string> chooseFile(const std::string& title, const std::string& folder,
                                          const std::string& pattern) override;
    // Recorded in the transcript only: a script never starts programs or shows system boxes.
    void openWithAssociatedProgram(const std::string&) override {}
    void startDetached(const std::string&, const std::vector<std::string>&) override {}
    void showSystemMessage(const std::string&, const std::string&) override {}

  private:
    Runtime& runtime_;
    platform::ManualClock& clock_;
    std::vector<ScriptStep> steps_;
    size_t next_ = 0;
    std::int64_t pendingWaitMs_ = 0;
    bool shiftPending_ = false;  // a "key Shift" step ran: Shift is held for the next event
    bool shiftHeld_ = false;
};

}  // namespace vandrix::ui
