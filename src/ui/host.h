// The host of a run: what differs between a cashier at the desk and a script driving the
// program. The runtime chooses one at start, as it chooses the clock, and asks it wherever the
// two kinds of run behave differently: how a window waits for input, how long a pause takes,
// who answers a file dialog, and whether outside programs and system message boxes really
// start or are only recorded.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/gadget.h"

namespace vandrix::ui {

class Form;
class Runtime;

class Host {
  public:
    virtual ~Host() = default;

    // True for a scripted run; for what a run reports about itself, never to choose behaviour.
    virtual bool scripted() const = 0;

    // The wait of a form's loop once the form has no queued event: the next event of the form,
    // or nullopt when the time ran out (or the script let time pass) without one.
    virtual std::optional<Event> waitOn(Form& form, int timeoutMs) = 0;
    // An event was queued on some form: an interactive wait ends so that its loop takes it.
    virtual void wake() = 0;
    // A pause that only paces the program; windows stay live.
    virtual void pause(int ms) = 0;
    // The Shift key state.
    virtual bool shiftHeld() const = 0;

    // A file-open dialog; nullopt when cancelled.
    virtual std::optional<std::string> chooseFile(const std::string& title,
                                                  const std::string& folder,
                                                  const std::string& pattern) = 0;
    // Hands a file or an address to its associated program (the transcript already has it).
    virtual void openWithAssociatedProgram(const std::string& pathOrAddress) = 0;
    // Starts an outside program detached (the transcript already has it).
    virtual void startDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
    // Shows a start-up refusal in a system message box (standard error and the transcript
    // already have it).
    virtual void showSystemMessage(const std::string& text, const std::string& title) = 0;
};

}  // namespace vandrix::ui
