// The find/replace window of a grid: searching along the rows, wrapping at the end of the sheet, replacing
// one match or all of them, the F3 / F5 keys, and the window's life beside its grid.
#include "support/sheetTestSupport.h"

#include "support/TempFolder.h"

#include "grid/Sheet.h"
#include "nuvo/DlgSizeStore.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgFindReplace.h"
#include "ui/Desktop.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <array>

namespace {

class FindReplace : public sheettest::SheetTest {
protected:
    void SetUp() override {
        SheetTest::SetUp();
        DlgSizeStore::useFile(m_folder.folder() + u"sizes.txt");
    }

    // The grid with texts, its find window open with the two fields filled.
    CDlgFindReplace& finder(const char16_t* findText, const char16_t* replacement = u"") {
        EXPECT_TRUE(m_grid->openFindDialog());
        auto* dialog = dynamic_cast<CDlgFindReplace*>(m_grid->findDialog());
        EXPECT_NE(dialog, nullptr);
        dialog->setDlgItemText(IDC_FIND_TEXT, findText);
        dialog->setDlgItemText(IDC_FIND_REPLACE_TEXT, replacement);
        return *dialog;
    }
    std::array<long, 2> active() {
        long c = 0, r = 0;
        m_grid->ssGetActiveCell(c, r);
        return {c, r};
    }
    std::array<int, 2> editSelection() {
        int s = -1, e = -1;
        m_grid->getEditSelection(s, e);
        return {s, e};
    }
    bool modified() { return m_grid->ssGetBool(grid::kSwitchModified); }

    TempFolder m_folder;
    ui::Robot m_robot;
};

// ---- Finding

TEST_F(FindReplace, TheModuleGivesEveryGridThisWindow) {
    Ork_Spread& g = grid();
    ASSERT_TRUE(g.openFindDialog());
    auto* dialog = dynamic_cast<CDlgFindReplace*>(g.findDialog());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isWindowVisible());
    EXPECT_TRUE(dialog->isTopMost());
    EXPECT_EQ(dialog->getWindowText(), dialString(1136));
    EXPECT_EQ(dialog->getDlgItemText(IDC_FIND_LABEL), dialString(1137));
    EXPECT_EQ(dialog->getDlgItemText(IDC_FIND_REPLACE_LABEL), dialString(1138));
    EXPECT_EQ(dialog->getDlgItemText(ui::IDOK), dialString(1139));
    EXPECT_EQ(dialog->getDlgItemText(IDC_FIND_REPLACE), dialString(1140));
    EXPECT_EQ(dialog->getDlgItemText(IDC_FIND_REPLACE_ALL), dialString(1141));
    EXPECT_EQ(dialog->getDlgItemText(ui::IDCANCEL), dialString(285));
    EXPECT_EQ(ui::Window::getFocus(), dialog->getDlgItem(IDC_FIND_TEXT));
    EXPECT_TRUE(g.openFindDialog());   // a grid has one at most
    EXPECT_EQ(g.findDialog(), dialog);
}

TEST_F(FindReplace, FindWalksAlongTheRowsAndSelectsTheMatchInTheEditor) {
    Ork_Spread& g = grid(3, 4);
    g.ssSetData(2, 1, u"beam");
    g.ssSetData(1, 3, u"a beam plate");
    ui::Script script;
    CDlgFindReplace& dialog = finder(u"beam");
    m_robot.click(dialog, ui::IDOK);
    EXPECT_EQ(active(), (std::array{2L, 1L}));
    EXPECT_TRUE(g.ssGetEditMode());
    EXPECT_EQ(editSelection(), (std::array{0, 4}));
    EXPECT_TRUE(g.hasFocus() || g.isChild(ui::Window::getFocus()));
    m_robot.click(dialog, ui::IDOK);
    EXPECT_EQ(active(), (std::array{1L, 3L}));
    EXPECT_EQ(editSelection(), (std::array{2, 6}));
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(FindReplace, InEditModeTheSearchGoesOnInsideTheActiveCell) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(1, 1, u"a-a-a");
    g.ssSetData(2, 1, u"a");
    ui::Script script;
    CDlgFindReplace& dialog = finder(u"a");
    EXPECT_TRUE(dialog.findText(false));   // outside edit mode the active cell itself comes first
    EXPECT_EQ(active(), (std::array{1L, 1L}));
    EXPECT_EQ(editSelection(), (std::array{0, 1}));
    EXPECT_TRUE(dialog.findText(false));
    EXPECT_EQ(active(), (std::array{1L, 1L}));
    EXPECT_EQ(editSelection(), (std::array{2, 3}));
    EXPECT_TRUE(dialog.findText(false));
    EXPECT_EQ(editSelection(), (std::array{4, 5}));
    EXPECT_TRUE(dialog.findText(false));   // the cell is done: on to the next column
    EXPECT_EQ(active(), (std::array{2L, 1L}));
    EXPECT_EQ(editSelection(), (std::array{0, 1}));
    EXPECT_FALSE(dialog.findText(false));  // without the question nothing more is found or asked
    EXPECT_TRUE(script.log().empty());
}

