// The single modeless constraints editor.
#include "support/frameTestSupport.h"

#include "cadhost/HostLog.h"
#include "cadhost/MainWindow.h"
#include "frame/KvModelessDlgs.h"
#include "SS/SSExports.h"
#include "macroedit/CDlgEditMacro.h"
#include "ui/Failures.h"
#include "ui/Robot.h"

#include <gtest/gtest.h>

namespace {

class ConstraintsEditor : public frametest::FrameTest {
protected:
    bool start() {
        return KvModelessDlgs::instance().openConstraintsEditor([this](CDlgEditMacro&) { ++m_filled; });
    }
    CDlgEditMacro* editor() const { return KvModelessDlgs::instance().constraintsEditor(); }
    int m_filled = 0;
};

TEST_F(ConstraintsEditor, OpensOnceInConstraintsModeAndGivesTheFocusBack) {
    ASSERT_TRUE(start());
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(editor()->isConstraintsMode());
    EXPECT_TRUE(editor()->isWindowVisible());
    EXPECT_EQ(editor()->getOwner(), adsw_acadMainWnd());
    EXPECT_TRUE(adsw_acadMainWnd()->hasFocus());
    CDlgEditMacro* first = editor();
    EXPECT_TRUE(start());
    EXPECT_EQ(editor(), first);
    EXPECT_EQ(m_filled, 1);
}

TEST_F(ConstraintsEditor, AWindowThatCannotBeCreatedLeavesNoEditor) {
    ui::Failures::failCreate(1, u"#32770");
    EXPECT_FALSE(start());
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(start());  // the next start is not blocked by a phantom editor
    EXPECT_NE(editor(), nullptr);
}

TEST_F(ConstraintsEditor, EndingClosesAndRePrompts) {
    start();
    ui::Window* window = editor();
    cadhost::HostLog::clear();
    EndDlgEditConstraints();
    ui::Desktop::processPending();
    EXPECT_EQ(editor(), nullptr);
    EXPECT_FALSE(ui::isWindow(window));
    EXPECT_EQ(cadhost::HostLog::texts(u"acedPostCommandPrompt").size(), 1u);
    EXPECT_EQ(printed(), "");
}

TEST_F(ConstraintsEditor, EndingWithNothingOpenDoesNothing) {
    cadhost::HostLog::clear();
    EndDlgEditConstraints();
    EXPECT_TRUE(cadhost::HostLog::calls().empty());
}

TEST_F(ConstraintsEditor, AWindowThatCannotBeDestroyedIsReportedAndForgotten) {
    start();
    ui::Failures::failDestroy(1);
    EndDlgEditConstraints();
    ui::Desktop::processPending();
    EXPECT_EQ(printed(), "Erase window failed\n");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(start());
}

TEST_F(ConstraintsEditor, TheUserClosingItEndsIt) {
    start();
    ui::Robot(frametest::gtestFailure()).close(*editor());
    ui::Desktop::processPending();
    EXPECT_EQ(editor(), nullptr);
}

} // namespace
