// The customer display's thread.
#include "devices/customer_display.h"

#include <chrono>

#include "devices/display_commands.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/serial_port.h"
#include "platform/text_file.h"
#include "shell/application.h"
#include "shell/settings.h"

namespace vandrix::devices {

namespace {

constexpr std::int64_t kRefreshMs = 5000;
constexpr int kWaitMs = 25;

std::int64_t steadyMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

void DisplayLoop::sendLine(const std::string& text, int line) {
    if (send_)
        send_(hexToBytes(lineCommand(text, line, options_.escpos)));
}

void DisplayLoop::step(std::int64_t nowMs) {
    if (first_) {
        first_ = false;
        lastRefresh_ = nowMs;
    }
    // Both lines copied in one locked step: never half of an update.
    const auto [line1, line2] = lines_.get();
    const std::string text1 = twentyCharacters(line1), text2 = twentyCharacters(line2);
    if (text1 != sent1_) {
        sendLine(text1, 1);
        sent1_ = text1;
    }
    if (text2 != sent2_) {
        sendLine(text2, 2);
        sent2_ = text2;
    }
    const long holdOff = lines_.holdOff();
    if (holdOff == shell::DisplayLines::kRestartRefresh) {
        lastRefresh_ = nowMs;
        lines_.setHoldOff(0);
        return;
    }
    if (nowMs - lastRefresh_ <= kRefreshMs + holdOff)
        return;
    lines_.setHoldOff(0);
    if (options_.mirror && (sent1_ != mirrored1_ || sent2_ != mirrored2_)) {
        if (platform::writeLines("display.txt", {sent1_, sent2_}, platform::Encoding::Utf8) &&
            (options_.mirrorCopy.empty() ||
             platform::copyFile("display.txt", options_.mirrorCopy))) {
            mirrored1_ = sent1_;
            mirrored2_ = sent2_;
        }
    }
    sendLine(sent1_, 1);
    sendLine(sent2_, 2);
    lastRefresh_ = nowMs;
}

CustomerDisplay::CustomerDisplay() = default;

CustomerDisplay::~CustomerDisplay() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

void CustomerDisplay::start(shell::Application& app) {
    const shell::Settings& s = app.settings;
    Setup setup;
    setup.port = s.displayPort;
    setup.options.escpos = s.displayType == "ESCPOS";
    setup.options.mirror = s.tipAmef == "ZF80" || s.tipAmef == "TM80";
    if (!s.serverDir.empty()) {
        const std::string folder = platform::joinPath(s.serverDir, "../Display/");
        if (platform::isDirectory(folder))
            setup.options.mirrorCopy = platform::joinPath(folder, "display.txt");
    }
    app.displayPortOpen = start(app.display, setup);
    if (!s.displayPort.empty() && !app.displayPortOpen)
        app.log.error("the customer display's port " + s.displayPort + " did not open");
}

bool CustomerDisplay::start(shell::DisplayLines& lines, const Setup& setup) {
    if (!setup.port.empty()) {
        platform::SerialSettings serial;
        serial.stopBits = 2;
        port_ = platform::SerialPort::open(setup.port, serial);
    }
    if (!port_ && !setup.options.mirror)
        return false;  // nothing to show the lines on: no thread
    platform::SerialPort* port = port_.get();
    loop_ = std::make_unique<DisplayLoop>(
        lines,
        [port](const std::string& bytes) {
            if (port)
                port->write(bytes);
        },
        setup.options);
    thread_ = std::thread([this] { run(); });
    return port_ != nullptr;
}

void CustomerDisplay::run() {
    while (!stopping_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kWaitMs));
        const bool flushing = flushRequested_;
        loop_->step(steadyMs());
        if (flushing)
            flushed_ = true;
    }
}

void CustomerDisplay::finish() {
    if (thread_.joinable()) {
        // One whole turn after the request: the lines set before it are out.
        flushRequested_ = true;
        for (int i = 0; i < 200 && !flushed_; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        stopping_ = true;
        thread_.join();
    }
}

}  // namespace vandrix::devices
