// The customer display: a thread that sends the two lines the sale sets whenever they change,
// sends them again every 5 seconds (a display that lost a command is right again), and, for the
// fiscal printers that drive a display of their own (ZF80, TM80), mirrors them into
// "display.txt" for the printer's driver.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace vandrix::shell {
struct Application;
class DisplayLines;
}  // namespace vandrix::shell
namespace vandrix::platform {
class SerialPort;
}

namespace vandrix::devices {

// One turn of the display's work at a moment, apart from the thread and the port, so its
// timing can be tested on a clock of the test's own.
class DisplayLoop {
  public:
    using Send = std::function<void(const std::string& bytes)>;
    struct Options {
        bool escpos = false;
        bool mirror = false;     // write "display.txt" (ZF80, TM80)
        std::string mirrorCopy;  // where the mirror is copied ("<ServerDir>/../Display/...")
    };
    DisplayLoop(shell::DisplayLines& lines, Send send, Options options)
        : lines_(lines), send_(std::move(send)), options_(std::move(options)) {}

    // Sends what changed, and everything again once the refresh is due.
    void step(std::int64_t nowMs);
    // The lines last sent (each 20 characters).
    const std::string& sent(int line) const { return line == 1 ? sent1_ : sent2_; }

  private:
    void sendLine(const std::string& text, int line);
    shell::DisplayLines& lines_;
    Send send_;
    Options options_;
    std::string sent1_, sent2_, mirrored1_, mirrored2_;
    bool first_ = true;
    std::int64_t lastRefresh_ = 0;
};

class CustomerDisplay {
  public:
    CustomerDisplay();
    ~CustomerDisplay();  // stops the thread
    CustomerDisplay(const CustomerDisplay&) = delete;
    CustomerDisplay& operator=(const CustomerDisplay&) = delete;

    // Opens the display's port (when set) and starts the thread when the port opened or the
    // fiscal printer drives a display; sets app.displayPortOpen.
    void start(shell::Application& app);

    // The same from the settings' values: the port ("" for none), ESC/POS or not, the mirror
    // (and where it is copied, "" for nowhere). True when the port opened.
    struct Setup {
        std::string port;
        DisplayLoop::Options options;
    };
    bool start(shell::DisplayLines& lines, const Setup& setup);
    // Waits until the lines set last (the pause text) were sent, then stops the thread.
    void finish();

  private:
    void run();
    std::unique_ptr<platform::SerialPort> port_;
    std::unique_ptr<DisplayLoop> loop_;
    std::thread thread_;
    std::atomic<bool> stopping_{false};
    std::atomic<bool> flushRequested_{false};
    std::atomic<bool> flushed_{false};
};

}  // namespace vandrix::devices
