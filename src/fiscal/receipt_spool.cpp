// The spool of receipt files and their delivery.
#include "fiscal/receipt_spool.h"

#include <map>

#include "platform/files.h"
#include "platform/paths.h"
#include "shell/settings.h"

namespace vandrix::fiscal {
namespace {

using platform::Placement;

constexpr const char* kDatecsSuffix = "FI.txt";
constexpr const char* kTipPrefix = "Bacsis-";
constexpr const char* kTextSuffix = "NF.txt";

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::string inFolder(const std::string& folder, const std::string& name) {
    return platform::joinPath(platform::toPlatformPath(folder), name);
}

// The driver file's name that a spool file belongs to ("" for a file that is not a receipt's).
std::string receiptNameOf(std::string file) {
    if (endsWith(file, platform::kPlacingSuffix))
        file.erase(file.size() - std::string(platform::kPlacingSuffix).size());
    for (const std::string tail : {kDatecsSuffix, kTextSuffix})
        if (endsWith(file, tail) && endsWith(file.substr(0, file.size() - tail.size()), ".txt"))
            file.erase(file.size() - tail.size());
    if (file.rfind(kTipPrefix, 0) == 0 && endsWith(file, ".TXT"))
        return file;
    return file.rfind("BonCMP-", 0) == 0 && endsWith(file, ".txt") ? file : std::string();
}

// The receipt id in "BonCMP-000000123-POS01.txt" or "Bacsis-123-BONPOS01-....TXT".
long receiptIdOf(const std::string& name) {
    const size_t start = name.find('-') + 1;
    const size_t dash = name.find('-', start);
    if (dash == std::string::npos || dash == start)
        return 0;
    long id = 0;
    for (size_t i = start; i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9' || id > 100'000'000'000L)
            return 0;
        id = id * 10 + (name[i] - '0');
    }
    return id;
}

// Moves one spooled file to its target, finishing a move that a crash interrupted.
Placement moveSpooled(const std::string& spooled, const std::string& target) {
    if (platform::fileExists(spooled + platform::kPlacingSuffix))
        return platform::resumePlacement(spooled, target);
    if (!platform::fileExists(spooled))
        return Placement::Placed;  // delivered before
    return platform::placeFile(spooled, target);
}

std::string why(Placement placement, const std::string& folder, const std::string& name) {
    switch (placement) {
        case Placement::Placed:
            return {};
        case Placement::TargetExists:
            return "in folderul " + folder + " asteapta deja un alt fisier " + name;
        case Placement::FolderMissing:
            return "folderul " + folder + " nu exista";
        case Placement::Failed:
            break;
    }
    return "fisierul nu a putut fi mutat in folderul " + folder +
           " (disc plin sau fara drept de "
           "scriere?)";
}

// A copy for the note printers or the Datecs-style driver: delivered when its folder exists,
// dropped when the shop has no such folder, kept in the spool when it exists but the file
// cannot go there now.
void deliverCopy(const std::string& spooled, const std::string& folder, const std::string& target,
                 DeliveryResult& result) {
    if (!platform::fileExists(spooled) && !platform::fileExists(spooled + platform::kPlacingSuffix))
        return;
    if (folder.empty() || !platform::isDirectory(platform::toPlatformPath(folder))) {
        platform::deleteFile(spooled);
        if (!folder.empty())
            result.notes.push_back("copia " + target + " nu a fost scrisa: folderul " + folder +
                                   " nu exista");
        return;
    }
    Placement placement = moveSpooled(spooled, target);
    if (placement != Placement::Placed)
        result.notes.push_back("copia " + target + " asteapta: " + why(placement, folder, target));
}

}  // namespace

std::string spoolFolder(const shell::Settings& settings) {
    const std::string base = settings.baseFolder.empty()
                                 ? platform::currentFolderWithSeparator()
                                 : platform::toPlatformPath(settings.baseFolder);
    std::string folder = platform::joinPath(base, kSpoolFolderName);
    return folder + "/";
}

