// The macro dialog through real windows: pages built over designs and grids, values shown, changed and applied
// through the host, the calculation buttons, the size key, the close and its delay, and the pushes.
#include "src/macrodlg/macroDlgTestSupport.h"

#include "cadhost/Drawing.h"
#include "macrodlg/CDlgArray.h"
#include "macrodlg/CMacroTabGeneral.h"
#include "macrodlg/CMacroTabProf.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Robot.h"
#include "ui/TabCtrl.h"
#include "ui/Timers.h"

using namespace macrodlgtest;

namespace {

constexpr int kPromptTemplate = 8069;
constexpr int kPromptEdit = 1001;

MacroTabData generalTab(const char16_t* name, const Ork_String& designFile = {}) {
    MacroTabData t;
    t.name = name;
    t.designFile = designFile;
    return t;
}

} // namespace

TEST_F(MacroDlgTest, TheGridHoldsWhatNoControlShowsAndMissingValuesAreDropped) {
    MacroData macro;
    macro.name = u"M";
    MacroTabData t = generalTab(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"A"),
                                                           control(2, 10, 40, 80, 60, u"Missing"),
                                                           control(2, 10, 70, 80, 90, u"B"),
                                                           control(0, 100, 10, 160, 30, u"Label", u"Nope")}));
    t.cells.append(cell(u"A", u"1"));
    t.cells.append(cell(u"B", u"2"));
    t.cells.append(cell(u"C", u"3"));
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->tabWindows().size(), 1u);
    CMacroTab& page = *dialog->tabWindows()[0];
    EXPECT_EQ(page.designedPage().getNrControls(), 3);   // the control of "Missing" is gone
    ASSERT_EQ(page.gridRows(), 1);
    Ork_String text;
    page.grid().getCellText(1, 1, text, Ork_Spread::kTextData);
    EXPECT_EQ(text, u"C");
    page.grid().getCellText(3, 1, text, Ork_Spread::kTextData);
    EXPECT_EQ(text, u"3");
    const MacroTabData& shown = *page.tab();
    EXPECT_GT(shown.cells[0].dlgRef, 0);
    EXPECT_GT(shown.cells[1].dlgRef, 0);
    EXPECT_EQ(shown.cells[2].dlgRef, -1);
    // The remaining controls keep their order: A before B.
    EXPECT_LT(page.designedPage().getControl(0)->tabOrder, page.designedPage().getControl(1)->tabOrder);
    // A label tied to a missing value shows nothing.
    EXPECT_EQ(page.designedPage().getControl(2)->contents, u"");
    EXPECT_EQ(page.findBoundControl(u"A")->getWindowText(), u"1");
}

TEST_F(MacroDlgTest, LeavingAnEditAppliesOnceAndAStoreAfterALoadAppliesNothing) {
    MacroData macro;
    MacroTabData t = generalTab(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"A"), control(2, 10, 40, 80, 60, u"B")}));
    t.cells.append(cell(u"A", u"1"));
    t.cells.append(cell(u"B", u"2"));
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    cadhost::HostLog::clear();
    page.apply();   // nothing changed since the values were shown
    EXPECT_TRUE(calls(u"UpdateModule").empty());

    ui::Robot robot(frametest::gtestFailure());
    ui::Window* a = page.findBoundControl(u"A");
    ASSERT_NE(a, nullptr);
    robot.click(*a);
    robot.replaceText(*a, u"7");
    robot.key(ui::VK_TAB);
    EXPECT_EQ(calls(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Plate, 0, )"}));
    EXPECT_EQ(page.findBoundControl(u"B"), ui::Window::getFocus());
    MacroData current;
    ASSERT_TRUE(GetDlgMacroData(m_index, current));
    EXPECT_EQ(current.tabs[0].cells[0].value, u"7");
}

