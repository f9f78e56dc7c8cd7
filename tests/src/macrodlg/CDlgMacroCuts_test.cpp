// The cut dialog through real windows, run by its entry point StartDlgMacroCuts.
#include "macroDlgTestSupport.h"
#include "partDialogsTestSupport.h"

#include "macrodlg/CDlgMacroCuts.h"
#include "nuvo/DlgSizeStore.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

using namespace macrodlgtest;

namespace {

DlgMacroCutsData sampleCut(int type) {
    DlgMacroCutsData c;
    c.cutType = type;
    c.cutName = u"Notch";
    c.offsetNames = Ork_StringArray{u"Offset", u"LengthOffset", u"Offset2", u"Special"};
    c.offsetVarNames = Ork_StringArray{u"12", u"gen_gap"};
    c.offsetFlags = AcArray<bool>{true};
    c.value = u"15";
    c.targetModule = u"Beam";
    MacroInDlg other;
    other.name = u"Base";
    other.modules = Ork_StringArray{u"Column", u"Plate"};
    other.cutNames = Ork_StringArray{u"notch"};
    c.macros.macros.push_back(other);
    return c;
}

// Answers every request as the script does, and notes for each host pick whether its owner was on screen
// at that moment.
class PickWatcher : public ui::ServiceHandler {
public:
    explicit PickWatcher(ui::Script& script) : m_script(script), m_previous(ui::Services::install(this)) {}
    ~PickWatcher() override { ui::Services::install(m_previous); }
    PickWatcher(const PickWatcher&) = delete;
    PickWatcher& operator=(const PickWatcher&) = delete;

    std::vector<bool> ownerVisible;

    void runModal(ui::Dialog& dialog) override { m_script.runModal(dialog); }
    int messageBox(const ui::MessageBoxRequest& request) override { return m_script.messageBox(request); }
    std::optional<std::vector<std::u16string>> fileDialog(const ui::FileDialogRequest& request) override {
        return m_script.fileDialog(request);
    }
    int popupMenu(const ui::MenuRequest& request) override { return m_script.popupMenu(request); }
    std::optional<ui::Rect> track(const ui::TrackRequest& request) override { return m_script.track(request); }
    ui::PickResult pick(const ui::PickRequest& request) override {
        ownerVisible.push_back(request.owner && request.owner->isWindowVisible());
        return m_script.pick(request);
    }

private:
    ui::Script& m_script;
    ui::ServiceHandler* m_previous;
};

class CutsDlgTest : public MacroDlgTest {
protected:
    // Runs the entry point; `steps` act on the dialog, which is then ended as `close` says (an id to click,
    // or 0: Escape; -1: the steps end it themselves).
    bool run(DlgMacroCutsData& data, bool& escaped, const std::function<void(CDlgMacroCuts&)>& steps,
             int close = ui::IDOK) {
        script().onModal(IDD_MACRO_CUTS, [&, close](ui::Dialog& d) {
            steps(dynamic_cast<CDlgMacroCuts&>(d));
            if (close == 0) {
                d.getDlgItem(IDC_CU_NAME)->setFocus();
                m_robot.key(ui::VK_ESCAPE);
            } else if (close > 0) {
                m_robot.click(d, close);
            }
        });
        const bool ok = StartDlgMacroCuts(data, escaped);
        return ok;
    }
    bool shown(ui::Window& d, int id) { return d.getDlgItem(id) && d.getDlgItem(id)->isWindowVisible(); }
    Ork_String cellText(CDlgMacroCuts& d, int column, int row) {
        Ork_String text;
        d.offsetGrid().getCellText(column, row, text, Ork_Spread::kTextData);
        return text;
    }
    void SetUp() override {
        MacroDlgTest::SetUp();
        m_scriptHolder = std::make_unique<ui::Script>(frametest::gtestFailure());
    }
    void TearDown() override {
        m_scriptHolder.reset();
        MacroDlgTest::TearDown();
    }
    ui::Script& script() { return *m_scriptHolder; }
    std::unique_ptr<ui::Script> m_scriptHolder;
    ui::Robot m_robot{frametest::gtestFailure()};
};

} // namespace

