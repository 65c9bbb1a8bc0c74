// Serial ports: the customer display and the scales. A port is named as the settings name it:
// "COMn" is the n-th serial device of the system (here /dev/ttyS<n-1>); a name that begins with
// "/" is a device path and is used as written (a USB adapter's /dev/ttyUSB0, a pseudo-terminal).
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace vandrix::platform {

struct SerialSettings {
    int baud = 9600;
    char parity = 'N';  // 'N', 'E' or 'O'
    int dataBits = 8;
    int stopBits = 1;
};

class SerialPort {
  public:
    // nullptr when the port cannot be opened.
    static std::unique_ptr<SerialPort> open(const std::string& name,
                                            const SerialSettings& settings);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int bytesWaiting();                    // bytes received and not read yet
    std::string read(std::size_t most);    // what is waiting, at most `most` bytes
    bool write(const std::string& bytes);  // all of them, in one write

  private:
    explicit SerialPort(int fd) : fd_(fd) {}
    int fd_;
};

// The device path of a port name ("COM1" -> "/dev/ttyS0"; "/dev/x" stays).
std::string serialDevicePath(const std::string& name);

}  // namespace vandrix::platform
