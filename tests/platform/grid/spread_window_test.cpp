#include <gtest/gtest.h>

#include <functional>

#include "support/uiTestSupport.h"
#include "support/TempFolder.h"
#include "grid/GridDocument.h"
#include "grid/diagnostics.h"
#include "grid/ssOperations.h"
#include "os/utf16.h"
#include "ui/Clipboard.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/Robot.h"
#include "ui/paint/WindowPainter.h"

using namespace grid;

namespace {

constexpr int kGridId = 1000;

// A dialog holding one grid; it records the grid's notifications with the cell each was about.
class GridDialog : public ui::Dialog {
public:
    struct Event {
        int code;
        long col, row;
        bool operator==(const Event&) const = default;
    };
    std::vector<Event> events;

protected:
    bool onCommand(int id, int code) override {
        if (id == kGridId) {
            long col = 0, row = 0;
            SSGetNotifyCell(getDlgItem(kGridId), &col, &row);
            events.push_back({code, col, row});
            return true;
        }
        return ui::Dialog::onCommand(id, code);
    }
};

std::ostream& operator<<(std::ostream& out, const GridDialog::Event& e) {
    return out << "{" << e.code << ", " << e.col << ", " << e.row << "}";
}

struct SpreadWindowTest : ui::test::UiTest {
    void SetUp() override {
        UiTest::SetUp();
        SpreadWindow::registerClass();
        ui::DialogTemplate tmpl;
        tmpl.id = 9100;
        tmpl.caption = u"Grid";
        tmpl.size = {420, 200};
        tmpl.style |= ui::WS_VISIBLE;
        tmpl.add(u"fpUSpread70", kGridId, u"", ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP,
                 ui::Rect{10, 10, 410, 190});
        ASSERT_TRUE(dialog.createIndirect(tmpl));
        grid = dialog.getDlgItem(kGridId);
        ASSERT_NE(grid, nullptr);
        spread = dynamic_cast<SpreadWindow*>(grid);
        ASSERT_NE(spread, nullptr);
        SSSetMaxCols(grid, 4);
        SSSetMaxRows(grid, 6);
    }
    void TearDown() override {
        if (dialog.isWindow())
            dialog.destroyWindow();
        UiTest::TearDown();
    }
    ui::Point centre(int col, int row) const {
        return ui::test::centre(spread->cellRect(col, row));
    }
    std::u16string data(int col, int row) {
        std::u16string text(std::size_t(SSGetDataLen(grid, col, row)) + 1, u'\0');
        text.resize(std::size_t(SSGetData(grid, col, row, text.data())));
        return text;
    }
    std::vector<int> codes() const {
        std::vector<int> out;
        for (const auto& e : dialog.events)
            out.push_back(e.code);
        return out;
    }

    GridDialog dialog;
    ui::Window* grid = nullptr;
    SpreadWindow* spread = nullptr;
    ui::Robot robot;
};

} // namespace

TEST_F(SpreadWindowTest, TypingIntoACellEditsItInPlace) {
    ASSERT_TRUE(robot.clickAt(*grid, centre(2, 3)));
    // The grid's focus child holds the focus: a dialog's Tab handling recognises it by its class name.
    EXPECT_TRUE(ui::Window::getFocus()->getClassName().starts_with(u"fpSpr"));
    EXPECT_TRUE(grid->isChild(ui::Window::getFocus()));
    ASSERT_TRUE(robot.type(*grid, u"42"));
    EXPECT_EQ(SSGetEditMode(grid), 1);
    ui::Window* edit = ui::Window::getFocus();
    EXPECT_EQ(edit->getClassName(), u"fpSprEdit");
    EXPECT_EQ(edit->getWindowText(), u"42");
    EXPECT_EQ(data(2, 3), u"");   // nothing is written before the edit ends
    ASSERT_TRUE(robot.key(ui::VK_RETURN));
    EXPECT_EQ(SSGetEditMode(grid), 0);
    EXPECT_EQ(data(2, 3), u"42");
    EXPECT_EQ(SSGetBool(grid, 30), 1);
    EXPECT_TRUE(dialog.isWindow());   // Enter ended the editing, not the dialog
    EXPECT_EQ(dialog.events, (std::vector<GridDialog::Event>{{SSN_ACTIVECELLMOVED, 2, 3}, {SSN_CLICK, 2, 3},
                                                             {SSN_EDITMODEON, 2, 3}, {SSN_CHANGE, 2, 3},
                                                             {SSN_EDITMODEOFF, 2, 3}}));
}

