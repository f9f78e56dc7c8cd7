// The library editor's groups page through the real editor: what is shown is stored before another group is
// shown; add, remove and the order buttons keep the right group current; details follow the enabled flag;
// OK hands the groups back, identifiers unchanged by moves.
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

class EditLibGroups : public frametest::FrameTest {
protected:
    void SetUp() override {
        frametest::FrameTest::SetUp();
        for (const char16_t* name : {u"Beams", u"Channels", u"Angles"})
            m_data.groups.appendNewGrp(name);
        m_data.imageNames.append(u"beam.bmp");
    }
    bool run(const std::function<void(CDlgEditLibSections&, CEditLibGroupsPage&)>& drive) {
        ui::Script script;
        script.onModal(IDD_EDIT_LIB_SECTIONS, [&](ui::Dialog& d) {
            auto& editor = dynamic_cast<CDlgEditLibSections&>(d);
            ASSERT_NE(editor.groupsPage(), nullptr);
            drive(editor, *editor.groupsPage());
        });
        const bool accepted = StartDlgEditLibSections(m_data, u"");
        EXPECT_EQ(script.remaining(), 0);
        return accepted;
    }
    static ui::ComboBox& list(CEditLibGroupsPage& page) {
        return *dynamic_cast<ui::ComboBox*>(page.getDlgItem(IDC_EDITLIB_GROUP_LIST));
    }
    std::vector<std::u16string> names() const {
        std::vector<std::u16string> out;
        for (int i = 0; i < m_data.groups.length(); ++i)
            out.push_back(m_data.groups.get(i)->name);
        return out;
    }
    LibraryFolder m_library;
    DlgEditLibData m_data;
    ui::Robot m_robot;
};

TEST_F(EditLibGroups, ChoosingAnotherGroupStoresTheShownOneFirst) {
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibGroupsPage& page) {
        EXPECT_EQ(page.current(), 0);
        EXPECT_EQ(list(page).getCount(), 3);
        m_robot.replaceTextOf(page, IDC_EDITLIB_IMAGE, u"beam.bmp");
        Ork_StringArray typed;
        typed.append(u"HEB");
        page.namesGrid().setRowTexts(1, typed);
        ASSERT_TRUE(m_robot.choose(list(page), 2));
        EXPECT_EQ(page.current(), 2);
        EXPECT_EQ(page.getDlgItemText(IDC_EDITLIB_IMAGE), u"");
        ASSERT_TRUE(m_robot.choose(list(page), 0));
        EXPECT_EQ(page.getDlgItemText(IDC_EDITLIB_IMAGE), u"beam.bmp");
        m_robot.click(d, ui::IDOK);
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(m_data.groups.get(0)->imageName, u"beam.bmp");
    ASSERT_FALSE(m_data.groups.get(0)->names.isEmpty());
    EXPECT_EQ(m_data.groups.get(0)->names[0], u"HEB");
}

TEST_F(EditLibGroups, MovesKeepTheMovedGroupCurrentAndTheFirstCannotGoUp) {
    const int firstId = m_data.groups.get(0)->id;
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibGroupsPage& page) {
        m_robot.click(page, IDC_EDITLIB_UP);
        EXPECT_EQ(page.current(), 0);
        m_robot.click(page, IDC_EDITLIB_DOWN);
        EXPECT_EQ(page.current(), 1);
        m_robot.click(page, IDC_EDITLIB_DOWN);
        EXPECT_EQ(page.current(), 2);
        m_robot.click(page, IDC_EDITLIB_DOWN);   // the last cannot go down
        EXPECT_EQ(page.current(), 2);
        EXPECT_EQ(list(page).getCurSel(), 2);
        m_robot.click(d, ui::IDOK);
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(names(), (std::vector<std::u16string>{u"Channels", u"Angles", u"Beams"}));
    EXPECT_EQ(m_data.groups.get(2)->id, firstId) << "a move never changes a group's identifier";
}

TEST_F(EditLibGroups, RemovingTheLastMakesThePreviousCurrentAndTheOnlyLeavesNone) {
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibGroupsPage& page) {
        ASSERT_TRUE(m_robot.choose(list(page), 2));
        m_robot.click(page, IDC_EDITLIB_REMOVE);
        EXPECT_EQ(page.current(), 1);
        m_robot.click(page, IDC_EDITLIB_REMOVE);
        EXPECT_EQ(page.current(), 0);
        m_robot.click(page, IDC_EDITLIB_REMOVE);
        EXPECT_EQ(page.current(), -1);
        EXPECT_FALSE(page.getDlgItem(IDC_EDITLIB_ENABLED)->isWindowEnabled());
        EXPECT_FALSE(page.getDlgItem(IDC_EDITLIB_IMAGE)->isWindowEnabled());
        m_robot.click(page, IDC_EDITLIB_REMOVE);   // nothing left: nothing happens
        m_robot.click(page, IDC_EDITLIB_UP);
        m_robot.click(page, IDC_EDITLIB_ADD);
        EXPECT_EQ(page.current(), 0);
        EXPECT_EQ(list(page).getCount(), 1);
        m_robot.click(d, ui::IDOK);
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(m_data.groups.length(), 1);
    EXPECT_GT(m_data.groups.get(0)->id, 3) << "a new group never reuses a removed group's identifier";
}

TEST_F(EditLibGroups, TheEnabledBoxRefillsTheMarksAndDisablesTheDetails) {
    const DlgEditLibData before = m_data;
    const bool accepted = run([&](CDlgEditLibSections& d, CEditLibGroupsPage& page) {
        ASSERT_TRUE(m_robot.choose(list(page), 1));
        m_robot.click(page, IDC_EDITLIB_ENABLED);
        EXPECT_FALSE(list(page).getItemChecked(1));
        EXPECT_TRUE(page.getDlgItem(IDC_EDITLIB_ENABLED)->isWindowEnabled());
        EXPECT_FALSE(page.getDlgItem(IDC_EDITLIB_IMAGE)->isWindowEnabled());
        m_robot.click(d, ui::IDCANCEL);
    });
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(m_data == before) << "Cancel leaves the record";
}

} // namespace