TEST_F(FindReplace, AtTheEndTheQuestionAnsweredYesFindsAMatchInTheFirstRow) {
    Ork_Spread& g = grid(3, 4);
    g.ssSetData(2, 1, u"IPE 200");
    g.ssSetActiveCell(3, 4);
    ui::Script script;
    script.answerBox(ui::IDYES);
    CDlgFindReplace& dialog = finder(u"200");
    m_robot.click(dialog, ui::IDOK);
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, dialString(1142) + u"\n" + dialString(1143) + u"\n");
    EXPECT_EQ(script.boxes()[0].caption, dialString(1144));
    EXPECT_EQ(script.boxes()[0].buttons(), ui::MB_YESNO);
    EXPECT_EQ(script.boxes()[0].icon(), ui::MB_ICONQUESTION);
    EXPECT_EQ(active(), (std::array{2L, 1L}));
    EXPECT_EQ(editSelection(), (std::array{4, 7}));
}

TEST_F(FindReplace, AtTheEndTheQuestionAnsweredNoStopsTheSearch) {
    Ork_Spread& g = grid(3, 4);
    g.ssSetData(2, 1, u"IPE 200");
    g.ssSetActiveCell(3, 4);
    ui::Script script;
    script.answerBox(ui::IDNO);
    CDlgFindReplace& dialog = finder(u"200");
    EXPECT_FALSE(dialog.findText(true));
    EXPECT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(active(), (std::array{3L, 4L}));
    EXPECT_FALSE(g.ssGetEditMode());
}

TEST_F(FindReplace, ATextFoundNowhereIsReportedAfterWrapping) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(1, 1, u"HEA");
    ui::Script script;
    script.answerBox(ui::IDYES).answerBox(ui::IDOK);
    CDlgFindReplace& dialog = finder(u"HEB");
    EXPECT_FALSE(dialog.findText(true));
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[1].text, dialString(1145));
    EXPECT_EQ(script.boxes()[1].caption, dialString(1146));
}

TEST_F(FindReplace, AnEmptyTextFindsNothingAndAsksNothing) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(1, 1, u"x");
    ui::Script script;
    CDlgFindReplace& dialog = finder(u"");
    EXPECT_FALSE(dialog.findText(true));
    EXPECT_FALSE(dialog.replaceText(true));
    EXPECT_TRUE(script.log().empty());
    EXPECT_FALSE(g.ssGetEditMode());
}

// ---- Replacing

TEST_F(FindReplace, ReplaceChangesTheNextMatchAndSelectsTheReplacement) {
    Ork_Spread& g = grid(2, 3);
    g.ssSetData(1, 2, u"HEA 100 / HEA 120");
    ui::Script script;
    CDlgFindReplace& dialog = finder(u"HEA", u"HEB-X");
    m_robot.click(dialog, IDC_FIND_REPLACE);
    EXPECT_EQ(text(1, 2, 0), u"HEB-X 100 / HEA 120");
    EXPECT_TRUE(modified());
    EXPECT_EQ(active(), (std::array{1L, 2L}));
    EXPECT_TRUE(g.ssGetEditMode());
    EXPECT_EQ(editSelection(), (std::array{0, 5}));
    m_robot.click(dialog, IDC_FIND_REPLACE);
    EXPECT_EQ(text(1, 2, 0), u"HEB-X 100 / HEB-X 120");
    EXPECT_EQ(editSelection(), (std::array{12, 17}));
    // Leaving the editor keeps the replaced text.
    g.ssSetEditMode(false);
    EXPECT_EQ(text(1, 2, 0), u"HEB-X 100 / HEB-X 120");
}

