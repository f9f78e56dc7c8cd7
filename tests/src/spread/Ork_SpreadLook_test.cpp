// The standard look, fonts and text tips, automatic sizing and the fit modes.
#include "support/sheetTestSupport.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using sheettest::SheetTest;

// ---- Standard look

using StandardLook = SheetTest;

TEST_F(StandardLook, ModeOneIsForReadingModeZeroForEditing) {
    Ork_Spread& g = grid();
    ASSERT_TRUE(g.setStandardLook(1));
    EXPECT_TRUE(g.ssGetBool(13));
    EXPECT_FALSE(g.ssGetBool(10));
    EXPECT_TRUE(g.ssGetBool(8));
    EXPECT_FALSE(g.ssGetBool(7));
    EXPECT_FALSE(g.ssGetBool(12));
    EXPECT_TRUE(g.ssGetBool(4));
    EXPECT_TRUE(g.ssGetBool(18));
    EXPECT_EQ(g.ssGetInteger(1), -1);
    ui::Color back = 0, fore = 0;
    ASSERT_TRUE(g.ssGetSelColor(back, fore));
    EXPECT_EQ(back, ui::rgb(10, 36, 106));
    EXPECT_EQ(fore, ui::rgb(255, 255, 255));
    ASSERT_TRUE(g.setStandardLook(0));
    EXPECT_FALSE(g.ssGetBool(13));
    EXPECT_TRUE(g.ssGetBool(10));
}

// ---- Fonts and tips

using Fonts = SheetTest;

TEST_F(Fonts, ResetGivesBoldHeadersAndPlainCells) {
    Ork_Spread& g = grid(2, 2);
    g.setFontFace(u"Arial");
    g.setFontHeight(12);
    ASSERT_TRUE(g.resetFonts(false));
    EXPECT_EQ(*g.sheet().font(1, 0), (grid::Font{u"Arial", 12, true}));
    EXPECT_EQ(*g.sheet().font(0, 2), (grid::Font{u"Arial", 12, true}));
    EXPECT_EQ(*g.sheet().font(2, 2), (grid::Font{u"Arial", 12, false}));
}

TEST_F(Fonts, TipsTakeTheFontAndKeepTheirColours) {
    Ork_Spread& g = grid(2, 2);
    grid::Font old{u"Old", 9, false};
    g.ssSetTextTip(0, 700, old, 0x123456, 0x654321);
    ASSERT_TRUE(g.setFontRange(1, 1, 2, 2, u"Verdana", 11, true, true));
    int status = 0;
    long delay = 0;
    grid::Font font;
    ui::Color back = 0, fore = 0;
    ASSERT_TRUE(g.ssGetTextTip(status, delay, font, back, fore));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(delay, 0);
    EXPECT_EQ(font, (grid::Font{u"Verdana", 11, true}));
    EXPECT_EQ(back, 0x123456u);
    EXPECT_EQ(fore, 0x654321u);
}

TEST_F(Fonts, RowAndColumnFormatting) {
    Ork_Spread& g = grid(2, 2);
    ASSERT_TRUE(g.formatColumnFonts(2, false));
    EXPECT_FALSE(g.formatColumnFonts(3, true));
    EXPECT_FALSE(g.formatRowFonts(0, true));
    EXPECT_FALSE(g.sheet().font(2, 1)->bold);
}

// ---- Automatic sizing

using AutoSize = SheetTest;

double cellWidth(Ork_Spread& g, int col, int row) {
    double w = 0, h = 0;
    g.ssGetMaxTextCellSize(col, row, w, h);
    return w;
}

TEST_F(AutoSize, ColumnTakesItsWidestCellAndSkipsListsOnRequest) {
    Ork_Spread& g = grid(1, 2);
    g.ssSetData(1, 1, u"ab");
    g.ssSetData(1, 2, u"a much longer text in a list");
    g.setListCell(1, 2, {u"a much longer text in a list"}, false);
    ASSERT_TRUE(g.autoFitColumn(1, true));
    double skipped = 0, all = 0;
    g.ssGetColWidth(1, skipped);
    ASSERT_TRUE(g.autoFitColumn(1, false));
    g.ssGetColWidth(1, all);
    EXPECT_DOUBLE_EQ(all, cellWidth(g, 1, 2));
    EXPECT_DOUBLE_EQ(skipped, std::max(cellWidth(g, 1, 1), cellWidth(g, 1, Ork_Spread::kHeader)));
    EXPECT_LT(skipped, all);
}

TEST_F(AutoSize, RowTakesItsTallestCell) {
    Ork_Spread& g = grid(2, 1);
    g.ssSetData(2, 1, u"one\ntwo\nthree");
    ASSERT_TRUE(g.autoFitRow(1));
    double height = 0, w = 0, tallest = 0;
    g.ssGetRowHeight(1, height);
    g.ssGetMaxTextCellSize(2, 1, w, tallest);
    EXPECT_DOUBLE_EQ(height, tallest);
}

TEST_F(AutoSize, FitLastColumnFillsTheClientWidth) {
    Ork_Spread& g = grid(3, 2);
    g.ssSetBool(4, true);
    ASSERT_TRUE(g.fitLastColumn(3));
    EXPECT_EQ(g.getTotalColumnWidthPx(), 300);
    g.ssSetColWidthInPixels(1, 400);
    EXPECT_FALSE(g.fitLastColumn(3));   // nothing left to give
}

