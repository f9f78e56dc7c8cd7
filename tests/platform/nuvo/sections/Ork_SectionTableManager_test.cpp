#include "support/TempFolder.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "nuvo/sections/sectionValues.h"

#include <gtest/gtest.h>

namespace {

Ork_String testLibrary() {
    return Ork_Settings::asFolder(Ork_String::fromUtf8(std::string(SS_TEST_DATA) + "/nuvo/library"));
}

// The process-wide tables read from the test library, restored to the default library afterwards.
class SectionTables : public ::testing::Test {
protected:
    void SetUp() override { Ork_Settings::setLibDir(testLibrary()); }
    void TearDown() override { Ork_Settings::reset(); }
    Ork_SectionTableManager& tables() { return Ork_SectionTableManager::instance(); }
};

} // namespace

TEST_F(SectionTables, LoadTheLibrarysTablesAndNameTheFilesThatAreNone) {
    EXPECT_TRUE(tables().hasTable(u"IPE"));
    EXPECT_TRUE(tables().hasTable(u"HEA"));
    EXPECT_FALSE(tables().hasTable(u"Broken"));
    ASSERT_EQ(tables().loadProblems().length(), 1);
    EXPECT_TRUE(tables().loadProblems()[0].contains(u"Broken.pr"));
    EXPECT_EQ(tables().findTable(u"IPE")->descriptor, u"IPE.dwg");
    EXPECT_EQ(tables().findTable(u"IPE")->fileName, u"IPE.pr");
}

TEST_F(SectionTables, ValueColumnsCountFromTheFirstColumnAfterTheLanguages) {
    Ork_String value;
    ASSERT_EQ(getSectionValue(u"IPE-220", 0, value), eOk);
    EXPECT_EQ(value, u"220");
    ASSERT_EQ(getSectionValue(u"IPE-220", 3, value), eOk);
    EXPECT_EQ(value, u"9.2");
    // A table with a Korean column has five language columns.
    ASSERT_EQ(getSectionValue(u"HEA-200", 0, value), eOk);
    EXPECT_EQ(value, u"190");
    ASSERT_EQ(getSectionValue(u"HEA-200", 4, value), eOk);
    EXPECT_EQ(value, u"18");
    value = u"kept";
    EXPECT_EQ(getSectionValue(u"HEA-200", 5, value), eInvalidInput);
    EXPECT_EQ(getSectionValue(u"HEA-200", -1, value), eInvalidInput);
    EXPECT_EQ(getSectionValue(u"HEA-200", 2147483647, value), eInvalidInput);
    EXPECT_EQ(getSectionValue(u"HEA-999", 0, value), eInvalidInput);
    EXPECT_EQ(getSectionValue(u"IPE 200", 0, value), eInvalidInput);
    EXPECT_EQ(value, u"kept");

    Ork_StringArray names;
    ASSERT_EQ(getSectionColumnNames(u"HEA-240", names), eOk);
    EXPECT_EQ(names, (Ork_StringArray{u"h", u"b", u"tw", u"tf", u"r"}));
    ASSERT_EQ(getSectionColumnNames(u"IPE-240", names), eOk);
    EXPECT_EQ(names, (Ork_StringArray{u"h", u"b", u"tw", u"tf", u"r"}));
    EXPECT_EQ(getSectionColumnNames(u"IPE-999", names), eInvalidInput);
}

TEST_F(SectionTables, UserNamesInAnyLanguageGiveTheSectionName) {
    Ork_String name;
    ASSERT_TRUE(tables().getSystemName(u"IPE 270", name));
    EXPECT_EQ(name, u"IPE-270");
    ASSERT_TRUE(tables().getSystemName(u"HEA 240", name));      // German
    EXPECT_EQ(name, u"HEA-240");
    ASSERT_TRUE(tables().getSystemName(u"HEA-300", name));
    EXPECT_EQ(name, u"HEA-300");
    name = u"kept";
    EXPECT_FALSE(tables().getSystemName(u"HEB 200", name));
    EXPECT_FALSE(tables().getSystemName(u"", name));
    EXPECT_EQ(name, u"kept");

    ASSERT_TRUE(tables().getUserName(u"HEA-220", u"German", name));
    EXPECT_EQ(name, u"HEA 220");
    ASSERT_TRUE(tables().getUserName(u"HEA-220", u"English", name));
    EXPECT_EQ(name, u"HE 220 A");
    ASSERT_TRUE(tables().getUserName(u"IPE-200", u"Korean", name));    // no Korean column: English
    EXPECT_EQ(name, u"IPE 200");
}

