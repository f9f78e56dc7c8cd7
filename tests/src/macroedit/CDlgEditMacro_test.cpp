// The definition editor's shell through its real window: texts, pages, module changes, renames, removals,
// the host's commands, sizes, and its runs through the entry points.
#include "editorTestSupport.h"

#include "SS/SSExports.h"
#include "frame/KvModelessDlgs.h"
#include "nuvo/DlgSizeStore.h"
#include "ui/Button.h"
#include "ui/Edit.h"

namespace {

using editortest::EditorTest;
using Calls = std::vector<std::u16string>;

ui::ComboBox& selector(CDlgEditMacro& e) { return *e.moduleSelector(); }
Ork_String selected(CDlgEditMacro& e) { return selector(e).getLBText(selector(e).getCurSel()); }

TEST_F(EditorTest, OpensOnTheConstraintsOfTheCurrentModule) {
    CDlgEditMacro& e = open();
    EXPECT_EQ(e.getWindowText(), u"Macro definition");
    EXPECT_EQ(e.getDlgItemText(IDC_EM_RENAME), u"Rename module");
    EXPECT_EQ(e.getDlgItemText(IDC_EM_SELECT), u"Select");
    ASSERT_EQ(e.tabs()->getItemCount(), 4);
    EXPECT_EQ(e.tabs()->getItemText(0), u"Constraints");
    EXPECT_EQ(e.tabs()->getItemText(3), u"Commands");
    EXPECT_EQ(selector(e).getCount(), 3);
    EXPECT_EQ(selected(e), u"Plate");
    EXPECT_EQ(e.currentPage(), CDlgEditMacro::ConstraintsPage);
    EXPECT_TRUE(constraints().isWindowVisible());
    EXPECT_FALSE(geometry().isWindowVisible());
    auto* name = constraints().getDlgItemAs<ui::Edit>(IDC_EC_NAME);
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->hasFocus());
    int start = 0, end = 0;
    name->getSel(start, end);
    EXPECT_EQ(end - start, 3);   // "Gap", all of it selected
}

TEST_F(EditorTest, AModuleListWithoutTheCurrentModuleSelectsNothing) {
    m_editor = std::make_unique<CDlgEditMacro>();
    ASSERT_TRUE(prepareEditConstrData(m_macro.db, u"Plate", m_editor->m_data));
    m_editor->m_data.moduleName = u"plate";   // no module has exactly this name
    ASSERT_TRUE(m_editor->create(IDD_EDIT_MACRO, nullptr, ui::Dialog::Show::Visible));
    EXPECT_EQ(selector(editor()).getCurSel(), -1);
}

TEST_F(EditorTest, SwitchingPagesLeavesTheOldOneAndCommitsTheNewOne) {
    open();
    chooseTab(CDlgEditMacro::GeometryPage);
    EXPECT_EQ(calls(), (Calls{u"UnHighlightConstraints"}));
    EXPECT_TRUE(geometry().isWindowVisible());
    EXPECT_FALSE(constraints().isWindowVisible());
    clickCell(geometry().grid(), 1, 2);
    cadhost::HostLog::clear();
    chooseTab(CDlgEditMacro::VariablesPage);
    const Calls c = calls();
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0].substr(0, 18), u"UnHighlightObject(");
    EXPECT_EQ(c[1].substr(0, 14), u"UpdateVarsEqs(");
    cadhost::HostLog::clear();
    chooseTab(CDlgEditMacro::ConstraintsPage);
    // Nothing changed on the row, so nothing is sent; the refill selects the row again.
    EXPECT_EQ(callNames(), (Calls{u"HighlightConstraint"}));
}

