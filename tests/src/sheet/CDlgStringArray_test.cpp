// The table editor run by startGridDialog: what it shows, adding and removing rows, editing cells, OK and
// Cancel, the Add and Remove flag, its size key and its layout when resized.
#include "support/frameTestSupport.h"

#include "support/TempFolder.h"

#include "SS/SSExports.h"
#include "grid/Sheet.h"
#include "nuvo/DlgSizeStore.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgStringArray.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>

namespace {

using ui::test::centre;

Ork_StringArray texts(std::initializer_list<const char16_t*> list) {
    Ork_StringArray a;
    for (const char16_t* t : list)
        a.append(t);
    return a;
}

class StringArray : public frametest::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        DlgSizeStore::useFile(m_folder.folder() + u"sizes.txt");
        m_rows.append(texts({u"M16", u"8.8"}));
        m_rows.append(texts({u"M20", u"10.9"}));
        m_rows.append(texts({u"M24", u"8.8"}));
    }
    // startGridDialog on the bolt table with `drive` acting in the live dialog.
    bool run(const std::function<void(CDlgStringArray&)>& drive, bool addRemove = true,
             const Ork_String& sizeKey = u"", const Ork_StringArray& rowNames = {}) {
        ui::Script script;
        script.onModal(IDD_STRING_ARRAY, [&](ui::Dialog& d) { drive(dynamic_cast<CDlgStringArray&>(d)); });
        const bool accepted = startGridDialog(texts({u"Size", u"Grade"}), rowNames, m_rows, addRemove, sizeKey, u"Bolts");
        EXPECT_EQ(script.remaining(), 0);
        return accepted;
    }
    static Ork_String cell(Ork_Spread& g, int col, int row) {
        Ork_String t;
        g.getCellText(col, row, t, 0);
        return t;
    }
    static std::array<long, 2> active(Ork_Spread& g) {
        long c = 0, r = 0;
        g.ssGetActiveCell(c, r);
        return {c, r};
    }
    void clickCell(Ork_Spread& g, int col, int row) { m_robot.clickAt(g, centre(g.cellRect(col, row))); }

    TempFolder m_folder;
    ui::Robot m_robot;
    Ork_Array<Ork_StringArray> m_rows;
};

TEST_F(StringArray, ShowsTheRowsUnderTheColumnNames) {
    EXPECT_FALSE(run([&](CDlgStringArray& d) {
        Ork_Spread& g = d.grid();
        EXPECT_EQ(g.getDlgCtrlID(), IDC_FRAME_GRID);
        EXPECT_EQ(d.getWindowText(), u"Bolts");
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), dialString(1));
        EXPECT_EQ(d.getDlgItemText(ui::IDCANCEL), dialString(2));
        EXPECT_EQ(d.getDlgItemText(IDC_STRING_ARRAY_ADD), dialString(606));
        EXPECT_EQ(d.getDlgItemText(IDC_STRING_ARRAY_REMOVE), dialString(607));
        EXPECT_TRUE(d.getDlgItem(IDC_STRING_ARRAY_ADD)->isWindowVisible());
        EXPECT_TRUE(d.getDlgItem(IDC_STRING_ARRAY_REMOVE)->isWindowVisible());
        ASSERT_EQ(g.getMaxCols(), 2);
        ASSERT_EQ(g.getMaxRows(), 3);
        Ork_StringArray headers;
        g.getColumnHeaderTexts(headers);
        EXPECT_EQ(headers, texts({u"Size", u"Grade"}));
        EXPECT_EQ(cell(g, 1, 2), u"M20");
        EXPECT_EQ(cell(g, 2, 3), u"8.8");
        EXPECT_FALSE(g.ssGetBool(grid::kSwitchRowHeaders));   // no row names
        for (int on : {25, 21, 13, 32, 18, 0, 11, 22})
            EXPECT_TRUE(g.ssGetBool(on)) << on;
        for (int off : {12, 7, 26, 10})
            EXPECT_FALSE(g.ssGetBool(off)) << off;
        EXPECT_TRUE(g.ssGetBool(grid::kSwitchRepaint));
        EXPECT_EQ(g.fitMode(), 1);
        int first = 0, second = 0;
        g.ssGetColWidthInPixels(1, first);
        g.ssGetColWidthInPixels(2, second);
        EXPECT_NEAR(first, second, 1);   // equal columns
        EXPECT_TRUE(g.cellFont(1, Ork_Spread::kHeader).isBold());
        EXPECT_EQ(g.cellFont(2, 3).face, u"Tahoma");
        EXPECT_FALSE(g.cellFont(2, 3).isBold());
        grid::CellType type;
        ASSERT_TRUE(g.ssGetCellType(2, 3, type));
        EXPECT_EQ(type.maxLength, CDlgStringArray::kMinTextLength);
        m_robot.click(d, ui::IDCANCEL);
    }));
}

