// A section table's rows: the active rule shared by the lists and the filtered index, inserting a size,
// names and values, and the layout of a new table.
#include "profTableTestSupport.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/Ork_Settings.h"
#include "seclib/profTableLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using seclibtest::rowTexts;
using seclibtest::texts;

using Rows = std::vector<std::string>;

// IPE-like: four languages, two values.
Ork_ProfValuesTable ipeTable() {
    Ork_ProfValuesTable t;
    t.name = u"IPE";
    t.descriptor = u"IPE.dwg";
    t.columnNames = {u"SysName", u"I/O", u"English", u"Dutch", u"German", u"French", u"h", u"b"};
    t.rows.append(Ork_StringArray{u"180", u"1", u"IPE 180", u"IPE 180", u"IPE 180", u"IPE 180", u"180", u"91"});
    t.rows.append(Ork_StringArray{u"200", u"1", u"IPE 200", u"IPE 200", u"IPE 200", u"IPE 200", u"200", u"100"});
    t.rows.append(Ork_StringArray{u"220", u"1", u"IPE 220", u"IPE 220", u"IPE 220", u"IPE 220", u"220", u"110"});
    return t;
}

class ProfTable : public ::testing::Test {
protected:
    void TearDown() override { Ork_Settings::reset(); }
};

// ---- One rule for "active": only "0" is inactive

TEST_F(ProfTable, ListsAndFilteredIndexAgreeOnEveryActiveText) {
    Ork_ProfValuesTable t = ipeTable();
    t.rows[0][1] = u"0";
    t.rows[1][1] = u"";
    t.rows[2][1] = u"2";
    t.rows.append(Ork_StringArray{u"240", u"1", u"IPE 240", u"IPE 240", u"IPE 240", u"IPE 240", u"240", u"120"});
    Ork_StringArray all, filtered;
    t.getSysNames(all);
    t.getFilteredSysNames(filtered);
    EXPECT_EQ(texts(all), (Rows{"IPE-180", "IPE-200", "IPE-220", "IPE-240"}));
    EXPECT_EQ(texts(filtered), (Rows{"IPE-200", "IPE-220", "IPE-240"}));
    for (int row = 1; row < t.rows.length(); ++row)
        EXPECT_EQ(filtered[t.getfilteredIdx(row)], all[row]) << row;
    // An inactive row: the index the next active row has.
    EXPECT_EQ(t.getfilteredIdx(0), 0);
    EXPECT_EQ(t.getfilteredIdx(-1), -1);
    EXPECT_EQ(t.getfilteredIdx(4), -1);

    t.removeInactiveEntries();
    EXPECT_EQ(rowTexts(t.rows).size(), 3u);
    EXPECT_EQ(t.rows[0][0], u"200");
}

TEST_F(ProfTable, InactiveRowInTheMiddle) {
    Ork_ProfValuesTable t = ipeTable();
    t.rows[1][1] = u"0";
    EXPECT_EQ(t.getfilteredIdx(0), 0);
    EXPECT_EQ(t.getfilteredIdx(1), 1);
    EXPECT_EQ(t.getfilteredIdx(2), 1);
    Ork_StringArray filtered;
    t.getSysNames(filtered, true);
    EXPECT_EQ(texts(filtered), (Rows{"IPE-180", "IPE-220"}));
}

TEST_F(ProfTable, RowsColumnsAndSystemNames) {
    Ork_ProfValuesTable t = ipeTable();
    t.rows[1].removeAt(7);   // a short row reads as empty in the columns it lacks
    Ork_StringArray column;
    ASSERT_TRUE(t.getColumn(column, u"b"));
    EXPECT_EQ(texts(column), (Rows{"91", "", "110"}));
    EXPECT_FALSE(t.getColumn(column, u"missing"));
    EXPECT_FALSE(t.getColumn(column, 8));
    EXPECT_FALSE(t.getColumn(column, -1));
    Ork_StringArray row;
    EXPECT_TRUE(t.getRow(row, 2));
    EXPECT_EQ(row[0], u"220");
    EXPECT_FALSE(t.getRow(row, 3));
    int found = -1;
    EXPECT_TRUE(t.findSysName(u"200", found));
    EXPECT_EQ(found, 1);
    EXPECT_FALSE(t.findSysName(u"201", found));
    EXPECT_EQ(t.findUnusedSysName(u"200"), u"201");
    EXPECT_EQ(t.findUnusedSysName(u"300"), u"300");
    EXPECT_FALSE(t.deleteRow(3));
    EXPECT_TRUE(t.deleteRow(0));
    EXPECT_EQ(t.rows[0][0], u"200");

    Ork_ProfValuesTable empty;
    EXPECT_FALSE(empty.getColumn(column, 0));
    empty.getSysNames(column);
    EXPECT_TRUE(column.isEmpty());
}

// ---- Inserting a size

TEST_F(ProfTable, InsertRowCopiesTheRowUnderFreshNames) {
    Ork_ProfValuesTable t = ipeTable();
    ASSERT_TRUE(t.insertRow(1));
    EXPECT_EQ(rowTexts(t.rows), (Rows{"180|1|IPE 180|IPE 180|IPE 180|IPE 180|180|91",
                                      "200|1|IPE 200|IPE 200|IPE 200|IPE 200|200|100",
                                      "201|1|IPE 201|IPE 200|IPE 200|IPE 200|200|100",
                                      "220|1|IPE 220|IPE 220|IPE 220|IPE 220|220|110"}));
    // In the current language's column only.
    Ork_Settings::setLanguage(u"German");
    ASSERT_TRUE(t.insertRow(0));
    EXPECT_EQ(rowTexts(t.rows)[1], "181|1|IPE 180|IPE 180|IPE 181|IPE 180|180|91");
}