TEST_F(MacroDlgTest, CalculationByFactorProposesAndWritesBack) {
    MacroData macro;
    Ork_DesignerControl button = control(25, 100, 10, 160, 30, u"Calc");
    button.calcPart1 = u"Base";
    button.calcPart2 = u"T";
    button.calcPart4 = u"2";
    MacroTabData t = generalTab(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"T"), button}));
    t.cells.append(cell(u"Base", u"100", true));
    t.cells.append(cell(u"T", u"10"));
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    ui::Window* target = page.findBoundControl(u"T");
    ASSERT_NE(target, nullptr);
    ui::Window* calc = page.getDlgItem(page.designedPage().getControl(1)->resourceId);
    ASSERT_NE(calc, nullptr);
    ui::Script script(frametest::gtestFailure());
    std::u16string proposed;
    script.onModal(kPromptTemplate, [&](ui::Dialog& prompt) {
        proposed = prompt.getDlgItemText(kPromptEdit);
        prompt.setDlgItemText(kPromptEdit, u"110");
        ui::Robot(frametest::gtestFailure()).click(prompt, ui::IDOK);
    });
    ui::Robot robot(frametest::gtestFailure());
    robot.click(*calc);
    script.verify();
    EXPECT_EQ(proposed, u"105.00000");
    EXPECT_EQ(target->getWindowText(), u"20.00000");
    EXPECT_EQ(dialog->macro.tabs[0].cells[1].value, u"20.00000");
}

TEST_F(MacroDlgTest, CalculationWithoutAFactorOrWithABadAnswerWritesNothing) {
    for (const char16_t* factor : {u"0", u"", u"x"}) {
        MacroData macro;
        Ork_DesignerControl button = control(25, 100, 10, 160, 30, u"Calc");
        button.calcPart1 = u"Base";
        button.calcPart2 = u"T";
        button.calcPart4 = factor;
        MacroTabData t = generalTab(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"T"), button}));
        t.cells.append(cell(u"Base", u"100", true));
        t.cells.append(cell(u"T", u"10"));
        macro.tabs.append(t);
        CDlgMacro* dialog = open(macro);
        ASSERT_NE(dialog, nullptr);
        CMacroTab& page = *dialog->tabWindows()[0];
        ui::Script script(frametest::gtestFailure());   // no prompt is expected: one would fail the test
        ui::Robot(frametest::gtestFailure()).click(*page.getDlgItem(page.designedPage().getControl(1)->resourceId));
        EXPECT_EQ(page.findBoundControl(u"T")->getWindowText(), u"10");
        EndDlgMacroModeless(m_index);
    }
    MacroData macro;
    Ork_DesignerControl button = control(25, 100, 10, 160, 30, u"Calc");
    button.calcPart1 = u"Base";
    button.calcPart2 = u"T";
    button.calcPart4 = u"2";
    MacroTabData t = generalTab(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"T"), button}));
    t.cells.append(cell(u"Base", u"100", true));
    t.cells.append(cell(u"T", u"10"));
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    CMacroTab& page = *dialog->tabWindows()[0];
    ui::Script script(frametest::gtestFailure());
    script.answerPrompt(u"not a number");
    ui::Robot(frametest::gtestFailure()).click(*page.getDlgItem(page.designedPage().getControl(1)->resourceId));
    EXPECT_EQ(page.findBoundControl(u"T")->getWindowText(), u"10");
}

TEST_F(MacroDlgTest, SizeKeyTellsOneMacroAGroupAndASelectionApart) {
    const struct {
        int objects;
        std::vector<std::u16string> names;
        std::vector<std::u16string> groups;
        int group;
        const char16_t* key;
    } cases[] = {
        {1, {u"M"}, {}, -1, u"DLG_MACRO_EDITVARS_M"},
        {1, {}, {}, -1, u"DLG_MACRO_EDITVARS_"},
        {2, {u"M", u"M"}, {}, -1, u"DLG_MACRO_EDITVARS_2_MACROS"},
        {2, {u"M", u"M"}, {u"G1", u"G2"}, 1, u"DLG_MACRO_EDITVARS_GROUP_G2"},
        {3, {}, {u"G1"}, 1, u"DLG_MACRO_EDITVARS_3_MACROS"},   // the group index lies outside the list
        {0, {}, {u"G1"}, -1, u"DLG_MACRO_EDITVARS_0_MACROS"},
    };
    for (const auto& c : cases) {
        CDlgMacro dialog;
        for (int i = 0; i < c.objects; ++i)
            dialog.macro.objects.append(AcDbObjectId(100 + i));
        for (const auto& n : c.names)
            dialog.macro.macroNames.append(n);
        for (const auto& g : c.groups)
            dialog.macro.groupNames.append(g);
        dialog.macro.currentGroup = c.group;
        EXPECT_EQ(dialog.sizeKey(), c.key);
    }
}