TEST_F(SpreadWindowTest, TypedFormulasAreFormulasAndEscapeKeepsTheCell) {
    SSSetData(grid, 1, 1, u"5");
    SSSetActiveCell(grid, 1, 2);
    robot.type(*grid, u"=A1*3");
    robot.key(ui::VK_RETURN);
    std::u16string formula(16, u'\0');
    formula.resize(std::size_t(SSGetFormula(grid, 1, 2, formula.data())));
    EXPECT_EQ(formula, u"A1*3");
    EXPECT_EQ(data(1, 2), u"15");

    robot.type(*grid, u"x");
    robot.key(ui::VK_ESCAPE);
    EXPECT_EQ(SSGetEditMode(grid), 0);
    EXPECT_EQ(data(1, 2), u"15");
    EXPECT_TRUE(dialog.isWindow());
}

TEST_F(SpreadWindowTest, EditModeAndItsCharacterSelection) {
    SSSetData(grid, 3, 2, u"Hello");
    SSSetActiveCell(grid, 3, 2);
    EXPECT_EQ(SSGetEditSel(grid, nullptr, nullptr), 0);
    ASSERT_EQ(SSSetEditMode(grid, 1), 1);
    int start = -1, end = -1;
    ASSERT_EQ(SSGetEditSel(grid, &start, &end), 1);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    ASSERT_EQ(SSSetEditSel(grid, 1, 3), 1);
    SSGetEditSel(grid, &start, &end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(1, 3));
    EXPECT_EQ(spread->editText(), u"Hello");
    EXPECT_EQ(SSSetEditMode(grid, 0), 1);
    EXPECT_EQ(SSGetEditMode(grid), 0);
}

TEST_F(SpreadWindowTest, LockedAndStaticCellsAreNotEdited) {
    SSSetLock(grid, 1, 1, 1);
    SSSetActiveCell(grid, 1, 1);
    robot.type(*grid, u"x");
    EXPECT_EQ(SSGetEditMode(grid), 0);
    EXPECT_EQ(data(1, 1), u"");
    SSCellType type;
    SSSetCellType(grid, 2, 1, SSSetTypeStaticText(grid, &type, 140));
    SSSetActiveCell(grid, 2, 1);
    EXPECT_EQ(SSSetEditMode(grid, 1), 0);
}

TEST_F(SpreadWindowTest, CheckBoxAndButtonClicksReachTheParentWithTheirCell) {
    SSCellType check, button;
    SSSetTypeCheckBox(grid, &check, 0x300, u"", 8136, 6, 8134, 6, 8136, 6, 8134, 6, 0, 0, 0, 0);
    SSSetCellTypeRange(grid, 1, 1, 1, -1, &check);
    SSSetTypeButton(grid, &button, 0, u"...", 0, 0, 0, 0, 0, 1, nullptr);
    SSSetCellType(grid, 4, 5, &button);
    ASSERT_TRUE(robot.clickAt(*grid, centre(1, 2)));
    EXPECT_EQ(data(1, 2), u"1");
    EXPECT_EQ(dialog.events.back(), (GridDialog::Event{SSN_CHECKBOXCLICK, 1, 2}));
    robot.clickAt(*grid, centre(1, 2));
    EXPECT_EQ(data(1, 2), u"0");
    dialog.events.clear();
    robot.clickAt(*grid, centre(4, 5));
    EXPECT_EQ(dialog.events.back(), (GridDialog::Event{SSN_BUTTONCLICK, 4, 5}));
    EXPECT_EQ(SSGetEditMode(grid), 0);
    // A locked check box neither changes nor notifies.
    SSSetLock(grid, 1, 3, 1);
    dialog.events.clear();
    robot.clickAt(*grid, centre(1, 3));
    EXPECT_EQ(codes(), (std::vector<int>{SSN_ACTIVECELLMOVED, SSN_CLICK}));
    EXPECT_EQ(data(1, 3), u"");
}