TEST(CutRecord, VariableNamesAreNumbersOrGeneralNames) {
    DlgMacroCutsData c;
    c.offsetVarNames = Ork_StringArray{u"12", u"-2.5", u"gen_gap", u"gen_2_b"};
    EXPECT_TRUE(c.AreVarNamesValid());
    for (const char16_t* bad : {u"", u"gen_", u"gap", u"1.2.3", u"gen_a b", u"-", u"Gen_a"}) {
        c.offsetVarNames = Ork_StringArray{u"1", bad};
        EXPECT_FALSE(c.AreVarNamesValid()) << Ork_String(bad).utf8();
    }
    Ork_StringArray names, vars;
    AcArray<bool> flags;
    EXPECT_FALSE(c.GetDefaultValues(7, names, vars, flags));
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(c.GetDefaultValues(5, names, vars, flags));
    EXPECT_EQ(names, (Ork_StringArray{u"Offset1", u"Offset2"}));
    EXPECT_EQ(vars, (Ork_StringArray{u"0", u"0"}));
}

TEST_F(CutsDlgTest, OffsetsShowTheirDisplayNamesAndMissingPartsPadded) {
    DlgMacroCutsData data = sampleCut(2);
    bool escaped = true;
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        EXPECT_EQ(d.getWindowText(), u"New cut");
        EXPECT_EQ(d.offsetGrid().getMaxRows(), 4);
        EXPECT_EQ(cellText(d, 1, 1), u"Offset");
        EXPECT_EQ(cellText(d, 1, 2), u"Length offset");
        EXPECT_EQ(cellText(d, 1, 3), u"Chamfer offset2");
        EXPECT_EQ(cellText(d, 1, 4), u"Special");
        EXPECT_EQ(cellText(d, 2, 1), u"1");
        EXPECT_EQ(cellText(d, 2, 2), u"0");
        EXPECT_EQ(cellText(d, 3, 3), u"0");
        EXPECT_EQ(cellText(d, 3, 4), u"0");
        // Type 2 shows no sides, no options and no value.
        EXPECT_FALSE(shown(d, IDC_CU_SIDE_1));
        EXPECT_FALSE(shown(d, IDC_CU_OPTION));
        EXPECT_FALSE(shown(d, IDC_CU_CHECK_1));
        EXPECT_FALSE(shown(d, IDC_CU_VALUE));
        d.offsetGrid().ssSetData(3, 3, u"gen_x");
    }));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data.offsetNames, sampleCut(2).offsetNames);   // the names, not their display texts
    EXPECT_EQ(data.offsetVarNames, (Ork_StringArray{u"12", u"gen_gap", u"gen_x", u"0"}));
    EXPECT_EQ(data.offsetFlags, (AcArray<bool>{true, false, false, false}));
    EXPECT_EQ(CDlgMacroCuts::offsetDisplayName(u"Radius"), u"Radius");
    EXPECT_EQ(CDlgMacroCuts::offsetDisplayName(u"PolyOffset"), u"Offset");
}

TEST_F(CutsDlgTest, TypeOneMapsItsSidesAndOptionBoxes) {
    DlgMacroCutsData data = sampleCut(1);
    data.sideFlag = true;
    data.option = 2;
    data.checks[1] = true;
    bool escaped = false;
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        EXPECT_EQ(d.side(), 2);
        EXPECT_FALSE(shown(d, IDC_CU_SIDE_1 + 2));
        EXPECT_EQ(d.getDlgItemText(IDC_CU_SIDE_1), u"Cut with the whole plate");
        EXPECT_EQ(d.getDlgItemText(IDC_CU_OPTION_LABEL), u"Cut kind");
        EXPECT_EQ(d.getDlgItemAs<ui::ComboBox>(IDC_CU_OPTION)->getCurSel(), 2);
        EXPECT_EQ(d.getDlgItemText(IDC_CU_CHECK_1 + 2), u"Keep the cut end square");
        // The second box checked: the first is disabled, the third enabled.
        EXPECT_FALSE(d.getDlgItem(IDC_CU_CHECK_1)->isWindowEnabled());
        EXPECT_TRUE(d.getDlgItem(IDC_CU_CHECK_1 + 2)->isWindowEnabled());
        m_robot.click(d, IDC_CU_CHECK_1 + 1);
        EXPECT_TRUE(d.getDlgItem(IDC_CU_CHECK_1)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(IDC_CU_CHECK_1 + 2)->isWindowEnabled());
        m_robot.click(d, IDC_CU_CHECK_1);
        EXPECT_FALSE(d.getDlgItem(IDC_CU_CHECK_1 + 1)->isWindowEnabled());
        m_robot.click(d, IDC_CU_SIDE_1);
        EXPECT_FALSE(shown(d, IDC_CU_VALUE));
    }));
    EXPECT_FALSE(data.sideFlag);
    EXPECT_EQ(data.option, 2);
    EXPECT_TRUE(data.checks[0]);
    EXPECT_FALSE(data.checks[1]);
}

