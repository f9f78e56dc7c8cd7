// A section table on a real grid and registered with the host's section tables.
#include "profTableTestSupport.h"

#include "support/sheetTestSupport.h"

#include "nuvo/sections/Ork_SectionTableManager.h"

#include <gtest/gtest.h>

namespace {

using seclibtest::LibraryFolder;
using seclibtest::expectSameTable;
using seclibtest::rowTexts;
using seclibtest::texts;
using Rows = std::vector<std::string>;

// ---- The grid

using ProfTableGrid = sheettest::SheetTest;

TEST_F(ProfTableGrid, EverySampleGoesToTheGridAndComesBackUnchanged) {
    LibraryFolder library;
    Ork_Spread& g = grid();
    for (const char16_t* sample : {u"IPE", u"HEA", u"HEB", u"UPN", u"L"}) {
        SCOPED_TRACE(Ork_String(sample).utf8());
        Ork_ProfValuesTable table;
        ASSERT_TRUE(table.readFromFile(sample));
        ASSERT_TRUE(table.setToSS(g));
        EXPECT_EQ(g.getMaxRows(), table.rows.length());
        EXPECT_EQ(g.getMaxCols(), table.columnNames.length());
        EXPECT_EQ(text(Ork_Spread::kHeader, 2, Ork_Spread::kTextData), Ork_String(sample));
        EXPECT_EQ(text(1, Ork_Spread::kHeader), u"SysName");
        Ork_ProfValuesTable back;
        back.descriptor = table.descriptor;
        ASSERT_TRUE(back.getFromSS(g));
        expectSameTable(back, table);
    }
}

TEST_F(ProfTableGrid, TextsStayAsWritten) {
    Ork_ProfValuesTable table;
    table.name = u"T";
    table.columnNames = {u"SysName", u"I/O", u"English", u"Dutch", u"German", u"French", u"t"};
    table.rows.append(Ork_StringArray{u"007", u"1", u"T 7", u"T 7", u"T 7", u"T 7", u"5.60"});
    Ork_Spread& g = grid();
    ASSERT_TRUE(table.setToSS(g));
    Ork_ProfValuesTable back;
    ASSERT_TRUE(back.getFromSS(g));
    EXPECT_EQ(rowTexts(back.rows), (Rows{"007|1|T 7|T 7|T 7|T 7|5.60"}));
}

TEST_F(ProfTableGrid, HeadersComeBackAsWrittenNeverAsTheGridsLabelsOrNumbers) {
    Ork_ProfValuesTable table;
    table.name = u"007";
    table.columnNames = {u"SysName", u"", u"English", u"05", u"0."};
    table.rows.append(Ork_StringArray{u"1", u"1", u"one", u"1", u"2"});
    Ork_Spread& g = grid();
    ASSERT_TRUE(table.setToSS(g));
    Ork_ProfValuesTable back;
    ASSERT_TRUE(back.getFromSS(g));
    EXPECT_EQ(texts(back.columnNames), (Rows{"SysName", "", "English", "05", "0."}));
    EXPECT_EQ(back.name, u"007");
    table.name.clear();
    ASSERT_TRUE(table.setToSS(g));
    ASSERT_TRUE(back.getFromSS(g));
    EXPECT_EQ(back.name, u"");
}

TEST_F(ProfTableGrid, ATableTheGridCannotHoldIsRefusedNotCut) {
    Ork_ProfValuesTable table;
    table.name = u"T";
    table.columnNames = {u"SysName", u"I/O"};
    table.rows.append(Ork_StringArray{u"1", u"1"});
    Ork_Spread& g = grid();
    ASSERT_TRUE(table.setToSS(g));
    table.rows[0][0] = Ork_String(std::u16string(u"a\0b", 3));
    EXPECT_FALSE(table.setToSS(g));
    EXPECT_EQ(g.getMaxRows(), 0);   // an empty grid, never the previous table
}

TEST_F(ProfTableGrid, EmptyTableClearsTheGridAndAnEmptyGridGivesNothing) {
    Ork_Spread& g = grid(4, 4);
    Ork_ProfValuesTable empty;
    empty.columnNames = {u"SysName", u"I/O"};
    EXPECT_FALSE(empty.setToSS(g));
    EXPECT_EQ(g.getMaxRows(), 0);
    EXPECT_EQ(g.getMaxCols(), 0);
    Ork_ProfValuesTable kept;
    kept.name = u"kept";
    EXPECT_FALSE(kept.getFromSS(g));
    EXPECT_EQ(kept.name, u"kept");
}

// ---- The host's section tables

class ProfTableGlobals : public ::testing::Test {
protected:
    Ork_ProfValuesTable ipe() {
        Ork_ProfValuesTable t;
        EXPECT_TRUE(t.readFromFile(u"IPE"));
        return t;
    }
    LibraryFolder m_library;
    Ork_SectionTableManager m_manager;
};

TEST_F(ProfTableGlobals, RegistersWithoutTheActiveColumn) {
    Ork_ProfValuesTable t = ipe();
    ASSERT_EQ(t.setToGlobals(&m_manager), eOk);
    const Ork_SectionTable* registered = m_manager.findTable(u"IPE");
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered->fileName, u"IPE.pr");
    EXPECT_EQ(registered->descriptor, u"Prof\\IPE.dwg");
    EXPECT_EQ(texts(registered->headers),
              (Rows{"SysName", "English", "Dutch", "German", "French", "h", "b", "tw", "tf", "r"}));
    EXPECT_EQ(rowTexts(registered->rows)[0], "80|IPE 80|IPE 80|IPE 80|IPE 80|80|46|3.8|5.2|5");
    // The table itself keeps its column.
    EXPECT_EQ(t.columnNames[1], u"I/O");
    EXPECT_EQ(t.setToGlobals(nullptr), eInvalidInput);

    // A descriptor without "." is no file name and is registered as it is.
    t.descriptor = u"IPE";
    ASSERT_EQ(t.setToGlobals(&m_manager), eOk);
    EXPECT_EQ(m_manager.findTable(u"IPE")->descriptor, u"IPE");
}

TEST_F(ProfTableGlobals, ReplacesTheTableOfTheSameName) {
    Ork_ProfValuesTable t = ipe();
    ASSERT_EQ(t.setToGlobals(&m_manager), eOk);
    ASSERT_TRUE(t.insertRow(0));
    ASSERT_EQ(t.setToGlobals(&m_manager), eOk);
    EXPECT_EQ(m_manager.tableCount(), 1);
    EXPECT_EQ(m_manager.findTable(u"IPE")->rows.length(), t.rows.length());
    EXPECT_EQ(m_manager.findTable(u"IPE")->rows[1][0], u"81");
}

TEST_F(ProfTableGlobals, RefusedTableKeepsTheOldRegistration) {
    Ork_ProfValuesTable t = ipe();
    ASSERT_EQ(t.setToGlobals(&m_manager), eOk);
    const int rows = m_manager.findTable(u"IPE")->rows.length();
    Ork_ProfValuesTable broken = t;
    broken.columnNames = {u"Name", u"I/O"};   // no "SysName" and no language columns
    broken.rows.removeAt(0);
    EXPECT_EQ(broken.setToGlobals(&m_manager), eInvalidInput);
    ASSERT_NE(m_manager.findTable(u"IPE"), nullptr);
    EXPECT_EQ(m_manager.findTable(u"IPE")->rows.length(), rows);
    EXPECT_EQ(m_manager.findTable(u"IPE")->headers[0], u"SysName");
}

} // namespace
