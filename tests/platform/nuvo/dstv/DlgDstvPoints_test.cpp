// The host's DSTV point files: the file text read and written (any name, exact numbers, the refusals), and
// the folder, the file list and the standard file on a private library folder and registry store.
#include "support/TempFolder.h"

#include "nuvo/Ork_Settings.h"
#include "nuvo/dstv/DlgDstvPoints.h"
#include "nuvo/dstv/dstvPointFile.h"
#include "os/Registry.h"
#include "os/files.h"

#include <gtest/gtest.h>

namespace {

Ork_DstvPointInfo samplePoint(const char16_t* name) {
    Ork_DstvPointInfo p{Ork_String(name)};
    p.setSelectGeomExtent(false, 1, 3);
    p.setSelectIntersGeom(true, false, 1);
    p.setPlateSelection(2, 4, 16.12345);
    p.setDrillFullHole(true, true, 0.1 + 0.2);
    return p;
}

bool parse(std::string_view text, Ork_Array<Ork_DstvPointInfo>& points, Ork_String& error) {
    return nuvo::parseDstvPoints(text, points, error);
}

TEST(DstvPointFile, NewPointsHaveTheHostsDefaults) {
    const Ork_DstvPointInfo p(u"P");
    EXPECT_TRUE(p.selectGeomExtent());
    EXPECT_EQ(p.sideSelection1(), 0);
    EXPECT_EQ(p.sideSelection2(), 2);
    EXPECT_FALSE(p.selectIntersGeom());
    EXPECT_TRUE(p.selectIntersMid());
    EXPECT_EQ(p.intersStartDir(), 0);
    EXPECT_EQ(p.viewPlateSelection(), 0);
    EXPECT_EQ(p.markPlateSelection(), 0);
    EXPECT_EQ(p.minPlateSideDist(), 50);
    EXPECT_FALSE(p.drillFullHole());
    EXPECT_FALSE(p.radiusThicknessBased());
    EXPECT_EQ(p.drillRadius(), 16);
}

TEST(DstvPointFile, RoundTripsAnyNameAndExactNumbers) {
    Ork_Array<Ork_DstvPointInfo> points;
    for (const char16_t* name : {u"Corner", u"", u"tab\there", u"two\nlines\r\n", u"back\\slash\\t", u"Ecke \u00E4 \u4E2D",
                                 u" blanks ", u"DSTV points 1"})
        points.append(samplePoint(name));
    points.append(Ork_DstvPointInfo(u"defaults"));
    const std::string text = nuvo::dstvPointsText(points);
    Ork_Array<Ork_DstvPointInfo> back;
    Ork_String error;
    ASSERT_TRUE(parse(text, back, error)) << error.utf8();
    ASSERT_EQ(back.length(), points.length());
    for (int i = 0; i < points.length(); ++i)
        EXPECT_TRUE(back[i] == points[i]) << i;
    EXPECT_EQ(back[0].minPlateSideDist(), 16.12345);
    EXPECT_EQ(back[0].drillRadius(), 0.1 + 0.2);
}

TEST(DstvPointFile, AnEmptyTextHoldsNoPoints) {
    Ork_Array<Ork_DstvPointInfo> points;
    points.append(Ork_DstvPointInfo(u"old"));
    Ork_String error;
    ASSERT_TRUE(parse("", points, error));
    EXPECT_TRUE(points.isEmpty());
    points.append(Ork_DstvPointInfo(u"old"));
    ASSERT_TRUE(parse(nuvo::dstvPointsText(Ork_Array<Ork_DstvPointInfo>()), points, error));
    EXPECT_TRUE(points.isEmpty());
    ASSERT_TRUE(parse("\xEF\xBB\xBF" "DSTV points 1\r\nA\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\r\n", points, error));
    EXPECT_EQ(points.length(), 1);
}

TEST(DstvPointFile, RefusesAMalformedFileWholeNamingTheLine) {
    const std::string good = "A\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n";
    const struct {
        std::string text;
        const char* error;
    } cases[] = {
        {"points\n", "line 1: "},
        {"DSTV points 2\n", "line 1: "},
        {"DSTV points 1\n" + good + "B\t1\t0\t2\n", "line 3: a name and 12 values"},
        {"DSTV points 1\nB\t2\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", "line 2: a flag"},
        {"DSTV points 1\nB\t1\tx\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", "line 2: a side"},
        {"DSTV points 1\nB\t1\t99999999999\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", "line 2: a side"},
        {"DSTV points 1\nB\t1\t0\t2\t0\t1\t0\t0\t0\tnan\t0\t0\t16\n", "line 2: a distance"},
        {"DSTV points 1\nB\t1\t0\t2\t0\t1\t0\t0\t0\t1e999\t0\t0\t16\n", "line 2: a distance"},
        {"DSTV points 1\nB\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16 \n", "line 2: a distance"},
        {"DSTV points 1\nB\\x\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n", "line 2: the name"},
    };
    for (const auto& c : cases) {
        Ork_Array<Ork_DstvPointInfo> points;
        points.append(Ork_DstvPointInfo(u"kept"));
        Ork_String error;
        EXPECT_FALSE(parse(c.text, points, error)) << c.text;
        EXPECT_TRUE(error.utf8().starts_with(c.error)) << error.utf8();
        ASSERT_EQ(points.length(), 1);
        EXPECT_EQ(points[0].name(), u"kept");
    }
}

class DstvPointsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        Ork_Settings::setLibDir(m_library.folder());
        os::Registry::setFolder(m_library.path() / "registry");
    }
    void TearDown() override {
        Ork_Settings::reset();
        os::Registry::setFolder(os::Registry::defaultFolder());
    }
    TempFolder m_library;
};

