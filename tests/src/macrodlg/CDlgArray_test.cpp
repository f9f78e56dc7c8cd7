// The array dialog through real windows, run by its entry point StartArrayDlg.
#include "macroDlgTestSupport.h"
#include "partDialogsTestSupport.h"

#include "macrodlg/CDlgArray.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <functional>

using namespace macrodlgtest;

namespace {

DynArrayData sampleArray(int kind) {
    DynArrayData a;
    a.kind = kind;
    a.name = u"Holes";
    a.dimNames = Ork_StringArray{u"Length", u"Count", u"Depth"};
    a.kindText = u"12";
    a.values = Ork_StringArray{u"0", u"50", u"4", u"", u"", u"1"};
    a.flag1 = -1;
    a.flag2 = 1;
    a.setEntryColumns(AcArray<int>{0, 1, 0}, AcArray<bool>{true, false, true}, Ork_StringArray{u"a", u"b", u"c"});
    return a;
}

class ArrayDlgTest : public MacroDlgTest {
protected:
    bool run(DynArrayData& data, const std::function<void(CDlgArray&)>& steps, int close = ui::IDOK) {
        ui::Script script(frametest::gtestFailure());
        script.onModal(IDD_ARRAY, [&](ui::Dialog& d) {
            steps(dynamic_cast<CDlgArray&>(d));
            if (close == ui::IDCANCEL) {
                d.setFocus();
                m_robot.key(ui::VK_ESCAPE);
            } else {
                m_robot.click(d, close);
            }
        });
        AcArray<AcDbObjectId> ids;
        ids.append(AcDbObjectId(7));
        ids.append(AcDbObjectId(8));
        const bool ok = StartArrayDlg(data, ids, u"Bolts");
        script.verify();
        return ok;
    }
    bool shown(CDlgArray& d, int id) { return d.getDlgItem(id) && d.getDlgItem(id)->isWindowVisible(); }
    ui::Robot m_robot{frametest::gtestFailure()};
};

} // namespace

TEST_F(ArrayDlgTest, EachKindHasItsLayoutAndAsksForItsDimensionNames) {
    struct Case { int kind; bool first, third, text, entries; const char16_t* thirdLabel; std::vector<std::u16string> calls; };
    const std::vector<Case> cases = {
        {0, true, true, false, true, u"", {u"getValidDimNames(2, Bolts, 0, first)", u"getValidDimNames(2, Bolts, 0, second)", u"getValidDimNames(2, Bolts, 0, third)"}},
        {1, false, false, true, false, u"Third dimension", {u"getValidDimNames(2, Bolts, 1, second)"}},
        {2, true, true, false, true, u"Third dimension", {u"getValidDimNames(2, Bolts, 2, first)", u"getValidDimNames(2, Bolts, 2, second)", u"getValidDimNames(2, Bolts, 2, third)"}},
        {3, false, true, false, true, u"Angle dimension", {u"getValidDimNames(2, Bolts, 3, first)", u"getValidDimNames(2, Bolts, 3, second)", u"getValidDimNames(2, Bolts, 3, third)"}},
        {-1, true, true, false, true, u"", {u"getValidDimNames(2, Bolts, 0, first)", u"getValidDimNames(2, Bolts, 0, second)", u"getValidDimNames(2, Bolts, 0, third)"}},
    };
    for (const Case& c : cases) {
        DynArrayData data = sampleArray(c.kind);
        cadhost::HostLog::clear();
        EXPECT_TRUE(run(data, [&](CDlgArray& d) {
            EXPECT_EQ(shown(d, IDC_AR_DIM_1), c.first) << c.kind;
            EXPECT_TRUE(shown(d, IDC_AR_DIM_1 + 1));
            EXPECT_EQ(shown(d, IDC_AR_DIM_1 + 2), c.third) << c.kind;
            EXPECT_EQ(shown(d, IDC_AR_KIND_TEXT), c.text) << c.kind;
            EXPECT_EQ(shown(d, IDC_AR_ENTRY_ACTION), c.entries) << c.kind;
            EXPECT_EQ(d.entryGrid().isWindowVisible(), c.entries) << c.kind;
            EXPECT_EQ(d.getDlgItemText(IDC_AR_DIM_LABEL_1 + 2), c.thirdLabel) << c.kind;
            EXPECT_EQ(d.getDlgItemText(IDC_AR_KIND_TEXT), c.kind == 1 ? u"12" : u"");
            EXPECT_EQ(d.getWindowText(), u"Array (Holes)");
        }));
        EXPECT_EQ(calls(u"getValidDimNames"), c.calls) << c.kind;
        EXPECT_EQ(data.kind, c.kind);
        EXPECT_EQ(data.flag1, -1);
        EXPECT_EQ(data.values, sampleArray(0).values);
        EXPECT_EQ(data.entryTexts, sampleArray(0).entryTexts);
    }
}

