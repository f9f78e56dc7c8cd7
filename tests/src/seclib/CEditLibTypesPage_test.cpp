// The library editor's types page through the real editor: a type keeps its group through moves of the
// groups, no group chosen stores -1, the group box follows the groups tab, and add, remove and the order
// buttons keep the right type current.
#include "profTableTestSupport.h"

#include "support/frameTestSupport.h"

#include "SS/SSExports.h"
#include "resources/resourceIds.h"
#include "seclib/CDlgEditLibSections.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using seclibtest::LibraryFolder;
using Page = CDlgEditLibSections::Page;

class EditLibTypes : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        for (const char16_t* name : {u"Beams", u"Channels"})
            m_data.groups.appendNewGrp(name);
        for (const char16_t* name : {u"IPE", u"UPN", u"L"}) {
            SectionType type;
            type.names.append(name);
            type.groupId = m_data.groups.get(name == std::u16string(u"UPN") ? 1 : 0)->id;
            type.typeText = u"1";
            m_data.types.append(type);
        }
    }
    bool run(const std::function<void(CDlgEditLibSections&, CEditLibTypesPage&)>& drive) {
        ui::Script script;
        script.onModal(IDD_EDIT_LIB_SECTIONS, [&](ui::Dialog& d) {
            auto& editor = dynamic_cast<CDlgEditLibSections&>(d);
            ASSERT_NE(editor.typesPage(), nullptr);
            ASSERT_TRUE(m_robot.choose(*editor.tabs(), Page::TypesPage));
            drive(editor, *editor.typesPage());
        });
        const bool accepted = StartDlgEditLibSections(m_data, u"");
        EXPECT_EQ(script.remaining(), 0);
        return accepted;
    }
    static ui::ComboBox& combo(ui::Dialog& page, int id) { return *dynamic_cast<ui::ComboBox*>(page.getDlgItem(id)); }
    LibraryFolder m_library;
    DlgEditLibData m_data;
    ui::Robot m_robot;
};

TEST_F(EditLibTypes, ATypeKeepsItsGroupWhenTheGroupsAreReordered) {
    const int channels = m_data.groups.get(1)->id;
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibTypesPage& page) {
        ASSERT_TRUE(m_robot.choose(combo(page, IDC_EDITLIB_TYPE_LIST), 1));
        EXPECT_EQ(combo(page, IDC_EDITLIB_TYPE_GROUP).getCurSel(), 1);
        // Channels moves to the front on the groups tab; back on the types tab UPN still shows Channels.
        ASSERT_TRUE(m_robot.choose(*d.tabs(), Page::GroupsPage));
        CEditLibGroupsPage& groups = *d.groupsPage();
        ASSERT_TRUE(m_robot.choose(combo(groups, IDC_EDITLIB_GROUP_LIST), 1));
        m_robot.click(groups, IDC_EDITLIB_UP);
        ASSERT_TRUE(m_robot.choose(*d.tabs(), Page::TypesPage));
        EXPECT_EQ(combo(page, IDC_EDITLIB_TYPE_GROUP).getCurSel(), 0);
        EXPECT_EQ(combo(page, IDC_EDITLIB_TYPE_GROUP).getLBText(0), u"Channels");
        m_robot.click(d, ui::IDOK);
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(m_data.types.get(1)->groupId, channels);
    EXPECT_EQ(m_data.types.get(0)->groupId, m_data.groups.get(1)->id) << "IPE stays with Beams";
}

TEST_F(EditLibTypes, AGroupRemovedOrNeverChosenStoresNoGroup) {
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibTypesPage& page) {
        ASSERT_TRUE(m_robot.choose(*d.tabs(), Page::GroupsPage));
        m_robot.click(*d.groupsPage(), IDC_EDITLIB_REMOVE);   // Beams
        ASSERT_TRUE(m_robot.choose(*d.tabs(), Page::TypesPage));
        EXPECT_EQ(combo(page, IDC_EDITLIB_TYPE_GROUP).getCurSel(), -1);
        m_robot.click(page, IDC_EDITLIB_ADD);
        EXPECT_EQ(page.current(), 1);
        m_robot.click(d, ui::IDOK);
    });
    ASSERT_TRUE(accepted);
    ASSERT_EQ(m_data.types.length(), 4);
    EXPECT_EQ(m_data.types.get(0)->groupId, kNoSectionGroup);
    EXPECT_EQ(m_data.types.get(1)->groupId, kNoSectionGroup);
    ASSERT_FALSE(m_data.types.get(1)->names.isEmpty());
    EXPECT_EQ(m_data.types.get(1)->names[0], u"New type");
    EXPECT_EQ(m_data.types.get(2)->groupId, m_data.groups.get(0)->id) << "UPN keeps Channels";
}

TEST_F(EditLibTypes, MovesRemovalsAndTheTypeTextAreStored) {
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibTypesPage& page) {
        m_robot.click(page, IDC_EDITLIB_UP);   // the first cannot go up
        EXPECT_EQ(page.current(), 0);
        m_robot.replaceTextOf(page, IDC_EDITLIB_TYPE_TEXT, u"31");
        m_robot.click(page, IDC_EDITLIB_DOWN);
        EXPECT_EQ(page.current(), 1);
        ASSERT_TRUE(m_robot.choose(combo(page, IDC_EDITLIB_TYPE_LIST), 2));
        m_robot.click(page, IDC_EDITLIB_REMOVE);
        EXPECT_EQ(page.current(), 1) << "removing the last makes the previous current";
        m_robot.click(d, ui::IDOK);
    });
    ASSERT_TRUE(accepted);
    ASSERT_EQ(m_data.types.length(), 2);
    EXPECT_EQ(m_data.types.get(0)->names[0], u"UPN");
    EXPECT_EQ(m_data.types.get(1)->names[0], u"IPE");
    EXPECT_EQ(m_data.types.get(1)->typeText, u"31") << "a type text outside 1..24 is kept as typed";
}

} // namespace
