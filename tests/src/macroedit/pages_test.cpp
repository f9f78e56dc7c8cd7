// The geometry, variables and commands pages through the editor, and the two settings pages on a plain
// host dialog.
#include "editorTestSupport.h"

#include "macroedit/CTabMacroGroups.h"
#include "macroedit/CTabMacroVariables.h"
#include "nuvo/records/MacroSettingsData.h"

namespace {

using editortest::EditorTest;
using Calls = std::vector<std::u16string>;

TEST_F(EditorTest, GeometryShowsItsRowsWithANarrowLastColumn) {
    open();
    chooseTab(CDlgEditMacro::GeometryPage);
    Ork_Spread& g = geometry().grid();
    ASSERT_EQ(g.getMaxRows(), 3);
    ASSERT_EQ(g.getMaxCols(), 5);
    int last = 0, first = 0;
    g.ssGetColWidthInPixels(5, last);
    g.ssGetColWidthInPixels(1, first);
    EXPECT_EQ(last, CTabGeometries::kMinLastColumn);
    EXPECT_GT(first, last);
    Ork_String text;
    g.getCellText(3, 2, text, Ork_Spread::kTextData);
    EXPECT_EQ(text, u"Edge2");
    g.getCellText(4, 2, text, Ork_Spread::kTextData);
    EXPECT_EQ(text, u"Flexible");
}

TEST_F(EditorTest, GeometrySendsFlexibilityAsPositionPlusOneAndKeepsTheHostsOwnFlag) {
    open();
    chooseTab(CDlgEditMacro::GeometryPage);
    auto* g = grid::SpreadWindow::fromWindow(&geometry().grid());
    const AcDbObjectId first = editor().m_data.geomIds[0];
    cadhost::HostLog::clear();
    g->chooseComboItem(4, 1, 2);
    const Calls flex = cadhost::HostLog::texts(u"UpdateGeomFlexibility");
    ASSERT_EQ(flex.size(), 1u);
    EXPECT_EQ(flex[0], u"UpdateGeomFlexibility(" + Ork_String(static_cast<int>(first.asOldId())) + u", 11, 3)");
    EXPECT_EQ(module(u"Plate").geometry[0].flexibility, 2);
    clickCell(geometry().grid(), 5, 3);   // flag 2: the host's own
    EXPECT_TRUE(cadhost::HostLog::texts(u"UpdateConstrGeom").empty());
    Ork_String state;
    geometry().grid().getCellText(5, 3, state, Ork_Spread::kTextData);
    EXPECT_EQ(state, u"0");
    clickCell(geometry().grid(), 5, 2);   // flag 1 becomes 0
    EXPECT_EQ(cadhost::HostLog::texts(u"UpdateConstrGeom").size(), 1u);
    EXPECT_EQ(module(u"Plate").geometry[1].constraintGeometry, 0);
}

TEST_F(EditorTest, GeometryNamesGoToTheHostWithTheOtherPages) {
    open();
    chooseTab(CDlgEditMacro::GeometryPage);
    geometry().grid().ssSetData(3, 1, u"Top");
    m_robot.choose(*editor().moduleSelector(), u"Stiffener");
    EXPECT_EQ(cadhost::HostLog::texts(u"SetNameTags").front(), u"SetNameTags(Top|Edge2|Edge3)");
    EXPECT_EQ(module(u"Plate").geometry[0].name, u"Top");
}

TEST_F(EditorTest, VariablesComeBackAsStoredAndTheRecalculatedValuesShow) {
    module(u"Plate").variables[0].value = 1.0 / 3.0;
    module(u"Plate").variables[1].kind = 12;   // no entry of the kind list
    open();
    chooseTab(CDlgEditMacro::VariablesPage);
    // Switching committed the page: T = W / 20, H = Gap * 2 + T.
    EXPECT_DOUBLE_EQ(module(u"Plate").variables[2].value, 1.0 / 60.0);
    EXPECT_EQ(module(u"Plate").variables[0].value, 1.0 / 3.0);   // all its decimals, not the cell's three
    EXPECT_EQ(module(u"Plate").variables[1].kind, 12);
    double shown = 0;
    variables().variablesGrid().getCellDouble(2, 2, shown);
    EXPECT_NEAR(shown, 20 + 1.0 / 60.0, 0.01);   // the cell shows it rounded
    variables().setDlgItemText(IDC_EV_EQUATIONS, u"T = W * 3\n\n\r\n\rH = 7\n\r");
    variables().commit();
    EXPECT_EQ(module(u"Plate").equations, (Ork_StringArray{u"T = W * 3", u"H = 7"}));
    variables().activate();
    EXPECT_EQ(variables().getDlgItemText(IDC_EV_EQUATIONS), u"T = W * 3\n\rH = 7\n\r");
}

TEST_F(EditorTest, VariablesRowsAreAddedAndDeletedAlsoOnAnEmptyGrid) {
    open(u"Plate2");
    chooseTab(CDlgEditMacro::VariablesPage);
    Ork_Spread& g = variables().variablesGrid();
    m_robot.click(variables(), IDC_EV_DELETE);
    EXPECT_EQ(g.getMaxRows(), 0);
    m_robot.click(variables(), IDC_EV_ADD);
    ASSERT_EQ(g.getMaxRows(), 1);
    g.ssSetData(1, 1, u"X");
    g.setCellDouble(2, 1, 2.5);
    variables().commit();
    ASSERT_EQ(module(u"Plate2").variables.length(), 1);
    EXPECT_EQ(module(u"Plate2").variables[0].value, 2.5);
    m_robot.click(variables(), IDC_EV_DELETE);
    EXPECT_EQ(g.getMaxRows(), 0);
}

TEST_F(EditorTest, TheCommandsPageHidesTwoButtonsAndShowsTheBitmapsItFinds) {
    open();
    CTabMacroCommands& page = *editor().commandsPage();
    EXPECT_EQ(page.button(3), nullptr);
    EXPECT_EQ(page.button(10), nullptr);
    EXPECT_FALSE(page.getDlgItem(IDC_MC_FIRST_BUTTON + 3)->isWindowVisible());
    ASSERT_NE(page.button(7), nullptr);
    EXPECT_EQ(page.button(7)->getWindowText(), u"Distance");
    EXPECT_TRUE(page.hasBitmap(7));
}

class SettingsPages : public frametest::FrameTest {
protected:
    // A plain dialog to host a page, as the settings dialog does.
    ui::Dialog& host() {
        ui::DialogTemplate t;
        t.size = {560, 380};
        m_host.createIndirect(t, nullptr, ui::Dialog::Show::Visible);
        return m_host;
    }
    ui::Dialog m_host;
};

TEST_F(SettingsPages, GeneralVariablesKeepWhatTheListsCannotShowAndReadTheThirdAsANumber) {
    MacroGenVarsData data;
    data.firstSetting = 5;
    data.secondSetting = 1;
    data.thirdSetting = 2;
    data.names = {u"gen_A", u"gen_B"};
    data.values = {1.0 / 7.0};
    CTabMacroVariables page;
    page.setData(&data);
    ASSERT_TRUE(page.create(IDD_MACRO_VARIABLES, &host(), true));
    EXPECT_EQ(page.getDlgItemAs<ui::ComboBox>(IDC_MV_FIRST)->getCount(), 3);
    EXPECT_EQ(page.getDlgItemText(IDC_MV_THIRD), u"2");
    EXPECT_EQ(page.grid().getMaxRows(), 2);
    page.setDlgItemText(IDC_MV_THIRD, u"abc");
    page.destroyWindow();
    EXPECT_EQ(data.firstSetting, 5);
    EXPECT_EQ(data.secondSetting, 1);
    EXPECT_EQ(data.thirdSetting, 0);
    EXPECT_EQ(data.values[0], 1.0 / 7.0);
    EXPECT_EQ(data.values[1], 0.0);
}

TEST_F(SettingsPages, GroupsShowNoneForNumbersOutOfRangeAndStoreThemAsNone) {
    MacroGroupsData data;
    data.firstText = u"one";
    data.names = {u"A", u"B"};
    data.texts = {u"a"};
    data.numbers = {2, 5};
    CTabMacroGroups page;
    page.setData(&data);
    ASSERT_TRUE(page.create(IDD_MACRO_GROUPS, &host(), true));
    Ork_String shown;
    page.grid().getCellText(3, 2, shown, Ork_Spread::kTextData);
    EXPECT_EQ(shown, u"None");
    page.destroyWindow();
    EXPECT_EQ(data.numbers, (AcArray<int>{2, 0}));
    EXPECT_EQ(data.texts, (Ork_StringArray{u"a", u""}));
    EXPECT_EQ(data.firstText, u"one");

    MacroGroupsData empty;
    CTabMacroGroups none;
    none.setData(&empty);
    ASSERT_TRUE(none.create(IDD_MACRO_GROUPS, &m_host, true));
    EXPECT_EQ(none.grid().getMaxRows(), 0);
    none.destroyWindow();
    EXPECT_TRUE(empty.names.isEmpty());
}

} // namespace
