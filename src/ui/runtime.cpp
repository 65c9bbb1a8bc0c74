// The window runtime: Qt's application object, keyboard shortcuts, fonts, the clock, the host
// of the run and the transcript.
#include "ui/runtime.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "ui/automation.h"
#include "ui/form.h"
#include "ui/interactive_host.h"

namespace vandrix::ui {

namespace {

// A scripted run has no desktop: the offscreen platform's notes about what it cannot do (raise a
// window, find a runtime folder) say nothing about the program, so they are left out.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith("This plugin does not support") ||
        message.startsWith("QStandardPaths: XDG_RUNTIME_DIR"))
        return;
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << "\n";
}

}  // namespace

// Hands every key press on a form's window to the form before the focused gadget sees it:
// the window's keyboard shortcuts take their keys, and keys typed while the form still has
// events to take wait their turn behind them. Real typing and the automation's typing alike.
class ShortcutFilter : public QObject {
  public:
    explicit ShortcutFilter(Runtime& runtime) : runtime_(runtime) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        Form* form = runtime_.formOfWidget(widget->window());
        return form && form->takeKeyPress(widget, *static_cast<QKeyEvent*>(event));
    }

  private:
    Runtime& runtime_;
};

Runtime::Runtime(int& argc, char** argv, const RuntimeOptions& options) {
    if (!options.transcriptPath.empty())
        transcriptFile_ =
            std::fopen(platform::toPlatformPath(options.transcriptPath).c_str(), "wb");

    if (!options.scriptPath.empty()) {
        auto text = platform::readWholeFile(options.scriptPath);
        if (!text) {
            std::cerr << "cannot read the script " << options.scriptPath << "\n";
            ready_ = false;
            scriptError_ = 5;
            return;
        }
        ScriptParse parse = parseScript(*text);
        if (parse.errorLine) {
            std::cerr << "line " << parse.errorLine << " is not a step: " << parse.error << "\n";
            ready_ = false;
            scriptError_ = 5;
            return;
        }
        // A scripted run has no screen of its own: it runs offscreen on a screen the size of a
        // cash desk's (1024 x 768, or VANDRIX_SCREEN=WxH), on a clock that jumps over pauses.
        int screenWidth = 1024, screenHeight = 768;
        if (std::string size = platform::environmentVariable("VANDRIX_SCREEN"); !size.empty())
            std::sscanf(size.c_str(), "%dx%d", &screenWidth, &screenHeight);
        screenConfig_ = platform::temporaryFolder() + "vandrix-screen-" +
                        std::to_string(platform::processId()) + ".json";
        if (!platform::writeWholeFile(
                screenConfig_, "{\"screens\":[{\"name\":\"Casa\",\"x\":0,\"y\":0,\"width\":" +
                                   std::to_string(screenWidth) +
                                   ",\"height\":" + std::to_string(screenHeight) +
                                   ",\"logicalDpi\":96,\"logicalBaseDpi\":96,\"dpr\":1}]}"))
            std::cerr << "cannot write the offscreen screen's description " << screenConfig_
                      << "\n";
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screenConfig_.c_str());
        qInstallMessageHandler(quietOffscreenNotes);
        std::time_t start = std::time(nullptr);
        if (std::string fixed = platform::environmentVariable("VANDRIX_CLOCK_START");
            !fixed.empty()) {
            std::time_t t = platform::parseLocalTime(fixed);
            if (t >= 0)
                start = t;
        }
        auto clock = std::make_unique<platform::ManualClock>(start);
        host_ = std::make_unique<Automation>(*this, *clock, std::move(parse.steps));
        clock_ = std::move(clock);
    } else {
        clock_ = std::make_unique<platform::SystemClock>();
        host_ = std::make_unique<InteractiveHost>(*this);
    }
    app_ = std::make_unique<QApplication>(argc, argv);
    if (!screenConfig_.empty())
        platform::deleteFile(screenConfig_);
    QApplication::setQuitOnLastWindowClosed(false);
    shortcutFilter_ = std::make_unique<ShortcutFilter>(*this);
    app_->installEventFilter(shortcutFilter_.get());
}

Runtime::~Runtime() {
    if (app_)
        app_->removeEventFilter(shortcutFilter_.get());
    if (transcriptFile_)
        std::fclose(transcriptFile_);
}

int Runtime::scaledX(int v) const {
    return static_cast<int>(std::lround(v * scaleX));
}
int Runtime::scaledY(int v) const {
    return static_cast<int>(std::lround(v * scaleY));
}

QFont Runtime::font(const FontSpec& fontSpec) const {
    QFont f(QString::fromStdString(fontSpec.family));
    // Faces that are not installed fall back to one of the same kind, so layouts keep their
    // proportions: a monospace face for "Lucida Console", a sans one otherwise.
    if (fontSpec.family == "Lucida Console" || fontSpec.family == "Courier New") {
        f.setStyleHint(QFont::TypeWriter, QFont::PreferQuality);
        f.setFamilies({QString::fromStdString(fontSpec.family), "DejaVu Sans Mono", "monospace"});
    } else {
        f.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
        f.setFamilies({QString::fromStdString(fontSpec.family), "DejaVu Sans", "sans-serif"});
    }
    f.setPointSize(std::max(1, fontSpec.height));
    f.setBold(fontSpec.bold);
    return f;
}

Rect Runtime::workArea() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0, 800, 600};
    QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

bool Runtime::scripted() const {
    return host_ && host_->scripted();
}

bool Runtime::shiftHeld() const {
    return host_->shiftHeld();
}

void Runtime::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string Runtime::clipboardText() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

std::optional<std::string> Runtime::chooseFile(const std::string& title, const std::string& folder,
                                               const std::string& pattern) {
    return host_->chooseFile(title, folder, pattern);
}

void Runtime::shellOpen(const std::string& pathOrAddress) {
    transcript("shell-open " + pathOrAddress);
    host_->openWithAssociatedProgram(pathOrAddress);
}

void Runtime::noteRun(const std::string& program, const std::string& arguments) {
    transcript("run " + program + (arguments.empty() ? "" : " " + arguments));
}

void Runtime::startProgram(const std::string& program, const std::vector<std::string>& arguments) {
    std::string line;
    for (const auto& a : arguments)
        line += (line.empty() ? "" : " ") + a;
    noteRun(program, line);
    host_->startDetached(program, arguments);
}

std::string Runtime::transcriptText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out.push_back(c);
    }
    return out;
}

void Runtime::transcript(const std::string& line) {
    if (!transcriptFile_)
        return;
    std::string text = transcriptText(line) + "\n";
    std::fwrite(text.data(), 1, text.size(), transcriptFile_);
    std::fflush(transcriptFile_);
}

void Runtime::processEvents() {
    if (app_)
        QApplication::processEvents(QEventLoop::AllEvents);
}

void Runtime::pause(int ms) {
    host_->pause(ms);
}

void Runtime::systemMessage(const std::string& text, const std::string& title) {
    std::cerr << title << ": " << text << "\n";
    transcript("message " + title + " | " + text + " | 0");
    if (host_)
        host_->showSystemMessage(text, title);
}

void Runtime::exitProcess(int status) {
    if (transcriptFile_)
        std::fflush(transcriptFile_);
    std::fflush(stdout);
    std::fflush(stderr);
    platform::exitImmediately(status);
}

void Runtime::registerForm(Form* form) {
    forms_.push_back(form);
}

void Runtime::unregisterForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

Form* Runtime::formOfWidget(QWidget* widget) const {
    for (Form* f : forms_)
        if (f->window() == widget)
            return f;
    return nullptr;
}

}  // namespace vandrix::ui