TEST_F(CutsDlgTest, TypeFourMapsItsThreeSidesBothWays) {
    struct Case { bool flag, second; int side; bool value; const char16_t* label; };
    const Case cases[] = {{false, false, 3, false, u""}, {true, false, 1, true, u"Gap"}, {true, true, 2, true, u"Distance"}};
    for (const Case& c : cases) {
        DlgMacroCutsData data = sampleCut(4);
        data.sideFlag = c.flag;
        data.secondSideFlag = c.second;
        bool escaped = false;
        EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
            EXPECT_EQ(d.side(), c.side);
            EXPECT_EQ(shown(d, IDC_CU_VALUE), c.value);
            if (c.value) {
                EXPECT_EQ(d.getDlgItemText(IDC_CU_VALUE_LABEL), c.label);
            }
            EXPECT_EQ(d.getDlgItemText(IDC_CU_SIDE_1 + 2), u"Cut at both segments");
            EXPECT_FALSE(shown(d, IDC_CU_OPTION));
        }));
        EXPECT_EQ(data.sideFlag, c.flag);
        EXPECT_EQ(data.secondSideFlag, c.second);
    }
    // Clicking a side updates the value field; side 3 clears the flag and keeps the second.
    DlgMacroCutsData data = sampleCut(4);
    data.sideFlag = true;
    data.secondSideFlag = true;
    bool escaped = false;
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        m_robot.click(d, IDC_CU_SIDE_1 + 2);
        EXPECT_FALSE(shown(d, IDC_CU_VALUE));
        m_robot.click(d, IDC_CU_SIDE_1);
        EXPECT_EQ(d.getDlgItemText(IDC_CU_VALUE_LABEL), u"Gap");
        m_robot.click(d, IDC_CU_SIDE_1 + 2);
    }));
    EXPECT_FALSE(data.sideFlag);
    EXPECT_TRUE(data.secondSideFlag);
}

TEST_F(CutsDlgTest, ChangingTheTypeAsksForItsDefaults) {
    DlgMacroCutsData data = sampleCut(2);
    bool escaped = false;
    cadhost::HostLog::clear();
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        m_robot.choose(*d.getDlgItemAs<ui::ComboBox>(IDC_CU_TYPE), 2);   // type 3
        EXPECT_EQ(d.offsetGrid().getMaxRows(), 2);
        EXPECT_EQ(cellText(d, 1, 1), u"Inside offset");
        EXPECT_TRUE(shown(d, IDC_CU_CHECK_1));
        EXPECT_FALSE(shown(d, IDC_CU_CHECK_1 + 1));
        EXPECT_EQ(d.getDlgItemText(IDC_CU_CHECK_1), u"Cut the inside only");
        EXPECT_TRUE(d.getDlgItemAs<ui::ComboBox>(IDC_CU_TYPE)->getItemPicture(2).size.cx > 0);
    }));
    EXPECT_EQ(calls(u"GetDefaultValues"), (std::vector<std::u16string>{u"GetDefaultValues(3)"}));
    EXPECT_EQ(data.cutType, 3);
    EXPECT_EQ(data.offsetNames, (Ork_StringArray{u"InsideOffset", u"OutsideOffset"}));
}

TEST_F(CutsDlgTest, AnotherMacroIsPickedWithTheDialogHiddenInsideAnEditorCommand) {
    DlgMacroCutsData data = sampleCut(2);
    data.targetModule = u"";
    bool escaped = false;
    cadhost::HostLog::clear();
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        EXPECT_FALSE(d.getDlgItem(IDC_CU_SELECT)->isWindowEnabled());
        script().answerPick({true, {u"Base"}});
        m_robot.click(d, IDC_CU_OTHER_MACRO);
        EXPECT_TRUE(d.isWindowVisible());
        EXPECT_TRUE(d.getDlgItem(IDC_CU_SELECT)->isWindowEnabled());
        EXPECT_EQ(d.getDlgItemAs<ui::ComboBox>(IDC_CU_MODULE)->getCount(), 2);
        m_robot.choose(*d.getDlgItemAs<ui::ComboBox>(IDC_CU_MODULE), 1);
        m_robot.replaceTextOf(d, IDC_CU_NAME, u"Slot");
    }));
    const std::vector<std::u16string> log = cadhost::HostLog::texts();
    std::vector<std::u16string> order;
    for (const std::u16string& call : log)
        if (call.starts_with(u"BeginEditorCommand") || call.starts_with(u"UserSelectMacro") ||
            call.starts_with(u"CompleteEditorCommand"))
            order.push_back(call.substr(0, call.find(u'(')));
    EXPECT_EQ(order, (std::vector<std::u16string>{u"BeginEditorCommand", u"UserSelectMacro", u"CompleteEditorCommand"}));
    EXPECT_EQ(data.target, DlgMacroCutsData::kOtherMacro);
    EXPECT_EQ(data.targetModule, u"Plate");
    EXPECT_EQ(data.macros.chosen, u"Base");
    EXPECT_EQ(data.cutName, u"Slot");
}