TEST_F(MacroDlgTest, TabsWithoutAPageHaveNoEntryAndPositionsMapToRecordTabs) {
    MacroData macro;
    MacroTabData a = generalTab(u"A");
    MacroTabData none = generalTab(u"None");
    none.type = 7;
    MacroTabData prof = generalTab(u"Prof");
    prof.type = MacroTabData::kProfileTab;
    prof.caption = u"Profiles";
    macro.tabs.append(a);
    macro.tabs.append(none);
    macro.tabs.append(prof);
    macro.currentTab = u"Prof";
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    auto* tabs = dialog->getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    ASSERT_EQ(tabs->getItemCount(), 2);
    EXPECT_EQ(tabs->getItemText(1), u"Profiles");
    EXPECT_EQ(tabs->getCurSel(), 1);
    EXPECT_EQ(dialog->currentTab, 2);
    ui::Robot(frametest::gtestFailure()).choose(*tabs, 0);
    EXPECT_EQ(dialog->currentTab, 0);
    EXPECT_TRUE(dialog->tabWindows()[0]->isWindowVisible());
    EXPECT_FALSE(dialog->tabWindows()[1]->isWindowVisible());
}

TEST_F(MacroDlgTest, AnEmptyRecordOpensAndClosesWithoutAViewRequest) {
    MacroData macro;
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO, ui::IDOK);
    StartDlgMacro(macro);
    script.verify();
    EXPECT_TRUE(calls(u"changeView").empty());
    EXPECT_EQ(calls(u"clashDlgClosed").size(), 1u);
}

TEST_F(MacroDlgTest, ItsOwnCloseIsDelayedWhileBusy) {
    MacroData macro;
    macro.tabs.append(generalTab(u"A"));
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    clearPrinted();
    ui::Robot robot(frametest::gtestFailure());
    robot.click(*dialog, ui::IDOK);
    EXPECT_NE(KvModelessDlgs::instance().at(m_index), nullptr);   // not destroyed under its own handler
    EXPECT_EQ(calls(u"changeView"), (std::vector<std::u16string>{u"changeView(A, 3)"}));
    ui::Timers::advance(50);
    ui::Desktop::processPending();
    EXPECT_EQ(printed(), "Delayed timer called.\n");
    EXPECT_EQ(KvModelessDlgs::instance().at(m_index), nullptr);
}

TEST_F(MacroDlgTest, AnEndFromInsideUpdateModuleWaitsForTheHandler) {
    MacroData macro;
    MacroTabData t = generalTab(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"A"), control(2, 10, 40, 80, 60, u"B")}));
    t.cells.append(cell(u"A", u"1"));
    t.cells.append(cell(u"B", u"2"));
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    const int index = m_index;
    auto old = cadhost::setUpdateHandler([index](const std::u16string&, MacroData*, const AcArray<int>&, const AcArray<int>&) {
        EXPECT_TRUE(EndDlgMacroModeless(index));
        return true;
    });
    ui::Robot robot(frametest::gtestFailure());
    ui::Window* a = dialog->tabWindows()[0]->findBoundControl(u"A");
    robot.click(*a);
    robot.replaceText(*a, u"5");
    robot.key(ui::VK_TAB);
    EXPECT_EQ(KvModelessDlgs::instance().at(index), dialog);
    EXPECT_EQ(dialog->macro.tabs[0].cells[0].value, u"5");
    ui::Timers::advance(50);
    ui::Desktop::processPending();
    EXPECT_EQ(KvModelessDlgs::instance().at(index), nullptr);
    cadhost::setUpdateHandler(old);
}