bool spoolReceiptFiles(const ReceiptRecords& records, const std::string& name,
                       const shell::Settings& settings) {
    const std::string folder = spoolFolder(settings);
    platform::makeDirectory(folder);
    const bool written = platform::writeLines(folder + name + kDatecsSuffix, records.datecs) &&
                         platform::writeLines(folder + name + kTextSuffix, records.text) &&
                         platform::writeLines(folder + name, records.driver) &&
                         platform::syncFolder(folder);
    if (!written)
        discardReceiptFiles(name, settings);
    return written;
}

void discardReceiptFiles(const std::string& name, const shell::Settings& settings) {
    const std::string folder = spoolFolder(settings);
    for (const std::string& file : {name, name + kDatecsSuffix, name + kTextSuffix})
        for (const std::string& path : {folder + file, folder + file + platform::kPlacingSuffix})
            if (platform::fileExists(path))
                platform::deleteFile(path);
    platform::syncFolder(folder);
}

void removeUnfinishedWrites(const shell::Settings& settings) {
    const std::string folder = spoolFolder(settings);
    for (const std::string& file : platform::filesInFolder(folder))
        if (receiptNameOf(file).empty())
            platform::deleteFile(folder + file);
}

namespace {

// The name a tip's spooled file takes in ServerDir.
std::string tipTargetName(const std::string& name) {
    const size_t dash = name.find('-', std::string(kTipPrefix).size());
    return dash == std::string::npos ? name : name.substr(dash + 1);
}

DeliveryResult deliverDriverFile(const std::string& spooled, const std::string& targetName,
                                 const shell::Settings& settings, DeliveryResult result) {
    if (settings.serverDir.empty()) {
        result.problem = "folderul casei de marcat (ServerDir) nu este setat in CaleBonuri.ini";
        return result;
    }
    Placement placement = moveSpooled(spooled, inFolder(settings.serverDir, targetName));
    result.delivered = placement == Placement::Placed;
    result.problem = why(placement, settings.serverDir, targetName);
    return result;
}

}  // namespace

std::string spoolTipFile(const std::vector<platform::EncodedLine>& lines,
                         const std::string& targetName, long receiptId,
                         const shell::Settings& settings) {
    const std::string folder = spoolFolder(settings);
    const std::string name = kTipPrefix + std::to_string(receiptId) + "-" + targetName;
    platform::makeDirectory(folder);
    if (platform::writeLines(folder + name, lines) && platform::syncFolder(folder))
        return name;
    discardReceiptFiles(name, settings);
    return {};
}

DeliveryResult deliverReceiptFiles(const std::string& name, const shell::Settings& settings) {
    const std::string folder = spoolFolder(settings);
    DeliveryResult result;
    if (name.rfind(kTipPrefix, 0) == 0)
        return deliverDriverFile(folder + name, tipTargetName(name), settings, result);

    // The note printers' copies: NOTEDIR2 to NOTEDIR4 get a copy, NoteDir the file itself.
    const std::string text = folder + name + kTextSuffix;
    for (const std::string* extra : {&settings.noteDir2, &settings.noteDir3, &settings.noteDir4}) {
        if (extra->empty() || !platform::fileExists(text))
            continue;
        const std::string target = inFolder(*extra, name);
        Placement placement = platform::placeCopy(text, target);
        if (placement != Placement::Placed && placement != Placement::TargetExists)
            result.notes.push_back("copia " + target +
                                   " nu a fost scrisa: " + why(placement, *extra, name));
    }
    deliverCopy(text, settings.noteDir, inFolder(settings.noteDir, name), result);
    deliverCopy(folder + name + kDatecsSuffix, settings.datecs,
                inFolder(settings.datecs, name + ".inp"), result);

    // The driver's file, the one that prints the receipt.
    return deliverDriverFile(folder + name, name, settings, result);
}

std::vector<SpooledReceipt> spooledReceipts(const shell::Settings& settings) {
    std::map<std::string, long> receipts;
    for (const std::string& file : platform::filesInFolder(spoolFolder(settings))) {
        const std::string name = receiptNameOf(file);
        if (!name.empty())
            receipts.emplace(name, receiptIdOf(name));
    }
    std::vector<SpooledReceipt> out;
    for (const auto& [name, id] : receipts)
        out.push_back({name, id});
    return out;
}

}  // namespace vandrix::fiscal
