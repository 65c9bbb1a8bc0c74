// The window runtime: the one object that owns the application's windowing (Qt), the scale
// factors and fonts, the colour scheme, the clock, the host of the run (interactive, or the
// automation driver) and the transcript. The shell creates it at start and passes it to every
// window.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "ui/colour_scheme.h"
#include "ui/text_image.h"

class QApplication;
class QFont;
class QWidget;

namespace vandrix::ui {

class Form;
class Host;
class ShortcutFilter;

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct RuntimeOptions {
    std::string scriptPath;      // non-empty: run offscreen, input from this script
    std::string transcriptPath;  // where the transcript goes ("" for none)
};

class Runtime {
  public:
    Runtime(int& argc, char** argv, const RuntimeOptions& options);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    // False when the script could not be read or has a line that is not a step; the reason is
    // on standard error and the exit status is scriptError().
    bool ready() const { return ready_; }
    int scriptError() const { return scriptError_; }
    // True for a scripted run: for what a run reports about itself; behaviour that differs
    // goes through the host.
    bool scripted() const;
    // Chosen once at start with the clock: the cash desk, or the script's automation driver.
    Host& host() { return *host_; }

    platform::Clock& clock() { return *clock_; }
    ColourScheme& colours() { return colours_; }

    // Scale factors: design x and widths times scaleX, y, heights and font heights times scaleY.
    double scaleX = 1, scaleY = 1;
    int scaledX(int v) const;
    int scaledY(int v) const;

    // The default font of all gadgets.
    FontSpec defaultFont{"Lucida Console", 16, false};
    QFont font(const FontSpec& fontSpec) const;

    // The desktop's work area (the screen without the task bar).
    Rect workArea() const;
    // Standard window metrics used to size the backdrop.
    int fixedFrameWidth() const { return 3; }
    int captionHeight() const { return 23; }

    // The Shift key state (in a scripted run: held for the event after a "key Shift" step).
    bool shiftHeld() const;

    // The clipboard.
    void setClipboardText(const std::string& text);
    std::string clipboardText() const;

    // A file-open dialog; nullopt when cancelled. In a scripted run the next "file" step answers.
    // `folder` is where it opens (a file's path there chooses that file); `pattern` holds label
    // and pattern pairs separated by "|" ("articole.csv|articole.csv").
    std::optional<std::string> chooseFile(const std::string& title, const std::string& folder,
                                          const std::string& pattern);

    // Hands a file or an address to its associated program; in a scripted run it is recorded in
    // the transcript instead of started.
    void shellOpen(const std::string& pathOrAddress);
    // Records an outside program being started.
    void noteRun(const std::string& program, const std::string& arguments);
    // Records an outside program and starts it detached; a scripted run only records it.
    void startProgram(const std::string& program, const std::vector<std::string>& arguments);

    // One line of the transcript (UTF-8; CR and LF inside written as \r and \n).
    void transcript(const std::string& line);
    static std::string transcriptText(const std::string& text);

    // Lets pending window events run without waiting.
    void processEvents();
    // A pause that only paces the program (accelerated in a scripted run); windows stay live.
    void pause(int ms);

    // A plain system message box (only the start-up refusals use it).
    void systemMessage(const std::string& text, const std::string& title);

    // Ends the process now with the given status, after the transcript is flushed.
    [[noreturn]] void exitProcess(int status);

    // Forms register themselves while they exist.
    void registerForm(Form* form);
    void unregisterForm(Form* form);
    Form* formOfWidget(QWidget* widget) const;
    // A process-wide number for each gadget, the key of the colour map.
    int nextGadgetHandle() { return ++lastHandle_; }

  private:
    friend class DimLayer;
    int dimDepth_ = 0;
    QWidget* dimWidget_ = nullptr;
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<platform::Clock> clock_;
    std::unique_ptr<Host> host_;
    std::unique_ptr<ShortcutFilter> shortcutFilter_;
    ColourScheme colours_;
    std::vector<Form*> forms_;
    int lastHandle_ = 0;
    bool ready_ = true;
    int scriptError_ = 0;
    std::FILE* transcriptFile_ = nullptr;
    std::string screenConfig_;
};

}  // namespace vandrix::ui
