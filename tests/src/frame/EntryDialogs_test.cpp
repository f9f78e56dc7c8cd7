// Each entry point runs the dialog of its class, from its template.
#include "support/frameTestSupport.h"

#include "auxdlg/KvDlgCis2Data.h"
#include "auxdlg/KvGridDlgData.h"
#include "auxdlg/KvLookUpDlgData.h"
#include "auxdlg/KvSelectImageDlgData.h"
#include "SS/SSExports.h"
#include "nuvo/macro/MacroData.h"
#include "resources/resourceIds.h"
#include "sheet/CFormula.h"
#include "ui/Script.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using EntryDialogs = frametest::FrameTest;

TEST_F(EntryDialogs, EachEntryShowsItsTemplate) {
    struct Entry {
        const char* name;
        int templateId;
        std::function<void()> call;
    };
    KvGridDlgData grid;
    KvLookUpDlgData lookUp;
    KvSelectImageDlgData image;
    KvDlgCis2Data cis2;
    MacroData macro;
    Ork_String chosen;
    bool option = false;
    Ork_Array<Ork_StringArray> rows;
    const Entry entries[] = {
        {"StartDlgGrid", IDD_GRID, [&] { StartDlgGrid(grid); }},
        {"StartDlgLookUp", IDD_LOOKUP, [&] { StartDlgLookUp(lookUp); }},
        {"StartDlgSelectImage", IDD_SELECT_IMAGE, [&] { StartDlgSelectImage(image); }},
        {"StartDlgCis2Info", IDD_CIS2, [&] { StartDlgCis2Info(cis2); }},
        {"StartDlgMacro", IDD_MACRO, [&] { StartDlgMacro(macro); }},
        {"StartDlgSelectMacro", IDD_SELECT_MACRO, [&] { StartDlgSelectMacro(u"", {u"A"}, 0, 0, chosen, option, false); }},
        {"StartDlgDesigner", IDD_DESIGNER, [&] { StartDlgDesigner(u"EndPlate"); }},
        {"StartDSTVPointsDlg", IDD_SELECT_DSTV_POINTS_FILE, [&] { StartDSTVPointsDlg(); }},
        {"StartDlgMacroProfAdv", IDD_MACRO_PROF_ADV, [&] { StartDlgMacroProfAdv(macro, u"G", u"P", false); }},
        {"startGridDialog", IDD_STRING_ARRAY, [&] { startGridDialog({u"Size"}, {}, rows, false, u"", u""); }},
        {"EvaluateSS", IDD_FORMULA, [&] { EvaluateSS(); }},
    };
    for (const Entry& e : entries) {
        ui::Script script;
        script.onModal(e.templateId, ui::IDCANCEL);
        e.call();
        EXPECT_EQ(script.remaining(), 0) << e.name;
    }
}

TEST_F(EntryDialogs, EvaluateSSOpensTheFixedDocumentAtItsFirstCell) {
    ui::Script script;
    script.onModal(IDD_FORMULA, [](ui::Dialog& dialog) {
        auto& formula = dynamic_cast<CFormula&>(dialog);
        EXPECT_EQ(formula.m_mode, CFormula::Mode::SingleCell);
        EXPECT_EQ(formula.m_path, u"c:\\a\\t3.sss");
        EXPECT_EQ(formula.m_activeCol, 1);
        EXPECT_EQ(formula.m_activeRow, 1);
        dialog.endDialog(ui::IDOK);
    });
    EvaluateSS();
}

TEST_F(EntryDialogs, ReadSSFileClosesItsWindowAtOnceAndEmptiesTheLists) {
    ui::Script script;  // read mode asks nobody
    Ork_String first = u"old";
    Ork_StringArray headers{u"old"};
    Ork_Array<Ork_StringArray> rows;
    rows.append({u"old"});
    ReadSSFile(u"c:\\a\\missing.sss", first, headers, rows);
    EXPECT_TRUE(headers.isEmpty());
    EXPECT_TRUE(rows.isEmpty());
    EXPECT_TRUE(script.log().empty());
}

} // namespace
