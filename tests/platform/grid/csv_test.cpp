#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "grid/Csv.h"
#include "os/files.h"
#include "os/utf16.h"

using namespace grid;

namespace {

std::u16string readError(const std::string& text) {
    Sheet s;
    std::u16string error;
    EXPECT_FALSE(Csv::read(s, text, error));
    return error;
}

} // namespace

TEST(CsvImport, NumbersAreNumbersFormulasAreFormulasTheRestIsText) {
    Sheet s;
    std::u16string error;
    ASSERT_TRUE(Csv::read(s, "1,2.5,abc\n=A1+B1,=SUM(A1:B1)*2,-1e3\n", error));
    EXPECT_EQ(s.maxCols(), 3);
    EXPECT_EQ(s.maxRows(), 2);
    EXPECT_TRUE(s.value(1, 1).isNumber());
    EXPECT_TRUE(s.value(3, 1).isText());
    EXPECT_EQ(s.formula(1, 2), u"A1+B1");
    EXPECT_EQ(s.valueText(1, 2), u"3.5");
    EXPECT_EQ(s.valueText(2, 2), u"7");
    EXPECT_EQ(s.valueText(3, 2), u"-1000");
}

TEST(CsvImport, TextsThatAreNoFormulasStayTexts) {
    Sheet s;
    std::u16string error;
    ASSERT_TRUE(Csv::read(s, "=,==x,=1+(\n", error));
    EXPECT_EQ(s.data(1, 1), u"=");
    EXPECT_EQ(s.data(2, 1), u"==x");
    EXPECT_EQ(s.data(3, 1), u"=1+(");
    EXPECT_FALSE(s.hasFormula(3, 1));
}

TEST(CsvImport, QuotedFieldsHoldCommasQuotesAndLineBreaks) {
    Sheet s;
    std::u16string error;
    ASSERT_TRUE(Csv::read(s, "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n\"\",x\r\n", error));
    EXPECT_EQ(s.maxRows(), 2);
    EXPECT_EQ(s.data(1, 1), u"a,b");
    EXPECT_EQ(s.data(2, 1), u"say \"hi\"");
    EXPECT_EQ(s.data(3, 1), u"two\r\nlines");
    EXPECT_EQ(s.data(1, 2), u"");
    EXPECT_EQ(s.data(2, 2), u"x");
}

TEST(CsvImport, RecordsOfDifferentLengthsAndLineEndings) {
    Sheet s;
    std::u16string error;
    ASSERT_TRUE(Csv::read(s, "\xEF\xBB\xBF" "a\rb,c,\n\nd", error));
    EXPECT_EQ(s.maxRows(), 4);
    EXPECT_EQ(s.maxCols(), 3);
    EXPECT_EQ(s.data(1, 1), u"a");
    EXPECT_EQ(s.data(2, 2), u"c");
    EXPECT_EQ(s.data(1, 4), u"d");
}

TEST(CsvImport, EachRecordKnowsTheLineItStartsOn) {
    // A quoted line break moves the records after it down a line; an empty line is a record of its own.
    Csv::Table table;
    std::u16string error;
    ASSERT_TRUE(Csv::parse("a,b\n\"x\ny\",z\r\n\nlast", table, error));
    EXPECT_EQ(table.rows, 4);
    EXPECT_EQ(table.lines, (std::vector<long long>{1, 2, 4, 5}));
}

TEST(CsvImport, AnEmptyTextIsAnEmptySheet) {
    Sheet s;
    std::u16string error;
    ASSERT_TRUE(Csv::read(s, "", error));
    EXPECT_EQ(s.maxRows(), 0);
    EXPECT_EQ(s.maxCols(), 0);
}

TEST(CsvImport, MalformedTextsAreRefusedWithTheirLineAndTheSheetKept) {
    EXPECT_EQ(readError("a,b\n\"open,\nstill open"), u"line 2: a quoted field is not closed");
    EXPECT_EQ(readError("a\n\"x\"y,z\n"), u"line 2: text follows the closing quote of a field");
    EXPECT_EQ(readError("\"a\nb\"x,c\n"), u"line 2: text follows the closing quote of a field");
    EXPECT_EQ(readError(std::string(kMaxCols + 1, ',')), u"line 1: too many fields in a record");

    Sheet s;
    s.setMaxCols(1);
    s.setMaxRows(1);
    s.setData(1, 1, u"kept");
    std::u16string error;
    EXPECT_FALSE(Csv::read(s, "\"broken", error));
    EXPECT_EQ(s.data(1, 1), u"kept");
}

TEST(CsvExport, ComputedValuesAfterAFullRecalculation) {
    Sheet s;
    s.setMaxCols(3);
    s.setMaxRows(2);
    s.setSwitch(kSwitchAutoCalc, false);
    s.setData(1, 1, u"2");
    s.setFormula(2, 1, u"A1*10");
    s.setData(1, 1, u"3");   // left out of date by the switch: the export recalculates
    s.setData(3, 1, u"a,b \"c\"");
    s.setData(1, 2, u"line\nbreak");
    EXPECT_EQ(Csv::write(s, false), "3,30,\"a,b \"\"c\"\"\"\r\n\"line\nbreak\",,\r\n");
    EXPECT_EQ(Csv::write(s, true, false), "3,=A1*10,\"a,b \"\"c\"\"\"\n\"line\nbreak\",,\n");
}

