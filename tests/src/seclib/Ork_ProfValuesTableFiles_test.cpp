// Section tables on files: every sample read, written and read back unchanged; the one-line file; the names
// that may not leave the library's "prof\" folder; a failed read changing nothing.
#include "profTableTestSupport.h"

#include "seclib/profTablePath.h"

#include <gtest/gtest.h>

namespace {

using seclibtest::LibraryFolder;
using seclibtest::expectSameTable;
using seclibtest::texts;

TEST(ProfTableFiles, EverySampleReadsWritesAndReadsBackUnchanged) {
    LibraryFolder library;
    library.put("prof/copy/readme.txt", "");
    for (const char* sample : {"IPE", "HEA", "HEB", "UPN", "L"}) {
        SCOPED_TRACE(sample);
        Ork_ProfValuesTable table;
        ASSERT_TRUE(table.readFromFile(Ork_String::fromUtf8(sample)));
        EXPECT_EQ(table.name.utf8(), sample);
        EXPECT_EQ(table.columnNames[0], u"SysName");
        EXPECT_GT(table.rows.length(), 2);
        ASSERT_TRUE(table.writeToFile(u"copy\\" + table.name));
        Ork_ProfValuesTable back;
        ASSERT_TRUE(back.readFromFile(u"copy\\" + table.name + u".pr"));
        expectSameTable(table, back);
        EXPECT_EQ(library.get(std::string("prof/copy/") + sample + ".pr"),
                  library.get(std::string("prof/") + sample + ".pr"));
    }
}

TEST(ProfTableFiles, DescriptorHeadersAndLanguageCount) {
    LibraryFolder library;
    Ork_ProfValuesTable ipe, hea;
    ASSERT_TRUE(ipe.readFromFile(u"IPE"));
    ASSERT_TRUE(hea.readFromFile(u"HEA.pr"));
    EXPECT_EQ(ipe.descriptor, u"IPE.dwg");
    EXPECT_EQ(hea.descriptor, u"HEA");
    EXPECT_EQ(ipe.getNrLanguages(), 4);
    EXPECT_EQ(hea.getNrLanguages(), 5);
    EXPECT_EQ(ipe.getColumnIdx(u"h"), 6);
    EXPECT_EQ(hea.getColumnIdx(u"h"), 7);
    EXPECT_EQ(ipe.getColumnIdx(u"korean"), -1);
    ASSERT_EQ(ipe.rows[0].length(), 11);
    EXPECT_EQ(ipe.rows[0][0], u"80");
}

TEST(ProfTableFiles, OneLineFileKeepsDescriptorAndHeaders) {
    LibraryFolder library;
    library.put("prof/Lone.pr", "OnlyLine\n");
    Ork_ProfValuesTable table;
    table.descriptor = u"kept.dwg";
    table.columnNames = {u"SysName", u"I/O"};
    table.rows.append(Ork_StringArray{u"old"});
    ASSERT_TRUE(table.readFromFile(u"Lone"));
    EXPECT_EQ(table.name, u"Lone");
    EXPECT_EQ(table.descriptor, u"kept.dwg");
    EXPECT_EQ(texts(table.columnNames), (std::vector<std::string>{"SysName", "I/O"}));
    ASSERT_EQ(table.rows.length(), 1);
    EXPECT_EQ(table.rows[0][0], u"OnlyLine");
}

TEST(ProfTableFiles, EmptyDescriptorLineReadsAsEmpty) {
    LibraryFolder library;
    library.put("prof/Bare.pr", "\nSysName\tI/O\n1\t1\n");
    Ork_ProfValuesTable table;
    table.descriptor = u"stale";
    ASSERT_TRUE(table.readFromFile(u"Bare"));
    EXPECT_EQ(table.descriptor, u"");
    EXPECT_EQ(table.rows.length(), 1);
}

TEST(ProfTableFiles, FailedReadChangesNothing) {
    LibraryFolder library;
    Ork_ProfValuesTable table;
    ASSERT_TRUE(table.readFromFile(u"IPE"));
    const Ork_ProfValuesTable before = table;
    EXPECT_FALSE(table.readFromFile(u"Missing"));
    EXPECT_FALSE(table.readFromFile(u"..\\IPE"));
    expectSameTable(table, before);
}

TEST(ProfTableFiles, NamesThatLeaveProfOrHoldForbiddenCharactersAreRefused) {
    LibraryFolder library;
    library.put("outside.pr", "x\nSysName\tI/O\n1\t1\n");
    Ork_ProfValuesTable table;
    ASSERT_TRUE(table.readFromFile(u"IPE"));
    for (const char16_t* bad : {u"..\\outside", u"../outside", u"sub\\..\\..\\outside", u"\\tmp\\x", u"/tmp/x",
                                u"C:\\x", u"C:x", u"\\\\server\\share\\x", u"a:b", u"a*b", u"a?b", u"a|b", u"a<b",
                                u"a>b", u"a\"b", u"a\tb", u"", u"sub\\", u".", u"a\\\\b"}) {
        SCOPED_TRACE(Ork_String(bad).utf8());
        EXPECT_FALSE(isProfTableName(bad));
        EXPECT_FALSE(table.readFromFile(bad));
        EXPECT_FALSE(table.writeToFile(bad));
    }
    EXPECT_EQ(table.name, u"IPE");
    EXPECT_FALSE(library.exists("prof/a"));
    // A folder inside prof\ stays allowed, and so do dots inside a name.
    library.put("prof/sub/readme.txt", "");
    EXPECT_TRUE(table.writeToFile(u"sub\\IPE 2.5"));
    EXPECT_TRUE(library.exists("prof/sub/IPE 2.5.pr"));
    EXPECT_TRUE(table.readFromFile(u"sub/IPE 2.5"));
    EXPECT_EQ(table.name, u"IPE 2.5");
}

TEST(ProfTableFiles, FieldsThatCannotBeStoredRefuseTheWholeWrite) {
    LibraryFolder library;
    Ork_ProfValuesTable table;
    ASSERT_TRUE(table.readFromFile(u"IPE"));
    const std::string before = library.get("prof/IPE.pr");
    table.rows[0][2] = u"two\nlines";
    EXPECT_FALSE(table.writeToFile(u"IPE"));
    EXPECT_EQ(library.get("prof/IPE.pr"), before);
}

} // namespace