TEST_F(MacroDlgTest, BoltFieldsShowOnlyForABoltTabWithoutABoltButton) {
    MacroData macro;
    MacroTabData bolts = generalTab(u"Bolts");
    bolts.type = MacroTabData::kBoltTab;
    bolts.bolt = MacroBoltData();
    bolts.bolt->assembly = u"M8.8";
    bolts.bolt->diameter = u"20";
    MacroTabData noRecord = generalTab(u"NoRecord");
    noRecord.type = MacroTabData::kBoltTab;
    macro.tabs.append(bolts);
    macro.tabs.append(noRecord);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    auto& withFields = dynamic_cast<CMacroTabGeneral&>(*dialog->tabWindows()[0]);
    auto& without = dynamic_cast<CMacroTabGeneral&>(*dialog->tabWindows()[1]);
    EXPECT_TRUE(withFields.boltFieldsShown());
    EXPECT_FALSE(without.boltFieldsShown());
    EXPECT_FALSE(without.getDlgItem(IDC_MT_ASSEMBLY)->isWindowVisible());
    EXPECT_EQ(withFields.measure().cy, without.measure().cy + CMacroTabGeneral::kBoltFieldsHeight);
    auto* diameters = withFields.getDlgItemAs<ui::ComboBox>(IDC_MT_DIAMETER);
    EXPECT_EQ(diameters->getLBText(diameters->getCurSel()), u"20");
    cadhost::HostLog::clear();
    ui::Robot(frametest::gtestFailure()).choose(*diameters, u"24");
    EXPECT_EQ(calls(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Bolts, -1, )"}));
    EXPECT_EQ(dialog->macro.tabs[0].bolt->diameter, u"24");
}

TEST_F(MacroDlgTest, TheProfilePanelFollowsTheGroups) {
    MacroData macro;
    MacroTabData prof = generalTab(u"Beam");
    prof.type = MacroTabData::kProfileTab;
    MacroProfData g;
    g.name = u"Main";
    g.section = u"IPE-200";
    MacroProfData member;
    member.objectId = AcDbObjectId(7);
    g.members.push_back(member);
    prof.profiles.append(g);
    macro.tabs.append(prof);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    auto& page = dynamic_cast<CMacroTabProf&>(*dialog->tabWindows()[0]);
    EXPECT_TRUE(page.panelShown());
    EXPECT_FALSE(page.getDlgItem(IDC_MP_SEGMENTS)->isWindowVisible());
    auto* plane = page.getDlgItemAs<ui::ComboBox>(IDC_MP_PLANE);
    EXPECT_EQ(plane->getCurSel(), CMacroTabProf::kPlaneWorld);   // empty, no object
    auto* profiles = page.getDlgItemAs<ui::ComboBox>(IDC_MP_PROFILE);
    ASSERT_EQ(profiles->getCount(), 2);
    EXPECT_EQ(profiles->getLBText(0), dialString(1010));

    // The base plane entries: mixed 3, a plane 0.
    for (const auto& [text, entry] : {std::pair<Ork_String, int>{dialString(695), 3}, {u"zp", 0}}) {
        MacroData m = macro;
        m.tabs[0].profiles[0].plane = text;
        CDlgMacro* d = open(m);
        auto& p = dynamic_cast<CMacroTabProf&>(*d->tabWindows()[0]);
        EXPECT_EQ(p.getDlgItemAs<ui::ComboBox>(IDC_MP_PLANE)->getCurSel(), entry);
    }

    // Every group with its own advanced button hides the panel; segments show their button.
    MacroData own = macro;
    Ork_DesignerControl more = control(17, 10, 10, 80, 30, u"Main");
    own.tabs[0].designFile = design("Beam", {more});
    MacroProfSegmentedData s;
    s.name = u"Rail";
    own.tabs[0].segments.append(s);
    CDlgMacro* d = open(own);
    auto& p = dynamic_cast<CMacroTabProf&>(*d->tabWindows()[0]);
    EXPECT_FALSE(p.panelShown());
    EXPECT_FALSE(p.getDlgItem(IDC_MP_GROUP)->isWindowVisible());
    EXPECT_TRUE(p.getDlgItem(IDC_MP_SEGMENTS)->isWindowVisible());
    EXPECT_EQ(p.measure().cy, page.measure().cy - CMacroTabProf::kPanelHeight + CMacroTabProf::kSegmentsOnlyHeight);
}

TEST_F(MacroDlgTest, PushesAreStoredAppliedAndHandedBack) {
    MacroData macro;
    MacroTabData bolts = generalTab(u"Bolts");
    bolts.type = MacroTabData::kBoltTab;
    bolts.bolt = MacroBoltData();
    bolts.bolt->diameter = u"20";
    MacroPatternData p;
    p.name = u"P";
    bolts.patterns.append(p);
    macro.tabs.append(bolts);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    cadhost::HostLog::clear();
    MacroBoltData pushed = *dialog->macro.tabs[0].bolt;
    pushed.holeTolerance = u"3";
    pushed.dlgRefs[0] = 99;   // a copy's references never reach the record
    ASSERT_TRUE(dialog->pushBolt(pushed));
    EXPECT_EQ(dialog->macro.tabs[0].bolt->holeTolerance, u"3");
    EXPECT_NE(dialog->macro.tabs[0].bolt->dlgRefs[0], 99);
    EXPECT_EQ(pushed.holeTolerance, u"3");
    MacroPatternProps props;
    props.patternType = 2;
    props.second.values.append(u"70");
    ASSERT_TRUE(dialog->pushPatternProps(0, props));
    EXPECT_TRUE(dialog->macro.tabs[0].patterns[0].acceptsSecondCount());
    EXPECT_FALSE(dialog->pushPatternProps(1, props));
    EXPECT_EQ(calls(u"UpdateModule"),
              (std::vector<std::u16string>{u"UpdateModule(Bolts, -1, )", u"UpdateModule(Bolts, -2000, )"}));
}

TEST_F(MacroDlgTest, BlockChoicesStayInsideTheLibraryAndMixedSwapsNothing) {
    m_lib.put("Blocks/One.dwg");
    m_lib.put("Blocks/Two.dwg");
    for (const auto& [folder, count] : {std::pair<const char16_t*, int>{u"Blocks", 3}, {u"..\\Blocks", 1}, {u"/tmp", 1}}) {
        MacroData macro;
        MacroTabData t = generalTab(u"Plate", design("Plate", {control(27, 10, 10, 120, 30, u"", folder)}));
        t.block = MacroBlockData();
        t.block->current = u"One";
        macro.tabs.append(t);
        CDlgMacro* dialog = open(macro);
        ASSERT_NE(dialog, nullptr);
        CMacroTab& page = *dialog->tabWindows()[0];
        auto* combo = page.getDlgItemAs<ui::ComboBox>(page.designedPage().getControl(0)->resourceId);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->getCount(), count) << Ork_String(folder).utf8();
        cadhost::HostLog::clear();
        ui::Robot(frametest::gtestFailure()).choose(*combo, dialString(695));
        EXPECT_TRUE(calls(u"swapBlockRefs").empty());
        if (count == 3) {
            ui::Robot(frametest::gtestFailure()).choose(*combo, u"Two");
            EXPECT_EQ(calls(u"swapBlockRefs"), (std::vector<std::u16string>{u"swapBlockRefs(Plate, Blocks\\Two.dwg)"}));
            EXPECT_EQ(dialog->macro.tabs[0].block->current, u"Two");
        }
    }
}

