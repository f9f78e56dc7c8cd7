// Filling a combo box and showing or hiding a control through the host's helpers.
#include "nuvo/controlHelpers.h"

#include "ui/ComboBox.h"
#include "ui/Desktop.h"
#include "ui/Dialog.h"

#include <gtest/gtest.h>

namespace {

class ControlHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        ui::Desktop::reset();
        ui::DialogTemplate t;
        t.add(u"ComboBox", 10, u"", ui::WS_VISIBLE | ui::CBS_DROPDOWNLIST, {0, 0, 100, 200})
            .add(u"ComboBox", 11, u"", ui::WS_VISIBLE | ui::CBS_DROPDOWNLIST | ui::CBS_SORT, {0, 30, 100, 200})
            .add(u"Static", 12, u"label", ui::WS_VISIBLE, {0, 60, 100, 80});
        ASSERT_TRUE(dialog.createIndirect(t, nullptr, ui::Dialog::Show::Visible));
    }
    void TearDown() override {
        dialog.destroyWindow();
        ui::Desktop::reset();
    }
    ui::Dialog dialog;
};

TEST_F(ControlHelpers, FillComboReplacesTheItemsInOrder) {
    auto* combo = dialog.getDlgItemAs<ui::ComboBox>(10);
    combo->addString(u"old");
    ASSERT_TRUE(FillCombo(combo, Ork_StringArray{u"S355", u"S235", u"S235"}));
    ASSERT_EQ(combo->getCount(), 3);
    EXPECT_EQ(combo->getLBText(0), u"S355");
    EXPECT_EQ(combo->getLBText(2), u"S235");
    auto* sorted = dialog.getDlgItemAs<ui::ComboBox>(11);
    ASSERT_TRUE(FillCombo(sorted, Ork_StringArray{u"b", u"a"}));
    EXPECT_EQ(sorted->getLBText(0), u"a");
    EXPECT_TRUE(FillCombo(combo, Ork_StringArray{}));
    EXPECT_EQ(combo->getCount(), 0);
    EXPECT_FALSE(FillCombo(dialog.getDlgItem(12), Ork_StringArray{u"x"}));
    EXPECT_EQ(dialog.getDlgItem(12)->getWindowText(), u"label");
    EXPECT_FALSE(FillCombo(nullptr, Ork_StringArray{u"x"}));
}

TEST_F(ControlHelpers, ShowOrHideCtrlByIdentifier) {
    EXPECT_TRUE(ShowOrHideCtrl(&dialog, 12, false));
    EXPECT_FALSE(dialog.getDlgItem(12)->isWindowVisible());
    EXPECT_TRUE(ShowOrHideCtrl(&dialog, 12, true));
    EXPECT_TRUE(dialog.getDlgItem(12)->isWindowVisible());
    EXPECT_FALSE(ShowOrHideCtrl(&dialog, 99, false));
    EXPECT_FALSE(ShowOrHideCtrl(nullptr, 12, false));
}

} // namespace
