// The scale's protocols.
#include "devices/scale.h"

#include <cstdio>
#include <thread>

#include "platform/serial_port.h"
#include "shell/money.h"
#include "shell/settings.h"

namespace vandrix::devices {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kDigiBuffer = 32;
constexpr std::size_t kAcsBuffer = 256;

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Byte n (from 1) of a dump, as its two hexadecimal digits.
std::string byteAt(const std::string& dump, std::size_t n) {
    const std::size_t at = (n - 1) * 3;
    return at + 2 <= dump.size() ? dump.substr(at, 2) : "";
}

char charOf(const std::string& hex) {
    return static_cast<char>(std::strtol(hex.c_str(), nullptr, 16));
}

// One DIGI exchange: the request, then what the scale sends until it falls silent, at most the
// buffer's 32 bytes (the rest of a longer answer is not waited for).
std::string readDigi(platform::SerialPort& port, Clock::time_point deadline) {
    pause(250);
    port.write(std::string("\x05\x11\x0B", 3));
    pause(250);
    std::string answer;
    while (Clock::now() < deadline && answer.size() < kDigiBuffer) {
        const int waiting = port.bytesWaiting();
        pause(25);
        if (waiting <= 0)
            break;
        answer += port.read(kDigiBuffer - answer.size());
    }
    return hexDump(answer);
}

}  // namespace

std::string hexDump(const std::string& bytes) {
    std::string dump;
    char two[4];
    for (unsigned char b : bytes) {
        std::snprintf(two, sizeof two, "%02X ", b);
        dump += two;
    }
    return dump;
}

bool isStatusWord(const std::string& reading) {
    return reading == "BAD DATA" || reading == "NOT STABLE" || reading == "OVERWEIGHT" ||
           reading == "NEGATIVE";
}

std::string parseDigi(const std::string& dump) {
    const std::size_t start = dump.find("01 02");
    const std::size_t end = dump.find("03 04");
    if (start == std::string::npos || end == std::string::npos || end < start)
        return "BAD DATA";
    const std::string frame = dump.substr(start, end - start + 5);
    const std::string kind = byteAt(frame, 3);
    if (kind == "55")
        return "NOT STABLE";
    if (kind != "53")
        return "";
    const std::string sign = byteAt(frame, 4);
    if (sign == "2D")
        return "NEGATIVE";
    if (sign == "46")
        return "OVERWEIGHT";
    if (sign != "20")
        return "";
    std::string weight;
    for (std::size_t n = 4; n <= 10; ++n) {
        const std::string b = byteAt(frame, n);
        if (b.empty())
            return "";
        weight.push_back(charOf(b));
    }
    return shell::trim(weight);
}

std::optional<std::string> parseAcs(const std::string& rawDump) {
    const std::size_t first = rawDump.find("FF");
    if (first == std::string::npos || first % 3 != 0)
        return std::nullopt;
    std::string dump = rawDump.substr(first);
    if (byteAt(dump, 1) == "FF" && byteAt(dump, 15) == "FF")
        dump = dump.substr(0, 14 * 3);
    if (dump.size() != 14 * 3 || byteAt(dump, 1) != "FF")
        return std::nullopt;
    const std::string status = byteAt(dump, 2);
    if (status == "1C")
        return std::string("NEGATIVE");
    if (status == "34")
        return std::string("OVERWEIGHT");
    const std::string grams = byteAt(dump, 5) + byteAt(dump, 4) + byteAt(dump, 3);
    for (char c : grams)
        if (c < '0' || c > '9')
            return std::string("BAD DATA");
    return shell::formatScaled(std::stoll(grams), 3);
}

std::string quantityOfReading(const std::string& reading) {
    if (isStatusWord(reading))
        return "0.000";
    auto value = shell::parseScaled(reading, 3);
    return shell::formatScaled(value ? *value : 0, 3);
}

std::optional<std::string> readWeight(const std::string& scaleSetting,
                                      std::chrono::milliseconds limit) {
    const std::string port = shell::trim(shell::field(scaleSetting, ',', 1));
    const std::string protocol = shell::upper(shell::trim(shell::field(scaleSetting, ',', 2)));
    if (protocol != "DIGI" && protocol != "ACS")
        return std::nullopt;
    const auto deadline = Clock::now() + limit;
    std::string reading;
    if (protocol == "DIGI") {
        // Asked until a weight comes, within the limit; a port that does not open ends it.
        do {
            pause(25);
            auto serial = platform::SerialPort::open(port, {});
            if (!serial)
                return std::string("0.000");
            reading = parseDigi(readDigi(*serial, deadline));
        } while (isStatusWord(reading) && Clock::now() < deadline);
    } else {
        // Read until a whole frame comes, within the limit.
        while (Clock::now() < deadline) {
            auto serial = platform::SerialPort::open(port, {});
            if (!serial)
                return std::string("0.000");
            pause(275);
            const auto parsed = parseAcs(hexDump(serial->read(kAcsBuffer)));
            if (parsed) {
                reading = *parsed;
                break;
            }
        }
    }
    return quantityOfReading(reading);
}

}  // namespace vandrix::devices