TEST_F(MacroDlgTest, APageWithoutAPictureIsAtLeast310Wide) {
    MacroData macro;
    MacroTabData t = generalTab(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"A")}));
    t.cells.append(cell(u"A", u"1"));
    MacroTabData pictured = generalTab(u"Pictured", design("Pictured", {control(2, 0.1, 0.1, 0.5, 0.2, u"A")}, {500, 300}));
    pictured.cells.append(cell(u"A", u"1"));
    pictured.cells.append(cell(u"B", u"2"));
    macro.tabs.append(t);
    macro.tabs.append(pictured);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->tabWindows()[0]->measure().cx, 310);
    EXPECT_EQ(dialog->tabWindows()[0]->measure().cy, 0);
    EXPECT_EQ(dialog->tabWindows()[1]->measure().cx, 480);
    EXPECT_EQ(dialog->tabWindows()[1]->measure().cy, 280 + 130);
    const ui::Rect r = dialog->getWindowRect();
    EXPECT_GE(r.width(), 480 + CDlgMacro::kTabMarginWidth);
    EXPECT_GE(r.height(), 410 + CDlgMacro::kTabMarginHeight);
}

TEST_F(MacroDlgTest, ARowNeverTakesAReferenceADesignedControlHolds) {
    MacroData macro;
    MacroTabData bolts = generalTab(u"Bolts", design("Bolts", {control(6, 10, 10, 80, 30, u"P")}));
    bolts.type = MacroTabData::kBoltTab;
    MacroPatternData p;
    p.name = u"P";
    p.nrBolts1 = u"4";
    p.hasDialog = true;
    bolts.patterns.append(p);
    MacroArrayData a;
    a.data.name = u"R";
    a.data.values.append(u"9");
    bolts.arrays.append(a);
    macro.tabs.append(bolts);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    const MacroTabData& t = *page.tab();
    EXPECT_GT(t.patterns[0].dlgRefButton, 0);   // the designed button keeps its reference
    EXPECT_EQ(t.patterns[0].dlgRef1, -1);
    EXPECT_EQ(t.arrays[0].dlgRefButton, -2);
    EXPECT_EQ(page.gridRows(), 2);
    // The array's row button opens the array dialog on the array, the macro's objects and the tab's name.
    dialog->macro.objects.append(AcDbObjectId(42));
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_ARRAY, [](ui::Dialog& d) {
        auto& array = dynamic_cast<CDlgArray&>(d);
        EXPECT_EQ(array.m_data.name, u"R");
        EXPECT_EQ(array.m_text, u"Bolts");
        EXPECT_EQ(array.m_objectIds.length(), 1);
        array.m_data.values[0] = u"11";
        d.endDialog(ui::IDOK);
    });
    cadhost::HostLog::clear();
    page.gridButton(2);
    script.verify();
    EXPECT_EQ(dialog->macro.tabs[0].arrays[0].data.values[0], u"11");
    EXPECT_EQ(calls(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Bolts, -3000, )"}));
    Ork_String shown;
    page.grid().getCellText(3, 2, shown, Ork_Spread::kTextData);
    EXPECT_EQ(shown, u"11");
}