TEST_F(CutsDlgTest, TheDialogIsOffScreenWhileTheHostPicksAndBackAfterwards) {
    DlgMacroCutsData data = sampleCut(2);
    bool escaped = false;
    PickWatcher watcher(script());
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        ASSERT_TRUE(d.isWindowVisible());
        script().answerPick({true, {u"Base"}});
        m_robot.click(d, IDC_CU_OTHER_MACRO);
        ASSERT_EQ(script().pickRequests().size(), 1u);
        EXPECT_EQ(script().pickRequests()[0].owner, &d);
        EXPECT_TRUE(d.isWindowVisible());
        // A pick the user breaks off, from the select button, shows the dialog again as well.
        script().answerPick({false, {}});
        m_robot.click(d, IDC_CU_SELECT);
        EXPECT_TRUE(d.isWindowVisible());
        EXPECT_EQ(d.getDlgItemAs<ui::ComboBox>(IDC_CU_MODULE)->getCount(), 2);   // Base's modules stay
        m_robot.replaceTextOf(d, IDC_CU_NAME, u"Slot");   // "Notch" is used in Base
    }));
    EXPECT_EQ(watcher.ownerVisible, (std::vector<bool>{false, false}));
    EXPECT_EQ(data.macros.chosen, u"Base");
}

TEST_F(CutsDlgTest, OkChecksModuleNameAndVariablesInThatOrder) {
    DlgMacroCutsData data = sampleCut(2);
    data.targetModule = u"";
    data.target = DlgMacroCutsData::kOtherMacro;
    data.macros.chosen = u"Base";
    data.offsetVarNames = Ork_StringArray{u"bad"};
    bool escaped = false;
    cadhost::HostLog::clear();
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        script().answerBox(ui::IDOK).answerBox(ui::IDOK).answerBox(ui::IDOK);
        m_robot.click(d, ui::IDOK);
        EXPECT_FALSE(d.isEnded());
        m_robot.replaceTextOf(d, IDC_CU_MODULE, u"Plate");
        m_robot.click(d, ui::IDOK);   // "Notch" is used in Base (ignoring case)
        EXPECT_FALSE(d.isEnded());
        m_robot.replaceTextOf(d, IDC_CU_NAME, u"Other");
        m_robot.click(d, ui::IDOK);   // "bad" is no variable name
        EXPECT_FALSE(d.isEnded());
        d.offsetGrid().ssSetData(3, 1, u"gen_a");
        m_robot.click(d, ui::IDOK);
        EXPECT_TRUE(d.isEnded());
    }, -1));
    ASSERT_EQ(script().boxes().size(), 3u);
    EXPECT_EQ(script().boxes()[0].caption, u"No module");
    EXPECT_EQ(script().boxes()[0].text, u"Please choose the module to cut.");
    EXPECT_EQ(script().boxes()[1].caption, u"Cut name in use");
    EXPECT_EQ(script().boxes()[1].text, u"This cut name is already used in the chosen macro.\nPlease choose another name.");
    EXPECT_EQ(script().boxes()[2].text,
              u"A variable name is not valid.\nVariable names are numbers or names starting with \"gen_\".\n");
    EXPECT_EQ(script().boxes()[2].caption, dialString(1098));   // the caption the section size check shares too
    EXPECT_EQ(calls(u"CutNameInUse"), (std::vector<std::u16string>{u"CutNameInUse(Base, Plate, Notch)", u"CutNameInUse(Base, Plate, Other)", u"CutNameInUse(Base, Plate, Other)"}));
    EXPECT_EQ(data.offsetVarNames[0], u"gen_a");
}

TEST_F(CutsDlgTest, EscapeSetsTheFlagCancelDoesNotAndNeitherCopiesBack) {
    DlgMacroCutsData data = sampleCut(1);
    bool escaped = false;
    EXPECT_FALSE(run(data, escaped, [&](CDlgMacroCuts& d) { m_robot.replaceTextOf(d, IDC_CU_NAME, u"X"); }, 0));
    EXPECT_TRUE(escaped);
    EXPECT_EQ(data, sampleCut(1));
    EXPECT_FALSE(run(data, escaped, [&](CDlgMacroCuts& d) { m_robot.replaceTextOf(d, IDC_CU_NAME, u"X"); }, ui::IDCANCEL));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data, sampleCut(1));
}

