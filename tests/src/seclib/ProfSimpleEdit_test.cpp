// The simple editor's work on a table: the size it starts from, the learnt name pattern, the composed name,
// and the checked placing of the new size.
#include "profTableTestSupport.h"

#include "seclib/ProfSimpleEdit.h"

#include <gtest/gtest.h>

namespace {

using seclibtest::LibraryFolder;
using seclibtest::rowTexts;
using seclibtest::texts;
using Rows = std::vector<std::string>;
using Refusal = ProfSimpleEdit::Refusal;

Ork_ProfValuesTable sample(const char16_t* name) {
    Ork_ProfValuesTable t;
    EXPECT_TRUE(t.readFromFile(name));
    return t;
}

Ork_StringArray sysNames(const Ork_ProfValuesTable& t) {
    Ork_StringArray names;
    for (const Ork_StringArray& cells : t.rows)
        names.append(cells[0]);
    return names;
}

TEST(ProfSimpleEdit, StartsOnTheOfferedSizeAndLearnsTheNameFromH) {
    LibraryFolder library;
    Ork_ProfValuesTable ipe = sample(u"IPE");
    ProfSimpleEdit edit;
    ASSERT_TRUE(edit.start(ipe, 1));
    EXPECT_EQ(edit.templateRow(), 1);
    EXPECT_EQ(edit.fieldCount(), 5);
    ASSERT_TRUE(edit.hasPattern());
    EXPECT_EQ(std::vector<int>(edit.patternFields().begin(), edit.patternFields().end()), std::vector<int>{0});
    EXPECT_EQ(edit.prefix(0), u"IPE ");
    Ork_StringArray fields = edit.templateFields();
    EXPECT_EQ(texts(fields), (Rows{"100", "55", "4.1", "5.7", "7"}));
    fields[0] = u"90";
    EXPECT_EQ(edit.composedName(fields), u"90");
    EXPECT_FALSE(edit.start(ipe, 18));
    EXPECT_FALSE(edit.start(ipe, -1));
}

TEST(ProfSimpleEdit, NinetyLandsBetweenEightyAndHundredWithItsFilteredIndex) {
    LibraryFolder library;
    Ork_ProfValuesTable ipe = sample(u"IPE");
    ipe.rows[0][1] = u"0";   // IPE 80 not offered: filtered indexes shift by one
    ProfSimpleEdit edit;
    ASSERT_TRUE(edit.start(ipe, 0));   // IPE 100
    Ork_StringArray fields = edit.templateFields();
    fields[0] = u"90";
    int row = -1, filtered = -1;
    ASSERT_EQ(edit.place(ipe, true, u"", fields, row, filtered), Refusal::None);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(filtered, 0);
    EXPECT_EQ(rowTexts(ipe.rows)[1], "90|1|IPE 90|IPE 90|IPE 90|IPE 90|90|55|4.1|5.7|7");
    Ork_StringArray offered;
    ipe.getFilteredSysNames(offered);
    EXPECT_EQ(offered[filtered], u"IPE-90");
}

TEST(ProfSimpleEdit, AnglesPlaceSquaresAfterTheNearestSmallerSquareAndCheckTheLegs) {
    LibraryFolder library;
    Ork_ProfValuesTable l = sample(u"L");
    ProfSimpleEdit edit;
    ASSERT_TRUE(edit.start(l, 0));
    ASSERT_TRUE(edit.hasPattern());
    EXPECT_EQ(std::vector<int>(edit.patternFields().begin(), edit.patternFields().end()),
              (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(ProfSimpleEdit::isAngleTable(l));
    EXPECT_TRUE(ProfSimpleEdit::isSquareName(u"110x110x10"));
    EXPECT_FALSE(ProfSimpleEdit::isSquareName(u"110x100x10"));

    int row = -1, filtered = -1;
    ASSERT_EQ(edit.place(l, true, u"", {u"110", u"110", u"10", u"12", u"6"}, row, filtered), Refusal::None);
    EXPECT_EQ(texts(sysNames(l)), (Rows{"80x80x8", "100x100x10", "110x110x10", "120x120x12", "100x50x6", "120x80x8"}));
    EXPECT_EQ(filtered, 2);
    EXPECT_EQ(l.rows[2][2], u"L 110x110x10");
    ASSERT_EQ(edit.place(l, true, u"", {u"100", u"65", u"7", u"9", u"4.5"}, row, filtered), Refusal::None);
    EXPECT_EQ(texts(sysNames(l))[5], "100x65x7");

    // Third value 20: a fourth of 0 is accepted, 15 refused with the table unchanged; a retry adds one row.
    const Rows before = rowTexts(l.rows);
    EXPECT_EQ(edit.place(l, true, u"", {u"150", u"150", u"20", u"15", u"6"}, row, filtered), Refusal::AngleLegs);
    EXPECT_EQ(rowTexts(l.rows), before);
    ASSERT_EQ(edit.place(l, true, u"", {u"150", u"150", u"20", u"0", u"6"}, row, filtered), Refusal::None);
    EXPECT_EQ(rowTexts(l.rows).size(), before.size() + 1);
    EXPECT_EQ(l.rows[row][0], u"150x150x20");
}

TEST(ProfSimpleEdit, AnExistingNameReplacesItsRowAndAnEmptyNameIsRefused) {
    LibraryFolder library;
    Ork_ProfValuesTable ipe = sample(u"IPE");
    const int rows = ipe.rows.length();
    ProfSimpleEdit edit;
    ASSERT_TRUE(edit.start(ipe, 2));
    Ork_StringArray fields = edit.templateFields();
    fields[1] = u"65";
    int row = -1, filtered = -1;
    ASSERT_EQ(edit.place(ipe, true, u"", fields, row, filtered), Refusal::None);
    EXPECT_EQ(ipe.rows.length(), rows);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(ipe.rows[2][7], u"65");
    EXPECT_EQ(edit.place(ipe, false, u"", fields, row, filtered), Refusal::EmptyName);
    EXPECT_EQ(ipe.rows.length(), rows);
    // A typed name is the system name and every language's name.
    ASSERT_EQ(edit.place(ipe, false, u"Special", fields, row, filtered), Refusal::None);
    EXPECT_EQ(rowTexts(ipe.rows)[row].substr(0, 43), "Special|1|Special|Special|Special|Special|1");
}

TEST(ProfSimpleEdit, ValuesPastTheEleventhFieldKeepTheTemplates) {
    Ork_ProfValuesTable t;
    t.name = u"W";
    t.columnNames = {u"SysName", u"I/O", u"English", u"Dutch", u"German", u"French"};
    Ork_StringArray cells{u"10", u"1", u"W 10", u"W 10", u"W 10", u"W 10"};
    for (int i = 1; i <= 13; ++i) {
        t.columnNames.append(u"v" + Ork_String(i));
        cells.append(Ork_String(i == 1 ? 10 : 100 + i));
    }
    t.rows.append(cells);
    ProfSimpleEdit edit;
    ASSERT_TRUE(edit.start(t, 0));
    EXPECT_EQ(edit.fieldCount(), 11);
    Ork_StringArray fields = edit.templateFields();
    fields[0] = u"20";
    fields[10] = u"999";
    int row = -1, filtered = -1;
    ASSERT_EQ(edit.place(t, true, u"", fields, row, filtered), Refusal::None);
    ASSERT_EQ(row, 1);
    EXPECT_EQ(t.rows[1][0], u"20");
    EXPECT_EQ(t.rows[1][16], u"999");
    EXPECT_EQ(t.rows[1][17], u"112");
    EXPECT_EQ(t.rows[1][18], u"113");
}

TEST(ProfSimpleEdit, ATableWithoutAPatternComposesNothing) {
    Ork_ProfValuesTable t;
    t.name = u"X";
    t.columnNames = {u"SysName", u"I/O", u"English", u"Dutch", u"German", u"French", u"a"};
    t.rows.append(Ork_StringArray{u"Big", u"1", u"Big", u"Big", u"Big", u"Big", u"5"});
    t.rows.append(Ork_StringArray{u"7x9", u"1", u"X 7", u"X 7", u"X 7", u"X 7", u"7"});
    ProfSimpleEdit edit;
    ASSERT_TRUE(edit.start(t, 0));
    EXPECT_FALSE(edit.hasPattern());   // learning stops at the last row, never wrapping round
    EXPECT_EQ(edit.composedName({u"5"}), u"");
    int row = -1, filtered = -1;
    EXPECT_EQ(edit.place(t, true, u"", {u"6"}, row, filtered), Refusal::EmptyName);
    ASSERT_EQ(edit.place(t, true, u"Small", {u"6"}, row, filtered), Refusal::None);
    EXPECT_EQ(t.rows[row][0], u"Small");
}

} // namespace