TEST_F(SpreadWindowTest, ComboCellsStepThroughTheirItemsAndNotify) {
    SSCellType combo;
    SSSetTypeComboBox(grid, &combo, 0x100000, u"M16\tM20\tM24");
    SSSetCellType(grid, 2, 3, &combo);
    const ui::Rect cell = spread->cellRect(2, 3);
    const ui::Point arrow{cell.right - 5, (cell.top + cell.bottom) / 2};
    robot.clickAt(*grid, arrow);
    EXPECT_EQ(data(2, 3), u"M16");
    EXPECT_EQ(dialog.events.back(), (GridDialog::Event{SSN_COMBOCHANGE, 2, 3}));
    robot.clickAt(*grid, arrow);
    robot.clickAt(*grid, arrow);
    EXPECT_EQ(data(2, 3), u"M24");
    robot.clickAt(*grid, arrow);
    EXPECT_EQ(data(2, 3), u"M16");
    dialog.events.clear();
    robot.clickAt(*grid, centre(2, 3));   // the text part only selects
    EXPECT_EQ(codes(), (std::vector<int>{SSN_CLICK}));
    EXPECT_TRUE(spread->chooseComboItem(2, 3, 1));
    EXPECT_EQ(data(2, 3), u"M20");
    EXPECT_FALSE(spread->chooseComboItem(2, 3, 3));
    EXPECT_FALSE(spread->chooseComboItem(1, 3, 0));
}

TEST_F(SpreadWindowTest, HeaderClicksSelectTheirColumnOrRowAndNotify) {
    robot.clickAt(*grid, centre(3, 0));
    EXPECT_EQ(dialog.events.back(), (GridDialog::Event{SSN_CLICK, 3, 0}));
    long c1, r1, c2, r2;
    ASSERT_EQ(SSGetSelectBlock(grid, &c1, &r1, &c2, &r2), 1);
    EXPECT_EQ((std::vector<long>{c1, r1, c2, r2}), (std::vector<long>{3, 1, 3, 6}));
    robot.clickAt(*grid, centre(0, 4));
    EXPECT_EQ(dialog.events.back(), (GridDialog::Event{SSN_CLICK, 0, 4}));
    SSGetSelectBlock(grid, &c1, &r1, &c2, &r2);
    EXPECT_EQ((std::vector<long>{c1, r1, c2, r2}), (std::vector<long>{1, 4, 4, 4}));
}

TEST_F(SpreadWindowTest, DoubleAndRightClicksNotify) {
    robot.doubleClickAt(*grid, centre(2, 2));
    EXPECT_NE(std::find(codes().begin(), codes().end(), SSN_DBLCLICK), codes().end());
    dialog.events.clear();
    robot.rightClickAt(*grid, centre(3, 4));
    EXPECT_EQ(dialog.events.front(), (GridDialog::Event{SSN_RIGHTCLICK, 3, 4}));
}

TEST_F(SpreadWindowTest, ArrowKeysMoveTheActiveCellAndNotify) {
    SSSetActiveCell(grid, 2, 2);
    grid->setFocus();
    robot.key(ui::VK_RIGHT);
    robot.key(ui::VK_DOWN);
    long col = 0, row = 0;
    SSGetActiveCell(grid, &col, &row);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(3L, 3L));
    EXPECT_EQ(dialog.events.back(), (GridDialog::Event{SSN_ACTIVECELLMOVED, 3, 3}));
    SSAddCellSpan(grid, 1, 1, 2, 2);
    SSSetActiveCell(grid, 2, 2);   // inside the span: its anchor becomes active
    SSGetActiveCell(grid, &col, &row);
    EXPECT_EQ(std::make_pair(col, row), std::make_pair(1L, 1L));
}

