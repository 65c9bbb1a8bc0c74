// The diagnostic log: a small rotating file beside the database that keeps, with the time, the
// cause of every failure the program meets, those the cashier is shown and those she is not.
// Writing to it never throws and never stops the program: a log that cannot be opened or
// written simply records nothing.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace spdlog {
class logger;
}

namespace vandrix::shell {

class DiagnosticLog {
  public:
    static constexpr const char* kFileName = "vandrix.log";
    // The current file grows to this size, then becomes "vandrix.1.log" (the older one
    // "vandrix.2.log"), so the log never takes more than three such files.
    static constexpr std::size_t kMaxFileBytes = 1024 * 1024;
    static constexpr std::size_t kOlderFiles = 2;

    DiagnosticLog();
    ~DiagnosticLog();
    DiagnosticLog(const DiagnosticLog&) = delete;
    DiagnosticLog& operator=(const DiagnosticLog&) = delete;

    // Opens (or creates) the log file at path and appends to it; false when it cannot be
    // opened, and the log then stays silent. Opening again replaces the file in use.
    bool open(const std::string& path) noexcept;
    bool isOpen() const noexcept { return logger_ != nullptr; }

    // One line each: the time, the level and the text. Every line reaches the file at once, so
    // a crash right after it does not lose it.
    void error(const std::string& text) noexcept;
    void warning(const std::string& text) noexcept;
    void info(const std::string& text) noexcept;

  private:
    void write(int level, const std::string& text) noexcept;
    std::shared_ptr<spdlog::logger> logger_;
};

}  // namespace vandrix::shell