TEST_F(EditorTest, ChangingTheModuleCommitsEveryPageFirst) {
    open();
    m_robot.replaceTextOf(constraints(), IDC_EC_VALUE, u"11");
    m_robot.choose(selector(editor()), u"Stiffener");
    EXPECT_EQ(callNames(), (Calls{u"UnHighlightConstraints", u"UpdateConstraint", u"SetNameTags", u"UpdateVarsEqs",
                                  u"SetCurrentModule", u"HighlightConstraint"}));
    EXPECT_EQ(module(u"Plate").constraints[0].value, 11);
    EXPECT_EQ(editor().m_data.moduleName, u"Stiffener");
    EXPECT_EQ(constraints().grid().getMaxRows(), 1);
    EXPECT_EQ(geometry().grid().getMaxRows(), 0);
}

TEST_F(EditorTest, RenameAsksAndCancelCommitsNothing) {
    open();
    ui::Script script;
    script.cancelPrompt();
    m_robot.click(editor(), IDC_EM_RENAME);
    EXPECT_EQ(callNames(), (Calls{}));
    script.answerPrompt(u"Rib");
    m_robot.click(editor(), IDC_EM_RENAME);
    EXPECT_EQ(callNames(), (Calls{u"SetNameTags", u"UpdateVarsEqs", u"RenameModule", u"MacroGetModules",
                                  u"SetCurrentModule", u"HighlightConstraint"}));
    EXPECT_EQ(selected(editor()), u"Rib");
    EXPECT_EQ(module(u"Rib").constraints.length(), 3);
    ASSERT_FALSE(script.log().empty());

    nuvo::refuseEditorCall(u"RenameModule");
    script.answerPrompt(u"Other");
    cadhost::HostLog::clear();
    m_robot.click(editor(), IDC_EM_RENAME);
    EXPECT_EQ(callNames().back(), u"RenameModule");
    EXPECT_EQ(selected(editor()), u"Rib");
}

TEST_F(EditorTest, RemovingTheLastModuleSelectsTheNewLastOne) {
    open();
    m_robot.choose(selector(editor()), u"Plate2");
    cadhost::HostLog::clear();
    m_robot.click(editor(), IDC_EM_REMOVE_MODULE);
    EXPECT_EQ(calls().front(), u"RemoveModule(Plate2)");
    EXPECT_EQ(selector(editor()).getCount(), 2);
    EXPECT_EQ(selected(editor()), u"Stiffener");
    EXPECT_EQ(editor().m_data.moduleName, u"Stiffener");
}

TEST_F(EditorTest, ARemoveTheHostRefusesOrWithNothingSelectedChangesNothing) {
    open();
    nuvo::refuseEditorCall(u"RemoveModule");
    m_robot.click(editor(), IDC_EM_REMOVE_MODULE);
    EXPECT_EQ(callNames(), (Calls{u"RemoveModule"}));
    EXPECT_EQ(selector(editor()).getCount(), 3);
    EXPECT_EQ(selected(editor()), u"Plate");
    selector(editor()).setCurSel(-1);
    cadhost::HostLog::clear();
    m_robot.click(editor(), IDC_EM_REMOVE_MODULE);
    EXPECT_EQ(callNames(), (Calls{}));
}

