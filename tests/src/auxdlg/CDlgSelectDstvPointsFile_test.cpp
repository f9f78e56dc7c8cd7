// The DSTV point files dialog through its real window: the list with the standard file checked, "+" with
// its refusals, "-", Edit with OK and Cancel, taking a file into use, and every action doing nothing while no
// file is chosen.
#include "auxDlgTestSupport.h"

#include "SS/SSExports.h"
#include "nuvo/hostTexts.h"
#include "auxdlg/CDlgEditDstvPoints.h"
#include "nuvo/CCheckComboBox.h"
#include "os/files.h"
#include "resources/resourceIds.h"
#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

namespace {

using Names = std::vector<std::string>;

class DstvFiles : public auxtest::AuxDlgTest {
protected:
    // StartDSTVPointsDlg with `drive` acting in the live dialog, which it must close.
    void run(const std::function<void(ui::Dialog&)>& drive, const std::function<void(ui::Script&)>& answers = {}) {
        ui::Script script;
        script.onModal(IDD_SELECT_DSTV_POINTS_FILE, [&](ui::Dialog& d) {
            drive(d);
            if (!d.isEnded())
                m_robot.click(d, ui::IDCANCEL);
        });
        if (answers)
            answers(script);
        StartDSTVPointsDlg();
        EXPECT_EQ(script.remaining(), 0);
        m_log = script.log();
    }
    CCheckComboBox& files(ui::Dialog& d) { return *d.getDlgItemAs<CCheckComboBox>(IDC_DSTV_FILES); }
    // The list as shown: each name, "*" after the checked one, ">" before the chosen one.
    Names shownList(ui::Dialog& d) {
        CCheckComboBox& list = files(d);
        Names out;
        for (int i = 0; i < list.getCount(); ++i)
            out.push_back(std::string(i == list.getCurSel() ? ">" : "") + Ork_String(list.getLBText(i)).utf8() +
                          (list.isChecked(i) ? "*" : ""));
        return out;
    }
    void choose(ui::Dialog& d, const char16_t* name) { ASSERT_TRUE(m_robot.choose(files(d), name)); }
    bool loggedText(const std::u16string& text) const {
        for (const std::u16string& line : m_log)
            if (line.find(text) != std::u16string::npos)
                return true;
        return false;
    }
    bool exists(const std::string& name) const {
        return std::filesystem::exists(m_library.path() / "DSTV Points" / (name + ".dat"));
    }
    void putTwoFiles() {
        Ork_Array<Ork_DstvPointInfo> points;
        points.append(Ork_DstvPointInfo(u"First"));
        points.append(Ork_DstvPointInfo(u"Second"));
        putPoints(u"Corners", points);
        putPoints(u"Holes", Ork_Array<Ork_DstvPointInfo>());
        ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile(u"Holes.dat"));
    }
    std::vector<std::u16string> m_log;
};

TEST_F(DstvFiles, OpensWithItsTextsAndTheStandardFileChecked) {
    putTwoFiles();
    run([&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), u"DSTV point files");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTV_USE), u"Take into use");
        EXPECT_EQ(d.getDlgItemText(IDC_DSTV_EDIT), dialString(862));
        EXPECT_EQ(d.getDlgItemText(ui::IDCANCEL), u"Close");
        EXPECT_EQ(shownList(d), (Names{"Corners", "Holes*"}));
    });
}

TEST_F(DstvFiles, AStandardFileThatIsNotListedChecksNothing) {
    putTwoFiles();
    ASSERT_TRUE(DlgDstvPoints::setStandardDstvPointsFile(u"Gone.dat"));
    run([&](ui::Dialog& d) { EXPECT_EQ(shownList(d), (Names{"Corners", "Holes"})); });
}

TEST_F(DstvFiles, PlusWritesAnEmptyFileAndKeepsTheSelection) {
    putTwoFiles();
    run(
        [&](ui::Dialog& d) {
            choose(d, u"Holes");
            m_robot.click(d, IDC_DSTV_ADD);
            EXPECT_EQ(shownList(d), (Names{"Corners", "Extra", ">Holes*"}));
        },
        [](ui::Script& s) { s.answerPrompt(u"Extra"); });
    EXPECT_TRUE(readPoints(u"Extra").isEmpty());
}

TEST_F(DstvFiles, PlusMakesTheFolderWhenThereIsNone) {
    run([&](ui::Dialog& d) {
            EXPECT_EQ(shownList(d), Names{});
            m_robot.click(d, IDC_DSTV_ADD);
            EXPECT_EQ(shownList(d), Names{"First"});
        },
        [](ui::Script& s) { s.answerPrompt(u"First"); });
    EXPECT_TRUE(exists("First"));
}

TEST_F(DstvFiles, PlusRefusesANameInUseWhateverItsCase) {
    putTwoFiles();
    const std::string before = pointsFile("Corners");
    run(
        [&](ui::Dialog& d) {
            m_robot.click(d, IDC_DSTV_ADD);
            EXPECT_EQ(shownList(d), (Names{"Corners", "Holes*"}));
        },
        [](ui::Script& s) { s.answerPrompt(u"corners").answerBox(ui::IDOK); });
    EXPECT_TRUE(loggedText(u"This name is already in use.\nPlease choose another name."));
    EXPECT_TRUE(loggedText(u"Name in use"));
    EXPECT_EQ(pointsFile("Corners"), before);
}

