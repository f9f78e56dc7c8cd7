// The entry points that run a dialog on one of the host's records: what goes in, and what comes back.
#include "support/frameTestSupport.h"

#include "auxdlg/CDlgBracing.h"
#include "auxdlg/CDlgEditProfCuts.h"
#include "auxdlg/CDlgLevels.h"
#include "frame/KvModelessDlgs.h"
#include "SS/SSExports.h"
#include "macrodlg/CDlgArray.h"
#include "macrodlg/CDlgMacroCuts.h"
#include "macroedit/CDlgEditMacro.h"
#include "resources/resourceIds.h"
#include "seclib/CDlgEditLibSimple.h"
#include "sheet/CDlgGenVars.h"
#include "ui/Failures.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

namespace {

using RecordEntries = frametest::FrameTest;

TEST_F(RecordEntries, LevelsOkCopiesTheRecordBack) {
    ui::Script script;
    script.onModal(IDD_LEVELS, [](ui::Dialog& dialog) {
        auto& levels = dynamic_cast<CDlgLevels&>(dialog);
        EXPECT_EQ(levels.m_data.names, (Ork_StringArray{u"Ground"}));
        levels.m_data.names.append(u"Roof");
        ui::Robot(frametest::gtestFailure()).click(dialog, ui::IDOK);
    });
    KvLevelsDlgData data;
    data.names.append(u"Ground");
    EXPECT_TRUE(StartDlgLevels(data));
    EXPECT_EQ(data.names, (Ork_StringArray{u"Ground", u"Roof"}));
}

TEST_F(RecordEntries, BracingCancelLeavesTheRecordUntouched) {
    ui::Script script;
    script.onModal(IDD_BRACING, [](ui::Dialog& dialog) {
        dynamic_cast<CDlgBracing&>(dialog).m_data.values.append(u"12");
        ui::Robot(frametest::gtestFailure()).click(dialog, ui::IDCANCEL);
    });
    KvBracingDlgData data;
    EXPECT_FALSE(StartDlgBracing(data));
    EXPECT_TRUE(data.values.isEmpty());
}

TEST_F(RecordEntries, GeneralVariablesComeBackOnOkOnly) {
    ui::Script script;
    script.onModal(IDD_GEN_VARS, [](ui::Dialog& dialog) {
        dynamic_cast<CDlgGenVars&>(dialog).m_data.stdGenOverrides.append(u"1");
        dialog.endDialog(ui::IDOK);
    });
    script.onModal(IDD_GEN_VARS, [](ui::Dialog& dialog) {
        dynamic_cast<CDlgGenVars&>(dialog).m_data.stdGenOverrides.removeAll();
        ui::Robot(frametest::gtestFailure()).key(ui::VK_ESCAPE);
    });
    KvAutoStandardsData data;
    EXPECT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.stdGenOverrides, (Ork_StringArray{u"1"}));
    EXPECT_FALSE(StartDlgGenVars(data));
    EXPECT_EQ(data.stdGenOverrides, (Ork_StringArray{u"1"}));
}