TEST_F(EditorTest, AConstraintCommandHidesTheEditorAndShowsTheNewConstraint) {
    open();
    chooseTab(CDlgEditMacro::CommandsPage);
    cadhost::HostLog::clear();
    m_robot.click(*editor().commandsPage(), IDC_MC_FIRST_BUTTON + 7);
    const Calls names = callNames();
    const auto at = [&](const char16_t* n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
    EXPECT_LT(at(u"UpdateVarsEqs"), at(u"BeginEditorCommand"));   // the pages were committed first
    EXPECT_LT(at(u"BeginEditorCommand"), at(u"StartMacroCommand"));
    EXPECT_LT(at(u"StartMacroCommand"), at(u"CompleteEditorCommand"));
    EXPECT_TRUE(editor().isWindowVisible());
    EXPECT_EQ(editor().currentPage(), CDlgEditMacro::ConstraintsPage);
    EXPECT_EQ(editor().tabs()->getCurSel(), 0);
    ASSERT_EQ(constraints().grid().getMaxRows(), 4);
    EXPECT_EQ(constraints().currentRow(), 3);
    EXPECT_EQ(constraints().getDlgItemText(IDC_EC_NAME), u"Distance1");
    // "Plate2" also begins with "Plate": the module itself stays selected.
    EXPECT_EQ(selected(editor()), u"Plate");
}

TEST_F(EditorTest, EveryCommandCodeReachesTheHostAndARefusedOneChangesNothing) {
    open();
    for (int code = 0; code <= 13; ++code) {
        cadhost::HostLog::clear();
        editor().drawingCommand(code);
        EXPECT_EQ(cadhost::HostLog::texts(u"StartMacroCommand"), (Calls{u"StartMacroCommand(" + Ork_String(code) + u")"}));
    }
    EXPECT_EQ(selected(editor()), u"Module1");   // code 11 added it, and it was selected last
    const int rows = constraints().grid().getMaxRows();
    nuvo::refuseEditorCall(u"StartMacroCommand");
    editor().drawingCommand(7);
    EXPECT_EQ(constraints().grid().getMaxRows(), rows);
    EXPECT_TRUE(editor().isWindowVisible());
}

TEST_F(EditorTest, AddModuleSelectsTheNewModule) {
    open();
    m_robot.click(editor(), IDC_EM_ADD_MODULE);
    EXPECT_EQ(selected(editor()), u"Module1");
    EXPECT_EQ(editor().m_data.moduleName, u"Module1");
    EXPECT_EQ(constraints().grid().getMaxRows(), 0);
    EXPECT_FALSE(constraints().getDlgItem(IDC_EC_DELETE)->isWindowVisible());
}

TEST_F(EditorTest, SelectOtherMacroAsksThePickerAndShowsTheOtherMacro) {
    LoadedMacro other;   // EndPlateConnection
    open();
    ui::Script script;
    script.answerPick({true, {u"EndPlateConnection"}});
    m_robot.replaceTextOf(constraints(), IDC_EC_VALUE, u"12");
    m_robot.click(editor(), IDC_EM_SELECT);
    EXPECT_EQ(module(u"Plate").constraints[0].value, 12);   // committed before the host had the input
    EXPECT_EQ(editor().m_data.macroId, other.db.objectId());
    EXPECT_EQ(selector(editor()).getCount(), 4);
    EXPECT_EQ(selected(editor()), u"Plate");
    ASSERT_EQ(script.pickRequests().size(), 1u);
    EXPECT_EQ(script.pickRequests()[0].kind, u"macro");
}

TEST_F(EditorTest, ZoomRunsTheHostsZoomWithTheEditorOnShow) {
    open();
    m_robot.click(editor(), IDC_EM_ZOOM);
    EXPECT_EQ(calls(), (Calls{u"BeginEditorCommand", u"ZoomCommand", u"CompleteEditorCommand"}));
    EXPECT_TRUE(editor().isWindowVisible());
}

TEST_F(EditorTest, ZoomIsNotEnteredAgainWhileTheHostZooms) {
    open();
    auto* zoom = editor().getDlgItemAs<ui::Button>(IDC_EM_ZOOM);
    ASSERT_NE(zoom, nullptr);
    nuvo::duringNextZoom([&] { zoom->click(); });
    zoom->click();
    EXPECT_EQ(calls(), (Calls{u"BeginEditorCommand", u"ZoomCommand", u"CompleteEditorCommand"}));
    // Done, it zooms again.
    zoom->click();
    EXPECT_EQ(callNames().size(), 6u);
}

TEST_F(EditorTest, ItCannotShrinkBelowItsFirstSizeAndThePagesFillTheTabs) {
    CDlgEditMacro& e = open();
    const ui::Size first = e.minimumSize();
    EXPECT_EQ(first.cx, e.getWindowRect().width());
    m_robot.resize(e, first.cx - 100, first.cy - 100);
    EXPECT_EQ(e.getWindowRect().width(), first.cx);
    EXPECT_EQ(e.getWindowRect().height(), first.cy);
    m_robot.resize(e, first.cx + 120, first.cy + 80);
    ui::TabCtrl& tabs = *e.tabs();
    ui::Rect header;
    ASSERT_TRUE(tabs.getItemRect(0, header));
    for (int i = 0; i < CDlgEditMacro::PageCount; ++i) {
        const ui::Rect r = e.page(i)->getRectInParent();
        EXPECT_EQ(r.left, header.left);
        EXPECT_EQ(r.top, header.bottom + 2);
        EXPECT_EQ(r.right, tabs.getClientRect().width() - 3);
        EXPECT_EQ(r.bottom, tabs.getClientRect().height() - 2);
    }
    // The size is stored when the window goes, and the next editor opens at it.
    const ui::Size grown{e.getWindowRect().width(), e.getWindowRect().height()};
    closeEditor();
    int width = 0, height = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(u"DLG_EDIT_MACRO", width, height));
    EXPECT_EQ(width, grown.cx);
    CDlgEditMacro& again = open();
    EXPECT_EQ(again.getWindowRect().width(), grown.cx);
    EXPECT_EQ(again.minimumSize().cx, first.cx);
}