TEST_F(SpreadWindowTest, ClipboardCopiesTheBlockAsTabSeparatedLinesAndPastesIt) {
    SSSetData(grid, 1, 1, u"a");
    SSSetData(grid, 2, 1, u"b");
    SSSetData(grid, 1, 2, u"3");
    SSSetFormula(grid, 2, 2, u"A2*2", 1);
    SSSetSelectBlock(grid, 1, 1, 2, 2);
    ASSERT_EQ(SSClipboardCopy(grid), 1);
    EXPECT_EQ(ui::Clipboard::getText(), u"a\tb\r\n3\t6\r\n");

    SSSetActiveCell(grid, 3, 4);
    grid->setFocus();
    robot.key('V', ui::ModCtrl);
    EXPECT_EQ(data(3, 4), u"a");
    EXPECT_EQ(data(4, 4), u"b");
    EXPECT_EQ(data(3, 5), u"3");
    EXPECT_EQ(data(4, 5), u"6");
    EXPECT_EQ(SSGetBool(grid, 30), 1);

    ui::Clipboard::setText(u"=1+1\tx\ty\tbeyond the last column\n");
    SSSetActiveCell(grid, 3, 6);
    ASSERT_EQ(SSClipboardPaste(grid), 1);
    EXPECT_EQ(data(3, 6), u"2");
    EXPECT_EQ(data(4, 6), u"x");
}

TEST_F(SpreadWindowTest, TextSizesAreDeterministic) {
    // The default font's characters are 6 by 13 pixels: "abcd" is 24 wide, with 3 pixels each side.
    SSSetData(grid, 1, 1, u"abcd");
    SSSetData(grid, 1, 2, u"abcdefgh");
    double width = 0, height = 0;
    ASSERT_EQ(SSGetMaxTextCellSize(grid, 1, 1, &width, &height), 1);
    EXPECT_DOUBLE_EQ(width, (24 + 6 - 4) / 8.0);
    EXPECT_DOUBLE_EQ(height, (13 + 6) * 3 / 4.0);
    ASSERT_EQ(SSGetMaxTextColWidth(grid, 1, &width), 1);
    EXPECT_DOUBLE_EQ(width, (48 + 6 - 4) / 8.0);
    SSFont big{u"Tahoma", 20, true, false, false, false};
    SSSetFontRange(grid, 2, 2, 2, 2, &big, 1);
    SSSetData(grid, 2, 2, u"x");
    ASSERT_EQ(SSGetMaxTextRowHeight(grid, 2, &height), 1);
    EXPECT_DOUBLE_EQ(height, (20 + 6) * 3 / 4.0);
    // The width fits: setting it makes the text's pixels fit the column.
    SSGetMaxTextColWidth(grid, 1, &width);
    SSSetColWidth(grid, 1, width);
    int px = 0;
    SSGetColWidthInPixels(grid, 1, &px);
    EXPECT_EQ(px, 48 + 6);
}

TEST_F(SpreadWindowTest, ClientRectangleAndScrollBars) {
    ui::Rect client;
    ASSERT_EQ(SSGetClientRect(grid, &client), 1);
    EXPECT_EQ(client, (ui::Rect{0, 0, 400, 180}));
    int v = -1, h = -1;
    SSGetScrollBarSize(grid, &v, &h);
    EXPECT_EQ(std::make_pair(v, h), std::make_pair(0, 0));
    SSSetMaxRows(grid, 100);
    SSSetMaxCols(grid, 20);
    SSGetScrollBarSize(grid, &v, &h);
    EXPECT_EQ(std::make_pair(v, h), std::make_pair(17, 17));
}

