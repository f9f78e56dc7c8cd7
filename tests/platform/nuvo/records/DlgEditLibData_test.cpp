// The section library record: group identifiers that moves and removals never change, the owned type array,
// the available tables of prof\, and the record file read strictly and written back equal.
#include "support/TempFolder.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/records/DlgEditLibData.h"
#include "nuvo/records/libraryRecordJson.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<int> ids(const SectionGroupArray& groups) {
    std::vector<int> out;
    for (int i = 0; i < groups.length(); ++i)
        out.push_back(groups.get(i)->id);
    return out;
}

// ---- Groups and types

TEST(SectionGroups, IdentifiersSurviveMovesAndRemovalsAndAreNeverGivenAgain) {
    SectionGroupArray groups;
    EXPECT_EQ(groups.appendNewGrp(u"I"), 0);
    EXPECT_EQ(groups.appendNewGrp(u"U"), 1);
    EXPECT_EQ(groups.appendNewGrp(u"L"), 2);
    EXPECT_EQ(ids(groups), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(groups.get(0)->names.length(), gMacroLangs.GetNrLanguages());
    EXPECT_EQ(groups.get(0)->names[2], u"I");
    ASSERT_TRUE(groups.swap(0, 2));
    EXPECT_EQ(ids(groups), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(groups.get(0)->name, u"L");
    EXPECT_FALSE(groups.swap(2, 3));
    EXPECT_FALSE(groups.swap(-1, 0));
    ASSERT_TRUE(groups.removeAt(2));
    EXPECT_FALSE(groups.removeAt(2));
    groups.appendNewGrp(u"T");
    EXPECT_EQ(ids(groups), (std::vector<int>{3, 2, 4}));
    EXPECT_EQ(groups.indexOfId(4), 2);
    EXPECT_EQ(groups.indexOfId(1), -1);
    SectionGroup dup;
    dup.id = 2;
    EXPECT_FALSE(groups.appendWithId(dup));
    dup.id = 0;
    EXPECT_FALSE(groups.appendWithId(dup));
}

TEST(SectionTypes, InsertRemoveAndSwapOwnCopies) {
    SectionTypeArray types;
    SectionType t;
    t.typeText = u"1";
    ASSERT_TRUE(types.insertAt(0, t));
    t.typeText = u"2";
    ASSERT_TRUE(types.insertAt(0, t));
    t.typeText = u"3";
    EXPECT_FALSE(types.insertAt(3, t));
    ASSERT_TRUE(types.insertAt(2, t));
    t.typeText = u"changed";   // the array holds copies
    EXPECT_EQ(types.get(0)->typeText, u"2");
    ASSERT_TRUE(types.swap(0, 1));
    EXPECT_EQ(types.get(0)->typeText, u"1");
    EXPECT_FALSE(types.swap(0, 3));
    ASSERT_TRUE(types.removeAt(0));
    EXPECT_FALSE(types.removeAt(2));
    EXPECT_EQ(types.get(0)->typeText, u"2");
    EXPECT_EQ(types.get(0)->groupId, kNoSectionGroup);
}

// ---- The record file

class LibraryRecord : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_temp.path() / "prof");
        Ork_Settings::setLibDir(m_temp.folder());
    }
    void TearDown() override { Ork_Settings::reset(); }

    static DlgEditLibData sample() {
        DlgEditLibData d;
        d.groups.appendNewGrp(u"I sections");
        d.groups.appendNewGrp(u"Channels");
        d.groups.appendNewGrp(u"Gone");
        d.groups.removeAt(2);
        d.groups.get(1)->enabled = false;
        d.groups.get(1)->imageName = u"channel.bmp";
        d.groups.get(1)->names[1] = u"U-profielen";
        SectionType t;
        t.typeText = u"1";
        t.groupId = 1;
        t.imageName = u"ipe.bmp";
        t.names = gMacroLangs.GetAllLanguages();
        d.types.append(t);
        t.typeText = u"angle.tpl";
        t.groupId = kNoSectionGroup;
        t.enabled = false;
        d.types.append(t);
        d.imageNames = {u"ipe.bmp", u"channel.bmp", u"h\u00e9.bmp"};
        return d;
    }
    Ork_String read(const std::string& text, DlgEditLibData& d) {
        Ork_String error;
        EXPECT_FALSE(readLibraryRecordText(text, d, error));
        return error;
    }
    TempFolder m_temp;
};

