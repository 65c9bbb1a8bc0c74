// The spool of receipt files and their delivery.
#include "fiscal/receipt_spool.h"

#include <map>
#include <optional>

#include "platform/files.h"
#include "platform/paths.h"
#include "shell/settings.h"

namespace vandrix::fiscal {
namespace {

using platform::Placement;

constexpr const char* kDatecsSuffix = "FI.txt";
constexpr const char* kTextSuffix = "NF.txt";
// The note text once its copies for NOTEDIR2 to NOTEDIR4 are made, so they are made once.
constexpr const char* kCopiedTextSuffix = "NC.txt";
constexpr const char* kTipPrefix = "Bacsis-";

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
    for (const std::string tail : {kDatecsSuffix, kTextSuffix, kCopiedTextSuffix})
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

bool inSpool(const std::string& spooled) {
    return platform::fileExists(spooled) ||
           platform::fileExists(spooled + platform::kPlacingSuffix);
}

// Moves one spooled file to its target, finishing a move that a crash interrupted; nullopt
// when it had gone before.
std::optional<Placement> moveSpooled(const std::string& spooled, const std::string& target) {
    if (platform::fileExists(spooled + platform::kPlacingSuffix))
        return platform::resumePlacement(spooled, target);
    if (!platform::fileExists(spooled))
        return std::nullopt;
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

// The note printers' text: copies into NOTEDIR2 to NOTEDIR4 (once), then the file itself into
// NoteDir. A note printer is a kitchen or bar ticket, not the fiscal receipt: a folder the shop
// does not have drops its copy (logged), one that exists keeps the text waiting.
void deliverNoteText(const std::string& folder, const std::string& name,
                     const shell::Settings& settings, DeliveryResult& result) {
    const std::string text = folder + name + kTextSuffix;
    const std::string copied = folder + name + kCopiedTextSuffix;
    if (platform::fileExists(text)) {
        for (const std::string* extra :
             {&settings.noteDir2, &settings.noteDir3, &settings.noteDir4}) {
            if (extra->empty())
                continue;
            const std::string target = inFolder(*extra, name);
            const Placement placement = platform::placeCopy(text, target);
            if (placement != Placement::Placed)
                result.notes.push_back("copia " + target +
                                       " nu a fost scrisa: " + why(placement, *extra, name));
        }
        if (!platform::moveFile(text, copied))
            return;
    }
    if (!inSpool(copied))
        return;
    if (settings.noteDir.empty() ||
        !platform::isDirectory(platform::toPlatformPath(settings.noteDir))) {
        platform::deleteFile(copied);
        if (!settings.noteDir.empty())
            result.notes.push_back("textul " + name + " nu a fost scris: folderul " +
                                   settings.noteDir + " nu exista");
        return;
    }
    const auto placement = moveSpooled(copied, inFolder(settings.noteDir, name));
    if (placement && *placement != Placement::Placed)
        result.notes.push_back("textul " + name +
                               " asteapta: " + why(*placement, settings.noteDir, name));
}

}  // namespace

std::string spoolFolder(const shell::Settings& settings) {
    const std::string base = settings.baseFolder.empty()
                                 ? platform::currentFolderWithSeparator()
                                 : platform::toPlatformPath(settings.baseFolder);
    return platform::joinPath(base, kSpoolFolderName) + platform::kSeparator;
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
    for (const std::string& file :
         {name, name + kDatecsSuffix, name + kTextSuffix, name + kCopiedTextSuffix})
        for (const std::string& path : {folder + file, folder + file + platform::kPlacingSuffix})
            if (platform::fileExists(path))
                platform::deleteFile(path);
    // The removal needs no sync to be right: files left by a crash are removed at start.
    static_cast<void>(platform::syncFolder(folder));
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

void addProblem(DeliveryResult& result, const std::string& problem) {
    result.problem += (result.problem.empty() ? "" : "; ") + problem;
}

// A file that prints the receipt: the driver's file in ServerDir, or the Datecs-style copy in
// DATECS (a shop with that folder prints from it). It waits until it is there.
void deliverPrinted(const std::string& spooled, const std::string& folder,
                    const std::string& setting, const std::string& targetName,
                    DeliveryResult& result) {
    if (!inSpool(spooled))
        return;
    if (folder.empty()) {
        addProblem(result, "folderul " + setting + " nu este setat in CaleBonuri.ini");
        return;
    }
    const auto placement = moveSpooled(spooled, inFolder(folder, targetName));
    if (!placement)
        return;
    if (*placement == Placement::Placed)
        result.movedNow = true;
    else
        addProblem(result, why(*placement, folder, targetName));
}

DeliveryResult finish(DeliveryResult result, const std::string& folder, const std::string& name) {
    result.delivered = !inSpool(folder + name) && !inSpool(folder + name + kDatecsSuffix);
    for (const std::string& file :
         {name, name + kDatecsSuffix, name + kTextSuffix, name + kCopiedTextSuffix})
        result.waiting = result.waiting || inSpool(folder + file);
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
    if (name.rfind(kTipPrefix, 0) == 0) {
        deliverPrinted(folder + name, settings.serverDir, "ServerDir", tipTargetName(name), result);
        return finish(result, folder, name);
    }

    deliverNoteText(folder, name, settings, result);
    if (!settings.datecs.empty())
        deliverPrinted(folder + name + kDatecsSuffix, settings.datecs, "DATECS", name + ".inp",
                       result);
    else if (inSpool(folder + name + kDatecsSuffix))
        platform::deleteFile(folder + name + kDatecsSuffix);  // no Datecs-style driver here
    deliverPrinted(folder + name, settings.serverDir, "ServerDir", name, result);
    return finish(result, folder, name);
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
