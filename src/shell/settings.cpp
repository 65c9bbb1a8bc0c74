// The rules by which the lines of the settings files become settings values.
#include "shell/settings.h"

#include <algorithm>
#include <charconv>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vandrix::shell {
namespace {

// The text between separator number `index` - 1 and `index` (fields counted from 1); the
// whole text is field 1 when there is no separator, and a field beyond the last is "".

// Every occurrence of `what` removed from s.
std::string removeAll(std::string s, const std::string& what) {
    for (size_t at; (at = s.find(what)) != std::string::npos;)
        s.erase(at, what.size());
    return s;
}

double nonNegative(double v) {
    return v < 0 ? 0 : v;
}

// "COM" followed by the port field with every "COM" removed: "3" and "com3" both give "COM3".
// An empty field names no port.
std::string portName(const std::string& raw) {
    std::string number = removeAll(upper(trim(raw)), "COM");
    return number.empty() ? std::string() : "COM" + number;
}

}  // namespace

std::string field(const std::string& s, char separator, int index) {
    size_t start = 0;
    for (int i = 1; i < index; ++i) {
        size_t at = s.find(separator, start);
        if (at == std::string::npos)
            return {};
        start = at + 1;
    }
    size_t end = s.find(separator, start);
    return s.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string defaultPaymentCode(int number) {
    static constexpr const char* kCodes[] = {"", "0", "1", "4", "6"};
    return number >= 1 && number <= 4 ? kCodes[number] : "";
}

std::string PaymentMode::code() const {
    const std::string text = trim(field(definition, '|', 2));
    const bool wholeNumber =
        !text.empty() &&
        std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; });
    return wholeNumber ? text : defaultPaymentCode(number);
}

std::string trim(const std::string& s) {
    size_t begin = s.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    size_t end = s.find_last_not_of(' ');
    return s.substr(begin, end - begin + 1);
}

std::string upper(const std::string& s) {
    // ASCII letters only: the values are codes, ports and names without diacritics, and UTF-8
    // bytes of other letters must stay whole.
    std::string out = s;
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

long integerOf(const std::string& s) {
    size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (s[i] == '+' || s[i] == '-')
        negative = s[i++] == '-';
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    }
    // Saturates instead of overflowing on a long run of digits.
    constexpr auto limit = static_cast<std::uint64_t>(std::numeric_limits<long>::max());
    std::uint64_t value = 0;
    for (; i < s.size(); ++i) {
        int digit;
        char c = s[i];
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            break;
        if (value > (limit - static_cast<std::uint64_t>(digit)) / static_cast<unsigned>(base)) {
            value = limit;
            break;
        }
        value = value * static_cast<unsigned>(base) + static_cast<std::uint64_t>(digit);
    }
    long result = static_cast<long>(value);
    return negative ? -result : result;
}

double numberOf(const std::string& s) {
    // The longest prefix of the form [sign]digits[.digits], read without the locale's help so
    // that "." is the decimal point whatever the system's language.
    size_t i = s.find_first_not_of(' ');
    if (i == std::string::npos)
        return 0;
    size_t start = i;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    size_t digits = i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
        ++i;
    if (i < s.size() && s[i] == '.') {
        size_t fraction = i + 1;
        while (fraction < s.size() && std::isdigit(static_cast<unsigned char>(s[fraction])))
            ++fraction;
        if (fraction > i + 1 || i > digits)
            i = fraction;
    }
    if (i == digits)
        return 0;
    size_t from = s[start] == '+' ? start + 1 : start;
    double value = 0;
    auto [end, error] = std::from_chars(s.data() + from, s.data() + i, value);
    if (error != std::errc() || !std::isfinite(value))
        return 0;
    return value;
}