TEST_F(DstvFiles, PlusRefusesNamesThatLeaveTheFolderOrNoFileCanHave) {
    putTwoFiles();
    for (const char16_t* name : {u"..\\up", u"a/b", u"..", u"c:x", u"x*y", u"end.", u"tab\tname"}) {
        run([&](ui::Dialog& d) { m_robot.click(d, IDC_DSTV_ADD); },
            [&](ui::Script& s) { s.answerPrompt(name).answerBox(ui::IDOK); });
        EXPECT_TRUE(loggedText(u"cannot be the name of a point file")) << Ork_String(name).utf8();
    }
    EXPECT_EQ(os::listFolder(m_library.text(u"DSTV Points"), u"*").size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(m_library.path() / "up.dat"));
}

TEST_F(DstvFiles, AFolderThatCannotBeMadeIsReportedAndNothingListed) {
    m_library.put("DSTV Points", "a file where the folder should be");
    run([&](ui::Dialog& d) {
            m_robot.click(d, IDC_DSTV_ADD);
            EXPECT_EQ(shownList(d), Names{});
        },
        [](ui::Script& s) { s.answerPrompt(u"New").answerBox(ui::IDOK); });
    EXPECT_TRUE(loggedText(u"cannot be made"));
}

TEST_F(DstvFiles, MinusDeletesTheChosenFileWithoutAsking) {
    putTwoFiles();
    run([&](ui::Dialog& d) {
        choose(d, u"Corners");
        m_robot.click(d, IDC_DSTV_REMOVE);
        EXPECT_EQ(shownList(d), (Names{"Holes*"}));
    });
    EXPECT_FALSE(exists("Corners"));
    EXPECT_TRUE(exists("Holes"));
}

TEST_F(DstvFiles, WithoutAChosenFileMinusEditAndUseDoNothing) {
    putTwoFiles();
    m_library.put("DSTV Points/.dat", "a file named by the folder alone");
    run([&](ui::Dialog& d) {
        ASSERT_EQ(files(d).getCurSel(), -1);
        m_robot.click(d, IDC_DSTV_REMOVE);
        m_robot.click(d, IDC_DSTV_EDIT);
        m_robot.click(d, IDC_DSTV_USE);
    });
    EXPECT_TRUE(std::filesystem::exists(m_library.path() / "DSTV Points" / ".dat"));
    EXPECT_TRUE(exists("Corners"));
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"Holes.dat");
}

TEST_F(DstvFiles, TakingIntoUseMovesTheCheckMark) {
    putTwoFiles();
    run([&](ui::Dialog& d) {
        choose(d, u"Corners");
        m_robot.click(d, IDC_DSTV_USE);
        EXPECT_EQ(shownList(d), (Names{">Corners*", "Holes"}));
    });
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), u"Corners.dat");
}

TEST_F(DstvFiles, EditThenOkWritesTheEditedPoints) {
    putTwoFiles();
    run(
        [&](ui::Dialog& d) {
            choose(d, u"Corners");
            m_robot.click(d, IDC_DSTV_EDIT);
        },
        [&](ui::Script& s) {
            s.onModal(IDD_EDIT_DSTV_POINTS, [&](ui::Dialog& editor) {
                EXPECT_EQ(dynamic_cast<CDlgEditDstvPoints&>(editor).m_points.length(), 2);
                m_robot.replaceTextOf(editor, IDC_DSTVPT_NAME, u"Renamed");
                m_robot.click(editor, ui::IDOK);
            });
        });
    const auto points = readPoints(u"Corners");
    ASSERT_EQ(points.length(), 2);
    EXPECT_EQ(points[0].name(), u"Renamed");
    EXPECT_EQ(points[1].name(), u"Second");
}

TEST_F(DstvFiles, EditThenCancelLeavesTheFile) {
    putTwoFiles();
    const std::string before = pointsFile("Corners");
    run([&](ui::Dialog& d) {
            choose(d, u"Corners");
            m_robot.click(d, IDC_DSTV_EDIT);
        },
        [&](ui::Script& s) {
            s.onModal(IDD_EDIT_DSTV_POINTS, [&](ui::Dialog& editor) {
                m_robot.click(editor, IDC_DSTVPT_REMOVE);
                m_robot.click(editor, ui::IDCANCEL);
            });
        });
    EXPECT_EQ(pointsFile("Corners"), before);
}

TEST_F(DstvFiles, AnUnreadableFileIsReportedAndOpensNoEditor) {
    putTwoFiles();
    m_library.put("DSTV Points/Broken.dat", "not a point file\n");
    run([&](ui::Dialog& d) {
            choose(d, u"Broken");
            m_robot.click(d, IDC_DSTV_EDIT);
        },
        [](ui::Script& s) { s.answerBox(ui::IDOK); });
    EXPECT_TRUE(loggedText(u"cannot be read: line 1"));
    EXPECT_EQ(pointsFile("Broken"), "not a point file\n");
}

TEST_F(DstvFiles, AFailedWriteAfterEditIsReportedAndTheOldFileStays) {
    putTwoFiles();
    const std::string before = pointsFile("Corners");
    std::optional<os::FailureInjection> failing;  // from the editor's OK to the write after it
    run([&](ui::Dialog& d) {
            choose(d, u"Corners");
            m_robot.click(d, IDC_DSTV_EDIT);
        },
        [&](ui::Script& s) {
            s.onModal(IDD_EDIT_DSTV_POINTS, [&](ui::Dialog& editor) {
                m_robot.click(editor, IDC_DSTVPT_REMOVE);
                failing.emplace(os::WriteStage::Rename);
                m_robot.click(editor, ui::IDOK);
            });
            s.answerBox(ui::IDOK);
        });
    EXPECT_TRUE(loggedText(u"cannot be written; it stays as it was"));
    EXPECT_EQ(pointsFile("Corners"), before);
}

} // namespace
