// The sheet options dialog: what it shows of a sheet, texts kept while counts go down and up, counts and
// sizes held to what a grid takes, and what OK and Cancel leave on the sheet.
#include "support/sheetTestSupport.h"

#include "grid/CellAddress.h"
#include "grid/Sheet.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "sheet/CDlgSSOptions.h"
#include "ui/Robot.h"
#include "ui/Script.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using ui::test::centre;

Ork_StringArray texts(std::initializer_list<const char16_t*> list) {
    Ork_StringArray a;
    for (const char16_t* t : list)
        a.append(t);
    return a;
}

class SheetOptions : public sheettest::SheetTest {
protected:
    // A sheet of 5 columns and 3 rows with header texts and header sizes.
    Ork_Spread& sheet() {
        Ork_Spread& g = grid(5, 3);
        g.setColumnHeaderTexts(texts({u"A", u"B", u"C", u"D", u"E"}));
        g.setRowHeaderTexts(texts({u"r1", u"r2", u"r3"}));
        g.ssSetRowHeightInPixels(Ork_Spread::kHeader, 40);
        g.ssSetColWidthInPixels(Ork_Spread::kHeader, 60);
        g.ssSetBool(grid::kSwitchModified, false);
        return g;
    }
    // Runs editSheetOptions with `drive` acting in the live dialog.
    bool edit(const std::function<void(CDlgSSOptions&)>& drive) {
        ui::Script script;
        script.onModal(IDD_SS_OPTIONS, [&](ui::Dialog& d) { drive(dynamic_cast<CDlgSSOptions&>(d)); });
        const bool accepted = editSheetOptions(*m_grid);
        EXPECT_EQ(script.remaining(), 0);
        return accepted;
    }
    static Ork_String cell(Ork_Spread& g, int col, int row) {
        Ork_String t;
        g.getCellText(col, row, t, 3);
        return t;
    }
    static Ork_StringArray rowTexts(Ork_Spread& g) {
        Ork_StringArray a;
        g.getRowTexts(1, a);
        return a;
    }
    static Ork_StringArray columnTexts(Ork_Spread& g) {
        Ork_StringArray a;
        g.getColumnTexts(1, a, 3);
        return a;
    }
    // Types a text into a cell of a grid as a user does: click, type, Enter.
    void typeInto(Ork_Spread& g, int col, int row, std::u16string_view text) {
        m_robot.clickAt(g, centre(g.cellRect(col, row)));
        m_robot.type(g, text);
        m_robot.key(ui::VK_RETURN);
    }

    ui::Robot m_robot;
};

TEST_F(SheetOptions, TheDialogShowsTheSheet) {
    sheet();
    EXPECT_FALSE(edit([&](CDlgSSOptions& d) {
        EXPECT_EQ(d.getWindowText(), dialString(1369));
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_COLUMNS_LABEL), dialString(1373));
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_ROWS_LABEL), dialString(1374));
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_HEADER_HEIGHT_LABEL), dialString(1375));
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_HEADER_WIDTH_LABEL), dialString(1376));
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_NOTE), dialString(1370) + u"\n" + dialString(1371));
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_NOTE2), dialString(1372));
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), dialString(1));
        EXPECT_EQ(d.getDlgItemText(ui::IDCANCEL), dialString(2));
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_COLUMNS), u"5");
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_ROWS), u"3");
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_HEADER_HEIGHT), u"40");
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_HEADER_WIDTH), u"60");

        Ork_Spread& columns = d.columnGrid();
        EXPECT_EQ(columns.getDlgCtrlID(), IDC_OPTIONS_COLUMN_GRID);
        EXPECT_EQ(columns.getMaxCols(), 5);
        EXPECT_EQ(columns.getMaxRows(), 1);
        EXPECT_EQ(rowTexts(columns), texts({u"A", u"B", u"C", u"D", u"E"}));
        int height = 0;
        columns.ssGetRowHeightInPixels(1, height);
        EXPECT_EQ(height, 40);
        EXPECT_TRUE(columns.ssGetBool(10));
        EXPECT_FALSE(columns.ssGetBool(11) || columns.ssGetBool(3) || columns.ssGetBool(4));

        Ork_Spread& rows = d.rowGrid();
        EXPECT_EQ(rows.getDlgCtrlID(), IDC_OPTIONS_ROW_GRID);
        EXPECT_EQ(rows.getMaxCols(), 1);
        EXPECT_EQ(rows.getMaxRows(), 3);
        EXPECT_EQ(columnTexts(rows), texts({u"r1", u"r2", u"r3"}));
        int width = 0;
        rows.ssGetColWidthInPixels(1, width);
        EXPECT_EQ(width, 60);
        EXPECT_TRUE(rows.ssGetBool(11));
        EXPECT_FALSE(rows.ssGetBool(10) || rows.ssGetBool(3) || rows.ssGetBool(4));
        m_robot.click(d, ui::IDCANCEL);
    }));
}

