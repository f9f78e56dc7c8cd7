// The constraints page through the real editor: editors by property, image buttons and their groups,
// commits, name warnings, sorting, the context menu, deleting, the cut editor and Escape.
#include "editorTestSupport.h"

#include "SS/SSExports.h"
#include "support/TempFolder.h"
#include "ui/paint/Canvas.h"
#include "ui/paint/bmpFile.h"

#include <fstream>

namespace {

using editortest::EditorTest;
using Calls = std::vector<std::u16string>;

bool shown(ui::Dialog& page, int id) { return page.getDlgItem(id)->isWindowVisible(); }

class ConstraintsPage : public EditorTest {
protected:
    void selectRow(int row) { clickCell(constraints().grid(), 1, row + 1); }
    int count(const char16_t* call) const { return static_cast<int>(cadhost::HostLog::texts(call).size()); }
    // A small BMP file of one colour.
    Ork_String bitmap(const char* name, ui::Color colour) {
        ui::Canvas c(8, 8, colour);
        const auto bytes = ui::encodeBmp(c);
        const Ork_String path = Ork_String(m_temp.folder()) + Ork_String::fromUtf8(name);
        std::ofstream((m_temp.path() / name).string(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                            static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    TempFolder m_temp;
};

TEST_F(ConstraintsPage, ShowsTheEditorsEachRowOffers) {
    open();
    CTabEditConstraints& page = constraints();
    EXPECT_EQ(page.getWindowText(), u"Regels editeren");
    ASSERT_EQ(page.grid().getMaxRows(), 3);
    EXPECT_EQ(page.grid().getMaxCols(), 4);
    Ork_StringArray headers;
    page.grid().getColumnHeaderTexts(headers);
    EXPECT_EQ(headers, (Ork_StringArray{u"Name", u"Expression", u"Object1", u"Object2"}));
    EXPECT_EQ(page.currentRow(), 0);
    EXPECT_TRUE(shown(page, IDC_EC_VALUE));
    EXPECT_EQ(page.getDlgItemText(IDC_EC_VALUE), u"10");
    EXPECT_TRUE(shown(page, IDC_EC_NAME));
    EXPECT_FALSE(shown(page, IDC_EC_OPTIONS));
    EXPECT_FALSE(shown(page, IDC_EC_CUT));
    EXPECT_EQ(page.isDlgButtonChecked(IDC_EC_FIRST_FLAG), ui::BST_CHECKED);
    EXPECT_TRUE(page.getDlgItem(IDC_EC_SECOND_FLAG)->isWindowEnabled());   // enabled while the first is checked

    selectRow(1);
    EXPECT_FALSE(shown(page, IDC_EC_VALUE));
    EXPECT_TRUE(shown(page, IDC_EC_OPTIONS));
    auto* options = page.getDlgItemAs<ui::ComboBox>(IDC_EC_OPTIONS);
    EXPECT_EQ(options->getCount(), 2);
    EXPECT_EQ(options->getCurSel(), 1);
    EXPECT_FALSE(page.getDlgItem(IDC_EC_SECOND_FLAG)->isWindowEnabled());
    selectRow(2);
    EXPECT_TRUE(shown(page, IDC_EC_CUT));
    EXPECT_EQ(editor().m_data.currentConstrId, 7);
    EXPECT_EQ(cadhost::HostLog::texts(u"HighlightConstraint").back(), u"HighlightConstraint(2)");
}

TEST_F(ConstraintsPage, ImageButtonsFormTwoExclusiveGroupsAndBadSelectionsCheckNothing) {
    open();
    selectRow(2);   // images a, b | c, d |, selections 2 and 1; no file can be loaded
    CTabEditConstraints& page = constraints();
    EXPECT_EQ(page.buttonsInUse(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(page.imageButton(i).isWindowEnabled()) << i;   // blank, but counted and usable
    EXPECT_FALSE(page.imageButton(4).isWindowEnabled());
    EXPECT_EQ(page.imageButton(1).getCheck(), ui::BST_CHECKED);
    // Button 1 is not in the second group: nothing there is checked.
    EXPECT_EQ(page.imageButton(2).getCheck(), ui::BST_UNCHECKED);
    EXPECT_EQ(page.imageButton(3).getCheck(), ui::BST_UNCHECKED);

    // Leaving the row with only the bad selection unshown is no change.
    selectRow(0);
    EXPECT_EQ(count(u"UpdateConstraint"), 0);
    selectRow(2);
    m_robot.click(page.imageButton(0));
    EXPECT_EQ(page.imageButton(1).getCheck(), ui::BST_UNCHECKED);
    m_robot.click(page.imageButton(3));
    m_robot.click(page.imageButton(2));
    EXPECT_EQ(page.imageButton(3).getCheck(), ui::BST_UNCHECKED);   // the second group is exclusive too
    selectRow(0);
    EXPECT_EQ(cadhost::HostLog::texts(u"UpdateConstraint"), (Calls{u"UpdateConstraint(2)"}));
    EXPECT_EQ(module(u"Plate").constraints[2].editor.groupSelections, (AcArray<int>{1, 3}));
}

TEST_F(ConstraintsPage, FivePathsFillFiveButtonsAndASixthIsIgnored) {
    Ork_ConstraintEditor& e = module(u"Plate").constraints[0].editor;
    e.images.removeAll();
    for (int i = 0; i < 6; ++i)
        e.images.append(bitmap(("b" + std::to_string(i) + ".bmp").c_str(), ui::rgb(0, 0, 40 * i)));
    e.images.append(Ork_ConstraintEditor::kRadioBreak);
    e.groupSelections = {5};
    open();
    CTabEditConstraints& page = constraints();
    EXPECT_EQ(page.buttonsInUse(), 5);
    EXPECT_EQ(page.imageButton(4).getCheck(), ui::BST_CHECKED);
    const ui::Image blank = page.imageButton(4).getBitmap();
    EXPECT_EQ(blank.size.cx, 8);   // the file's picture, not the blank one
    m_robot.click(page.imageButton(0));
    EXPECT_EQ(page.imageButton(4).getCheck(), ui::BST_UNCHECKED);
}

TEST_F(ConstraintsPage, GroupSelectionsOfTheWrongLengthAreReportedAndTheRowStaysUnsaved) {
    module(u"Plate").constraints[2].editor.groupSelections = {2};   // two groups, one selection
    open();
    selectRow(2);
    m_robot.replaceTextOf(constraints(), IDC_EC_VALUE, u"45");
    selectRow(0);
    EXPECT_EQ(printed(), "*Error* Array size mismatch.\n");
    EXPECT_EQ(count(u"UpdateConstraint"), 0);
    EXPECT_EQ(module(u"Plate").constraints[2].value, 90);
}

TEST_F(ConstraintsPage, OnlyAChangedRowIsSent) {
    open();
    selectRow(1);
    selectRow(0);
    EXPECT_EQ(count(u"UpdateConstraint"), 0);
    m_robot.click(constraints(), IDC_EC_FIRST_FLAG);
    EXPECT_FALSE(constraints().getDlgItem(IDC_EC_SECOND_FLAG)->isWindowEnabled());
    m_robot.replaceTextOf(constraints(), IDC_EC_VALUE, u"10.5");
    selectRow(1);
    EXPECT_EQ(cadhost::HostLog::texts(u"UpdateConstraint"), (Calls{u"UpdateConstraint(0)"}));
    EXPECT_EQ(module(u"Plate").constraints[0].value, 10.5);
    EXPECT_FALSE(module(u"Plate").constraints[0].dialogFirst);
    m_robot.choose(*constraints().getDlgItemAs<ui::ComboBox>(IDC_EC_OPTIONS), 0);
    selectRow(0);
    EXPECT_EQ(module(u"Plate").constraints[1].editor.selectedOption, 0);
}

TEST_F(ConstraintsPage, TheNameWarningsOnlyWarn) {
    open();
    ui::Script script;
    auto leaveName = [&](const char16_t* name) {
        m_robot.replaceTextOf(constraints(), IDC_EC_NAME, name);
        m_robot.key(ui::VK_TAB);
    };
    script.answerBox(ui::IDOK);
    leaveName(u"Flush");
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].caption, u"Name in use");
    EXPECT_EQ(script.boxes()[0].text, u"\"Flush\"\nThis name is already in use.\nPlease choose another name.");
    EXPECT_EQ(script.boxes()[0].type, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    script.answerBox(ui::IDOK);
    leaveName(u"2nd");
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[1].caption, u"Invalid name");
    EXPECT_EQ(script.boxes()[1].text,
              u"\"2nd\"\nThis name is not valid.\nA name made of letters and digits must not start with a digit.\n"
              u"Names may only contain letters and digits.\n\nPlease change the name.");
    script.answerBox(ui::IDOK);
    leaveName(u"a b");
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_EQ(script.boxes()[2].text, u"\"a b\"\nA name may only hold letters and digits.\n"
                                      u"Other characters cannot be used in equations.\n\nPlease change the name.");
    leaveName(u"Gap");   // its own name: no warning
    EXPECT_EQ(script.boxes().size(), 3u);
    script.answerBox(ui::IDOK);
    leaveName(u"2nd");
    selectRow(1);
    EXPECT_EQ(module(u"Plate").constraints[0].name, u"2nd");   // the digit-first name was committed
}

TEST_F(ConstraintsPage, AHeaderClickSortsOnceAndTheFirstSortTiesByTheNeighbour) {
    open();
    clickCell(constraints().grid(), 1, 0);
    EXPECT_EQ(cadhost::HostLog::texts(u"SortConstraints"), (Calls{u"SortConstraints(1, 2)"}));
    Ork_String first;
    constraints().grid().getCellText(1, 1, first);
    EXPECT_EQ(first, u"Angle1");
    clickCell(constraints().grid(), 1, 0);
    EXPECT_EQ(count(u"SortConstraints"), 1);   // the column sorted last
    clickCell(constraints().grid(), 3, 0);
    EXPECT_EQ(cadhost::HostLog::texts(u"SortConstraints").back(), u"SortConstraints(3, 1)");
    closeEditor();
    open();
    clickCell(constraints().grid(), 4, 0);
    EXPECT_EQ(cadhost::HostLog::texts(u"SortConstraints").back(), u"SortConstraints(4, 1)");
}

TEST_F(ConstraintsPage, TheContextMenuShowsTheHostsEntriesAndRunsTheChosenAction) {
    open();
    m_robot.replaceTextOf(constraints(), IDC_EC_VALUE, u"15");
    ui::Script script;
    script.answerMenu(u"Second dialog variable");
    clickCell(constraints().grid(), 2, 3, true);
    // The typed value went to the host before the other row took the editors.
    EXPECT_EQ(module(u"Plate").constraints[0].value, 15);
    const Calls names = callNames();
    const auto at = [&](const char16_t* n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
    EXPECT_LT(at(u"UpdateConstraint"), at(u"ConstrContextMenu"));
    EXPECT_EQ(cadhost::HostLog::texts(u"ContextMenuAction"), (Calls{u"ContextMenuAction(2, 3)"}));
    EXPECT_FALSE(module(u"Plate").constraints[2].dialogSecond);
    const std::vector<ui::MenuItem>& menu = constraints().lastMenu();
    ASSERT_EQ(menu.size(), 4u);
    EXPECT_FALSE(menu[0].isChecked());
    EXPECT_TRUE(menu[1].isSeparator());
    EXPECT_TRUE(menu[2].isChecked());   // both dialog flags of the row are set
    EXPECT_TRUE(menu[3].isChecked());
    // The dialog was hidden for the action and is back.
    EXPECT_LT(at(u"BeginEditorCommand"), at(u"ContextMenuAction"));
    EXPECT_TRUE(editor().isWindowVisible());
}

TEST_F(ConstraintsPage, DeletingSelectsThePreviousRowOrTheNewFirst) {
    open();
    m_robot.click(constraints(), IDC_EC_DELETE);
    EXPECT_EQ(calls().front(), u"DeleteConstraint(0)");
    EXPECT_EQ(constraints().grid().getMaxRows(), 2);
    EXPECT_EQ(constraints().currentRow(), 0);
    EXPECT_EQ(constraints().getDlgItemText(IDC_EC_NAME), u"Flush");
    selectRow(1);
    m_robot.click(constraints(), IDC_EC_DELETE);
    EXPECT_EQ(constraints().currentRow(), 0);
    m_robot.click(constraints(), IDC_EC_DELETE);
    // The only row went: no columns, no editors, no delete button.
    EXPECT_EQ(constraints().grid().getMaxRows(), 0);
    EXPECT_EQ(constraints().grid().getMaxCols(), 0);
    EXPECT_EQ(constraints().currentRow(), -1);
    EXPECT_FALSE(shown(constraints(), IDC_EC_DELETE));
    EXPECT_FALSE(shown(constraints(), IDC_EC_NAME));
    // With no row current, delete and commit do nothing.
    cadhost::HostLog::clear();
    constraints().commitCurrentRow();
    constraints().sendMessage(ui::WM_COMMAND, ui::makeWParam(IDC_EC_DELETE, ui::BN_CLICKED), 0);
    EXPECT_EQ(count(u"DeleteConstraint"), 0);
    EXPECT_EQ(count(u"UpdateConstraint"), 0);
}

TEST_F(ConstraintsPage, TheCutEditorsEscapeIsSwallowedOnceAndEscapeClosesAfterTwoSeconds) {
    EditConstrData data;
    ASSERT_TRUE(prepareEditConstrData(m_macro.db, u"Plate", data));
    ui::Script script;
    std::vector<bool> open;
    script.onModal(IDD_EDIT_MACRO, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<CDlgEditMacro&>(d);
        clickCell(e.constraintsPage()->grid(), 1, 3);
        m_robot.advance(2001);
        m_robot.click(*e.constraintsPage(), IDC_EC_CUT);
        EXPECT_TRUE(e.constraintsPage()->swallowsNextEscape());
        e.constraintsPage()->getDlgItem(IDC_EC_NAME)->setFocus();
        m_robot.key(ui::VK_ESCAPE);
        open.push_back(!e.isEnded());
        m_robot.key(ui::VK_ESCAPE);
    });
    EXPECT_TRUE(StartDlgEditConstrModal(data));
    EXPECT_EQ(open, std::vector<bool>{true});
    EXPECT_EQ(printed(), "cancel\n");
    EXPECT_EQ(cadhost::HostLog::texts(u"StartEditMacroCutDlg").size(), 1u);
}

} // namespace
