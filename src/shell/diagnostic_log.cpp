// The diagnostic log on a rotating file sink of its own. The logger is held by the log object
// and never registered in the library's process-wide registry, so several programs (tests
// side by side) keep their own files.
#include "shell/diagnostic_log.h"

#include <spdlog/logger.h>
#include <spdlog/sinks/rotating_file_sink.h>

namespace vandrix::shell {

DiagnosticLog::DiagnosticLog() = default;
DiagnosticLog::~DiagnosticLog() = default;

bool DiagnosticLog::open(const std::string& path) noexcept {
    logger_.reset();
    try {
        auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(path, kMaxFileBytes,
                                                                           kOlderFiles);
        auto logger = std::make_shared<spdlog::logger>("vandrix", std::move(sink));
        logger->set_pattern("%Y-%m-%d %H:%M:%S [%l] %v");
        logger->set_level(spdlog::level::info);
        logger->flush_on(spdlog::level::info);
        // A failed write (disk full, file removed) is dropped quietly: the log must never
        // disturb the sale, nor write to a console the cashier cannot see.
        logger->set_error_handler([](const std::string&) {});
        logger_ = std::move(logger);
        return true;
    } catch (...) {
        return false;
    }
}

void DiagnosticLog::write(int level, const std::string& text) noexcept {
    if (!logger_)
        return;
    try {
        logger_->log(static_cast<spdlog::level::level_enum>(level), "{}", text);
    } catch (...) {
    }
}

void DiagnosticLog::error(const std::string& text) noexcept {
    write(spdlog::level::err, text);
}

void DiagnosticLog::warning(const std::string& text) noexcept {
    write(spdlog::level::warn, text);
}

void DiagnosticLog::info(const std::string& text) noexcept {
    write(spdlog::level::info, text);
}

}  // namespace vandrix::shell