TEST_F(ProfTable, InsertRowNeverAfterTheLastRow) {
    Ork_ProfValuesTable t = ipeTable();
    const Rows before = rowTexts(t.rows);
    EXPECT_FALSE(t.insertRow(2));
    EXPECT_FALSE(t.insertRow(-1));
    EXPECT_FALSE(t.insertRow(7));
    EXPECT_EQ(rowTexts(t.rows), before);
}

TEST_F(ProfTable, InsertRowStaysInsideTheCopy) {
    // No column names: the copy keeps its own cells; short rows get no cell written past their end.
    Ork_ProfValuesTable t;
    t.name = u"X";
    t.rows.append(Ork_StringArray{u"10"});
    t.rows.append(Ork_StringArray{u"20"});
    ASSERT_TRUE(t.insertRow(0));
    EXPECT_EQ(rowTexts(t.rows), (Rows{"10", "11", "20"}));

    // Column names longer than the rows: the copy is sized to them.
    Ork_ProfValuesTable s = ipeTable();
    s.rows[0] = Ork_StringArray{u"180"};
    ASSERT_TRUE(s.insertRow(0));
    EXPECT_EQ(rowTexts(s.rows)[1], "181||IPE181|||||");

    // An empty row to copy with no columns: nothing to name, nothing inserted.
    Ork_ProfValuesTable e;
    e.rows.append(Ork_StringArray{});
    e.rows.append(Ork_StringArray{});
    EXPECT_FALSE(e.insertRow(0));
    EXPECT_EQ(e.rows.length(), 2);
}

TEST_F(ProfTable, InsertRowWithNamesNamesTheCopyAndUndoesAFailure) {
    Ork_ProfValuesTable t = ipeTable();
    ASSERT_EQ(t.insertRow(0, u"190", u"IPE 190"), eOk);
    EXPECT_EQ(rowTexts(t.rows), (Rows{"180|1|IPE 180|IPE 180|IPE 180|IPE 180|180|91",
                                      "190|1|IPE 190|IPE 190|IPE 190|IPE 190|180|91",
                                      "200|1|IPE 200|IPE 200|IPE 200|IPE 200|200|100",
                                      "220|1|IPE 220|IPE 220|IPE 220|IPE 220|220|110"}));
    // Too short for the language cells: the copy is taken out again.
    Ork_ProfValuesTable s;
    s.rows.append(Ork_StringArray{u"1", u"1"});
    s.rows.append(Ork_StringArray{u"2", u"1"});
    EXPECT_EQ(s.insertRow(0, u"5", u"five"), eInvalidInput);
    EXPECT_EQ(rowTexts(s.rows), (Rows{"1|1", "2|1"}));
    EXPECT_EQ(t.insertRow(3, u"x", u"y"), eInvalidInput);
}

// ---- Names and values

TEST_F(ProfTable, SetNamesAndValues) {
    Ork_ProfValuesTable t = ipeTable();
    EXPECT_EQ(t.setSysName(0, u"181"), eOk);
    EXPECT_EQ(t.setUserNames(0, u"IPE 181"), eOk);
    AcArray<double> values{0.1, 1e-7};
    EXPECT_EQ(t.setValues(0, values), eOk);
    EXPECT_EQ(rowTexts(t.rows)[0], "181|1|IPE 181|IPE 181|IPE 181|IPE 181|0.1|1e-07");
    EXPECT_EQ(t.setValues(1, AcArray<double>{5.6, 100}), eOk);
    EXPECT_EQ(t.rows[1][6], u"5.6");
    EXPECT_EQ(t.rows[1][7], u"100");
    // Every value reads back as the same double.
    for (const double v : {0.1, 1e-7, 5.6, 1.0 / 3.0, -2.5e300, 123456789.125}) {
        Ork_ProfValuesTable u = ipeTable();
        ASSERT_EQ(u.setValues(0, AcArray<double>{v, 0}), eOk);
        EXPECT_EQ(u.rows[0][6].toDouble(), v) << u.rows[0][6].utf8();
    }

    // Wrong counts, bad rows and values without a text change nothing.
    const Rows before = rowTexts(t.rows);
    EXPECT_EQ(t.setValues(0, AcArray<double>{1}), eInvalidInput);
    EXPECT_EQ(t.setValues(0, AcArray<double>{1, std::numeric_limits<double>::infinity()}), eInvalidInput);
    EXPECT_EQ(t.setValues(3, AcArray<double>{1, 2}), eInvalidInput);
    EXPECT_EQ(t.setSysName(3, u"x"), eInvalidInput);
    t.rows.append(Ork_StringArray{});
    EXPECT_EQ(t.setSysName(3, u"x"), eInvalidInput);
    EXPECT_EQ(t.setUserNames(3, u"x"), eInvalidInput);
    t.rows.removeAt(3);
    EXPECT_EQ(rowTexts(t.rows), before);
}

TEST_F(ProfTable, NewTableHeadersHoldTheLanguagesCutToTheLanguageCount) {
    // The host lists six languages; the sixth would read back as a value column.
    const Ork_StringArray headers = profTableNewHeaders();
    EXPECT_EQ(texts(headers), (Rows{"SysName", "I/O", "English", "Dutch", "German", "French", "Korean"}));
    EXPECT_EQ(profTableLanguageCount(headers), 5);
    Ork_StringArray other = headers;
    other[6] = u"korean";
    EXPECT_EQ(profTableLanguageCount(other), 4);
    other.removeAt(6);
    EXPECT_EQ(profTableLanguageCount(other), 4);
}

} // namespace
