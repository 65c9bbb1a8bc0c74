// The label printer's commands over a device, a network printer or a file.
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/label_printer.h"
#include "platform/utf8.h"

namespace vandrix::platform {

namespace {

// A TCP connection to host:port within the time; -1 when none.
int connectTo(const std::string& host, const std::string& port, int seconds) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0)
        return -1;
    int fd = -1;
    for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
        fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        if (::connect(fd, a->ai_addr, a->ai_addrlen) == 0)
            continue;  // connected at once
        bool connected = false;
        if (errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int error = 0;
            socklen_t length = sizeof error;
            connected = ::poll(&p, 1, seconds * 1000) == 1 &&
                        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
        }
        if (!connected) {
            ::close(fd);
            fd = -1;
        }
    }
    ::freeaddrinfo(found);
    return fd;
}

}  // namespace

std::string tsplText(const std::string& utf8) {
    std::string out;
    for (char32_t c : decodeUtf8(utf8)) {
        if (c == U'"')
            out += "\\[\"]";
        else
            out.push_back(plainCharacter(c));
    }
    return out;
}

std::string labelPrinterPort(const std::string& setting) {
    return setting.empty() || setting == "USB" ? "/dev/usb/lp0" : setting;
}

LabelPrinter::~LabelPrinter() {
    close();
}

void LabelPrinter::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

int LabelPrinter::openport(const std::string& port) {
    close();
    failed_ = false;
    const std::string target = labelPrinterPort(port);
    const std::size_t colon = target.rfind(':');
    if (target[0] != '/' && colon != std::string::npos) {
        fd_ = connectTo(target.substr(0, colon), target.substr(colon + 1), limitSeconds);
    } else {
        struct stat st {};
        const bool device = ::stat(target.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
        fd_ = device ? ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)
                     : ::open(target.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    }
    failed_ = fd_ < 0;
    return failed_ ? 0 : 1;
}

int LabelPrinter::send(const std::string& command) {
    if (failed_ || fd_ < 0)
        return 0;
    const std::string line = command + "\r\n";
    std::size_t sent = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(limitSeconds);
    while (sent < line.size()) {
        const ssize_t n = ::write(fd_, line.data() + sent, line.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p{fd_, POLLOUT, 0};
            if (left.count() > 0 && ::poll(&p, 1, static_cast<int>(left.count())) == 1)
                continue;
        }
        failed_ = true;  // off, unplugged or full: nothing more of this label
        close();
        return 0;
    }
    return 1;
}

int LabelPrinter::setup(const std::string& width, const std::string& height,
                        const std::string& speed, const std::string& density,
                        const std::string& sensor, const std::string& vertical,
                        const std::string& offset) {
    const bool mark = sensor == "1";
    return send("SIZE " + width + " mm," + height + " mm") &
           send(std::string(mark ? "BLINE " : "GAP ") + vertical + " mm," + offset + " mm") &
           send("SPEED " + speed) & send("DENSITY " + density);
}

int LabelPrinter::clearbuffer() {
    return send("CLS");
}

int LabelPrinter::printerfont(const std::string& x, const std::string& y, const std::string& font,
                              const std::string& rotation, const std::string& xMultiplier,
                              const std::string& yMultiplier, const std::string& text) {
    return send("TEXT " + x + "," + y + ",\"" + font + "\"," + rotation + "," + xMultiplier + "," +
                yMultiplier + ",\"" + tsplText(text) + "\"");
}

int LabelPrinter::barcode(const std::string& x, const std::string& y, const std::string& type,
                          const std::string& height, const std::string& readable,
                          const std::string& rotation, const std::string& narrow,
                          const std::string& wide, const std::string& code) {
    return send("BARCODE " + x + "," + y + ",\"" + type + "\"," + height + "," + readable + "," +
                rotation + "," + narrow + "," + wide + ",\"" + tsplText(code) + "\"");
}

int LabelPrinter::printlabel(const std::string& sets, const std::string& copies) {
    return send("PRINT " + sets + "," + copies);
}

}  // namespace vandrix::platform