TEST_F(CutsDlgTest, AnExistingCutKeepsTypeNameAndTarget) {
    DlgMacroCutsData data = sampleCut(1);
    data.editExisting = true;
    data.cutType = 8;   // outside the list: nothing chosen, kept
    bool escaped = false;
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        EXPECT_EQ(d.getWindowText(), u"Edit cut");
        EXPECT_FALSE(d.getDlgItem(IDC_CU_TYPE)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(IDC_CU_NAME)->isWindowEnabled());
        EXPECT_FALSE(shown(d, IDC_CU_THIS_MACRO));
        EXPECT_FALSE(shown(d, IDC_CU_MODULE));
        expectPictured(d, "cuts", 420, 400);
    }));
    EXPECT_EQ(data.cutType, 8);
}

TEST_F(CutsDlgTest, AResizeStretchesTheGridMovesTheBottomRowsAndIsStored) {
    const int grid = IDC_CU_OFFSETS, kept[] = {IDC_CU_TYPE, IDC_CU_SIDE_1, IDC_CU_VALUE, IDC_CU_OPTION};
    const int widening[] = {IDC_CU_NAME, IDC_CU_CHECK_1}, lowered[] = {IDC_CU_THIS_MACRO, IDC_CU_SELECT};
    auto rectOf = [](CDlgMacroCuts& d, int id) { return d.getDlgItem(id)->getRectInParent(); };
    DlgMacroCutsData data = sampleCut(1);
    bool escaped = false;
    ui::Size first;
    ui::Rect firstGrid;
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        first = d.minimumSize();
        EXPECT_EQ(first.cx, d.getWindowRect().width());
        EXPECT_EQ(first.cy, d.getWindowRect().height());
        m_robot.resize(d, 100, 100);
        EXPECT_EQ(d.getWindowRect().width(), first.cx);
        EXPECT_EQ(d.getWindowRect().height(), first.cy);

        std::map<int, ui::Rect> before;
        for (int id : {grid, kept[0], kept[1], kept[2], kept[3], widening[0], widening[1], lowered[0], lowered[1],
                       IDC_CU_MODULE, static_cast<int>(ui::IDOK)})
            before[id] = rectOf(d, id);
        firstGrid = before[grid];
        m_robot.resize(d, first.cx + 80, first.cy + 40);
        EXPECT_EQ(rectOf(d, grid).width(), before[grid].width() + 80);
        EXPECT_EQ(rectOf(d, grid).height(), before[grid].height() + 40);
        EXPECT_EQ(rectOf(d, grid).top, before[grid].top);
        for (int id : kept)
            EXPECT_EQ(rectOf(d, id), before[id]) << id;
        for (int id : widening) {
            EXPECT_EQ(rectOf(d, id).left, before[id].left) << id;
            EXPECT_EQ(rectOf(d, id).top, before[id].top) << id;
            EXPECT_EQ(rectOf(d, id).width(), before[id].width() + 80) << id;
        }
        for (int id : lowered)
            EXPECT_EQ(rectOf(d, id), before[id].offsetBy(0, 40)) << id;
        EXPECT_EQ(rectOf(d, IDC_CU_MODULE).top, before[IDC_CU_MODULE].top + 40);
        EXPECT_EQ(rectOf(d, IDC_CU_MODULE).width(), before[IDC_CU_MODULE].width() + 80);
        EXPECT_EQ(rectOf(d, ui::IDOK), before[ui::IDOK].offsetBy(80, 40));
    }));

    // The stored size comes back with the controls laid out for it.
    int w = 0, h = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(CDlgMacroCuts::kSizeKey, w, h));
    EXPECT_EQ(w, first.cx + 80);
    EXPECT_EQ(h, first.cy + 40);
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        EXPECT_EQ(d.getWindowRect().width(), first.cx + 80);
        EXPECT_EQ(d.getWindowRect().height(), first.cy + 40);
        EXPECT_EQ(rectOf(d, grid).width(), firstGrid.width() + 80);
        EXPECT_EQ(rectOf(d, grid).height(), firstGrid.height() + 40);
    }));

    // A stored size below the template's is not taken.
    ASSERT_TRUE(DlgSizeStore::instance().set(CDlgMacroCuts::kSizeKey, 200, 150));
    EXPECT_TRUE(run(data, escaped, [&](CDlgMacroCuts& d) {
        EXPECT_EQ(d.getWindowRect().width(), first.cx);
        EXPECT_EQ(d.getWindowRect().height(), first.cy);
        EXPECT_EQ(rectOf(d, grid), firstGrid);
    }));
}
