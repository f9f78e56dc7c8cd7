// The grid dialog through its real window: the record shown, read back without validation, and left alone
// by Cancel.
#include "auxDlgTestSupport.h"

#include "SS/SSExports.h"
#include "auxdlg/KvGridDlgData.h"
#include "resources/resourceIds.h"
#include "ui/Dialog.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class GridDialog : public auxtest::AuxDlgTest {
protected:
    bool run(KvGridDlgData& data, const std::function<void(ui::Dialog&)>& drive) {
        ui::Script script;
        script.onModal(IDD_GRID, [&](ui::Dialog& d) {
            drive(d);
            if (!d.isEnded())
                m_robot.click(d, ui::IDOK);
        });
        return StartDlgGrid(data);
    }
};

TEST_F(GridDialog, ShowsTheDefaultsWithItsTexts) {
    KvGridDlgData data;
    ASSERT_TRUE(run(data, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), u"Grid");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_FIRST_GROUP), u"Grid lines across");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_SECOND_GROUP), u"Grid lines along");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_FIRST_LABELS + 1), u"Spacing");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_SECOND_LABELS + 2), u"First label");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_FIRST_COUNT), u"4");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_FIRST_SPACING), u"5000");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_FIRST_LABEL), u"A");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_SECOND_COUNT), u"3");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_SECOND_SPACING), u"5000");
        EXPECT_EQ(d.getDlgItemText(IDC_GRID_SECOND_LABEL), u"1");
        EXPECT_EQ(d.isDlgButtonChecked(IDC_GRID_OPTION), 0);
    }));
}

TEST_F(GridDialog, ReadsEverythingBackAndValidatesNothing) {
    KvGridDlgData data;
    ASSERT_TRUE(run(data, [&](ui::Dialog& d) {
        m_robot.replaceTextOf(d, IDC_GRID_FIRST_COUNT, u"abc");
        m_robot.replaceTextOf(d, IDC_GRID_SECOND_COUNT, u"12x");
        m_robot.replaceTextOf(d, IDC_GRID_FIRST_SPACING, u"6000 6000 4500");
        m_robot.replaceTextOf(d, IDC_GRID_SECOND_LABEL, u"");
        m_robot.click(d, IDC_GRID_OPTION);
    }));
    EXPECT_EQ(data.firstCount, 0);
    EXPECT_EQ(data.secondCount, 12);
    EXPECT_EQ(data.firstSpacing, u"6000 6000 4500");
    EXPECT_EQ(data.secondLabel, u"");
    EXPECT_TRUE(data.option);
}

TEST_F(GridDialog, CancelLeavesTheRecord) {
    KvGridDlgData data;
    data.firstLabel = u"X";
    EXPECT_FALSE(run(data, [&](ui::Dialog& d) {
        m_robot.replaceTextOf(d, IDC_GRID_FIRST_LABEL, u"changed");
        m_robot.click(d, ui::IDCANCEL);
    }));
    EXPECT_EQ(data.firstLabel, u"X");
    EXPECT_EQ(data.firstCount, 4);
}

} // namespace