TEST_F(ArrayDlgTest, SwitchingToKindOneAndBackKeepsTheEditedEntries) {
    DynArrayData data = sampleArray(0);
    EXPECT_TRUE(run(data, [&](CDlgArray& d) {
        d.entryGrid().ssSetData(3, 2, u"edited");
        auto* kinds = d.getDlgItemAs<ui::ComboBox>(IDC_AR_KIND);
        m_robot.choose(*kinds, 1);
        EXPECT_FALSE(d.entryGrid().isWindowVisible());
        m_robot.replaceTextOf(d, IDC_AR_KIND_TEXT, u"99");
        m_robot.choose(*kinds, 0);
        EXPECT_TRUE(d.entryGrid().isWindowVisible());
        Ork_String text;
        d.entryGrid().getCellText(3, 2, text, Ork_Spread::kTextData);
        EXPECT_EQ(text, u"edited");
    }));
    EXPECT_EQ(data.kind, 0);
    EXPECT_EQ(data.kindText, u"99");   // read while kind 1 showed it
    EXPECT_EQ(data.entryTexts, (Ork_StringArray{u"a", u"edited", u"c"}));
}

TEST_F(ArrayDlgTest, TheEntryActionMarksTheActiveRowOnly) {
    DynArrayData data = sampleArray(0);
    cadhost::HostLog::clear();
    EXPECT_TRUE(run(data, [&](CDlgArray& d) {
        d.entryGrid().ssSetActiveCell(1, 3);
        m_robot.click(d, IDC_AR_ENTRY_ACTION);
        Ork_String shownKind;
        d.entryGrid().getCellText(1, 3, shownKind, Ork_Spread::kTextData);
        EXPECT_EQ(shownKind, u"Entry");
    }));
    EXPECT_EQ(calls(u"setEntryAction"), (std::vector<std::u16string>{u"setEntryAction(3, 1)"}));
    EXPECT_EQ(data.entryKinds, (AcArray<int>{0, 1, 1}));

    // Without entries there is no active row: nothing is asked.
    DynArrayData empty = sampleArray(0);
    empty.setEntryColumns({}, {}, {});
    cadhost::HostLog::clear();
    EXPECT_TRUE(run(empty, [&](CDlgArray& d) { m_robot.click(d, IDC_AR_ENTRY_ACTION); }));
    EXPECT_TRUE(calls(u"setEntryAction").empty());
}

TEST_F(ArrayDlgTest, OkReadsEveryControlAndEscapeKeepsTheRecord) {
    DynArrayData data = sampleArray(2);
    EXPECT_TRUE(run(data, [&](CDlgArray& d) {
        m_robot.replaceTextOf(d, IDC_AR_VALUE_1 + 5, u"2");
        m_robot.click(d, IDC_AR_FLAG_1);   // indeterminate -> unchecked
        d.entryGrid().ssSetData(2, 2, u"1");
        expectPictured(d, "array", 400, 400);
    }));
    EXPECT_EQ(data.values[5], u"2");
    EXPECT_EQ(data.flag1, 0);
    EXPECT_EQ(data.flag2, 1);
    EXPECT_EQ(data.entryFlags, (AcArray<bool>{true, true, true}));
    EXPECT_EQ(data.dimNames, (Ork_StringArray{u"Length", u"Count", u"Depth"}));

    DynArrayData kept = sampleArray(2);
    EXPECT_FALSE(run(kept, [&](CDlgArray& d) { m_robot.replaceTextOf(d, IDC_AR_VALUE_1, u"5"); }, ui::IDCANCEL));
    EXPECT_EQ(kept, sampleArray(2));
}

TEST_F(ArrayDlgTest, ColumnsOfUnequalLengthAreNeverReadPastTheirEnd) {
    DynArrayData data = sampleArray(0);
    data.entryKinds = AcArray<int>{0, 1, 7, 1};   // a position outside the list too
    data.entryFlags = AcArray<bool>{true};
    data.entryTexts = Ork_StringArray{u"x", u"y"};
    EXPECT_TRUE(run(data, [&](CDlgArray& d) { EXPECT_EQ(d.entryGrid().getMaxRows(), 4); }));
    EXPECT_EQ(data.entryKinds, (AcArray<int>{0, 1, 7, 1}));
    EXPECT_EQ(data.entryFlags, (AcArray<bool>{true, false, false, false}));
    EXPECT_EQ(data.entryTexts, (Ork_StringArray{u"x", u"y", u"", u""}));
}