TEST_F(SheetOptions, DroppedTextsComeBackWhenTheCountGoesUpAgain) {
    sheet();
    edit([&](CDlgSSOptions& d) {
        typeInto(d.columnGrid(), 4, 1, u"D2");   // an edited text is kept as edited
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"3");
        EXPECT_EQ(d.columnGrid().getMaxCols(), 3);
        EXPECT_EQ(rowTexts(d.columnGrid()), texts({u"A", u"B", u"C"}));
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"5");
        EXPECT_EQ(rowTexts(d.columnGrid()), texts({u"A", u"B", u"C", u"D2", u"E"}));

        m_robot.replaceTextOf(d, IDC_OPTIONS_ROWS, u"1");
        EXPECT_EQ(columnTexts(d.rowGrid()), texts({u"r1"}));
        m_robot.replaceTextOf(d, IDC_OPTIONS_ROWS, u"4");
        EXPECT_EQ(columnTexts(d.rowGrid()), texts({u"r1", u"r2", u"r3", u""}));
        m_robot.click(d, ui::IDCANCEL);
    });
}

TEST_F(SheetOptions, AnEmptiedTextStaysEmptyWhenTheCountGoesUpAgain) {
    sheet();
    edit([&](CDlgSSOptions& d) {
        d.columnGrid().ssSetData(5, 1, u"");   // as a user clearing the last header text
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"2");
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"5");
        EXPECT_EQ(rowTexts(d.columnGrid()), texts({u"A", u"B", u"C", u"D", u""}));
        m_robot.click(d, ui::IDCANCEL);
    });
}

TEST_F(SheetOptions, SizesResizeTheListsAtOnce) {
    sheet();
    edit([&](CDlgSSOptions& d) {
        m_robot.replaceTextOf(d, IDC_OPTIONS_HEADER_HEIGHT, u"28");
        m_robot.replaceTextOf(d, IDC_OPTIONS_HEADER_WIDTH, u"90");
        int height = 0, width = 0;
        d.columnGrid().ssGetRowHeightInPixels(1, height);
        d.rowGrid().ssGetColWidthInPixels(1, width);
        EXPECT_EQ(height, 28);
        EXPECT_EQ(width, 90);
        m_robot.click(d, ui::IDCANCEL);
    });
}

TEST_F(SheetOptions, CountsAndSizesAreHeldToWhatAGridTakes) {
    sheet();
    edit([&](CDlgSSOptions& d) {
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"99999999999");
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_COLUMNS), u"32000");
        EXPECT_EQ(d.m_columns, grid::kMaxCols);
        EXPECT_EQ(d.columnGrid().getMaxCols(), grid::kMaxCols);
        d.setDlgItemText(IDC_OPTIONS_ROWS, u"4294967297");   // would wrap round to 1 as an int
        EXPECT_EQ(d.m_rows, 65536);
        EXPECT_EQ(d.rowGrid().getMaxRows(), 65536);
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_ROWS), u"65536");
        m_robot.replaceTextOf(d, IDC_OPTIONS_ROWS, u"-2");
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_ROWS), u"0");
        EXPECT_EQ(d.rowGrid().getMaxRows(), 0);
        m_robot.replaceTextOf(d, IDC_OPTIONS_ROWS, u"3");   // the texts survived the round trip
        EXPECT_EQ(columnTexts(d.rowGrid()), texts({u"r1", u"r2", u"r3"}));
        m_robot.replaceTextOf(d, IDC_OPTIONS_HEADER_HEIGHT, u"123456");
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_HEADER_HEIGHT), u"10000");
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"");   // a field being retyped counts as 0
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_COLUMNS), u"");
        EXPECT_EQ(d.columnGrid().getMaxCols(), 0);
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"5");
        EXPECT_EQ(rowTexts(d.columnGrid()), texts({u"A", u"B", u"C", u"D", u"E"}));
        m_robot.click(d, ui::IDCANCEL);
    });
}

