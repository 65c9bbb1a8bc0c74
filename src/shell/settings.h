// The settings of the cash desk, read once at start from the settings files beside the
// program and read-only afterwards.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace vandrix::shell {

struct PaymentMode {
    std::string definition;  // the raw value of "ModuriPlata.ini": "<name>|<code>"
    std::string name;        // the text before the first "|"; "" when the mode has no line
    int number = 0;          // 1 to 4: cash, card, meal vouchers, credit
    // The driver's payment code: the whole number after the first "|", spaces around it
    // dropped; when that text is not a whole number, the mode's own default ("0", "1", "4",
    // "6" for modes 1 to 4), so a record never carries an empty or unreadable code.
    std::string code() const;
};

// The driver's code of payment mode 1 to 4 when its line gives none; "" for another number.
std::string defaultPaymentCode(int number);

struct Settings {
    std::string baseFolder;  // absolute working folder with a trailing separator
    // Settings files whose defaults could not be written at start (for the log).
    std::vector<std::string> filesNotWritten;

    // "CaleBonuri.ini"
    // Folders, as read (they may hold "\"; users convert with platform::toPlatformPath).
    std::string serverDir, serverConfirmare, noteDir, noteDir2, noteDir3, noteDir4;
    bool param1Present = false;
    std::string param2;
    std::string adminCode = "482916730541";  // PARAM3
    long zini = 0;
    std::string pos = "1";
    long fiscal = 0;
    std::string tipAmef = "M20";
    double winsize = 1;
    double scaleX = 1, scaleY = 1;  // horizontal and vertical scale factors
    long taskbar = 0;
    std::string displayPort, displayType;  // "" when there is no display
    std::string scale;                     // "COM2,ACS"; "" when there is no scale
    long login = 0;
    long mergeArticles = 0;            // ADUNAARTICOLE
    std::string palette;               // PALETTE: the palette file, case kept (a path)
    std::string labelPrinter = "USB";  // ETICHETE
    std::string datecs;                // DATECS: a folder, case kept
    // Optional keys, not in the file's template: the VAT-payer service's address (ANAFURL), the
    // seconds a look-up may take (ANAFTIMEOUT), the company-information page's host (FIRMEHOST;
    // none: the trade-register number comes from the service alone).
    std::string vatServiceUrl = "https://webservicesp.anaf.ro/api/PlatitorTvaRest/v9/tva";
    int vatServiceSeconds = 10;
    std::string companyPageHost;
    // Optional keys "COM1=/dev/ttyUSB0" ... : the device behind a COM port where the system's
    // default (/dev/ttyS<n-1>) is not it.
    std::map<std::string, std::string> serialPorts;

    // "efactura.ini": what the e-Factura file needs of the seller beyond "vanzator.txt".
    struct EInvoice {
        std::string county;  // JUDET: "RO-CJ", "RO-B" (or the car code alone)
        std::string city;    // LOCALITATE: the town; in Bucharest the sector, "SECTOR1"
        std::string street;  // STRADA: the street and number ("": the address in vanzator.txt)
        std::string typeCode = "751";  // TIPFACTURA: 751 (for fiscal receipts) or 380
        std::string exemptionReason = "Operatiune scutita de TVA";  // MOTIVSCUTIRE: FaraTVA's
    } eInvoice;

    // "ModuriPlata.ini": modes 1 to 4 at indexes 1 to 4 (index 0 unused)
    std::array<PaymentMode, 5> paymentModes{
        {{}, {"", "", 1}, {"", "", 2}, {"", "", 3}, {"", "", 4}}};

    // "grupa.ini": article group digit -> department digit
    std::array<int, 10> departmentMap{};
};

// Text helpers of the settings rules.
std::string trim(const std::string& s);
std::string upper(const std::string& s);
// Leading sign and decimal digits ("$" hexadecimal too); text that is not a number reads 0.
long integerOf(const std::string& s);
// Leading decimal number with an optional fraction; text that is not a number reads 0.
double numberOf(const std::string& s);
// The integer value of a text in 64 bits: leading sign and decimal digits after spaces ("0042"
// is 42); a text without them reads 0; a longer run of digits stops before it overflows.
std::int64_t integerValue(const std::string& s);

// Field index (from 1) of s split at the separator; "" when s has fewer fields.
std::string field(const std::string& s, char separator, int index);

// A key line split as the settings files read it: the key is the text before the first "=",
// trimmed and upper-cased; the value the text between the first and the second "=".
struct KeyLine {
    std::string key;
    std::string value;
    bool hasEquals = false;
};
KeyLine splitKeyLine(const std::string& line);

// Applies the lines of "CaleBonuri.ini" in order (the last line of a key wins).
void applyCaleBonuriLines(Settings& settings, const std::vector<std::string>& lines);
// Applies the lines of "ModuriPlata.ini" and of "grupa.ini".
void applyPaymentModeLines(Settings& settings, const std::vector<std::string>& lines);
void applyDepartmentLines(Settings& settings, const std::vector<std::string>& lines);
void applyEInvoiceLines(Settings& settings, const std::vector<std::string>& lines);

}  // namespace vandrix::shell
