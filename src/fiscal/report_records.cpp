// The one-off files for the driver: X and Z report requests, cash in and out, and the tip
// receipt in its fixed columns.
#include <cmath>

#include "fiscal/printer_records.h"
#include "platform/paths.h"
#include "shell/number_text.h"
#include "shell/settings.h"

namespace vandrix::fiscal {
namespace {

using platform::Encoding;
using platform::joinPath;
using platform::toPlatformPath;
using shell::leftAlign;
using shell::rightAlign;
using shell::trim;

// A folder of the settings joined with a file name. A folder that lacks its closing separator
// still receives the file inside it.
std::string inFolder(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return {};  // no folder set: nowhere to deliver
    return joinPath(toPlatformPath(folder), name);
}

std::string cashDeskStem(const shell::Settings& settings, const std::string& stamp) {
    return "BON" + settings.pos + "-" + stamp;
}

}  // namespace

std::string periodText(long period) {
    return shell::padLeft(std::to_string(period), 4, '0');
}

DriverFile reportRequestFile(int kind, long period, const shell::Settings& settings) {
    const bool z = kind == 1;
    const std::string suffix = periodText(period) + "-" + settings.pos;
    DriverFile file;
    // X and Z requests have names of their own, so a Z asked for while an X still waits for
    // the driver does not replace it.
    const std::string stem = (z ? "BonRaportZ-" : "BonRaportX-") + suffix;
    if (!settings.datecs.empty()) {
        file.name = stem + ".txt";
        file.lines = {{z ? "Z,1,______,_,__;1;" : "Z,1,______,_,__;0;", Encoding::Utf8}};
        file.target = inFolder(settings.datecs, stem + ".inp");
    } else {
        file.name = stem + ".txt";
        file.lines = {{z ? "Z" : "X", Encoding::Utf8}};
        file.target = inFolder(settings.serverDir, file.name);
    }
    return file;
}

DriverFile cashMovementFile(int direction, const std::string& amount, const std::string& stamp,
                            const shell::Settings& settings) {
    const bool in = direction == 1;
    const std::string value = trim(amount);
    const std::string stem = cashDeskStem(settings, stamp);
    DriverFile file;
    file.name = stem + ".TXT";
    if (!settings.datecs.empty()) {
        file.lines = {{std::string("I,1,______,_,__;") + (in ? "0" : "1") + ";" + value + ";;;;",
                       Encoding::Ansi}};
        file.target = inFolder(settings.datecs, stem + ".inp");
    } else {
        file.lines = {{(in ? "+|" : "-|") + value, Encoding::Ansi}};
        file.target = inFolder(settings.serverDir, file.name);
    }
    return file;
}

DriverFile tipReceiptFile(const sale::Row& tipLine, long period, const std::string& cui,
                          const std::string& freeText, const std::string& stamp,
                          const shell::Settings& settings) {
    DriverFile file;
    file.name = cashDeskStem(settings, stamp) + ".TXT";
    file.target = inFolder(settings.serverDir, file.name);
    auto add = [&file](const std::string& line) { file.lines.push_back({line, Encoding::Utf8}); };

    add("KARAT");
    add("PZ." + periodText(period) + " " + leftAlign(settings.param2, 15));
    add("P ");
    if (!cui.empty())
        add("PCUI:" + leftAlign(withSpacesFor(cui, ""), 18));
    if (!freeText.empty()) {
        for (const std::string& line : freeTextLines(freeText))
            if (!line.empty())
                add("P" + leftAlign(withSpacesFor(line, ""), 22));
    }

    std::string price = trim(tipLine[sale::kPriceCell]);
    std::erase(price, '.');
    // The quantity has three decimals; rounding keeps 0.123 from turning into 122.
    const long long thousandths = shell::scaledOr0(tipLine[sale::kQuantityCell], 3);
    const long group = shell::integerOf(tipLine[sale::kGroupCell]);
    const int department = group >= 0 && group < static_cast<long>(settings.departmentMap.size())
                               ? settings.departmentMap[static_cast<size_t>(group)]
                               : 0;
    add(leftAlign("*" + withSpacesFor(trim(tipLine[sale::kNameCell]), ""), 25) +
        rightAlign(price, 8, '0') + "2" + rightAlign(std::to_string(thousandths), 9, '0') +
        trim(tipLine[sale::kVatGroupCell]) + std::to_string(department) + "0");

    add("T0000010000 TOTAL");
    add("END KARAT");
    return file;
}

}  // namespace vandrix::fiscal
