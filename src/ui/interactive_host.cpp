// The host of a run at the cash desk: windows wait on Qt's event loop, pauses take their time
// on the system clock, and dialogs, outside programs and message boxes are real.
#include "ui/interactive_host.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>

#include "platform/system.h"
#include "ui/form.h"
#include "ui/runtime.h"

namespace vandrix::ui {

InteractiveHost::InteractiveHost(Runtime& runtime) : runtime_(runtime) {}

std::optional<Event> InteractiveHost::waitOn(Form& form, int timeoutMs) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    // Nested windows wait in nested loops; an event ends the innermost one.
    QEventLoop* outer = waitingLoop_;
    waitingLoop_ = &loop;
    loop.exec();
    waitingLoop_ = outer;
    return form.takeEvent();
}

void InteractiveHost::wake() {
    if (waitingLoop_)
        waitingLoop_->quit();
}

void InteractiveHost::pause(int ms) {
    platform::Clock& clock = runtime_.clock();
    const std::int64_t end = clock.elapsedMs() + ms;
    while (clock.elapsedMs() < end) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        clock.sleepMs(static_cast<int>(std::min<std::int64_t>(10, end - clock.elapsedMs())));
    }
}

bool InteractiveHost::shiftHeld() const {
    return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

std::optional<std::string> InteractiveHost::chooseFile(const std::string& title,
                                                       const std::string& folder,
                                                       const std::string& pattern) {
    // The pattern comes as label and pattern pairs, "label|pattern|label|pattern"; Qt's dialog
    // takes "label (pattern)" filters separated by ";;".
    const QStringList parts = QString::fromStdString(pattern).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + parts[i + 1] + ")";
    QString chosen = QFileDialog::getOpenFileName(
        nullptr, QString::fromStdString(title), QString::fromStdString(folder), filters.join(";;"));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

void InteractiveHost::openWithAssociatedProgram(const std::string& pathOrAddress) {
    platform::openWithAssociatedProgram(pathOrAddress);
}

void InteractiveHost::startDetached(const std::string& program,
                                    const std::vector<std::string>& arguments) {
    platform::startDetached(program, arguments, "");
}

void InteractiveHost::showSystemMessage(const std::string& text, const std::string& title) {
    if (QApplication::instance())
        QMessageBox::critical(nullptr, QString::fromStdString(title), QString::fromStdString(text));
}

}  // namespace vandrix::ui
