// A pseudo-terminal for the device tests: the program opens its device path as a serial port,
// the test plays the device on the other end.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace vandrix::testing {

class PseudoTerminal {
  public:
    PseudoTerminal() {
        int slave = -1;
        char name[256] = {};
        if (::openpty(&master_, &slave, name, nullptr, nullptr) == 0) {
            termios t{};
            ::tcgetattr(slave, &t);
            ::cfmakeraw(&t);
            ::tcsetattr(slave, TCSANOW, &t);
            path_ = name;
            // The slave stays open here too, so the device keeps its settings and its input
            // between the program's openings.
            slave_ = slave;
        }
    }
    ~PseudoTerminal() {
        if (slave_ >= 0)
            ::close(slave_);
        if (master_ >= 0)
            ::close(master_);
    }
    const std::string& path() const { return path_; }

    // The device's side: what the program sent within the time, and what the device says.
    std::string read(int milliseconds) {
        std::string bytes;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{master_, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0)
                continue;
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0)
                bytes.append(buffer, static_cast<std::size_t>(n));
        }
        return bytes;
    }
    void write(const std::string& bytes) {
        [[maybe_unused]] ssize_t n = ::write(master_, bytes.data(), bytes.size());
    }
    // Drops what the program sent and was not read yet... and what the device said.
    void drain() { ::tcflush(slave_, TCIOFLUSH); }

  private:
    int master_ = -1, slave_ = -1;
    std::string path_;
};

}  // namespace vandrix::testing
