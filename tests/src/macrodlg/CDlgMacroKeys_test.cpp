// The macro dialog's own keys through real windows: Enter applies the page (or ends the value grid's edit)
// without closing the dialog, and F12 opens the designer on the shown page's design.
#include "src/macrodlg/macroDlgTestSupport.h"

#include "designer/CDlgDesigner.h"
#include "macrodlg/CMacroTabGeneral.h"
#include "macrodlg/macroTabBinding.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Robot.h"
#include "ui/TabCtrl.h"

using namespace macrodlgtest;

namespace {

MacroTabData tabOf(const char16_t* name, const Ork_String& designFile = {}) {
    MacroTabData t;
    t.name = name;
    t.designFile = designFile;
    return t;
}

ui::Point centre(const ui::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

} // namespace

class MacroDlgKeys : public MacroDlgTest {
protected:
    // Still open in its slot and shown, and no close asked the host for its view.
    bool stillOpen(CDlgMacro* dialog) {
        return KvModelessDlgs::instance().at(m_index) == dialog && dialog->isWindowVisible() &&
               calls(u"changeView").empty();
    }
    ui::Robot m_robot{frametest::gtestFailure()};
};

TEST_F(MacroDlgKeys, EnterOnADesignedControlAppliesThePageAndKeepsTheDialogOpen) {
    MacroData macro;
    MacroTabData t = tabOf(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"A")}));
    t.cells.append(cell(u"A", u"1"));
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    ui::Window* a = page.findBoundControl(u"A");
    ASSERT_NE(a, nullptr);
    m_robot.click(*a);
    m_robot.replaceText(*a, u"7");
    cadhost::HostLog::clear();
    m_robot.key(ui::VK_RETURN);
    EXPECT_EQ(calls(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Plate, 0, )"}));
    EXPECT_EQ(dialog->macro.tabs[0].cells[0].value, u"7");
    EXPECT_EQ(ui::Window::getFocus(), a);   // the field keeps the focus: Enter is no Tab
    EXPECT_TRUE(stillOpen(dialog));
    // Nothing changed since: Enter applies nothing more, and leaving the field does not apply again.
    m_robot.key(ui::VK_RETURN);
    m_robot.key(ui::VK_TAB);
    EXPECT_EQ(calls(u"UpdateModule").size(), 1u);
}

TEST_F(MacroDlgKeys, EnterInTheValueGridEndsItsEditWhichAppliesTheRowOnce) {
    MacroData macro;
    MacroTabData t = tabOf(u"Plate", design("Plate", {control(2, 10, 10, 80, 30, u"A")}));
    t.cells.append(cell(u"A", u"1"));
    t.cells.append(cell(u"C", u"3"));   // only the grid shows it
    macro.tabs.append(t);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    Ork_Spread& grid = page.grid();
    ASSERT_EQ(page.gridRows(), 1);
    m_robot.clickAt(grid, centre(grid.cellRect(3, 1)));
    m_robot.type(grid, u"9");
    ASSERT_TRUE(grid.editMode());
    cadhost::HostLog::clear();
    m_robot.key(ui::VK_RETURN);
    EXPECT_FALSE(grid.editMode());
    EXPECT_EQ(calls(u"UpdateModule"), (std::vector<std::u16string>{u"UpdateModule(Plate, 1, )"}));   // cell C
    EXPECT_EQ(dialog->macro.tabs[0].cells[1].value, u"9");
    ui::Window* focus = ui::Window::getFocus();
    EXPECT_TRUE(focus == &grid || grid.isChild(focus));
    EXPECT_TRUE(stillOpen(dialog));
    // Enter in the grid outside an edit has no edit to end and applies nothing.
    m_robot.key(ui::VK_RETURN);
    EXPECT_EQ(calls(u"UpdateModule").size(), 1u);
    EXPECT_TRUE(stillOpen(dialog));
}

TEST_F(MacroDlgKeys, EnterOnTheBoltFieldsAppliesWhatTheyShow) {
    MacroData macro;
    MacroTabData bolts = tabOf(u"Bolts");
    bolts.type = MacroTabData::kBoltTab;
    bolts.bolt = MacroBoltData();
    bolts.bolt->assembly = u"M8.8";
    bolts.bolt->diameter = u"16";
    macro.tabs.append(bolts);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    auto& page = dynamic_cast<CMacroTabGeneral&>(*dialog->tabWindows()[0]);
    ASSERT_TRUE(page.boltFieldsShown());
    auto* diameters = page.getDlgItemAs<ui::ComboBox>(IDC_MT_DIAMETER);
    ASSERT_NE(diameters, nullptr);
    m_robot.click(*diameters);
    // A diameter shown but not yet applied (set without the notification a user's choice sends).
    diameters->setCurSel(diameters->findStringExact(-1, u"20"));
    cadhost::HostLog::clear();
    m_robot.key(ui::VK_RETURN);
    EXPECT_EQ(calls(u"UpdateModule").size(), 1u);
    EXPECT_EQ(dialog->macro.tabs[0].bolt->diameter, u"20");
    EXPECT_TRUE(stillOpen(dialog));
}

TEST_F(MacroDlgKeys, F12OpensTheDesignerOnTheShownPagesDesignWhileTheDialogIsBusy) {
    MacroData macro;
    const Ork_String plate = design("Plate", {control(2, 10, 10, 80, 30, u"A")});
    MacroTabData t = tabOf(u"Plate", plate);
    t.cells.append(cell(u"A", u"1"));
    macro.tabs.append(t);
    MacroTabData plain = tabOf(u"Plain");
    plain.cells.append(cell(u"B", u"2"));
    macro.tabs.append(plain);
    CDlgMacro* dialog = open(macro);
    ASSERT_NE(dialog, nullptr);
    CMacroTab& page = *dialog->tabWindows()[0];
    ui::Window* a = page.findBoundControl(u"A");
    ASSERT_NE(a, nullptr);
    m_robot.click(*a);
    ui::Script script(frametest::gtestFailure());
    Ork_String opened;
    bool busy = false;
    script.onModal(IDD_DESIGNER, [&](ui::Dialog& d) {
        opened = dynamic_cast<CDlgDesigner&>(d).file;
        busy = dialog->isBusy();   // a close asked for meanwhile waits for the designer
        d.endDialog(ui::IDCANCEL);
    });
    cadhost::HostLog::clear();
    m_robot.key(ui::VK_F12);
    script.verify();
    EXPECT_EQ(opened, designFilePath(plate));
    EXPECT_TRUE(busy);
    EXPECT_FALSE(dialog->isBusy());
    // The designer changes no value: nothing is applied, and the dialog stays as it was.
    EXPECT_TRUE(calls(u"UpdateModule").empty());
    EXPECT_EQ(page.findBoundControl(u"A")->getWindowText(), u"1");
    EXPECT_TRUE(stillOpen(dialog));

    // A page without a design has nothing to open: no modal dialog (the script would fail on one).
    m_robot.choose(*dialog->getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS), 1);
    ui::Window* focus = ui::Window::getFocus();
    ASSERT_TRUE(focus && dialog->tabWindows()[1]->isChild(focus));
    m_robot.key(ui::VK_F12);
    script.verify();
    EXPECT_TRUE(stillOpen(dialog));
}