TEST_F(EditorTest, ClosingTheWindowCommitsEveryPage) {
    open();
    m_robot.replaceTextOf(constraints(), IDC_EC_VALUE, u"13");
    closeEditor();
    EXPECT_EQ(module(u"Plate").constraints[0].value, 13);
    EXPECT_NE(std::find(callNames().begin(), callNames().end(), u"UpdateVarsEqs"), callNames().end());
}

// ---- Through the entry points

TEST_F(EditorTest, TheModalRunEndsTrueOnOkAndFalseOnCancelOrClose) {
    EditConstrData data;
    ASSERT_TRUE(prepareEditConstrData(m_macro.db, u"Plate", data));
    ui::Script script;
    script.onModal(IDD_EDIT_MACRO, ui::IDOK);
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    script.onModal(IDD_EDIT_MACRO, ui::IDCANCEL);
    EXPECT_FALSE(StartDlgEditConstrModal(data));
    script.onModal(IDD_EDIT_MACRO, [&](ui::Dialog& d) { m_robot.close(d); });
    EXPECT_FALSE(StartDlgEditConstrModal(data));
}

TEST_F(EditorTest, EscapeOnAPageIsKeptForTwoSecondsAfterASelectionThenEndsWithOk) {
    EditConstrData data;
    ASSERT_TRUE(prepareEditConstrData(m_macro.db, u"Plate", data));
    ui::Script script;
    bool stillOpen = false;
    script.onModal(IDD_EDIT_MACRO, [&](ui::Dialog& d) {
        m_robot.key(ui::VK_ESCAPE);   // the first row was selected as the editor opened
        stillOpen = !dynamic_cast<CDlgEditMacro&>(d).isEnded();
        m_robot.advance(2001);
        m_robot.key(ui::VK_ESCAPE);
    });
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(printed(), "cancel\n");
}

TEST_F(EditorTest, TheModelessEditorOpensOnceAndItsOkEndsIt) {
    EditConstrData data;
    ASSERT_TRUE(prepareEditConstrData(m_macro.db, u"Plate", data));
    ASSERT_TRUE(StartDlgEditConstraints(data));
    CDlgEditMacro* first = KvModelessDlgs::instance().constraintsEditor();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isModeless());
    EditConstrData other;
    ASSERT_TRUE(prepareEditConstrData(m_macro.db, u"Stiffener", other));
    EXPECT_TRUE(StartDlgEditConstraints(other));
    EXPECT_EQ(KvModelessDlgs::instance().constraintsEditor(), first);
    EXPECT_EQ(first->m_data.moduleName, u"Plate");
    m_robot.click(*first, ui::IDOK);
    ui::Desktop::processPending();
    EXPECT_EQ(KvModelessDlgs::instance().constraintsEditor(), nullptr);
}

} // namespace