TEST_F(LibraryRecord, SavedAndReadBackEqual) {
    const DlgEditLibData d = sample();
    Ork_String error;
    ASSERT_TRUE(writeLibraryRecord(libraryRecordPath(), d, error)) << error.utf8();
    EXPECT_TRUE(std::filesystem::exists(m_temp.path() / "prof" / "library.json"));
    DlgEditLibData back;
    ASSERT_TRUE(readLibraryRecord(libraryRecordPath(), back, error)) << error.utf8();
    EXPECT_TRUE(back == d);
    // The removed group's identifier stays used.
    EXPECT_EQ(back.groups.appendNewGrp(u"New"), 2);
    EXPECT_EQ(back.groups.get(2)->id, 4);
    EXPECT_EQ(libraryRecordText(d), libraryRecordText(sample()));
}

TEST_F(LibraryRecord, MalformedRecordsAreRefusedWithThePlaceAndChangeNothing) {
    DlgEditLibData d = sample();
    const DlgEditLibData before = d;
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"", "syntax error"},
        {"[]", "an object is expected"},
        {R"({"groups": []})", "\"version\" is missing"},
        {R"({"version": 2})", "version: must be 1 to 1"},
        {R"({"version": 1, "extra": 1})", "unknown key \"extra\""},
        {R"({"version": 1, "groups": [{"name": "x"}]})", "groups[0]: \"id\" is missing"},
        {R"({"version": 1, "groups": [{"id": 1}, {"id": 1}]})", "groups[1].id: a second group with identifier 1"},
        {R"({"version": 1, "groups": [{"id": 0}]})", "groups[0].id: must be 1 to"},
        {R"({"version": 1, "groups": [{"id": 99999999999}]})", "groups[0].id: must be 1 to"},
        {R"({"version": 1, "groups": [{"id": 1, "enabled": 1}]})", "groups[0].enabled: true or false is expected"},
        {R"({"version": 1, "groups": [{"id": 1, "names": {"Klingon": "x"}}]})", "unknown language \"Klingon\""},
        {R"({"version": 1, "groups": [{"id": 1, "names": {"English": 5}}]})", "groups[0].names.English: a text"},
        {R"({"version": 1, "types": [{"group": 0}]})", "types[0].group: group identifiers start at 1"},
        {R"({"version": 1, "types": [{"group": -2}]})", "types[0].group: must be -1 to"},
        {R"({"version": 1, "types": [{"type": 10}]})", "types[0].type: a text is expected"},
        {R"({"version": 1, "images": ["a", 1]})", "images[1]: a text is expected"},
        {R"({"version": 1, "nextGroupId": 0})", "nextGroupId: must be 1 to"},
        {"[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]", "nests deeper"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_NE(read(c.text, d).utf8().find(c.message), std::string::npos) << read(c.text, d).utf8();
        EXPECT_TRUE(d == before);
    }
    Ork_String error;
    EXPECT_FALSE(readLibraryRecord(m_temp.folder() + u"prof\\missing.json", d, error));
    EXPECT_NE(error.utf8().find("cannot be read"), std::string::npos);
}

TEST_F(LibraryRecord, AvailableFilesAreTheTablesOfProf) {
    m_temp.put("prof/IPE.pr", "x\n");
    m_temp.put("prof/hea.pr", "x\n");
    m_temp.put("prof/library.json", "{}");
    m_temp.put("prof/notes.txt", "");
    DlgEditLibData d;
    d.availableFiles = {u"stale"};
    ASSERT_TRUE(d.GetAvailableFiles());
    EXPECT_EQ(d.availableFiles, (Ork_StringArray{u"hea", u"IPE"}));
    // Reading the record keeps them: they come from the folder, not the file.
    Ork_String error;
    ASSERT_TRUE(readLibraryRecordText(R"({"version": 1})", d, error)) << error.utf8();
    EXPECT_EQ(d.availableFiles.length(), 2);
    std::filesystem::remove_all(m_temp.path() / "prof");
    EXPECT_FALSE(d.GetAvailableFiles());
    EXPECT_TRUE(d.availableFiles.isEmpty());
}

TEST(LibraryRecordSample, TheSampleRecordReadsAndNamesTheSampleTables) {
    Ork_Settings::setLibDir(Ork_String::fromUtf8(std::string(SS_SOURCE_DIR) + "/samples/library/"));
    DlgEditLibData d;
    Ork_String error;
    ASSERT_TRUE(readLibraryRecord(libraryRecordPath(), d, error)) << error.utf8();
    ASSERT_TRUE(d.GetAvailableFiles());
    EXPECT_GE(d.groups.length(), 2);
    EXPECT_GE(d.types.length(), 5);
    for (int i = 0; i < d.types.length(); ++i) {
        const SectionType& t = *d.types.get(i);
        EXPECT_GE(d.groups.indexOfId(t.groupId), 0) << t.typeText.utf8();
    }
    EXPECT_TRUE(d.availableFiles.contains(u"L"));
    Ork_Settings::reset();
}

} // namespace