TEST_F(RecordEntries, MacroCutsFlagSaysWhetherEscapeEndedIt) {
    ui::Script script;
    script.onModal(IDD_MACRO_CUTS, [](ui::Dialog& dialog) {
        auto& cuts = dynamic_cast<CDlgMacroCuts&>(dialog);
        EXPECT_FALSE(cuts.m_endedByEscape);
        cuts.m_data.cutName = u"Notch";
        dialog.endDialog(ui::IDCANCEL);
    });
    DlgMacroCutsData data;
    bool flag = true;   // whatever the caller passes in
    EXPECT_FALSE(StartDlgMacroCuts(data, flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(data.cutName.isEmpty());
}

TEST_F(RecordEntries, ArrayGetsTheObjectsAndTheText) {
    ui::Script script;
    script.onModal(IDD_ARRAY, [](ui::Dialog& dialog) {
        auto& array = dynamic_cast<CDlgArray&>(dialog);
        EXPECT_EQ(array.m_objectIds.length(), 2);
        EXPECT_EQ(array.m_text, u"Bolts");
        array.m_data.kind = 2;
        dialog.endDialog(ui::IDOK);
    });
    DynArrayData data;
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId());
    ids.append(AcDbObjectId());
    EXPECT_TRUE(StartArrayDlg(data, ids, u"Bolts"));
    EXPECT_EQ(data.kind, 2);
}

TEST_F(RecordEntries, TheModalConstraintsEditorCopiesTheRecordInOnly) {
    ui::Script script;
    script.onModal(IDD_EDIT_MACRO, [](ui::Dialog& dialog) {
        auto& editor = dynamic_cast<CDlgEditMacro&>(dialog);
        EXPECT_FALSE(editor.isModeless());
        EXPECT_EQ(editor.m_data.moduleName, u"EndPlate");
        editor.m_data.moduleName = u"Changed";
        dialog.endDialog(ui::IDOK);
    });
    EditConstrData data;
    data.moduleName = u"EndPlate";
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    EXPECT_EQ(data.moduleName, u"EndPlate");
}

TEST_F(RecordEntries, TheSimpleLibraryEditorGivesBackTheTableAndTheRowOnOk) {
    ui::Script script;
    script.onModal(IDD_EDIT_LIB_SIMPLE, [](ui::Dialog& dialog) {
        auto& simple = dynamic_cast<CDlgEditLibSimple&>(dialog);
        EXPECT_EQ(simple.m_name, u"IPE");
        EXPECT_EQ(simple.m_row, 1);
        simple.m_table.rows.append(Ork_StringArray{u"IPE-300"});
        simple.m_row = 2;
        dialog.endDialog(ui::IDOK);
    });
    script.onModal(IDD_EDIT_LIB_SIMPLE, [](ui::Dialog& dialog) {
        auto& simple = dynamic_cast<CDlgEditLibSimple&>(dialog);
        simple.m_table.rows.removeAll();
        simple.m_row = 0;
        dialog.endDialog(ui::IDCANCEL);
    });
    Ork_ProfValuesTable table;
    table.rows.append(Ork_StringArray{u"IPE-100"});
    table.rows.append(Ork_StringArray{u"IPE-200"});
    int row = 1;
    EXPECT_TRUE(StartDlgEditLibSimple(u"IPE", table, row));
    EXPECT_EQ(table.rows.length(), 3);
    EXPECT_EQ(row, 2);
    EXPECT_FALSE(StartDlgEditLibSimple(u"IPE", table, row));
    EXPECT_EQ(table.rows.length(), 3);
    EXPECT_EQ(row, 2);
}

TEST_F(RecordEntries, TheProfileCutsSettingIsKeptForTheNextCallAfterOkOnly) {
    int seen = -1;
    {
        ui::Script script;
        script.onModal(IDD_EDIT_PROF_CUTS, [](ui::Dialog& dialog) {
            dynamic_cast<CDlgEditProfCuts&>(dialog).m_setting = 41;
            dialog.endDialog(ui::IDOK);
        });
        script.onModal(IDD_EDIT_PROF_CUTS, [&seen](ui::Dialog& dialog) {
            auto& cuts = dynamic_cast<CDlgEditProfCuts&>(dialog);
            seen = cuts.m_setting;
            cuts.m_setting = 7;
            dialog.endDialog(ui::IDCANCEL);
        });
        DlgProfCutsData data;
        EXPECT_TRUE(StartEditProfCutsDlg(data));
        EXPECT_FALSE(StartEditProfCutsDlg(data));
    }
    EXPECT_EQ(seen, 41);
    ui::Script script;
    script.onModal(IDD_EDIT_PROF_CUTS, [&seen](ui::Dialog& dialog) {
        seen = dynamic_cast<CDlgEditProfCuts&>(dialog).m_setting;
        dialog.endDialog(ui::IDCANCEL);
    });
    DlgProfCutsData data;
    EXPECT_FALSE(StartEditProfCutsDlg(data));
    EXPECT_EQ(seen, 41); // the cancelled run's change was not kept
}

TEST_F(RecordEntries, TheConstraintsEditorOpensOnTheRecord) {
    EditConstrData data;
    data.moduleName = u"BasePlate";
    ASSERT_TRUE(StartDlgEditConstraints(data));
    CDlgEditMacro* editor = KvModelessDlgs::instance().constraintsEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isConstraintsMode());
    EXPECT_EQ(editor->m_data.moduleName, u"BasePlate");
    EndDlgEditConstraints();
    EXPECT_EQ(KvModelessDlgs::instance().constraintsEditor(), nullptr);
}

TEST_F(RecordEntries, AConstraintsEditorWhoseWindowCannotBeCreatedIsFalseAndNotKept) {
    ui::Failures::failCreate(1, u"#32770");
    EditConstrData data;
    EXPECT_FALSE(StartDlgEditConstraints(data));
    EXPECT_EQ(KvModelessDlgs::instance().constraintsEditor(), nullptr);
}

} // namespace