// ---- Fit modes: the grid's client area is 300 pixels wide, with room for every row

class FitModes : public SheetTest {
protected:
    Ork_Spread& fitGrid(bool headers) {
        Ork_Spread& g = grid(3, 4);
        g.ssSetBool(4, headers);
        int v = -1, h = -1;
        g.ssGetScrollBarSize(v, h);
        EXPECT_EQ(v, 0);
        return g;
    }
    std::array<int, 4> widths() {
        std::array<int, 4> w{};
        for (int c = 0; c < 4; ++c)
            m_grid->ssGetColWidthInPixels(c, w[static_cast<std::size_t>(c)]);
        return w;   // header, 1, 2, 3
    }
};

TEST_F(FitModes, EqualColumnsCountTheHeaderWhenShown) {
    Ork_Spread& g = fitGrid(true);
    g.setFitMode(1);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths(), (std::array{75, 75, 75, 75}));
    g.ssSetBool(4, false);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths()[1], 100);
    EXPECT_EQ(widths()[3], 100);
}

TEST_F(FitModes, ResizeReappliesTheMode) {
    Ork_Spread& g = fitGrid(false);
    g.setFitMode(1);
    g.moveWindow(10, 10, 360, 200);
    EXPECT_EQ(widths()[2], 120);
}

TEST_F(FitModes, PercentageForTheFirstColumns) {
    Ork_Spread& g = fitGrid(true);
    g.setFitMode(3, 1, 50);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths(), (std::array{50, 150, 50, 50}));
}

TEST_F(FitModes, PercentageForTheLastColumns) {
    Ork_Spread& g = fitGrid(false);
    g.setFitMode(3, -1, 50);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths()[3], 150);
    EXPECT_EQ(widths()[1], 75);
    EXPECT_EQ(widths()[2], 75);
}

TEST_F(FitModes, PercentageOfMoreColumnsThanThereAreIsClamped) {
    Ork_Spread& g = fitGrid(true);
    g.setFitMode(3, 5, 30);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths(), (std::array{210, 30, 30, 30}));
    g.ssSetBool(4, false);
    g.setFitMode(3, -7, 90);
    ASSERT_TRUE(g.applyFitMode());   // nothing left to share: no division by zero
    EXPECT_EQ(widths()[1], 90);
}

TEST_F(FitModes, OneFixedColumn) {
    Ork_Spread& g = fitGrid(true);
    g.setFitMode(4, 2, 100);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths(), (std::array{66, 66, 100, 66}));
    g.setFitMode(4, Ork_Spread::kHeader, 40);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths(), (std::array{40, 86, 86, 86}));
    g.ssSetBool(4, false);
    g.setFitMode(4, 2, 100);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths()[1], 100);
    EXPECT_EQ(widths()[3], 100);
}

TEST_F(FitModes, FixedColumnWiderThanTheGridLeavesNoNegativeWidths) {
    Ork_Spread& g = fitGrid(false);
    g.setFitMode(4, 1, 500);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths()[1], 500);
    EXPECT_EQ(widths()[2], 0);
}

TEST_F(FitModes, ListedColumns) {
    Ork_Spread& g = fitGrid(true);
    Ork_Array<int> columns, pixels;
    columns.append(1);
    pixels.append(120);
    pixels.append(999);   // unpaired: ignored
    g.setFitColumns(5, columns, pixels);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths(), (std::array{60, 120, 60, 60}));
}

TEST_F(FitModes, ListedColumnsWithoutHeadersReachTheLastColumn) {
    Ork_Spread& g = fitGrid(false);
    Ork_Array<int> columns, pixels;
    columns.append(1);
    pixels.append(120);
    g.setFitColumns(5, columns, pixels);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths()[2], 90);
    EXPECT_EQ(widths()[3], 90);
}

TEST_F(FitModes, StaticHeadersAndRowHeights) {
    Ork_Spread& g = fitGrid(true);
    g.ssSetData(1, 2, u"two\nlines");
    g.setFitMode(2);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(g.getCellTypeCode(1, Ork_Spread::kHeader), 5);
    EXPECT_EQ(g.getCellTypeCode(Ork_Spread::kHeader, 1), 5);
    double h1 = 0, h2 = 0;
    g.ssGetRowHeight(1, h1);
    g.ssGetRowHeight(2, h2);
    EXPECT_LT(h1, h2);
}

TEST_F(FitModes, ModeZeroDoesNothing) {
    Ork_Spread& g = fitGrid(true);
    g.ssSetColWidthInPixels(1, 33);
    EXPECT_FALSE(g.applyFitMode());
    g.moveWindow(10, 10, 200, 200);
    EXPECT_EQ(widths()[1], 33);
}

TEST_F(FitModes, TheVerticalScrollBarIsLeftOut) {
    Ork_Spread& g = grid(3, 100);
    g.ssSetBool(4, false);
    int v = 0, h = 0;
    g.ssGetScrollBarSize(v, h);
    ASSERT_GT(v, 0);
    g.setFitMode(1);
    ASSERT_TRUE(g.applyFitMode());
    EXPECT_EQ(widths()[1], (300 - v) / 3);
}

} // namespace