TEST_F(SheetOptions, ASheetWithMoreRowsKeepsThemAll) {
    Ork_Spread& g = grid(1, 1);
    g.ssSetMaxRows(70000);
    EXPECT_FALSE(edit([&](CDlgSSOptions& d) {
        EXPECT_EQ(d.maxRows(), 70000);
        d.setDlgItemText(IDC_OPTIONS_ROWS, u"80000");
        EXPECT_EQ(d.getDlgItemText(IDC_OPTIONS_ROWS), u"70000");
        m_robot.click(d, ui::IDCANCEL);
    }));
    EXPECT_EQ(g.getMaxRows(), 70000);
}

TEST_F(SheetOptions, OkAppliesCountsSizesAndTexts) {
    Ork_Spread& g = sheet();
    g.ssSetData(5, 3, u"corner value");
    EXPECT_TRUE(edit([&](CDlgSSOptions& d) {
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"4");
        m_robot.replaceTextOf(d, IDC_OPTIONS_ROWS, u"5");
        m_robot.replaceTextOf(d, IDC_OPTIONS_HEADER_HEIGHT, u"32");
        m_robot.replaceTextOf(d, IDC_OPTIONS_HEADER_WIDTH, u"84");
        typeInto(d.columnGrid(), 1, 1, u"Length");
        typeInto(d.rowGrid(), 1, 5, u"r5");
        d.rowGrid().ssSetData(1, 2, u"");   // as a user clearing a text
        m_robot.click(d, ui::IDOK);
    }));
    EXPECT_EQ(g.getMaxCols(), 4);
    EXPECT_EQ(g.getMaxRows(), 5);
    int height = 0, width = 0;
    g.ssGetRowHeightInPixels(Ork_Spread::kHeader, height);
    g.ssGetColWidthInPixels(Ork_Spread::kHeader, width);
    EXPECT_EQ(height, 32);
    EXPECT_EQ(width, 84);
    Ork_StringArray headers;
    g.getColumnHeaderTexts(headers);
    EXPECT_EQ(headers, texts({u"Length", u"B", u"C", u"D"}));
    EXPECT_EQ(cell(g, 0, 1), u"r1");
    EXPECT_EQ(cell(g, 0, 2), u"2");   // without a text of its own the header shows its number
    EXPECT_EQ(cell(g, 0, 3), u"r3");
    EXPECT_EQ(cell(g, 0, 5), u"r5");
    EXPECT_TRUE(g.ssGetBool(grid::kSwitchModified));
}

TEST_F(SheetOptions, HeadersWithoutATextOfTheirOwnKeepShowingTheirNumbers) {
    Ork_Spread& g = grid(2, 3);
    EXPECT_TRUE(edit([&](CDlgSSOptions& d) {
        EXPECT_EQ(rowTexts(d.columnGrid()), texts({u"A", u"B"}));
        m_robot.click(d, ui::IDOK);
    }));
    ASSERT_TRUE(g.insertRowAt(1, false, false));
    EXPECT_EQ(cell(g, 0, 1), u"1");
    EXPECT_EQ(cell(g, 0, 2), u"2");
    EXPECT_EQ(cell(g, 0, 4), u"4");
}

TEST_F(SheetOptions, CancelChangesNothing) {
    Ork_Spread& g = sheet();
    EXPECT_FALSE(edit([&](CDlgSSOptions& d) {
        m_robot.replaceTextOf(d, IDC_OPTIONS_COLUMNS, u"2");
        m_robot.replaceTextOf(d, IDC_OPTIONS_ROWS, u"9");
        m_robot.replaceTextOf(d, IDC_OPTIONS_HEADER_HEIGHT, u"80");
        typeInto(d.rowGrid(), 1, 1, u"changed");
        m_robot.click(d, ui::IDCANCEL);
    }));
    EXPECT_EQ(g.getMaxCols(), 5);
    EXPECT_EQ(g.getMaxRows(), 3);
    int height = 0;
    g.ssGetRowHeightInPixels(Ork_Spread::kHeader, height);
    EXPECT_EQ(height, 40);
    EXPECT_EQ(cell(g, 0, 1), u"r1");
    EXPECT_FALSE(g.ssGetBool(grid::kSwitchModified));
}

TEST_F(SheetOptions, AGridThatDoesNotExistShowsNothing) {
    ui::Script script;   // any dialog would be unexpected
    EXPECT_FALSE(editSheetOptions(*m_grid));
    EXPECT_TRUE(script.log().empty());
}

} // namespace
