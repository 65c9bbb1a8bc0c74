// Writing a paid receipt's three files into the user's temporary folder and delivering them
// into the folders that the driver and the note printers watch.
#include "fiscal/printer_files.h"

#include "fiscal/printer_records.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/system.h"
#include "shell/settings.h"

namespace vandrix::fiscal {
namespace {

using platform::joinPath;
using platform::toPlatformPath;

constexpr int kPauseMs = 25;

std::string inFolder(const std::string& folder, const std::string& name) {
    return joinPath(toPlatformPath(folder), name);
}

std::string datecsFile(const ReceiptFiles& files) {
    return files.folder + files.name + "FI.txt";
}
std::string textFile(const ReceiptFiles& files) {
    return files.folder + files.name + "NF.txt";
}

void deleteIfPresent(const std::string& path) {
    if (platform::fileExists(path))
        platform::deleteFile(path);
}

}  // namespace

ReceiptFiles writeReceiptFiles(const ReceiptForFiles& receipt, const shell::Settings& settings,
                               const std::string& fileNumber) {
    const ReceiptRecords records = buildReceiptRecords(receipt, settings);
    ReceiptFiles files;
    files.name = receiptFileName(fileNumber, settings.pos);
    files.folder = toPlatformPath(platform::temporaryFolder());
    if (!platform::endsWithSeparator(files.folder))
        files.folder += platform::kSeparator;
    files.receiptSum = records.receiptSum;
    files.paidByMode = records.paidByMode;

    const std::string driverPath = files.folder + files.name;
    const bool driver = platform::writeLines(driverPath, records.driver);
    const bool datecs = platform::writeLines(datecsFile(files), records.datecs);
    const bool text = platform::writeLines(textFile(files), records.text);
    files.written = driver && datecs && text;
    return files;
}

Delivery deliverReceiptFiles(const ReceiptFiles& files, const shell::Settings& settings,
                             platform::Clock& clock) {
    const std::string driverPath = files.folder + files.name;
    const std::string serverTarget = inFolder(settings.serverDir, files.name);
    const std::string noteTarget = inFolder(settings.noteDir, files.name);

    clock.sleepMs(kPauseMs);
    deleteIfPresent(serverTarget);
    deleteIfPresent(noteTarget);
    clock.sleepMs(kPauseMs);

    for (const std::string* folder : {&settings.noteDir2, &settings.noteDir3, &settings.noteDir4}) {
        if (folder->empty())
            continue;
        const std::string target = inFolder(*folder, files.name);
        deleteIfPresent(target);
        platform::copyFile(textFile(files), target);
    }

    Delivery delivery;
    // Without a ServerDir there is no folder to deliver to: the file would land wherever the
    // bare name points.
    delivery.driverFileDelivered = !settings.serverDir.empty() &&
                                   platform::fileExists(driverPath) &&
                                   platform::moveFile(driverPath, serverTarget);
    if (!delivery.driverFileDelivered && platform::fileExists(driverPath))
        delivery.undeliveredPath = driverPath;

    if (!settings.noteDir.empty())
        platform::moveFile(textFile(files), noteTarget);
    if (!settings.datecs.empty())
        platform::copyFile(datecsFile(files), inFolder(settings.datecs, files.name + ".inp"));
    return delivery;
}

}  // namespace vandrix::fiscal