TEST_F(StringArray, RowNamesShowAsRowHeaders) {
    run(
        [&](CDlgStringArray& d) {
            EXPECT_TRUE(d.grid().ssGetBool(grid::kSwitchRowHeaders));
            EXPECT_EQ(cell(d.grid(), Ork_Spread::kHeader, 2), u"second");
            m_robot.click(d, ui::IDCANCEL);
        },
        false, u"", texts({u"first", u"second", u"third"}));
}

TEST_F(StringArray, AddInsertsARowBelowTheActiveCell) {
    EXPECT_TRUE(run([&](CDlgStringArray& d) {
        Ork_Spread& g = d.grid();
        clickCell(g, 2, 1);
        m_robot.click(d, IDC_STRING_ARRAY_ADD);
        ASSERT_EQ(g.getMaxRows(), 4);
        EXPECT_EQ(active(g), (std::array{2L, 2L}));
        EXPECT_EQ(cell(g, 1, 2), u"");
        EXPECT_EQ(cell(g, 1, 3), u"M20");
        EXPECT_EQ(g.cellFont(1, 2).face, u"Tahoma");
        EXPECT_EQ(g.cellFont(1, 2).height, 15);
        EXPECT_FALSE(g.cellFont(1, 2).isBold());
        m_robot.type(g, u"M18");   // straight into the new row's active cell
        m_robot.key(ui::VK_RETURN);
        m_robot.click(d, ui::IDOK);
    }));
    ASSERT_EQ(m_rows.length(), 4);
    EXPECT_EQ(m_rows[1], texts({u"", u"M18"}));
    EXPECT_EQ(m_rows[2], texts({u"M20", u"10.9"}));
}

TEST_F(StringArray, AddOnAnEmptyTableMakesTheFirstRow) {
    m_rows.removeAll();
    EXPECT_TRUE(run([&](CDlgStringArray& d) {
        EXPECT_EQ(d.grid().getMaxRows(), 0);
        m_robot.click(d, IDC_STRING_ARRAY_ADD);
        EXPECT_EQ(d.grid().getMaxRows(), 1);
        EXPECT_EQ(active(d.grid()), (std::array{1L, 1L}));
        m_robot.click(d, ui::IDOK);
    }));
    ASSERT_EQ(m_rows.length(), 1);
    EXPECT_EQ(m_rows[0], texts({u"", u""}));
}