TEST_F(MacroDlgTest, SavedValuesStayInThePropertyFolderAndOpenedOnesAreApplied) {
    MacroData macro;
    macro.name = u"M";
    MacroTabData t = generalTab(u"Plate");
    t.cells.append(cell(u"A", u"1"));
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    ui::Script script(frametest::gtestFailure());
    script.answerFile(u"..\\..\\elsewhere\\mine.txt");   // a typed path keeps only its name
    ui::Robot robot(frametest::gtestFailure());
    robot.click(*dialog, IDC_MD_SAVE_VALUES);
    EXPECT_TRUE(std::filesystem::exists(m_lib.path() / "Macro Values" / "M" / "mine.txt"));
    EXPECT_FALSE(std::filesystem::exists(m_lib.path() / "elsewhere"));

    // A file with a value the macro lacks: the rest is applied, and the user is told how many found no place.
    m_lib.put("Macro Values/M/other.txt",
              "Ork_PropertiesList 1\nformat\ti\t1\nvalue.count\ti\t2\n"
              "value.0.tab\ts\tPlate\nvalue.0.kind\ts\tcell\nvalue.0.name\ts\tA\nvalue.0.text\ts\t5\n"
              "value.1.tab\ts\tPlate\nvalue.1.kind\ts\tcell\nvalue.1.name\ts\tGone\nvalue.1.text\ts\t6\n");
    cadhost::HostLog::clear();
    script.answerFile(u"other");
    script.answerBox(ui::IDOK);
    robot.click(*dialog, IDC_MD_OPEN_VALUES);
    script.verify();
    EXPECT_EQ(dialog->macro.tabs[0].cells[0].value, u"5");
    EXPECT_EQ(calls(u"setAllToMacro"), (std::vector<std::u16string>{u"setAllToMacro(Plate)"}));
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_NE(script.boxes()[0].text.find(u" 1 "), std::u16string::npos);
    Ork_String text;
    dialog->tabWindows()[0]->grid().getCellText(3, 1, text, Ork_Spread::kTextData);
    EXPECT_EQ(text, u"5");

    // A malformed file changes nothing.
    m_lib.put("Macro Values/M/bad.txt", "Ork_PropertiesList 1\nformat\ti\t9\n");
    script.answerFile(u"bad");
    robot.click(*dialog, IDC_MD_OPEN_VALUES);
    EXPECT_EQ(dialog->macro.tabs[0].cells[0].value, u"5");
}