TEST_F(SpreadWindowTest, TagsSpansAndSettingsReadBack) {
    ASSERT_EQ(SSSetCellTag(grid, 0, 0, u"marginTop¤2¤5¤"), 1);
    EXPECT_EQ(SSGetCellTag(grid, 0, 0, nullptr), 14);
    std::u16string tag(15, u'\0');
    tag.resize(std::size_t(SSGetCellTag(grid, 0, 0, tag.data())));
    EXPECT_EQ(tag, u"marginTop¤2¤5¤");

    ASSERT_EQ(SSAddCellSpan(grid, 2, 2, 2, 3), 1);
    EXPECT_EQ(SSAddCellSpan(grid, 3, 3, 1, 1), 0);
    long ac = 0, ar = 0, cs = 0, rs = 0;
    EXPECT_NE(SSGetCellSpan(grid, 3, 4, &ac, &ar, &cs, &rs) & 0xFFFF, 0);
    EXPECT_EQ((std::vector<long>{ac, ar, cs, rs}), (std::vector<long>{2, 2, 2, 3}));
    EXPECT_EQ(SSRemoveCellSpan(grid, 2, 2), 1);
    EXPECT_EQ(SSGetCellSpan(grid, 3, 4, &ac, &ar, &cs, &rs), 0);

    // A header spanning two headers is one header cell; the cells below keep their own columns.
    const ui::Rect second = spread->cellRect(2, 0), third = spread->cellRect(3, 0);
    ASSERT_EQ(SSAddCellSpan(grid, 2, 0, 2, 1), 1);
    EXPECT_EQ(spread->cellRect(2, 0), (ui::Rect{second.left, second.top, third.right, second.bottom}));
    EXPECT_EQ(spread->cellRect(3, 0), spread->cellRect(2, 0));
    EXPECT_EQ(spread->cellRect(3, 1).left, third.left);
    EXPECT_EQ(SSRemoveCellSpan(grid, 2, 0), 1);

    SSFont font{u"Tahoma", 15, true, false, false, false};
    SSSetTextTip(grid, 1, 0, &font, 0x00FFFFE1, 0);
    short status = 0;
    long delay = -1;
    SSFont back;
    std::uint32_t tipBack = 0, tipFore = 1;
    SSGetTextTip(grid, &status, &delay, &back, &tipBack, &tipFore);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(delay, 0);
    EXPECT_EQ(back, font);
    EXPECT_EQ(tipBack, 0x00FFFFE1u);

    SSSetRefStyle(grid, 2);
    SSSetData(grid, 1, 1, u"2");
    ASSERT_EQ(SSSetFormula(grid, 2, 1, u"RC[-1]+1", 1), 1);
    EXPECT_EQ(data(2, 1), u"3");

    SSCellType number;
    SSSetTypeNumber(grid, &number, 0x10000000 | 0x100000, 7, -99999999999999, 99999999999999, 0);
    SSSetCellType(grid, 1, 3, &number);
    SSCellType read;
    SSGetCellType(grid, 1, 3, &read);
    EXPECT_EQ(read.typeCode(), 14);
    EXPECT_EQ(read.decimals, 7);
}

TEST_F(SpreadWindowTest, ReCalcCellFollowsItsInputs) {
    SSSetBool(grid, 7, 0);
    SSSetData(grid, 1, 1, u"1");
    SSSetFormula(grid, 1, 2, u"A1+1", 1);
    SSSetData(grid, 1, 1, u"10");
    EXPECT_EQ(data(1, 2), u"2");
    ASSERT_EQ(SSReCalcCell(grid, 1, 2), 1);
    EXPECT_EQ(data(1, 2), u"11");
}

TEST_F(SpreadWindowTest, ResetClearsEverything) {
    SSSetData(grid, 1, 1, u"x");
    SSSetSelColor(grid, 1, 2);
    ASSERT_EQ(SSReset(grid), 1);
    EXPECT_EQ(SSGetMaxRows(grid), 0);
    std::uint32_t back = 0, fore = 0;
    SSGetSelColor(grid, &back, &fore);
    EXPECT_NE(back, 1u);
}

