// The lines of the article files "articole.csv" and "modpret.csv": one article a line, eight
// fields separated by commas, a double-quoted field allowed on the way in.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vandrix::backoffice {

inline constexpr const char* kCsvHeader = "DENUMIRE,UM,PRET,GRUPA,TVA,CODBAR,OBS,STOC";

namespace csv {
enum Field { kName, kUnit, kPrice, kGroup, kVat, kBarcode, kRemark, kStock, kFieldCount };
}
using CsvFields = std::array<std::string, csv::kFieldCount>;

// A line's bytes as text: UTF-8 when they are valid UTF-8, else the Windows-1250 code page a
// spreadsheet on the shop's PC saves in. A byte-order mark and the line end are dropped.
std::string decodeCsvLine(std::string_view bytes);

// The file's lines, decoded one by one.
std::vector<std::string> splitCsvLines(std::string_view bytes);

// Upper case of the letters, the Romanian and other Latin letters with diacritics among them.
std::string upperCase(std::string_view text);

// The fields of a line: upper-cased; each double-quoted text with more than one comma loses
// them (thousands separators), one with a single comma gets a point in its place (a decimal
// comma); the quotes removed; cut at the commas; spaces around each field trimmed; in the name
// every apostrophe becomes a backquote. The export's stand-ins for a comma and a double quote
// inside a field become those characters again.
CsvFields parseCsvLine(std::string_view line);

// Commas in the line as it stands, quotes and all.
int commaCount(std::string_view line);

// A name as the imports compare names: without spaces, "." and "&", in upper case (letters
// with diacritics too), an apostrophe as a backquote (the imports store it so).
std::string comparableName(std::string_view name);

// A value written into an exported line: a comma becomes U+201A and a double quote U+201D,
// which look the same in a spreadsheet but neither split the field nor start a quoted text, so
// the line keeps its seven commas; a line break becomes a space.
std::string exportField(std::string_view value);

}  // namespace vandrix::backoffice