TEST(CsvRoundTrip, QuotesCommasLineBreaksAndFormulasSurvive) {
    Sheet s;
    s.setMaxCols(4);
    s.setMaxRows(3);
    s.setData(1, 1, u"plain");
    s.setData(2, 1, u"with, comma");
    s.setData(3, 1, u"with \"quotes\"");
    s.setData(4, 1, u"multi\r\nline\nüñí");
    s.setData(1, 2, u"1.25");
    s.setFormula(2, 2, u"IF(A2>1,\"big, \"\"very\"\"\",\"small\")");
    s.setData(3, 3, u" spaced ");
    const std::string csv = Csv::write(s, true);
    Sheet back;
    std::u16string error;
    ASSERT_TRUE(Csv::read(back, csv, error)) << os::toUtf8(error);
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 4; ++col) {
            EXPECT_EQ(back.valueText(col, row), s.valueText(col, row)) << col << "," << row;
            EXPECT_EQ(back.formula(col, row), s.formula(col, row)) << col << "," << row;
        }
    EXPECT_EQ(back.valueText(2, 2), u"big, \"very\"");
    EXPECT_EQ(Csv::write(back, true), csv);
}

TEST(CsvFiles, SaveAndLoad) {
    TempFolder folder;
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(1);
    s.setData(1, 1, u"5");
    s.setFormula(2, 1, u"A1+1");
    std::u16string error;
    const std::u16string path = folder.file("t.csv");
    ASSERT_TRUE(Csv::save(s, path, false, error));
    std::string bytes;
    ASSERT_TRUE(os::readBytes(path, bytes));
    EXPECT_EQ(bytes, "5,6\r\n");
    Sheet back;
    ASSERT_TRUE(Csv::load(back, path, error));
    EXPECT_EQ(back.valueText(2, 1), u"6");
    EXPECT_FALSE(Csv::load(back, folder.file("missing.csv"), error));
    EXPECT_NE(os::toUtf8(error).find("missing.csv: cannot be read"), std::string::npos);
}

// Export covers rows 1 to the last row holding a value or a formula and columns 1 to the last column holding
// one: the size a sheet declares (up to 32000 columns and 16777216 rows) costs nothing.
TEST(CsvExport, CoversTheCellsHoldingSomethingWhateverTheSheetsSize) {
    Sheet s;
    ASSERT_TRUE(s.setMaxCols(kMaxCols));
    ASSERT_TRUE(s.setMaxRows(kMaxRows));
    s.setData(1, 1, u"one");
    s.setFormula(3, 2, u"A1&\"!\"");
    s.setLocked(kMaxCols, kMaxRows, true);   // a cell holding no value widens nothing
    EXPECT_EQ(Csv::write(s, false), "one,,\r\n,,one!\r\n");
    EXPECT_EQ(Csv::write(s, true), "one,,\r\n,,\"=A1&\"\"!\"\"\"\r\n");

    Sheet empty;
    empty.setMaxCols(3);
    empty.setMaxRows(3);
    EXPECT_EQ(Csv::write(empty, false), "");
}

TEST(CsvExport, RecordsGoToTheSinkOneByOne) {
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(5);
    s.setData(2, 1, u"b");
    s.setData(1, 4, u"d");
    std::vector<std::string> records;
    EXPECT_TRUE(Csv::write(s, false, false, [&](std::string_view record) {
        records.emplace_back(record);
        return true;
    }));
    EXPECT_EQ(records, (std::vector<std::string>{",b\n", ",\n", ",\n", "d,\n"}));
    // A sink that refuses a record ends the export.
    records.clear();
    EXPECT_FALSE(Csv::write(s, false, false, [&](std::string_view record) {
        records.emplace_back(record);
        return records.size() < 2;
    }));
    EXPECT_EQ(records.size(), 2u);
}

// A text holding U+0000 is written whole, and what follows it too.
TEST(CsvRoundTrip, TextsHoldingNulSurvive) {
    TempFolder folder;
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(3);
    const std::u16string nul(u"a\0b", 3);
    s.setData(1, 1, nul);
    s.setData(2, 1, std::u16string(1, u'\0'));
    s.setData(1, 3, u"after");
    const std::string csv = Csv::write(s, false);
    EXPECT_EQ(csv, std::string("a\0b,", 4) + '\0' + "\r\n,\r\nafter,\r\n");
    std::u16string error;
    const std::u16string path = folder.file("nul.csv");
    ASSERT_TRUE(Csv::save(s, path, false, error)) << os::toUtf8(error);
    Sheet back;
    ASSERT_TRUE(Csv::load(back, path, error)) << os::toUtf8(error);
    EXPECT_EQ(back.valueText(1, 1), nul);
    EXPECT_EQ(back.valueText(2, 1), std::u16string(1, u'\0'));
    EXPECT_EQ(back.valueText(1, 3), u"after");
    EXPECT_EQ(Csv::write(back, false), csv);
}