TEST_F(SpreadWindowTest, DocumentsLoadAndSaveThroughTheWindow) {
    TempFolder folder;
    SSSetData(grid, 1, 1, u"7");
    SSSetFormula(grid, 2, 1, u"A1*6", 1);
    const std::u16string path = folder.file("t.kvs");
    ASSERT_EQ(SSSaveToFile(grid, path.c_str(), 0), 1);
    SSSetData(grid, 1, 1, u"changed");
    ASSERT_NE(SSLoadFromFile(grid, path.c_str()), 0);
    EXPECT_EQ(data(2, 1), u"42");

    std::u16string said;
    setDiagnosticSink([&](std::u16string_view m) { said += m; });
    const std::u16string broken = folder.file("none.kvs");
    EXPECT_EQ(SSLoadFromFile(grid, broken.c_str()), 0);
    EXPECT_EQ(said, broken + u": cannot be read\n");
    EXPECT_EQ(data(2, 1), u"42");
    EXPECT_EQ(SSSaveToFile(grid, folder.file("no/such/folder/x.kvs").c_str(), 0), 0);
    setDiagnosticSink({});
}

// A custom function that loads a document into its own grid while the grid calculates it must be refused.
namespace {
SSWindow gReentrantGrid = nullptr;
std::u16string gReentrantPath;
int gReentrantResult = -1;
int loadDuringCalculation(SSValueRecord* result, SSValueRecord*, std::int16_t) {
    gReentrantResult = SSLoadFromFile(gReentrantGrid, gReentrantPath.c_str());
    result->status = SSStatusValid;
    result->type = SSTypeLong;
    result->lValue = 1;
    return 1;
}
} // namespace

TEST_F(SpreadWindowTest, ALoadFromInsideACalculationIsRefused) {
    TempFolder folder;
    gReentrantGrid = grid;
    gReentrantPath = folder.file("other.kvs");
    Sheet other;
    other.setMaxCols(1);
    other.setMaxRows(1);
    std::u16string error;
    ASSERT_TRUE(GridDocument::save(other, gReentrantPath, error));
    std::u16string said;
    setDiagnosticSink([&](std::u16string_view m) { said += m; });
    ASSERT_EQ(SSAddCustomFunctionExt(grid, u"LOADER", 0, 0, loadDuringCalculation, 0), 1);
    ASSERT_EQ(SSSetFormula(grid, 1, 1, u"LOADER()", 1), 1);
    setDiagnosticSink({});
    EXPECT_EQ(gReentrantResult, 0);
    EXPECT_NE(said.find(u"the grid is calculating"), std::u16string::npos);
    EXPECT_EQ(SSGetMaxCols(grid), 4);
    EXPECT_EQ(data(1, 1), u"1");
}

TEST_F(SpreadWindowTest, OperationsRefuseWindowsThatAreNoGrid) {
    EXPECT_EQ(SSGetMaxRows(nullptr), -1);
    EXPECT_EQ(SSGetMaxCols(&dialog), -1);
    EXPECT_EQ(SSSetData(&dialog, 1, 1, u"x"), 0);
    SSCellType type;
    EXPECT_EQ(SSSetTypeNumber(nullptr, &type, 0, 2, 0, 1, 0), nullptr);
    EXPECT_EQ(SSSetData(grid, 5, 1, u"x"), 0);   // beyond the columns
}

