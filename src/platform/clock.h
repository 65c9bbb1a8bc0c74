// The clock the program reads: wall time for stamps and file names, milliseconds for waits and
// periodic work. Tests and scripted runs replace it with a clock that only moves when told.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace vandrix::platform {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::int64_t elapsedMs() = 0;  // monotonic milliseconds
    virtual std::time_t now() = 0;         // wall time, seconds since 1970
    virtual void sleepMs(int ms) = 0;      // a pause that only paces the program
};

class SystemClock final : public Clock {
  public:
    std::int64_t elapsedMs() override;
    std::time_t now() override;
    void sleepMs(int ms) override;
};

// A clock that moves only through sleepMs and advance: pauses pass at once, so a scripted run
// takes about a second, and the order of what happens stays the same. Wall time starts at the
// given moment and moves with the milliseconds.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(std::time_t start) : start_(start) {}
    std::int64_t elapsedMs() override { return elapsed_; }
    std::time_t now() override { return start_ + static_cast<std::time_t>(elapsed_ / 1000); }
    void sleepMs(int ms) override { advance(ms); }
    void advance(std::int64_t ms) { elapsed_ += ms > 0 ? ms : 0; }

  private:
    std::time_t start_;
    std::int64_t elapsed_ = 0;
};

// Local-time formatting with the program's tokens: %yyyy, %yy, %mm, %dd, %hh, %ii, %ss.
std::string formatLocalTime(const std::string& pattern, std::time_t t);

// "%yyyy-%mm-%dd %hh:%ii:%ss", the form of every time stamp stored in the database.
inline std::string databaseStamp(std::time_t t) {
    return formatLocalTime("%yyyy-%mm-%dd %hh:%ii:%ss", t);
}

// Reads "YYYY-MM-DD HH:MM:SS" as local time; -1 when the text is not of that form.
std::time_t parseLocalTime(const std::string& text);

}  // namespace vandrix::platform
