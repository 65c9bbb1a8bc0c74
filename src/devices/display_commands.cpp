// The customer display's commands.
#include "devices/display_commands.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "devices/scale.h"
#include "platform/utf8.h"

namespace vandrix::devices {

std::string displayBytes(const std::string& utf8) {
    std::string out;
    for (char32_t c : platform::decodeUtf8(utf8))
        out.push_back(c <= 255 ? static_cast<char>(c) : platform::plainCharacter(c));
    return out;
}

std::string twentyCharacters(const std::string& text) {
    std::string bytes = displayBytes(text);
    bytes.resize(20, ' ');
    return bytes;
}

std::string lineCommand(const std::string& text, int line, bool escpos) {
    std::string bytes = displayBytes(text);
    if (escpos) {
        if (bytes.size() > 20)
            bytes.resize(20);
        return (line == 1 ? "0B 18 1B 51 " : "0B 0A 18 1B 51 ") + hexDump(bytes) + "0D 1F 42";
    }
    return "1B 51 4" + std::to_string(line) + " " + hexDump(bytes) + "0D";
}

std::string hexToBytes(const std::string& hex) {
    std::string text;
    for (char c : hex)
        text.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    for (const std::string remove : {"$", "0X"})
        for (auto at = text.find(remove); at != std::string::npos; at = text.find(remove))
            text.erase(at, remove.size());
    std::istringstream fields(text);
    std::string field, bytes;
    while (fields >> field && bytes.size() < 256) {
        char* end = nullptr;
        const long value = std::strtol(field.c_str(), &end, 16);
        if (*end == '\0' && value >= 0 && value <= 255)
            bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

}  // namespace vandrix::devices
