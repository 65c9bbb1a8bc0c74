// The program's own dialogs: the message box, the input box, the timed message and the
// copyable message. Callers use this interface, so tests can give the answers.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "shell/dialog_layout.h"

namespace vandrix::ui {
class Form;
class Runtime;
}  // namespace vandrix::ui

namespace vandrix::shell {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // OK (also when closed), RENUNTA, DA or NU; the numbers 0, 2, 6, 7 are the transcript's.
    virtual DialogResult message(const std::string& text, const std::string& title,
                                 DialogFlags flags) = 0;
    // Returns "Ok|text", "Yes|text", "No|text" or "Cancel|text"; closing the box asks
    // "Inchidem?": DA ends the program, NU returns the text alone.
    virtual std::string input(const std::string& text, const std::string& title,
                              const std::string& initial, DialogFlags flags) = 0;
    // Shows the text without buttons for the given time (or until closed); returns 0.
    virtual int timedMessage(const std::string& text, const std::string& title, DialogFlags flags,
                             int milliseconds) = 0;
    // Returns 1 when it closed because the time ran out, 0 otherwise. Mode 1 names the second
    // button "Iesire" instead of "Copy".
    virtual int copyableMessage(const std::string& title, const std::string& text, int milliseconds,
                                int mode) = 0;
    // Shows the text without buttons while the work runs (a once-only task of some seconds the
    // user must not mistake for a hang); returns the work's result.
    virtual bool whileShowing(const std::string& text, const std::string& title,
                              const std::function<bool()>& work) = 0;
};

// The dialogs on screen, built with the window runtime.
class ScreenDialogs final : public Dialogs {
  public:
    explicit ScreenDialogs(ui::Runtime& runtime) : runtime_(runtime) {}
    DialogResult message(const std::string& text, const std::string& title,
                         DialogFlags flags) override;
    std::string input(const std::string& text, const std::string& title, const std::string& initial,
                      DialogFlags flags) override;
    int timedMessage(const std::string& text, const std::string& title, DialogFlags flags,
                     int milliseconds) override;
    int copyableMessage(const std::string& title, const std::string& text, int milliseconds,
                        int mode) override;
    bool whileShowing(const std::string& text, const std::string& title,
                      const std::function<bool()>& work) override;

  private:
    ui::Runtime& runtime_;
};

// The window of a message box, input box or timed message as it shows on screen (size, text,
// field, buttons, fonts and colours), built without waiting for an answer, for checks of what
// it shows.
enum class DialogKind { Message, Input, Timed };
std::unique_ptr<ui::Form> buildDialogWindow(ui::Runtime& runtime, DialogKind kind,
                                            const std::string& text, const std::string& title,
                                            DialogFlags flags);

}  // namespace vandrix::shell