TEST_F(MacroDlgTest, ButtonsAndFiltersCallTheHostInOrder) {
    MacroData macro;
    macro.name = u"M";
    macro.filter1.items = Ork_StringArray{u"All", u"Plates"};
    macro.tabs.append(generalTab(u"Plate"));
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    ui::Robot robot(frametest::gtestFailure());
    cadhost::HostLog::clear();
    for (int id : {IDC_MD_VIEW_3, IDC_MD_VIEW_0, IDC_MD_VIEW_1, IDC_MD_VIEW_2})
        robot.click(*dialog, id);
    robot.click(*dialog, IDC_MD_CLASH);
    robot.choose(*dialog->getDlgItemAs<ui::ComboBox>(IDC_MD_FILTER1), 1);
    EXPECT_EQ(cadhost::HostLog::texts(),
              (std::vector<std::u16string>{u"acedPostCommand(CANCELCMD)", u"changeView(Plate, 3)",
                                           u"acedPostCommand(CANCELCMD)", u"changeView(Plate, 0)",
                                           u"acedPostCommand(CANCELCMD)", u"changeView(Plate, 1)",
                                           u"acedPostCommand(CANCELCMD)", u"changeView(Plate, 2)",
                                           u"clashSetStatus(1)", u"UpdateAllFilterModified(1, 1)"}));
    EXPECT_EQ(dialog->macro.filter1.choice, 1);
    // Other macros picked in the drawing join the record.
    ui::Script script(frametest::gtestFailure());
    script.answerPick({true, {u"77"}});
    robot.click(*dialog, IDC_MD_SELECT_OTHER);
    script.verify();
    EXPECT_EQ(dialog->macro.objects.length(), 1);
    EXPECT_TRUE(dialog->isWindowVisible());
}

TEST_F(MacroDlgTest, TabMovesThroughThePageTheGridAndTheOwnControlsAndBack) {
    MacroData macro;
    MacroTabData bolts = generalTab(u"Bolts", design("Bolts", {control(2, 10, 10, 80, 30, u"A"), control(2, 10, 40, 80, 60, u"B")}));
    bolts.type = MacroTabData::kBoltTab;
    bolts.bolt = MacroBoltData();
    bolts.bolt->assembly = u"M8.8";
    bolts.cells.append(cell(u"A", u"1"));
    bolts.cells.append(cell(u"B", u"2"));
    bolts.cells.append(cell(u"C", u"3"));
    macro.tabs.append(bolts);
    macro.tabs.append(generalTab(u"Other"));
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    ui::Robot robot(frametest::gtestFailure());
    EXPECT_EQ(ui::Window::getFocus(), page.findBoundControl(u"A"));   // the first visit: area 1, first control
    robot.key(ui::VK_TAB);
    EXPECT_EQ(ui::Window::getFocus(), page.findBoundControl(u"B"));
    robot.key(ui::VK_TAB);
    ui::Window* focus = ui::Window::getFocus();
    EXPECT_TRUE(focus == &page.grid() || page.grid().isChild(focus));
    robot.key(ui::VK_TAB);
    EXPECT_EQ(ui::Window::getFocus(), page.getDlgItem(IDC_MT_ASSEMBLY));
    robot.key(ui::VK_TAB, ui::ModShift);
    focus = ui::Window::getFocus();
    EXPECT_TRUE(focus == &page.grid() || page.grid().isChild(focus));
    robot.key(ui::VK_TAB, ui::ModShift);
    EXPECT_EQ(ui::Window::getFocus(), page.findBoundControl(u"B"));
    // A revisit finds the focus where it was left.
    auto* tabs = dialog->getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    robot.choose(*tabs, 1);
    robot.choose(*tabs, 0);
    EXPECT_EQ(ui::Window::getFocus(), page.findBoundControl(u"B"));
}

TEST_F(MacroDlgTest, TheAdvancedProfileDialogErasesTheOneObjectWhenTheRecordAsks) {
    MacroData macro;
    macro.objects.append(AcDbObjectId(5));
    macro.eraseAfterProfAdv = true;
    ui::Script script(frametest::gtestFailure());
    script.onModal(IDD_MACRO_PROF_ADV, ui::IDOK);
    StartDlgMacroProfAdv(macro, u"Beam", u"Main", false);
    EXPECT_EQ(calls(u"EraseObject"), (std::vector<std::u16string>{u"EraseObject(5)"}));
    macro.objects.append(AcDbObjectId(6));   // two objects: neither goes
    cadhost::HostLog::clear();
    script.onModal(IDD_MACRO_PROF_ADV, ui::IDOK);
    StartDlgMacroProfAdv(macro, u"Beam", u"Main", false);
    EXPECT_TRUE(calls(u"EraseObject").empty());
}

