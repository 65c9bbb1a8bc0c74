// Serial ports through termios.
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/serial_port.h"

namespace vandrix::platform {

namespace {

speed_t speedOf(int baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B9600;
    }
}

}  // namespace

std::string serialDevicePath(const std::string& name) {
    if (!name.empty() && name[0] == '/')
        return name;
    if (name.size() > 3 && name.compare(0, 3, "COM") == 0) {
        const int n = std::atoi(name.c_str() + 3);
        if (n >= 1)
            return "/dev/ttyS" + std::to_string(n - 1);
    }
    return "";
}

std::unique_ptr<SerialPort> SerialPort::open(const std::string& name,
                                             const SerialSettings& settings) {
    const std::string path = serialDevicePath(name);
    if (path.empty())
        return nullptr;
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    termios t{};
    if (::tcgetattr(fd, &t) == 0) {
        ::cfmakeraw(&t);
        ::cfsetispeed(&t, speedOf(settings.baud));
        ::cfsetospeed(&t, speedOf(settings.baud));
        t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
        t.c_cflag |= CLOCAL | CREAD;
        t.c_cflag |= settings.dataBits == 7 ? CS7 : CS8;
        if (settings.parity == 'E' || settings.parity == 'O')
            t.c_cflag |= PARENB | (settings.parity == 'O' ? PARODD : 0);
        if (settings.stopBits == 2)
            t.c_cflag |= CSTOPB;
        t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
        ::tcsetattr(fd, TCSANOW, &t);
    }
    return std::unique_ptr<SerialPort>(new SerialPort(fd));
}

SerialPort::~SerialPort() {
    ::close(fd_);
}

int SerialPort::bytesWaiting() {
    int waiting = 0;
    return ::ioctl(fd_, FIONREAD, &waiting) == 0 ? waiting : 0;
}

std::string SerialPort::read(std::size_t most) {
    std::string bytes(most, '\0');
    const ssize_t n = ::read(fd_, bytes.data(), most);
    bytes.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return bytes;
}

bool SerialPort::write(const std::string& bytes) {
    std::size_t sent = 0;
    int waits = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN && ++waits < 100) {
            ::usleep(1000);  // the output buffer is full: a moment for the device
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace vandrix::platform
