// Writing the one-off driver files in the working folder and moving them into the watched
// folder: report requests, cash in and out, and the tip receipt.
#include "fiscal/printer_files.h"
#include "fiscal/printer_records.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "shell/settings.h"

namespace vandrix::fiscal {
namespace {

constexpr int kPauseMs = 25;

// Writes the file complete in the working folder, then moves it under its final name. Returns
// the delivered path, or "" when either step failed (the written file then stays behind).
std::string deliver(const DriverFile& file, const shell::Settings& settings,
                    platform::Clock* clock) {
    if (file.target.empty())
        return {};
    const std::string folder = settings.baseFolder.empty()
                                   ? platform::currentFolderWithSeparator()
                                   : platform::toPlatformPath(settings.baseFolder);
    const std::string path = platform::joinPath(folder, file.name);
    if (!platform::writeLines(path, file.lines))
        return {};
    if (clock != nullptr)
        clock->sleepMs(kPauseMs);
    if (!platform::moveFile(path, file.target))
        return {};
    return file.target;
}

}  // namespace

std::string writeReportRequest(int kind, long period, const shell::Settings& settings,
                               platform::Clock& clock) {
    if (settings.fiscal == 0)
        return {};
    return deliver(reportRequestFile(kind, period, settings), settings, &clock);
}

std::string writeCashMovement(int direction, const std::string& amount, const std::string& stamp,
                              const shell::Settings& settings) {
    return deliver(cashMovementFile(direction, amount, stamp, settings), settings, nullptr);
}

std::string writeTipFile(const sale::Row& tipLine, long period, const std::string& cui,
                         const std::string& freeText, const std::string& stamp,
                         const shell::Settings& settings) {
    return deliver(tipReceiptFile(tipLine, period, cui, freeText, stamp, settings), settings,
                   nullptr);
}

}  // namespace vandrix::fiscal
