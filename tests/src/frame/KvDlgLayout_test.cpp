// The child layout of resizable dialogs.
#include "support/frameTestSupport.h"

#include "base/KvDlgLayout.h"
#include "ui/Dialog.h"
#include "ui/Robot.h"

#include <gtest/gtest.h>

namespace {

struct AxisCase {
    int flags;
    int near, far, oldSize, newSize;
    int expectNear, expectFar;
};

TEST(KvDlgLayoutAxis, EachCodeMovesTheEdgesByItsRule) {
    const AxisCase cases[] = {
        // flags                     near far  old  new   near' far'
        {KvDlgLayout::kStretch,       10,  90, 100, 150,   10,  140},  // near stays, far follows
        {KvDlgLayout::kFixed,         10,  30, 100, 150,   10,   30},  // near stays, size kept
        {KvDlgLayout::kFollow,        70,  90, 100, 150,  120,  140},  // both follow the far edge
        {KvDlgLayout::kProportional,  10,  30, 100, 150,   15,   45},  // both scale
        {KvDlgLayout::kKeepSize,      10,  30, 100, 150,   15,   35},  // scaled near, size kept
        {KvDlgLayout::kKeepNear,      10,  30, 100, 150,   10,   45},  // near stays, far scales
        {KvDlgLayout::kFollowFar,     10,  30, 100, 150,   15,   80},  // near scales, far follows
        {KvDlgLayout::kStretch,       10,  90, 100,  50,   10,   40},  // smaller
        {KvDlgLayout::kProportional,  10,  30,   0, 150,   10,   30},  // nothing to scale from
    };
    for (const AxisCase& c : cases) {
        int near = 0, far = 0;
        KvDlgLayout::layoutAxis(c.flags, c.near, c.far, c.oldSize, c.newSize, near, far);
        EXPECT_EQ(near, c.expectNear) << "flags " << c.flags;
        EXPECT_EQ(far, c.expectFar) << "flags " << c.flags;
    }
}

TEST(KvDlgLayoutAxis, AStretchedChildNeverTurnsInsideOut) {
    int near = 0, far = 0;
    KvDlgLayout::layoutAxis(KvDlgLayout::kStretch, 10, 90, 100, 10, near, far);
    EXPECT_EQ(near, 10);
    EXPECT_EQ(far, 10);
}

// A resizable dialog that lays its children out on every resize, as the module's dialogs do.
class LaidOutDialog : public ui::Dialog {
public:
    KvDlgLayout layout;

protected:
    bool onInitDialog() override {
        layout.record(*this);
        layout.setFlags(10, KvDlgLayout::kStretch, KvDlgLayout::kStretch);  // the grid
        layout.setFlags(ui::IDOK, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
        layout.setFlags(ui::IDCANCEL, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
        layout.setFlags(11, KvDlgLayout::kFixed, KvDlgLayout::kFixed);    // a label
        return true;
    }
    void onSize(unsigned type, int cx, int cy) override {
        ui::Dialog::onSize(type, cx, cy);
        layout.resize(cx, cy);
    }
};

using KvDlgLayoutOnADialog = frametest::FrameTest;

TEST_F(KvDlgLayoutOnADialog, AUserResizeMovesEveryChildByItsCodes) {
    ui::DialogTemplate t;
    t.size = {300, 200};
    t.style |= ui::WS_THICKFRAME | ui::WS_VISIBLE;
    t.add(u"Static", 10, u"", ui::WS_VISIBLE | ui::SS_BLACKFRAME, ui::Rect{10, 30, 290, 160});
    t.add(u"Static", 11, u"Label", ui::WS_VISIBLE, ui::Rect{10, 10, 60, 24});
    t.add(u"Button", ui::IDOK, u"OK", ui::WS_VISIBLE, ui::Rect{130, 170, 205, 193});
    t.add(u"Button", ui::IDCANCEL, u"Cancel", ui::WS_VISIBLE, ui::Rect{215, 170, 290, 193});
    t.add(u"ToolbarWindow32", 12, u"", ui::WS_VISIBLE, ui::Rect{0, 0, 300, 8});
    t.add(u"Edit", 13, u"", ui::WS_VISIBLE, ui::Rect{100, 10, 200, 24});  // proportional (no flags)
    LaidOutDialog dialog;
    ASSERT_TRUE(dialog.createIndirect(t, nullptr, ui::Dialog::Show::Visible));
    const ui::Rect window = dialog.getWindowRect();
    ASSERT_TRUE(ui::Robot(frametest::gtestFailure()).resize(dialog, window.width() + 100, window.height() + 50));
    ASSERT_EQ(dialog.getClientRect().size(), (ui::Size{400, 250}));
    EXPECT_EQ(dialog.getDlgItem(10)->getRectInParent(), (ui::Rect{10, 30, 390, 210}));
    EXPECT_EQ(dialog.getDlgItem(11)->getRectInParent(), (ui::Rect{10, 10, 60, 24}));
    EXPECT_EQ(dialog.getDlgItem(ui::IDOK)->getRectInParent(), (ui::Rect{230, 220, 305, 243}));
    EXPECT_EQ(dialog.getDlgItem(ui::IDCANCEL)->getRectInParent(), (ui::Rect{315, 220, 390, 243}));
    EXPECT_EQ(dialog.getDlgItem(12)->getRectInParent(), (ui::Rect{0, 0, 300, 8}));  // tool bars stay
    EXPECT_EQ(dialog.getDlgItem(13)->getRectInParent(), (ui::Rect{133, 13, 267, 30}));
    // Back to the first size: everything where it began, with no drift.
    ui::Robot(frametest::gtestFailure()).resize(dialog, window.width(), window.height());
    EXPECT_EQ(dialog.getDlgItem(13)->getRectInParent(), (ui::Rect{100, 10, 200, 24}));
    EXPECT_EQ(dialog.getDlgItem(ui::IDOK)->getRectInParent(), (ui::Rect{130, 170, 205, 193}));
    dialog.destroyWindow();
}

TEST_F(KvDlgLayoutOnADialog, FlagsForUnknownChildrenAreRefusedAndGoneChildrenLeftAlone) {
    ui::DialogTemplate t;
    t.size = {100, 100};
    t.add(u"Static", 10, u"", ui::WS_VISIBLE, ui::Rect{10, 10, 50, 50});
    t.add(u"Static", 11, u"", ui::WS_VISIBLE, ui::Rect{60, 10, 90, 50});
    ui::Dialog dialog;
    ASSERT_TRUE(dialog.createIndirect(t, nullptr, ui::Dialog::Show::Visible));
    KvDlgLayout layout;
    layout.record(dialog);
    EXPECT_FALSE(layout.setFlags(99, 0, 0));
    EXPECT_TRUE(layout.setFlags(10, KvDlgLayout::kFixed, KvDlgLayout::kFixed));
    dialog.getDlgItem(11)->destroyWindow();
    ui::Desktop::processPending();
    layout.resize(200, 200);  // must not touch the destroyed child
    EXPECT_EQ(dialog.getDlgItem(10)->getRectInParent(), (ui::Rect{10, 10, 50, 50}));
    dialog.destroyWindow();
}

} // namespace