TEST_F(FindReplace, AReplacementContainingTheTextIsNotReplacedAgain) {
    Ork_Spread& g = grid(1, 1);
    g.ssSetData(1, 1, u"a b a");
    ui::Script script;
    script.answerBox(ui::IDNO);
    CDlgFindReplace& dialog = finder(u"a", u"aa");
    EXPECT_TRUE(dialog.replaceText(true));
    EXPECT_EQ(text(1, 1, 0), u"aa b a");
    EXPECT_TRUE(dialog.replaceText(true));
    EXPECT_EQ(text(1, 1, 0), u"aa b aa");
    EXPECT_FALSE(dialog.replaceText(true));   // the end: the question, answered no
    EXPECT_EQ(text(1, 1, 0), u"aa b aa");
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(FindReplace, NothingIsReplacedWhenNothingIsFound) {
    Ork_Spread& g = grid(2, 1);
    g.ssSetData(1, 1, u"HEA");
    ui::Script script;
    CDlgFindReplace& dialog = finder(u"HEA", u"HEB");
    ASSERT_TRUE(dialog.findText(false));   // the editor is open with "HEA" selected
    EXPECT_FALSE(dialog.replaceText(false));
    EXPECT_EQ(text(1, 1, 0), u"HEA");
}

TEST_F(FindReplace, ReplaceAllCountsAndReportsEveryMatch) {
    Ork_Spread& g = grid(2, 3);
    g.ssSetData(1, 1, u"HEA 100 / HEA 120");
    g.ssSetData(2, 2, u"IPE");
    g.ssSetData(2, 3, u"HEA");
    g.ssSetActiveCell(2, 3);   // all of the sheet, wherever the active cell is
    ui::Script script;
    script.answerBox(ui::IDOK);
    CDlgFindReplace& dialog = finder(u"HEA", u"HEB");
    m_robot.click(dialog, IDC_FIND_REPLACE_ALL);
    EXPECT_EQ(text(1, 1, 0), u"HEB 100 / HEB 120");
    EXPECT_EQ(text(2, 2, 0), u"IPE");
    EXPECT_EQ(text(2, 3, 0), u"HEB");
    EXPECT_TRUE(modified());
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, dialString(1147) + u" 3 " + dialString(1148));
    EXPECT_EQ(script.boxes()[0].caption, dialString(1149));
}

TEST_F(FindReplace, ReplaceAllEndsWhenTheReplacementContainsTheText) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(1, 1, u"a");
    g.ssSetData(2, 2, u"ba");
    ui::Script script;
    script.answerBox(ui::IDOK);
    CDlgFindReplace& dialog = finder(u"a", u"aa");
    EXPECT_EQ(dialog.replaceAll(), 2);
    EXPECT_EQ(text(1, 1, 0), u"aa");
    EXPECT_EQ(text(2, 2, 0), u"baa");
}

TEST_F(FindReplace, ReplaceAllWithoutAMatchReportsZeroAndChangesNothing) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(1, 1, u"IPE");
    ui::Script script;
    script.answerBox(ui::IDOK).answerBox(ui::IDOK);
    CDlgFindReplace& dialog = finder(u"HEA", u"HEB");
    EXPECT_EQ(dialog.replaceAll(), 0);
    EXPECT_EQ(text(1, 1, 0), u"IPE");
    EXPECT_FALSE(modified());
    // An empty text matches nothing: it would otherwise stand before every character.
    dialog.setDlgItemText(IDC_FIND_TEXT, u"");
    EXPECT_EQ(dialog.replaceAll(), 0);
    EXPECT_EQ(text(1, 1, 0), u"IPE");
    EXPECT_FALSE(modified());
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[1].text, dialString(1147) + u" 0 " + dialString(1148));
}

TEST_F(FindReplace, ReplaceAllTakesTheCellBeingEditedAsItIs) {
    Ork_Spread& g = grid(1, 1);
    g.ssSetData(1, 1, u"x");
    ui::Script script;
    script.answerBox(ui::IDOK);
    CDlgFindReplace& dialog = finder(u"x", u"y");
    ASSERT_TRUE(dialog.findText(false));
    EXPECT_EQ(dialog.replaceAll(), 1);
    EXPECT_FALSE(g.ssGetEditMode());
    EXPECT_EQ(text(1, 1, 0), u"y");
}

// ---- Keys