TEST_F(MacroDlgTest, AProfilePageIsTiedToTheRecordsOneObjectWhenAsked) {
    MacroData macro;
    MacroTabData prof = generalTab(u"Beam");
    prof.type = MacroTabData::kProfileTab;
    MacroProfData g;
    g.name = u"Main";
    g.section = u"IPE-200";
    for (int id : {7, 8}) {
        MacroProfData member;
        member.objectId = AcDbObjectId(id);
        member.section = id == 8 ? u"IPE-240" : u"IPE-200";
        g.members.push_back(member);
    }
    prof.profiles.append(g);
    macro.tabs.append(prof);
    macro.objects.append(AcDbObjectId(8));
    macro.tieProfileToObject = true;
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    auto& page = dynamic_cast<CMacroTabProf&>(*dialog->tabWindows()[0]);
    EXPECT_EQ(page.chosenProfile(), 1);
    EXPECT_EQ(page.getDlgItemText(IDC_MP_SECTION), u"IPE-240");
    // Without the flag the page shows the whole group.
    macro.tieProfileToObject = false;
    auto& untied = dynamic_cast<CMacroTabProf&>(*open(macro)->tabWindows()[0]);
    EXPECT_EQ(untied.chosenProfile(), -1);
}

TEST_F(MacroDlgTest, ProfilePanelChangesGoToTheGroupAndEscapeCloses) {
    MacroData macro;
    MacroTabData prof = generalTab(u"Beam");
    prof.type = MacroTabData::kProfileTab;
    MacroProfData g;
    g.name = u"Main";
    g.section = u"IPE-200";
    g.rotation = u"0";
    prof.profiles.append(g);
    macro.tabs.append(prof);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    auto& page = dynamic_cast<CMacroTabProf&>(*dialog->tabWindows()[0]);
    ui::Robot robot(frametest::gtestFailure());
    cadhost::HostLog::clear();
    robot.choose(*page.getDlgItemAs<ui::ComboBox>(IDC_MP_OFFSET), 2);
    EXPECT_EQ(dialog->macro.tabs[0].profiles[0].offsetType, 2);
    robot.choose(*page.getDlgItemAs<ui::ComboBox>(IDC_MP_ROTATION), u"90");
    EXPECT_EQ(dialog->macro.tabs[0].profiles[0].rotation, u"90");
    ui::Script script(frametest::gtestFailure());
    script.answerPick({true, {u"HEA-300"}});
    robot.click(page, IDC_MP_SECTION_PICK);
    script.verify();
    EXPECT_EQ(dialog->macro.tabs[0].profiles[0].section, u"HEA-300");
    EXPECT_EQ(calls(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Beam, -13, )", u"UpdateModule(Beam, -13, )",
                                                                   u"UpdateModule(Beam, -13, )"}));
    // Escape on a page closes the dialog as its Close button does.
    robot.click(*page.getDlgItem(IDC_MP_GROUP));
    robot.key(ui::VK_ESCAPE);
    robot.advance(50);
    ui::Desktop::processPending();
    EXPECT_EQ(KvModelessDlgs::instance().at(m_index), nullptr);
}

TEST_F(MacroDlgTest, TheWindowKeepsRoomForItsLargestPageAndApplyAgainCloses) {
    MacroData macro;
    MacroTabData pictured = generalTab(u"Pictured", design("Pictured", {control(2, 0.1, 0.1, 0.5, 0.2, u"A")}, {600, 320}));
    pictured.cells.append(cell(u"A", u"1"));
    macro.tabs.append(pictured);
    macro.objects.append(AcDbObjectId(3));
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    ui::Robot robot(frametest::gtestFailure());
    robot.resize(*dialog, 100, 100);
    const ui::Rect r = dialog->getWindowRect();
    EXPECT_GE(r.width(), 580 + CDlgMacro::kTabMarginWidth);
    EXPECT_GE(r.height(), 300 + CDlgMacro::kTabMarginHeight);
    cadhost::HostLog::clear();
    robot.click(*dialog, IDC_MD_REAPPLY);
    EXPECT_EQ(calls(u"reApply").size(), 1u);
    robot.advance(50);
    ui::Desktop::processPending();
    EXPECT_EQ(KvModelessDlgs::instance().at(m_index), nullptr);
}