TEST_F(SectionTables, RegisteredTablesReplaceTablesOfTheSameName) {
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"100", u"UPN 100", u"UPN 100", u"UPN 100", u"UPN 100", u"100", u"50"});
    const Ork_StringArray headers{u"SysName", u"English", u"Dutch", u"German", u"French", u"h", u"b"};
    ASSERT_EQ(addSectionTable(&tables(), u"UPN.pr", u"Prof\\UPN.dwg", headers, rows), eOk);
    Ork_String value;
    ASSERT_EQ(getSectionValue(u"UPN-100", 1, value), eOk);
    EXPECT_EQ(value, u"50");
    Ork_String name;
    ASSERT_TRUE(tables().getSystemName(u"UPN 100", name));
    EXPECT_EQ(name, u"UPN-100");
    rows[0][6] = u"55";
    rows[0][1] = u"U 100";
    ASSERT_EQ(addSectionTable(&tables(), u"UPN.pr", u"", headers, rows), eOk);
    ASSERT_EQ(getSectionValue(u"UPN-100", 1, value), eOk);
    EXPECT_EQ(value, u"55");
    ASSERT_TRUE(tables().getSystemName(u"U 100", name));
    EXPECT_TRUE(tables().getSystemName(u"UPN 100", name));   // still the Dutch name
    EXPECT_EQ(tables().removeTable(u"UPN"), eOk);
    EXPECT_EQ(tables().removeTable(u"UPN"), eInvalidInput);
    EXPECT_EQ(getSectionValue(u"UPN-100", 1, value), eInvalidInput);
    EXPECT_FALSE(tables().getSystemName(u"U 100", name));
    EXPECT_FALSE(tables().getSystemName(u"UPN-100", name));

    EXPECT_EQ(addSectionTable(nullptr, u"UPN.pr", u"", headers, rows), eInvalidInput);
    EXPECT_EQ(addSectionTable(&tables(), u"UPN.pr", u"", Ork_StringArray{u"SysName", u"English"}, rows), eInvalidInput);
    EXPECT_EQ(addSectionTable(&tables(), u"", u"", headers, rows), eInvalidInput);
}

TEST_F(SectionTables, HyphenatedTableNamesAndShortRows) {
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"100", u"HE 100 A"});
    const Ork_StringArray headers{u"SysName", u"English", u"Dutch", u"German", u"French", u"h"};
    ASSERT_EQ(addSectionTable(&tables(), u"HE-A.pr", u"", headers, rows), eOk);
    Ork_String value;
    EXPECT_EQ(getSectionValue(u"HE-A-100", 0, value), eInvalidInput);    // the row has no value cells
    Ork_StringArray names;
    ASSERT_EQ(getSectionColumnNames(u"HE-A-100", names), eOk);
    EXPECT_EQ(names, Ork_StringArray{u"h"});

    // "HE-A-100" is also table "HE" and system name "A-100": the table registered first has it.
    Ork_Array<Ork_StringArray> other;
    other.append({u"A-100", u"HE A-100", u"", u"", u"", u"96"});
    ASSERT_EQ(addSectionTable(&tables(), u"HE.pr", u"", headers, other), eOk);
    const Ork_SectionTable* table = nullptr;
    int row = -1;
    ASSERT_TRUE(tables().findSection(u"HE-A-100", table, row));
    EXPECT_EQ(table->name, u"HE-A");
    tables().removeTable(u"HE-A");
    ASSERT_TRUE(tables().findSection(u"HE-A-100", table, row));
    EXPECT_EQ(table->name, u"HE");
    tables().removeTable(u"HE");
}

TEST_F(SectionTables, AnotherLibraryFolderIsReadOnNextUse) {
    TempFolder temp;
    ASSERT_TRUE(ObjectExportCreateDirectory(temp.folder() + u"prof"));
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"X.dwg"});
    rows.append({u"SysName", u"I/O", u"English", u"Dutch", u"German", u"French", u"t"});
    rows.append({u"10", u"0", u"FL 10", u"FL 10", u"FL 10", u"FL 10", u"10"});
    ASSERT_TRUE(writeFile(temp.folder() + u"prof\\FL.pr", rows));
    Ork_Settings::setLibDir(temp.folder());
    EXPECT_FALSE(tables().hasTable(u"IPE"));
    Ork_String value;
    ASSERT_EQ(getSectionValue(u"FL-10", 0, value), eOk);    // inactive sizes still exist
    EXPECT_EQ(value, u"10");
    EXPECT_EQ(tables().findTable(u"FL")->headers.length(), 6);
}

TEST_F(SectionTables, AnActiveColumnGivenToRegistrationIsRemoved) {
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"100", u"0", u"L 100", u"L 100", u"L 100", u"L 100", u"100", u"10"});
    const Ork_StringArray headers{u"SysName", u"I/O", u"English", u"Dutch", u"German", u"French", u"h", u"t"};
    ASSERT_EQ(addSectionTable(&tables(), u"L.pr", u"", headers, rows), eOk);
    Ork_String value;
    ASSERT_EQ(getSectionValue(u"L-100", 1, value), eOk);
    EXPECT_EQ(value, u"10");
    tables().removeTable(u"L");
}

TEST_F(SectionTables, TheSampleLibrarysTablesAllLoad) {
    Ork_Settings::setLibDir(Ork_Settings::asFolder(Ork_String::fromUtf8(std::string(SS_SOURCE_DIR) + "/samples/library")));
    EXPECT_TRUE(tables().loadProblems().isEmpty());
    for (const char16_t* section : {u"IPE-200", u"HEA-300", u"HEB-240", u"UPN-160"}) {
        Ork_StringArray names;
        EXPECT_EQ(getSectionColumnNames(section, names), eOk) << Ork_String(section).utf8();
        EXPECT_EQ(names, (Ork_StringArray{u"h", u"b", u"tw", u"tf", u"r"}));
    }
}