TEST_F(FindReplace, F3AndF5FromTheGridAndFromTheWindow) {
    Ork_Spread& g = grid(2, 3);
    g.ssSetData(1, 1, u"plate");
    g.ssSetData(2, 2, u"plate");
    g.ssSetData(1, 3, u"plate");
    ui::Script script;
    g.setFocus();
    m_robot.key(ui::VK_F3);   // the first press opens the window
    auto* dialog = dynamic_cast<CDlgFindReplace*>(g.findDialog());
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(g.ssGetEditMode());
    m_robot.type(*dialog->getDlgItem(IDC_FIND_TEXT), u"plate");
    m_robot.key(ui::VK_F3);   // in the window
    EXPECT_EQ(active(), (std::array{1L, 1L}));
    EXPECT_TRUE(g.isChild(ui::Window::getFocus()));
    m_robot.key(ui::VK_F3);   // in the grid's editor
    EXPECT_EQ(active(), (std::array{2L, 2L}));
    dialog->setDlgItemText(IDC_FIND_REPLACE_TEXT, u"sheet");
    m_robot.key(ui::VK_F5);   // in the grid: the next match is replaced
    EXPECT_EQ(text(1, 3, 0), u"sheet");
    EXPECT_EQ(text(2, 2, 0), u"plate");
    dialog->getDlgItem(IDC_FIND_TEXT)->setFocus();
    script.answerBox(ui::IDYES);
    m_robot.key(ui::VK_F5);   // in the window: wraps to the first row
    EXPECT_EQ(text(1, 1, 0), u"sheet");
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(FindReplace, EnterInTheWindowFinds) {
    Ork_Spread& g = grid(2, 2);
    g.ssSetData(2, 2, u"bolt");
    ui::Script script;
    CDlgFindReplace& dialog = finder(u"bolt");
    dialog.getDlgItem(IDC_FIND_TEXT)->setFocus();
    m_robot.key(ui::VK_RETURN);
    EXPECT_EQ(active(), (std::array{2L, 2L}));
    EXPECT_TRUE(dialog.isWindowVisible());
}

// ---- Life beside the grid

TEST_F(FindReplace, Switch13IsOnWhileOpenAndRestoredOnCancel) {
    Ork_Spread& g = grid();
    g.ssSetBool(13, false);
    g.ssSetBool(20, true);
    CDlgFindReplace& dialog = finder(u"");
    EXPECT_TRUE(g.ssGetBool(13));
    EXPECT_FALSE(g.ssGetBool(20));
    EXPECT_FALSE(dialog.savedSwitch13());
    m_robot.click(dialog, ui::IDCANCEL);
    EXPECT_FALSE(g.ssGetBool(13));
    ui::Desktop::processPending();
    EXPECT_EQ(g.findDialog(), nullptr);

    g.ssSetBool(13, true);
    CDlgFindReplace& again = finder(u"");
    EXPECT_TRUE(again.savedSwitch13());
    m_robot.key(ui::VK_ESCAPE);   // the focus is in the window's field
    EXPECT_TRUE(g.ssGetBool(13));
    ui::Desktop::processPending();
    EXPECT_EQ(g.findDialog(), nullptr);
}

TEST_F(FindReplace, TheWindowReopensAtTheSizeItWasLeftAt) {
    Ork_Spread& g = grid();
    ASSERT_TRUE(DlgSizeStore::instance().set(CDlgFindReplace::kSizeKey, 520, 220));
    CDlgFindReplace& dialog = finder(u"");
    EXPECT_EQ(dialog.getWindowRect().width(), 520);
    EXPECT_EQ(dialog.getWindowRect().height(), 220);
    // The fields widen with the window and the buttons stay at its right edge.
    const ui::Rect field = dialog.getDlgItem(IDC_FIND_TEXT)->getRectInParent();
    const ui::Rect button = dialog.getDlgItem(IDC_FIND_REPLACE)->getRectInParent();
    EXPECT_EQ(dialog.getClientRect().right - button.right, 7);
    EXPECT_GT(field.width(), 170);
    m_robot.resize(dialog, 100, 100);   // not below its first size
    EXPECT_GE(dialog.getWindowRect().width(), 370);
    m_robot.resize(dialog, 600, 240);
    m_robot.click(dialog, ui::IDCANCEL);
    int width = 0, height = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(CDlgFindReplace::kSizeKey, width, height));
    EXPECT_EQ((std::array{width, height}), (std::array{600, 240}));
    ui::Desktop::processPending();
    EXPECT_EQ(g.findDialog(), nullptr);
}

TEST_F(FindReplace, TheWindowGoesWithItsGrid) {
    grid();
    CDlgFindReplace& dialog = finder(u"x");
    const ui::Window* window = &dialog;
    m_grid.reset();
    ui::Desktop::processPending();
    EXPECT_FALSE(ui::isWindow(window));
}

} // namespace