std::int64_t integerValue(const std::string& text) {
    std::string t = trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        int digit = t[i] - '0';
        if (value > (max - digit) / 10)
            break;  // longer than any number written here: stop, no overflow
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

KeyLine splitKeyLine(const std::string& line) {
    KeyLine out;
    out.key = upper(trim(field(line, '=', 1)));
    out.value = field(line, '=', 2);
    out.hasEquals = line.find('=') != std::string::npos;
    return out;
}

void applyCaleBonuriLines(Settings& settings, const std::vector<std::string>& lines) {
    Settings& s = settings;
    for (const auto& line : lines) {
        KeyLine kl = splitKeyLine(line);
        const std::string& k = kl.key;
        const std::string& v = kl.value;
        // Path values keep their case: on this system the case of a file name matters, and
        // the folders written into the template are named in mixed case.
        if (k == "SERVERDIR")
            s.serverDir = trim(v);
        else if (k == "SERVERCONFIRMARE")
            s.serverConfirmare = trim(v);
        else if (k == "NOTEDIR")
            s.noteDir = trim(v);
        else if (k == "NOTEDIR2")
            s.noteDir2 = trim(v);
        else if (k == "NOTEDIR3")
            s.noteDir3 = trim(v);
        else if (k == "NOTEDIR4")
            s.noteDir4 = trim(v);
        else if (k == "PARAM1")
            s.param1Present = true;
        else if (k == "PARAM2")
            s.param2 = upper(trim(v));
        else if (k == "PARAM3")
            s.adminCode = upper(trim(v));
        else if (k == "ZINI")
            s.zini = integerOf(trim(v));
        else if (k == "POS")
            s.pos = upper(trim(v));
        else if (k == "FISCAL")
            s.fiscal = integerOf(v);
        else if (k == "TIPAMEF")
            s.tipAmef = upper(trim(v));
        else if (k == "WINSIZE") {
            s.winsize = nonNegative(numberOf(v));
            s.scaleX = s.scaleY = s.winsize;
        } else if (k == "RESSIZEW")
            s.scaleX = nonNegative(numberOf(v));
        else if (k == "RESSIZEH")
            s.scaleY = nonNegative(numberOf(v));
        else if (k == "TASKBAR")
            s.taskbar = integerOf(v);
        else if (k == "DISPLAY") {
            // A device path is kept as written; anything else is a COM port.
            const std::string port = trim(field(v, ',', 1));
            s.displayPort = !port.empty() && port[0] == '/' ? port : portName(port);
            s.displayType = s.displayPort.empty() ? std::string() : upper(trim(field(v, ',', 2)));
        } else if (k == "CANTAR")
            s.scale = !trim(v).empty() && trim(v)[0] == '/'
                          ? trim(field(v, ',', 1)) + "," + upper(trim(field(v, ',', 2)))
                          : portName(v);
        else if (k == "LOGIN")
            s.login = integerOf(v);
        else if (k == "ADUNAARTICOLE")
            s.mergeArticles = integerOf(v);
        else if (k == "PALETTE")
            s.palette = trim(v);
        else if (k == "ETICHETE")
            // A device path, a file or a network printer's host:port keeps its case.
            s.labelPrinter =
                trim(v).find_first_of("/:\\") != std::string::npos ? trim(v) : upper(trim(v));
        else if (k == "DATECS")
            s.datecs = trim(v);
        else if (k == "ANAFURL" && !trim(v).empty())
            s.vatServiceUrl = trim(v);
        else if (k == "ANAFTIMEOUT" && integerOf(v) > 0)
            s.vatServiceSeconds = static_cast<int>(integerOf(v));
        else if (k == "FIRMEHOST")
            s.companyPageHost = trim(v);
        else if (k.size() > 3 && k.compare(0, 3, "COM") == 0 && !trim(v).empty() &&
                 trim(v)[0] == '/')
            s.serialPorts[k] = trim(v);
    }
}

void applyEInvoiceLines(Settings& settings, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (trim(line).empty() || trim(line)[0] == '#')
            continue;
        KeyLine kl = splitKeyLine(line);
        const std::string k = upper(trim(kl.key));
        const std::string v = trim(kl.value);
        if (k == "JUDET")
            settings.eInvoice.county = upper(v);
        else if (k == "LOCALITATE")
            settings.eInvoice.city = upper(v);
        else if (k == "STRADA")
            settings.eInvoice.street = v;
        else if (k == "TIPFACTURA" && (v == "751" || v == "380"))
            settings.eInvoice.typeCode = v;
        else if (k == "MOTIVSCUTIRE" && !v.empty())
            settings.eInvoice.exemptionReason = v;
    }
}

void applyPaymentModeLines(Settings& settings, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        if (trim(line).empty())
            continue;
        KeyLine kl = splitKeyLine(line);
        if (kl.key.size() != 1 || kl.key[0] < '1' || kl.key[0] > '4')
            continue;
        PaymentMode& mode = settings.paymentModes[static_cast<size_t>(kl.key[0] - '0')];
        mode.definition = kl.value;  // untrimmed: leading spaces centre the caption
        mode.name = field(kl.value, '|', 1);
    }
}

void applyDepartmentLines(Settings& settings, const std::vector<std::string>& lines) {
    for (const auto& line : lines) {
        // A line without "=" (a blank line, a note) maps nothing.
        if (line.find('=') == std::string::npos)
            continue;
        std::string department = upper(trim(field(line, '=', 1)));
        std::string group = upper(trim(field(line, '=', 2)));
        auto digit = [](const std::string& side) {
            if (side.empty())
                return 0;
            char c = side.back();
            return c >= '0' && c <= '9' ? c - '0' : 0;
        };
        settings.departmentMap[static_cast<size_t>(digit(group))] = digit(department);
    }
}

}  // namespace vandrix::shell
