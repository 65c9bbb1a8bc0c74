// The article files' lines: quoted numbers, upper case, the name's apostrophe, the code page a
// spreadsheet saved in, and the export's stand-ins that keep a line's seven commas.
#include "backoffice/csv_line.h"

#include <gtest/gtest.h>

namespace vandrix::backoffice {
namespace {

using namespace csv;

TEST(CsvLine, QuotedNumbersAndFields) {
    struct Case {
        const char* line;
        CsvFields fields;
    } cases[] = {
        {"paine,buc,\"12,50\",3,C,123,obs,5",
         {"PAINE", "BUC", "12.50", "3", "C", "123", "OBS", "5"}},
        {"a,b,\"1,234,567\",,,1,,", {"A", "B", "1234567", "", "", "1", "", ""}},
        {"  spatii  , kg ,1", {"SPATII", "KG", "1", "", "", "", "", ""}},
        {"O'NEIL,buc,1,,,9,,", {"O`NEIL", "BUC", "1", "", "", "9", "", ""}},
        {"", {}},
        {"\"citat\",buc,1,,,9,,", {"CITAT", "BUC", "1", "", "", "9", "", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseCsvLine(c.line), c.fields) << c.line;
}

TEST(CsvLine, UpperCaseCoversRomanianLetters) {
    EXPECT_EQ(upperCase("ăâîșțşţ abc é"), "ĂÂÎȘȚŞŢ ABC É");
}

TEST(CsvLine, LinesAreUtf8OrTheWindowsCodePage) {
    EXPECT_EQ(decodeCsvLine("\xEF\xBB\xBF"
                            "DENUMIRE\r"),
              "DENUMIRE");
    EXPECT_EQ(decodeCsvLine("p\xE2ine \xBA"
                            "i"),
              "pâine şi");  // Windows-1250 bytes
    auto lines = splitCsvLines("A,B\r\nc\xE3\r\nlast");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "că");
    EXPECT_EQ(lines[2], "last");
}

TEST(CsvLine, NamesCompareWithoutSpacesPointsAndAmpersands) {
    EXPECT_EQ(comparableName("Lapte & Co. 1 l"), "LAPTECO1L");
    EXPECT_EQ(comparableName("o'neil"), "O`NEIL");
    EXPECT_EQ(comparableName("ciocolată"), "CIOCOLATĂ");
}

// What the export writes for a value with commas and quotes reads back as the same value, and
// the line keeps its seven commas.
TEST(CsvLine, ExportedFieldsComeBackWhole) {
    const std::string name = "VIN \"ROSU\", SEC, 0,75L";
    const std::string remark = "A,B";
    const std::string line =
        exportField(name) + ",BUC,12.50,2,1,5940000000001," + exportField(remark) + ",3";
    EXPECT_EQ(commaCount(line), 7);
    CsvFields fields = parseCsvLine(line);
    EXPECT_EQ(fields[kName], name);
    EXPECT_EQ(fields[kRemark], remark);
    EXPECT_EQ(fields[kPrice], "12.50");
}

}  // namespace
}  // namespace vandrix::backoffice
