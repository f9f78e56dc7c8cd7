// The hidden tool window and its holder.
#include "support/sheetTestSupport.h"

#include "cadhost/MainWindow.h"
#include "sheet/CDlgSSAsTool.h"
#include "ui/Desktop.h"
#include "ui/Failures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class SSAsTool : public frametest::FrameTest {
protected:
    static bool isTopLevel(const ui::Window* w) {
        const auto all = ui::Desktop::topLevelWindows();
        return std::find(all.begin(), all.end(), w) != all.end();
    }
};

} // namespace

TEST_F(SSAsTool, HasNoGridBeforeItIsMade) {
    DlgSSAsTool tool;
    EXPECT_EQ(tool.get(), nullptr);
}

TEST_F(SSAsTool, MakesOneHiddenWindowOwnedByTheMainWindowWithAGrid) {
    ui::Window* main = adsw_acadMainWnd();
    DlgSSAsTool tool;
    ASSERT_TRUE(tool.ensureCreated());
    CDlgSSAsTool* dialog = tool.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isWindow());
    EXPECT_FALSE(dialog->isWindowVisible());
    EXPECT_EQ(dialog->getOwner(), main);
    ASSERT_NE(tool.get(), nullptr);
    EXPECT_TRUE(tool.get()->isCreated());
    EXPECT_EQ(tool.get()->getParent(), dialog);
    EXPECT_TRUE(main->hasFocus());

    ASSERT_TRUE(tool.ensureCreated());
    EXPECT_EQ(tool.dialog(), dialog) << "made once";
}

TEST_F(SSAsTool, DestroyingTheHolderDestroysTheWindow) {
    const ui::Window* window = nullptr;
    {
        DlgSSAsTool tool;
        ASSERT_TRUE(tool.ensureCreated());
        window = tool.dialog();
        EXPECT_TRUE(isTopLevel(window));
    }
    EXPECT_FALSE(isTopLevel(window));
}

TEST_F(SSAsTool, AWindowThatCannotBeMadeFails) {
    adsw_acadMainWnd();   // the host's window exists before any tool window
    ui::Failures::failCreate(1);
    DlgSSAsTool tool;
    EXPECT_FALSE(tool.ensureCreated());
    EXPECT_EQ(tool.get(), nullptr);
}

TEST_F(SSAsTool, AGridThatCannotBeMadeGivesNoGrid) {
    ui::Failures::failCreate(1, u"fpUSpread70");
    DlgSSAsTool tool;
    EXPECT_TRUE(tool.ensureCreated());
    EXPECT_EQ(tool.get(), nullptr);
}