TEST_F(StringArray, RemoveDeletesTheActiveRowAndSelectsTheCellNowThere) {
    EXPECT_TRUE(run([&](CDlgStringArray& d) {
        Ork_Spread& g = d.grid();
        clickCell(g, 1, 2);
        m_robot.click(d, IDC_STRING_ARRAY_REMOVE);
        ASSERT_EQ(g.getMaxRows(), 2);
        EXPECT_EQ(active(g), (std::array{1L, 2L}));
        EXPECT_EQ(cell(g, 1, 2), u"M24");
        EXPECT_TRUE(g.ssGetEditMode());
        int start = -1, end = -1;
        g.getEditSelection(start, end);
        EXPECT_EQ((std::array{start, end}), (std::array{0, 3}));
        m_robot.click(d, IDC_STRING_ARRAY_REMOVE);   // the last row: the cell above takes its place
        EXPECT_EQ(g.getMaxRows(), 1);
        EXPECT_EQ(active(g), (std::array{1L, 1L}));
        m_robot.click(d, IDC_STRING_ARRAY_REMOVE);
        EXPECT_EQ(g.getMaxRows(), 0);
        m_robot.click(d, IDC_STRING_ARRAY_REMOVE);   // nothing left to remove
        EXPECT_EQ(g.getMaxRows(), 0);
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_rows.length(), 0);
}

TEST_F(StringArray, RemovingTheRowBeingEditedLeavesTheNextRowAlone) {
    EXPECT_TRUE(run([&](CDlgStringArray& d) {
        clickCell(d.grid(), 1, 2);
        m_robot.type(d.grid(), u"typed");   // the editor is still open on row 2
        m_robot.click(d, IDC_STRING_ARRAY_REMOVE);
        m_robot.click(d, ui::IDOK);
    }));
    ASSERT_EQ(m_rows.length(), 2);
    EXPECT_EQ(m_rows[1], texts({u"M24", u"8.8"}));
}

TEST_F(StringArray, OkKeepsATextStillBeingTyped) {
    EXPECT_TRUE(run([&](CDlgStringArray& d) {
        clickCell(d.grid(), 2, 1);
        m_robot.type(d.grid(), u"10.9");   // no Enter: the editor is still open
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_rows[0], texts({u"M16", u"10.9"}));
}

TEST_F(StringArray, CancelKeepsTheRows) {
    EXPECT_FALSE(run([&](CDlgStringArray& d) {
        clickCell(d.grid(), 1, 1);
        m_robot.click(d, IDC_STRING_ARRAY_REMOVE);
        m_robot.click(d, ui::IDCANCEL);
    }));
    ASSERT_EQ(m_rows.length(), 3);
    EXPECT_EQ(m_rows[0], texts({u"M16", u"8.8"}));
}

TEST_F(StringArray, WithoutTheFlagAddAndRemoveAreHidden) {
    EXPECT_FALSE(run(
        [&](CDlgStringArray& d) {
            EXPECT_FALSE(d.getDlgItem(IDC_STRING_ARRAY_ADD)->isWindowVisible());
            EXPECT_FALSE(d.getDlgItem(IDC_STRING_ARRAY_REMOVE)->isWindowVisible());
            // A click that reaches the dialog anyway adds nothing.
            d.sendMessage(ui::WM_COMMAND, ui::makeWParam(IDC_STRING_ARRAY_ADD, ui::BN_CLICKED), 0);
            EXPECT_EQ(d.grid().getMaxRows(), 3);
            m_robot.click(d, ui::IDCANCEL);
        },
        false));
}

TEST_F(StringArray, WithoutColumnNamesNothingIsShown) {
    ui::Script script;   // any dialog would be unexpected
    EXPECT_FALSE(startGridDialog({}, {}, m_rows, true, u"", u"Bolts"));
    EXPECT_EQ(m_rows.length(), 3);
    EXPECT_TRUE(script.log().empty());
}

TEST_F(StringArray, ALongTextCanBeEditedWithoutBeingCut) {
    const Ork_String longText(std::u16string(250, u'a'));
    m_rows[1][1] = longText;
    EXPECT_TRUE(run([&](CDlgStringArray& d) {
        Ork_Spread& g = d.grid();
        EXPECT_EQ(d.textLength(), 250);
        grid::CellType type;
        ASSERT_TRUE(g.ssGetCellType(1, 1, type));
        EXPECT_EQ(type.maxLength, 250);
        clickCell(g, 2, 2);
        ASSERT_TRUE(g.ssSetEditMode(true));
        g.ssSetEditSel(249, 250);
        m_robot.type(g, u"b");
        m_robot.key(ui::VK_RETURN);
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(m_rows[1][1], Ork_String(std::u16string(249, u'a')) + u"b");
}

TEST_F(StringArray, TheSizeIsKeptUnderTheDefaultKey) {
    ASSERT_TRUE(DlgSizeStore::instance().set(u"DLG_SS_STRINGARRAY", 600, 400));
    run([&](CDlgStringArray& d) {
        EXPECT_EQ(d.m_sizeKey, u"DLG_SS_STRINGARRAY");
        EXPECT_EQ(d.getWindowRect().width(), 600);
        EXPECT_EQ(d.getWindowRect().height(), 400);
        m_robot.resize(d, 640, 420);
        m_robot.click(d, ui::IDCANCEL);
    });
    int width = 0, height = 0;
    ASSERT_TRUE(DlgSizeStore::instance().get(u"DLG_SS_STRINGARRAY", width, height));
    EXPECT_EQ((std::array{width, height}), (std::array{640, 420}));

    run([&](CDlgStringArray& d) { m_robot.click(d, ui::IDOK); }, true, u"BOLT_TABLE");
    EXPECT_TRUE(DlgSizeStore::instance().get(u"BOLT_TABLE", width, height));
}

TEST_F(StringArray, ResizingStretchesTheGridAndMovesTheButtons) {
    run([&](CDlgStringArray& d) {
        const ui::Rect first = d.getWindowRect();
        const ui::Rect grid = d.grid().getRectInParent();
        const ui::Rect ok = d.getDlgItem(ui::IDOK)->getRectInParent();
        const ui::Rect add = d.getDlgItem(IDC_STRING_ARRAY_ADD)->getRectInParent();
        m_robot.resize(d, first.width() + 100, first.height() + 50);
        EXPECT_EQ(d.grid().getRectInParent(), (ui::Rect{grid.left, grid.top, grid.right + 100, grid.bottom + 50}));
        EXPECT_EQ(d.getDlgItem(ui::IDOK)->getRectInParent(), (ui::Rect{ok.left, ok.top + 50, ok.right, ok.bottom + 50}));
        EXPECT_EQ(d.getDlgItem(IDC_STRING_ARRAY_ADD)->getRectInParent(),
                  (ui::Rect{add.left + 100, add.top + 50, add.right + 100, add.bottom + 50}));
        m_robot.resize(d, 50, 50);   // never below the first size
        EXPECT_EQ(d.getWindowRect().width(), first.width());
        EXPECT_EQ(d.getWindowRect().height(), first.height());
        m_robot.click(d, ui::IDCANCEL);
    });
}

} // namespace
