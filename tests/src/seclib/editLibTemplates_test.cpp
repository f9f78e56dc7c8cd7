// The library editor's templates: the editor with its tab control, and its three pages as child dialogs with
// the controls the editor finds by number; the icons of its grid and order buttons.
#include "support/frameTestSupport.h"

#include "resources/resourceIds.h"
#include "ui/Dialog.h"
#include "ui/Resources.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class EditLibTemplates : public frametest::FrameTest {
protected:
    // The controls of template `id` missing from `wanted`'s ids, as a list to compare against empty.
    static std::vector<int> missing(int id, const std::vector<int>& wanted) {
        std::vector<int> absent;
        const ui::DialogTemplate* t = ui::Resources::findDialog(id);
        if (!t)
            return wanted;
        for (int want : wanted) {
            bool found = false;
            for (const ui::ControlTemplate& c : t->controls)
                found = found || c.id == want;
            if (!found)
                absent.push_back(want);
        }
        return absent;
    }
};

TEST_F(EditLibTemplates, EditorHasTabsAndPagesAreChildDialogs) {
    EXPECT_EQ(missing(IDD_EDIT_LIB_SECTIONS, {IDC_EDITLIB_TABS, ui::IDOK, ui::IDCANCEL}), std::vector<int>{});
    for (int page : {IDD_EDITLIB_GROUPS, IDD_EDITLIB_TYPES, IDD_EDITLIB_VALUES}) {
        const ui::DialogTemplate* t = ui::Resources::findDialog(page);
        ASSERT_NE(t, nullptr) << page;
        EXPECT_NE(t->style & ui::WS_CHILD, 0u) << page;
        EXPECT_FALSE(t->visible()) << page << ": a page is shown by its tab, not on creation";
    }
}

TEST_F(EditLibTemplates, PagesCarryTheirControls) {
    EXPECT_EQ(missing(IDD_EDITLIB_GROUPS, {1194, 1185, 1195, 1193, 1189, 1190, 1108, 1186, 1188, 1443, 1442}),
              std::vector<int>{});
    EXPECT_EQ(missing(IDD_EDITLIB_TYPES,
                      {1199, 1185, 1195, 1196, 1198, 1193, 1189, 1190, 1081, 1186, 1187, 1192, 1188, 1443, 1442}),
              std::vector<int>{});
    EXPECT_EQ(missing(IDD_EDITLIB_VALUES, {1248, 1196, 1189, 1190, 1201, 1202, 1200, 1199, 1198, 1204, 1205, 1206,
                                           1207, 1208}),
              std::vector<int>{});
}

TEST_F(EditLibTemplates, ControlIdsAreUniqueWithinEachPage) {
    for (int page : {IDD_EDIT_LIB_SECTIONS, IDD_EDITLIB_GROUPS, IDD_EDITLIB_TYPES, IDD_EDITLIB_VALUES}) {
        const ui::DialogTemplate* t = ui::Resources::findDialog(page);
        ASSERT_NE(t, nullptr);
        std::vector<int> seen;
        for (const ui::ControlTemplate& c : t->controls) {
            if (c.id == ui::IDC_STATIC)
                continue;
            for (int s : seen)
                EXPECT_NE(s, c.id) << "page " << page << " holds control " << c.id << " twice";
            seen.push_back(c.id);
        }
    }
}

TEST_F(EditLibTemplates, ButtonIconsAreRegistered) {
    for (int icon : {223, 224, 225, 226, 227, 228, 238, 261, 262})
        EXPECT_FALSE(ui::Resources::loadIcon(icon).isNull()) << icon;
}

TEST_F(EditLibTemplates, PagesBecomeRealWindowsOnTheEditor) {
    ui::Dialog editor;
    ASSERT_TRUE(editor.create(IDD_EDIT_LIB_SECTIONS, nullptr, false));
    ASSERT_NE(editor.getDlgItem(IDC_EDITLIB_TABS), nullptr);
    for (int page : {IDD_EDITLIB_GROUPS, IDD_EDITLIB_TYPES, IDD_EDITLIB_VALUES}) {
        ui::Dialog child;
        ASSERT_TRUE(child.create(page, editor.getDlgItem(IDC_EDITLIB_TABS), false)) << page;
        EXPECT_NE(child.getDlgItem(IDC_EDITLIB_ADD), nullptr) << page;
        EXPECT_NE(child.getDlgItem(IDC_EDITLIB_REMOVE), nullptr) << page;
        child.destroyWindow();
    }
    editor.destroyWindow();
}

} // namespace