TEST_F(DstvPointsFolder, ListsThePointFilesBelowTheLibraryFolder) {
    EXPECT_EQ(DlgDstvPoints::getDstvPointsFolder(), m_library.folder() + u"DSTV Points\\");
    Ork_StringArray names{u"stale"};
    EXPECT_FALSE(DlgDstvPoints::getAllDstvPointsFiles(names));
    EXPECT_TRUE(names.isEmpty());
    m_library.put("DSTV Points/beta.dat");
    m_library.put("DSTV Points/Alpha.DAT");
    m_library.put("DSTV Points/notes.txt");
    ASSERT_TRUE(DlgDstvPoints::getAllDstvPointsFiles(names));
    EXPECT_EQ(names, (Ork_StringArray{u"Alpha", u"beta"}));
}

TEST_F(DstvPointsFolder, KeepsTheStandardFileInTheRegistryStore) {
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"");
    ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile(u"Corners.dat"));
    os::Registry::reload();
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"Corners.dat");
    os::Registry::FailureInjection refused(os::Hive::CurrentUser, u"Software\\Kelvadore\\DSTV Points",
                                           os::Registry::Failure::CannotWrite);
    EXPECT_FALSE(DlgDstvPoints::setStandardDstvPointsFile(u"Other.dat"));
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"Corners.dat");
}

TEST_F(DstvPointsFolder, WhileNoneIsSetTheInstalledStandardFileIsTheStandard) {
    m_library.put("DSTV Points/Corners.dat");
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"");
    m_library.put("DSTV Points/Standard.dat");
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"Standard.dat");
    ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile(u"Corners.dat"));
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"Corners.dat");
}

TEST_F(DstvPointsFolder, ReadsAndWritesFilesAtomically) {
    const Ork_String path = DlgDstvPoints::getDstvPointsFolder() + u"a.dat";
    ASSERT_TRUE(os::createFolder(DlgDstvPoints::getDstvPointsFolder()));
    DlgDstvPoints file;
    file.points.append(samplePoint(u"one"));
    ASSERT_TRUE(file.writeToFile(path));
    const std::string written = m_library.get("DSTV Points/a.dat");
    {
        os::FailureInjection failing(os::WriteStage::Rename);
        file.points.removeAll();
        EXPECT_FALSE(file.writeToFile(path));
    }
    EXPECT_EQ(m_library.get("DSTV Points/a.dat"), written);
    DlgDstvPoints back;
    ASSERT_TRUE(back.readFromFile(path));
    ASSERT_EQ(back.points.length(), 1);
    EXPECT_TRUE(back.points[0] == samplePoint(u"one"));
    m_library.put("DSTV Points/bad.dat", "DSTV points 1\nbroken\n");
    EXPECT_FALSE(back.readFromFile(DlgDstvPoints::getDstvPointsFolder() + u"bad.dat"));
    EXPECT_EQ(back.points.length(), 1);
    EXPECT_TRUE(back.lastError().startsWith(u"line 2"));
    EXPECT_FALSE(back.readFromFile(DlgDstvPoints::getDstvPointsFolder() + u"missing.dat"));
}

TEST(DstvPointLists, AreTheHostsGeneralTexts) {
    const Ork_StringArray sides = DlgDstvPoints::sideTexts();
    ASSERT_GE(sides.length(), 4);
    for (const Ork_String& side : sides)
        EXPECT_FALSE(side.startsWith(u"#")) << side.utf8();
    EXPECT_GE(DlgDstvPoints::startDirectionTexts().length(), 2);
}

} // namespace
