// Modal entry points: the record goes into the dialog, and comes back only when the dialog ends with OK.
#include "support/frameTestSupport.h"

#include "auxdlg/CDlgCis2.h"
#include "auxdlg/CDlgGrid.h"
#include "auxdlg/CDlgSelectMacro.h"
#include "auxdlg/KvDlgCis2Data.h"
#include "auxdlg/KvGridDlgData.h"
#include "auxdlg/KvLookUpDlgData.h"
#include "SS/SSExports.h"
#include "macrodlg/CDlgMacro.h"
#include "nuvo/macro/MacroData.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgStringArray.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

namespace {

using ModalRule = frametest::FrameTest;

TEST_F(ModalRule, OkCopiesTheDialogsRecordBack) {
    ui::Script script;
    script.onModal(IDD_GRID, [](ui::Dialog& dialog) {
        auto& grid = dynamic_cast<CDlgGrid&>(dialog);
        EXPECT_EQ(grid.m_data.firstCount, 7);  // the caller's record went in
        ui::Robot robot(frametest::gtestFailure());
        robot.replaceTextOf(dialog, IDC_GRID_SECOND_LABEL, u"B");  // OK reads the record back from the controls
        robot.click(dialog, ui::IDOK);
    });
    KvGridDlgData data;
    data.firstCount = 7;
    EXPECT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(data.secondLabel, u"B");
    EXPECT_EQ(data.firstCount, 7);
}

TEST_F(ModalRule, CancelLeavesTheRecordUntouched) {
    ui::Script script;
    script.onModal(IDD_CIS2, [](ui::Dialog& dialog) {
        dynamic_cast<CDlgCis2&>(dialog).m_data.flag5 = true;
        ui::Robot(frametest::gtestFailure()).click(dialog, ui::IDCANCEL);
    });
    KvDlgCis2Data data;
    EXPECT_FALSE(StartDlgCis2Info(data));
    EXPECT_FALSE(data.flag5);
}

TEST_F(ModalRule, EscapeAndTheCloseBoxCancel) {
    ui::Script script;
    script.onModal(IDD_LOOKUP, [](ui::Dialog&) { ui::Robot(frametest::gtestFailure()).key(ui::VK_ESCAPE); });
    script.onModal(IDD_LOOKUP, [](ui::Dialog& dialog) { ui::Robot(frametest::gtestFailure()).close(dialog); });
    KvLookUpDlgData data;
    EXPECT_FALSE(StartDlgLookUp(data));
    EXPECT_FALSE(StartDlgLookUp(data));
}

TEST_F(ModalRule, SelectMacroGivesBackTheChoiceAndTheOptionOnOk) {
    ui::Script script;
    script.onModal(IDD_SELECT_MACRO, [](ui::Dialog& dialog) {
        auto& select = dynamic_cast<CDlgSelectMacro&>(dialog);
        EXPECT_EQ(select.m_enabled, (AcArray<bool>{true, true}));  // the short form enables every name
        EXPECT_EQ(select.m_filterFirst, 3);
        EXPECT_EQ(select.m_filterSecond, 4);
        select.m_chosen = u"BasePlate";
        select.m_option = true;
        dialog.endDialog(ui::IDOK);
    });
    script.onModal(IDD_SELECT_MACRO, [](ui::Dialog& dialog) {
        dynamic_cast<CDlgSelectMacro&>(dialog).m_chosen = u"Other";
        dialog.endDialog(ui::IDCANCEL);
    });
    Ork_String chosen;
    bool option = false;
    EXPECT_TRUE(StartDlgSelectMacro(u"Macros", {u"EndPlate", u"BasePlate"}, 3, 4, chosen, option, false));
    EXPECT_EQ(chosen, u"BasePlate");
    EXPECT_TRUE(option);
    EXPECT_FALSE(StartDlgSelectMacro(u"Macros", {u"EndPlate", u"BasePlate"}, AcArray<bool>{true, false}, 3, 4,
                                     chosen, option, false));
    EXPECT_EQ(chosen, u"BasePlate");
}

TEST_F(ModalRule, DesignerIsTrueOnOk) {
    ui::Script script;
    script.onModal(IDD_DESIGNER, ui::IDOK).onModal(IDD_DESIGNER, ui::IDCANCEL);
    EXPECT_TRUE(StartDlgDesigner(u"EndPlate"));
    EXPECT_FALSE(StartDlgDesigner(u"EndPlate"));
}

TEST_F(ModalRule, TheModalMacroDialogCopiesBackHoweverItEnded) {
    ui::Script script;
    script.onModal(IDD_MACRO, [](ui::Dialog& dialog) {
        auto& macro = dynamic_cast<CDlgMacro&>(dialog);
        EXPECT_EQ(macro.macro.name, u"EndPlate");
        macro.macro.name = u"EndPlate-2";
        ui::Robot(frametest::gtestFailure()).close(dialog);
    });
    MacroData data;
    data.name = u"EndPlate";
    StartDlgMacro(data);
    EXPECT_EQ(data.name, u"EndPlate-2");
}

// ---- startGridDialog

TEST_F(ModalRule, GridDialogWithoutColumnsShowsNothing) {
    ui::Script script;  // any dialog would be unexpected
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"keep"});
    EXPECT_FALSE(startGridDialog({}, {u"r1"}, rows, true, u"KEY", u"Title"));
    EXPECT_EQ(rows.length(), 1);
    EXPECT_TRUE(script.log().empty());
}

TEST_F(ModalRule, GridDialogReplacesTheRowsOnOk) {
    ui::Script script;
    script.onModal(IDD_STRING_ARRAY, [](ui::Dialog& dialog) {
        auto& grid = dynamic_cast<CDlgStringArray&>(dialog);
        EXPECT_EQ(grid.m_sizeKey, u"DLG_SS_STRINGARRAY");
        EXPECT_EQ(grid.getWindowText(), u"Bolts");
        EXPECT_EQ(grid.m_rows.length(), 2);
        grid.m_rows.removeAt(0);
        grid.m_rows.append({u"M24", u"8.8"});
        dialog.endDialog(ui::IDOK);
    });
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"M16", u"8.8"});
    rows.append({u"M20", u"10.9"});
    ASSERT_TRUE(startGridDialog({u"Size", u"Grade"}, {}, rows, true, u"", u"Bolts"));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0][0], u"M20");
    EXPECT_EQ(rows[1][0], u"M24");
}

TEST_F(ModalRule, GridDialogKeepsTheRowsOnCancel) {
    ui::Script script;
    script.onModal(IDD_STRING_ARRAY, [](ui::Dialog& dialog) {
        EXPECT_EQ(dynamic_cast<CDlgStringArray&>(dialog).m_sizeKey, u"MY_KEY");
        dynamic_cast<CDlgStringArray&>(dialog).m_rows.removeAll();
        dialog.endDialog(ui::IDCANCEL);
    });
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"M16"});
    EXPECT_FALSE(startGridDialog({u"Size"}, {}, rows, false, u"MY_KEY", u""));
    EXPECT_EQ(rows.length(), 1);
}

} // namespace
