// The host's flat icon button and check-list combo box, attached to a template's controls.
#include "nuvo/CButtonST.h"
#include "nuvo/CCheckComboBox.h"

#include "ui/Desktop.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/Resources.h"
#include "ui/Robot.h"
#include "ui/constants.h"

#include <gtest/gtest.h>

namespace {

constexpr int kButtonId = 1443, kComboId = 1194, kIcon = 261, kMissingIcon = 9999;

class HostControls : public ::testing::Test {
protected:
    void SetUp() override {
        ui::Desktop::reset();
        ui::Resources::addModule(u"host-controls-test").addIcon(kIcon);
        ui::DialogTemplate t;
        t.caption = u"Controls";
        t.size = {300, 200};
        t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_VISIBLE;
        t.add(u"Button", kButtonId, u"Up", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::BS_PUSHBUTTON, {10, 10, 40, 40});
        t.add(u"ComboBox", kComboId, u"", ui::WS_VISIBLE | ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST, {50, 10, 250, 30});
        ASSERT_TRUE(m_dialog.createIndirect(t, nullptr, ui::Dialog::Show::Visible));
    }
    void TearDown() override {
        if (m_dialog.isWindow())
            m_dialog.destroyWindow();
    }
    ui::Dialog m_dialog;
};

TEST_F(HostControls, AnIconButtonTakesThePlaceOfTheTemplatesButtonFlatWithItsTooltip) {
    CButtonST missing;
    EXPECT_FALSE(missing.attach(m_dialog, kButtonId, kMissingIcon, u"Up"));
    EXPECT_FALSE(missing.attach(m_dialog, 4242, kIcon, u"Up"));
    EXPECT_EQ(dynamic_cast<ui::ImageButton*>(m_dialog.getDlgItem(kButtonId)), nullptr);   // still the template's button
    EXPECT_NE(m_dialog.getDlgItem(kButtonId), &missing);
    CButtonST up;
    ASSERT_TRUE(up.attach(m_dialog, kButtonId, kIcon, u"Move up"));
    EXPECT_EQ(m_dialog.getDlgItem(kButtonId), &up);
    EXPECT_TRUE(up.isFlat());
    EXPECT_EQ(up.tooltipText(), u"Move up");
    EXPECT_EQ(up.getDlgCtrlID(), kButtonId);
}

TEST_F(HostControls, ACheckComboListsItemsWithTheirMarksAndAUserTogglesThem) {
    CCheckComboBox groups;
    EXPECT_FALSE(groups.attach(m_dialog, kButtonId));   // no combo box there
    ASSERT_TRUE(groups.attach(m_dialog, kComboId));
    groups.setItems({u"I sections", u"Channels", u"Angles"}, AcArray<bool>{true, false}, 1);
    EXPECT_EQ(groups.getCount(), 3);
    EXPECT_EQ(groups.getCurSel(), 1);
    EXPECT_EQ(groups.checks(), (AcArray<bool>{true, false, false}));
    groups.setItems({u"One"}, AcArray<bool>{}, 5);
    EXPECT_EQ(groups.getCurSel(), -1);
    EXPECT_FALSE(groups.isChecked(0));
    EXPECT_TRUE(groups.setChecked(0, true));
    EXPECT_FALSE(groups.setChecked(3, true));
    ui::Robot robot;
    ASSERT_TRUE(robot.toggleCheck(groups, 0));
    EXPECT_FALSE(groups.isChecked(0));
}

} // namespace
