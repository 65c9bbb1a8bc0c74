// The settings files of the working folder: their templates, written when a file is missing or
// empty, and the order in which start-up reads them.
#include "shell/settings_files.h"

#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "platform/utf8.h"

namespace vandrix::shell {
namespace {

using platform::Encoding;

constexpr const char* kCaleBonuri = "CaleBonuri.ini";
constexpr const char* kModuriPlata = "ModuriPlata.ini";
constexpr const char* kGrupa = "grupa.ini";
constexpr const char* kEInvoice = "efactura.ini";

// The lines of a settings file written in UTF-8. A file saved by hand in the ANSI code page
// (an editor's default on the shop's PC) is read as ANSI instead of yielding broken text.
std::vector<std::string> readUtf8OrAnsiLines(const std::string& path) {
    auto bytes = platform::readWholeFile(path);
    if (!bytes)
        return {};
    Encoding encoding = platform::isValidUtf8(*bytes) ? Encoding::Utf8 : Encoding::Ansi;
    return platform::readLines(path, encoding).value_or(std::vector<std::string>{});
}

std::string withSeparator(std::string folder) {
    if (!folder.empty() && !platform::endsWithSeparator(folder))
        folder.push_back(platform::kSeparator);
    return folder;
}

void loadDepartmentMap(Settings& settings) {
    if (platform::missingOrEmpty(kGrupa)) {
        std::vector<std::string> lines;
        for (int d = 0; d <= 9; ++d)
            lines.push_back("dep" + std::to_string(d) + "=grupa" + std::to_string(d));
        if (!platform::writeLines(kGrupa, lines, Encoding::Utf8))
            settings.filesNotWritten.push_back(kGrupa);
    }
    applyDepartmentLines(settings, readUtf8OrAnsiLines(kGrupa));
}

// The seller's data for the e-Factura files, with a template that says what each key takes.
void loadEInvoice(Settings& settings) {
    if (platform::missingOrEmpty(kEInvoice)) {
        const std::vector<std::string> lines = {
            "# Datele vanzatorului cerute de e-Factura, pe langa cele din vanzator.txt.",
            "# JUDET: codul judetului, de exemplu RO-CJ sau RO-IS; pentru Bucuresti RO-B.",
            "# LOCALITATE: localitatea; pentru Bucuresti sectorul: SECTOR1 ... SECTOR6.",
            "# STRADA: strada si numarul (gol: adresa din vanzator.txt).",
            "# TIPFACTURA: 751 (factura pentru bonuri fiscale) sau 380 (factura).",
            "# MOTIVSCUTIRE: motivul scutirii de TVA pentru cota FaraTVA.",
            "JUDET=",
            "LOCALITATE=",
            "STRADA=",
            "TIPFACTURA=751",
            "MOTIVSCUTIRE=Operatiune scutita de TVA",
        };
        if (!platform::writeLines(kEInvoice, lines, Encoding::Utf8))
            settings.filesNotWritten.push_back(kEInvoice);
    }
    applyEInvoiceLines(settings, readUtf8OrAnsiLines(kEInvoice));
}

void loadCaleBonuri(Settings& settings) {
    if (platform::missingOrEmpty(kCaleBonuri)) {
        if (platform::writeLines(kCaleBonuri, caleBonuriTemplate(settings.baseFolder),
                                 Encoding::Utf8)) {
            // The folders the template names: the driver's, the note printers' (without it
            // every note copy would be dropped) and the Datecs-style driver's.
            platform::makeDirectory(settings.baseFolder + "Bonuri");
            platform::makeDirectory(settings.baseFolder + "Note");
            platform::makeDirectory(settings.baseFolder + "Datecs");
        }
    }
    applyCaleBonuriLines(settings, readUtf8OrAnsiLines(kCaleBonuri));
}

void loadPaymentModes(Settings& settings) {
    const char* defaults[] = {"C A S H|0", " C A R D|1", "BONURI|4", "CREDIT|6"};
    for (size_t i = 0; i < 4; ++i)
        settings.paymentModes[i + 1] = PaymentMode{defaults[i], "", static_cast<int>(i + 1)};
    if (platform::missingOrEmpty(kModuriPlata)) {
        if (!platform::writeLines(kModuriPlata,
                                  {"1=C A S H|0", "2= C A R D|1", "3=BONURI|4", "4=CREDIT|6"},
                                  Encoding::Ansi))
            settings.filesNotWritten.push_back(kModuriPlata);
    }
    auto lines = platform::readLines(kModuriPlata, Encoding::Ansi);
    if (lines)
        applyPaymentModeLines(settings, *lines);
}

}  // namespace

std::vector<std::string> caleBonuriTemplate(const std::string& baseFolder) {
    const std::string base = withSeparator(baseFolder);
    return {
        "ServerDir=" + base + "Bonuri/",
        ";ServerConfirmare=" + base + "Bonuri/",
        "NoteDir=" + base + "Note/",
        ";DATECS=" + base + "Datecs/",
        ";param1=1",
        ";param2=POS.1",
        ";ZDir=" + base + "Bonuri/",
        "Fiscal=1",
        "winsize=0",
        ";ressizew=1",
        ";ressizeh=1",
        "pos=POS01",
        "taskbar=1",
        "Palette=Palette/solarized.txt",
        ";Palette=Palette/default.txt",
        ";Palette=Palette/tomorrowlight.txt",
        ";Palette=Palette/solarizedlight.txt",
        ";Palette=Palette/solarizeddark.txt",
        ";Palette=Palette/tomorrownight.txt",
        "login=0",
        "adunaarticole=0",
        "tipamef=M20",
        ";tipamef=TM80",
        ";tipamef=ZF80",
        ";tipamef=M20",
        ";tipamef=B20",
        ";tipamef=B30",
        ";Display=COM1",
        ";Cantar=COM2,ACS",
        ";Cantar=COM2,DIGI",
        ";etichete=TSC",
    };
}

Settings loadSettings(const std::string& baseFolder) {
    Settings settings;
    settings.baseFolder = withSeparator(baseFolder);
    settings.mergeArticles = 0;
    settings.departmentMap.fill(0);
    loadDepartmentMap(settings);
    loadCaleBonuri(settings);
    loadPaymentModes(settings);
    loadEInvoice(settings);
    return settings;
}

void finishSettings(Settings& settings) {
    if (!settings.serverConfirmare.empty()) {
        std::string folder = platform::toPlatformPath(settings.serverConfirmare);
        while (folder.size() > 1 && folder.back() == platform::kSeparator)
            folder.pop_back();
        if (!platform::isDirectory(folder)) {
            platform::deleteFile(folder);  // a file in the folder's place, even a read-only one
            platform::makeDirectory(folder);
        }
    }
    // A COM port with a device of its own named in the settings.
    if (auto it = settings.serialPorts.find(settings.displayPort); it != settings.serialPorts.end())
        settings.displayPort = it->second;
    const std::string scalePort = field(settings.scale, ',', 1);
    if (auto it = settings.serialPorts.find(scalePort); it != settings.serialPorts.end())
        settings.scale = it->second + "," + field(settings.scale, ',', 2);
    // An empty folder stays empty: a lone separator would name the root of the file system.
    settings.serverDir = withSeparator(settings.serverDir);
    settings.noteDir = withSeparator(settings.noteDir);
}

bool rewriteCaleBonuriAfterZini() {
    const auto bytes = platform::readWholeFile(kCaleBonuri);
    if (!bytes)
        return false;
    // Line by line as the shop wrote them, each with its own line end; only the "ZINI" lines go.
    std::string kept;
    for (size_t start = 0; start < bytes->size();) {
        const size_t end = bytes->find('\n', start);
        const size_t next = end == std::string::npos ? bytes->size() : end + 1;
        std::string line = bytes->substr(start, next - start);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (splitKeyLine(line).key != "ZINI")
            kept.append(*bytes, start, next - start);
        start = next;
    }
    return kept == *bytes || platform::writeWholeFile(kCaleBonuri, kept);
}

}  // namespace vandrix::shell
