#include "nuvo/DlgSizeStore.h"
#include "nuvo/dlgSize.h"

#include "support/TempFolder.h"
#include "ui/Desktop.h"
#include "ui/Window.h"
#include "ui/constants.h"

#include <gtest/gtest.h>

TEST(DialogSizes, AWindowReopensAtItsStoredSizeAfterARestart) {
    ui::Desktop::reset();
    TempFolder dir;
    DlgSizeStore::useFile(dir.folder() + u"sizes.txt");
    {
        ui::Window dlg;
        ASSERT_TRUE(dlg.create(u"#32770", u"Macro", ui::WS_OVERLAPPEDWINDOW, ui::Rect::fromSize(10, 20, 300, 200), nullptr, 0));
        ui::Size first;
        ASSERT_TRUE(getDlgSize(&dlg, first));
        EXPECT_EQ(first, (ui::Size{300, 200}));
        dlg.moveWindow(10, 20, 640, 480);
        EXPECT_TRUE(WriteDlgSize(&dlg, u"DLG_EDIT_MACRO"));
        dlg.destroyWindow();
    }
    DlgSizeStore::useFile(dir.folder() + u"sizes.txt");   // as a new process would read it
    ui::Window again;
    ASSERT_TRUE(again.create(u"#32770", u"Macro", ui::WS_OVERLAPPEDWINDOW, ui::Rect::fromSize(50, 60, 300, 200), nullptr, 0));
    EXPECT_TRUE(ChangeDlgSize(&again, u"DLG_EDIT_MACRO"));
    EXPECT_EQ(again.getWindowRect(), ui::Rect::fromSize(50, 60, 640, 480));
    EXPECT_FALSE(ChangeDlgSize(&again, u"DLG_UNKNOWN"));
    again.destroyWindow();
    ui::Size size{1, 1};
    EXPECT_FALSE(getDlgSize(&again, size));
    EXPECT_EQ(size, (ui::Size{1, 1}));
    EXPECT_FALSE(WriteDlgSize(nullptr, u"X"));
}
