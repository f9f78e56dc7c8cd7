// The library editor through its real window: its texts, the tab it opens on, one page shown at a time as the
// user changes tabs, and the modal rule of its entry point.
#include "profTableTestSupport.h"

#include "support/frameTestSupport.h"

#include "SS/SSExports.h"
#include "resources/resourceIds.h"
#include "seclib/CDlgEditLibSections.h"
#include "ui/Robot.h"
#include "ui/Script.h"
#include "ui/paint/WindowPainter.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using seclibtest::LibraryFolder;
using Page = CDlgEditLibSections::Page;

class EditLibSections : public frametest::FrameTest {
protected:
    bool run(DlgEditLibData& data, const Ork_String& name, const std::function<void(CDlgEditLibSections&)>& drive) {
        ui::Script script;
        script.onModal(IDD_EDIT_LIB_SECTIONS, [&](ui::Dialog& d) { drive(dynamic_cast<CDlgEditLibSections&>(d)); });
        const bool accepted = StartDlgEditLibSections(data, name);
        EXPECT_EQ(script.remaining(), 0);
        return accepted;
    }
    static std::vector<bool> shown(const CDlgEditLibSections& d) {
        std::vector<bool> visible;
        for (Page p : {Page::GroupsPage, Page::TypesPage, Page::ValuesPage})
            visible.push_back(d.page(p) && d.page(p)->isWindowVisible());
        return visible;
    }
    LibraryFolder m_library;
    ui::Robot m_robot;
};

TEST_F(EditLibSections, OpensOnTheGroupsTabWithItsTextsAndTheAvailableTables) {
    DlgEditLibData data;
    const bool accepted = run(data, u"", [&](CDlgEditLibSections& d) {
        EXPECT_EQ(d.getWindowText(), u"Section library");
        ASSERT_NE(d.tabs(), nullptr);
        ASSERT_EQ(d.tabs()->getItemCount(), 3);
        EXPECT_EQ(d.tabs()->getItemText(0), u"Groups");
        EXPECT_EQ(d.tabs()->getItemText(2), u"Values");
        EXPECT_EQ(d.currentPage(), Page::GroupsPage);
        EXPECT_EQ(shown(d), (std::vector<bool>{true, false, false}));
        EXPECT_EQ(d.page(Page::GroupsPage)->getDlgItemText(IDC_EDITLIB_ADD), u"Add");
        EXPECT_EQ(d.page(Page::TypesPage)->getDlgItemText(IDC_EDITLIB_ADD), u"New type");
        EXPECT_EQ(d.page(Page::ValuesPage)->getDlgItemText(IDC_EDITLIB_NEW), u"New table");
        EXPECT_FALSE(d.m_data.availableFiles.isEmpty());
        m_robot.click(d, ui::IDCANCEL);
    });
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(data.availableFiles.isEmpty()) << "Cancel leaves the caller's record as it was";
}

TEST_F(EditLibSections, ATableNameOpensTheValuesTabAndTabsShowOnePageEach) {
    DlgEditLibData data;
    const bool accepted = run(data, u"IPE", [&](CDlgEditLibSections& d) {
        EXPECT_EQ(d.currentPage(), Page::ValuesPage);
        EXPECT_EQ(shown(d), (std::vector<bool>{false, false, true}));
        ASSERT_TRUE(m_robot.choose(*d.tabs(), Page::TypesPage));
        EXPECT_EQ(shown(d), (std::vector<bool>{false, true, false}));
        ASSERT_TRUE(m_robot.choose(*d.tabs(), Page::GroupsPage));
        EXPECT_EQ(shown(d), (std::vector<bool>{true, false, false}));
        m_robot.click(d, ui::IDOK);
    });
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(data.availableFiles.isEmpty()) << "OK hands the dialog's record back";
}

// Dark pixels of `picture` (of the editor `d`) inside control `id` of `page`.
int darkPixelsOver(const ui::Canvas& picture, const ui::Window& d, const ui::Window& page, int id) {
    const ui::Window* control = page.getDlgItem(id);
    if (!control)
        return 0;
    const ui::Rect label = control->getWindowRect();
    const ui::Rect window = d.getWindowRect();
    int dark = 0;
    for (int y = label.top - window.top; y < label.bottom - window.top; ++y)
        for (int x = label.left - window.left; x < label.right - window.left; ++x)
            dark += (picture.pixel(x, y) & 0xFFFFFF) < 0x404040 ? 1 : 0;
    return dark;
}

TEST_F(EditLibSections, EachPageIsPicturedWithItsTexts) {
    DlgEditLibData data;
    data.groups.appendNewGrp(u"Beams");
    run(data, u"", [&](CDlgEditLibSections& d) {
        struct Shot {
            Page page;
            int labelId;
        };
        for (Shot shot : {Shot{Page::GroupsPage, IDC_EDITLIB_ADD}, Shot{Page::TypesPage, IDC_EDITLIB_ADD},
                          Shot{Page::ValuesPage, IDC_EDITLIB_NEW}}) {
            ASSERT_TRUE(m_robot.choose(*d.tabs(), shot.page));
            const ui::Canvas picture = ui::renderWindow(d);
            EXPECT_GE(picture.width(), 500);
            EXPECT_GE(picture.height(), 400);
            EXPECT_LE(picture.width(), 1200);
            EXPECT_GT(darkPixelsOver(picture, d, *d.page(shot.page), shot.labelId), 10) << "page " << shot.page;
        }
        m_robot.click(d, ui::IDCANCEL);
    });
}

} // namespace