TEST_F(SpreadWindowTest, APictureShowsTheFilledSheet) {
    SSSetColWidth(grid, 0, 3);
    SSSetData(grid, 1, kHeaderIndex, u"Item");
    SSSetData(grid, 2, kHeaderIndex, u"Use");
    SSSetData(grid, 3, kHeaderIndex, u"Qty");
    SSSetData(grid, 4, kHeaderIndex, u"");
    SSCellType check, button, combo;
    SSSetTypeCheckBox(grid, &check, 0x300, u"", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    SSSetCellTypeRange(grid, 2, 1, 2, -1, &check);
    SSSetTypeButton(grid, &button, 0, u"...", 0, 0, 0, 0, 0, 1, nullptr);
    SSSetCellTypeRange(grid, 4, 1, 4, -1, &button);
    SSSetTypeComboBox(grid, &combo, 0x100000, u"M16\tM20");
    SSSetCellType(grid, 1, 3, &combo);
    const char16_t* items[] = {u"Bolt M16", u"Plate 10", u"M16", u"Washer", u"Nut M20"};
    for (int row = 1; row <= 5; ++row) {
        SSSetData(grid, 1, row, items[row - 1]);
        SSSetData(grid, 2, row, row % 2 ? u"1" : u"0");
        SSSetData(grid, 3, row, std::u16string(1, char16_t(u'0' + row)).c_str());
    }
    SSAddCellSpan(grid, 1, 6, 3, 1);
    SSSetData(grid, 1, 6, u"Merged over three columns");
    SSSetColor(grid, 3, 2, 0x0000FFFF, 0x000000FF);
    SSSetSelectBlock(grid, 1, 4, 3, 5);
    TempFolder folder;
    std::u16string error;
    ASSERT_TRUE(ui::writeWindowPng(dialog, folder.path() / "grid.png", error)) << os::toUtf8(error);
    if (const char* keep = std::getenv("SS_KEEP_PICTURES"))
        ui::writeWindowPng(dialog, std::filesystem::path(keep) / "grid-dialog.png", error);

    const ui::Canvas picture = ui::renderWindow(dialog);
    const ui::Point origin = dialog.screenToClient(grid->clientToScreen(ui::Point{0, 0}));
    const ui::Insets frame = dialog.nonClientInsets();
    auto at = [&](ui::Point p) { return picture.pixel(frame.left + origin.x + p.x, frame.top + origin.y + p.y); };
    // Headers in the button face, the coloured cell in its colour, the selection in the selection colour.
    EXPECT_EQ(at({spread->cellRect(3, 0).left + 1, 2}), ui::colors::buttonFace);
    const ui::Rect coloured = spread->cellRect(3, 2);
    EXPECT_EQ(at({coloured.left + 1, coloured.top + 1}), ui::Color(0x0000FFFF));
    const ui::Rect selected = spread->cellRect(2, 5);
    EXPECT_EQ(at({selected.right - 3, selected.top + 2}), ui::Color(0x006A240A));
    // The merged cell is one cell: no grid line between its columns.
    const ui::Rect merged = spread->cellRect(1, 6);
    EXPECT_EQ(merged.width(), spread->cellRect(1, 1).width() * 3);
    EXPECT_EQ(at({spread->cellRect(1, 1).right - 1, merged.top + 3}), ui::colors::white);
}

// A cell being edited when rows or columns are inserted, deleted or moved keeps what was typed: the editor is
// closed first, so the text lands in the cell it was typed into and moves with it.
TEST_F(SpreadWindowTest, StructureChangesCloseTheEditorIntoItsOwnCell) {
    SSSetData(grid, 2, 4, u"below");
    ASSERT_TRUE(robot.clickAt(*grid, centre(2, 3)));
    ASSERT_TRUE(robot.type(*grid, u"42"));
    ASSERT_EQ(SSGetEditMode(grid), 1);
    ASSERT_EQ(SSDelRow(grid, 1), 1);
    EXPECT_EQ(SSGetEditMode(grid), 0);
    EXPECT_EQ(data(2, 2), u"42");
    EXPECT_EQ(data(2, 3), u"below");

    SSSetActiveCell(grid, 3, 1);
    ASSERT_TRUE(robot.type(*grid, u"7"));
    ASSERT_EQ(SSInsCol(grid, 1), 1);
    EXPECT_EQ(SSGetEditMode(grid), 0);
    EXPECT_EQ(data(4, 1), u"7");

    SSSetActiveCell(grid, 1, 1);
    ASSERT_TRUE(robot.type(*grid, u"x"));
    ASSERT_EQ(SSSetMaxRows(grid, 3), 1);
    EXPECT_EQ(SSGetEditMode(grid), 0);
    EXPECT_EQ(data(1, 1), u"x");

    // New contents leave nothing typed before them behind.
    ASSERT_TRUE(robot.type(*grid, u"y"));
    ASSERT_EQ(SSReset(grid), 1);
    EXPECT_EQ(SSGetEditMode(grid), 0);
    SSSetMaxCols(grid, 4);
    SSSetMaxRows(grid, 6);
    EXPECT_EQ(data(1, 1), u"");
}
