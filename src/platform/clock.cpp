// System and manual clocks, and local-time formatting.
#include "platform/clock.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace vandrix::platform {

std::int64_t SystemClock::elapsedMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::time_t SystemClock::now() {
    return std::time(nullptr);
}

void SystemClock::sleepMs(int ms) {
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

std::string formatLocalTime(const std::string& pattern, std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    struct Token {
        const char* text;
        int value;
        int width;
    };
    const Token tokens[] = {
        {"%yyyy", tm.tm_year + 1900, 4}, {"%yy", (tm.tm_year + 1900) % 100, 2},
        {"%mm", tm.tm_mon + 1, 2},       {"%dd", tm.tm_mday, 2},
        {"%hh", tm.tm_hour, 2},          {"%ii", tm.tm_min, 2},
        {"%ss", tm.tm_sec, 2},
    };
    std::string out;
    for (size_t i = 0; i < pattern.size();) {
        bool matched = false;
        for (const auto& token : tokens) {
            std::string_view name(token.text);
            if (pattern.compare(i, name.size(), name) == 0) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "%0*d", token.width, token.value);
                out += buffer;
                i += name.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            out.push_back(pattern[i++]);
    }
    return out;
}

std::time_t parseLocalTime(const std::string& text) {
    std::tm tm{};
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &tm.tm_year, &tm.tm_mon, &tm.tm_mday,
                    &tm.tm_hour, &tm.tm_min, &tm.tm_sec, &consumed) != 6 ||
        consumed != static_cast<int>(text.size()))
        return -1;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

}  // namespace vandrix::platform
