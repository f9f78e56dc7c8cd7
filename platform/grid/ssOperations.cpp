#include "grid/ssOperations.h"

#include <algorithm>
#include <cstring>

#include "grid/GridDocument.h"
#include "grid/diagnostics.h"

using grid::Block;
using grid::CellKind;
using grid::SpreadWindow;

namespace {

SpreadWindow* spread(SSWindow w) {
    SpreadWindow* s = SpreadWindow::fromWindow(w);
    return s && s->isWindow() ? s : nullptr;
}

std::u16string_view view(const char16_t* text) {
    return text ? std::u16string_view(text) : std::u16string_view();
}

int copyOut(const std::u16string& text, char16_t* buffer) {
    if (buffer) {
        std::memcpy(buffer, text.data(), text.size() * sizeof(char16_t));
        buffer[text.size()] = 0;
    }
    return int(text.size());
}

// The window, with its cell editor closed (what was typed kept in its cell): rows and columns are about to
// move, or the contents to be replaced, and an editor left open would write its text into whatever cell then
// sits under it.
SpreadWindow* restructuring(SSWindow w) {
    SpreadWindow* s = spread(w);
    if (s && s->editMode())
        s->setEditMode(false);
    return s;
}

Block block(long col1, long row1, long col2, long row2) { return Block{int(col1), int(row1), int(col2), int(row2)}; }

// A change the grid accepted asks for a repaint (a window picture then shows it).
int changed(SpreadWindow* s, bool ok) {
    if (ok)
        s->invalidate();
    return ok ? 1 : 0;
}

} // namespace

// ---------------------------------------------------------------- properties and look

int SSSetBool(SSWindow grid, short index, int value) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    s->sheet().setSwitch(index, value != 0);
    return changed(s, true);
}

int SSGetBool(SSWindow grid, short index) {
    SpreadWindow* s = spread(grid);
    return s && s->sheet().switchOn(index) ? 1 : 0;
}

int SSSetInteger(SSWindow grid, short index, long value) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    s->sheet().setProperty(index, value);
    return 1;
}

long SSGetInteger(SSWindow grid, short index) {
    SpreadWindow* s = spread(grid);
    return s ? long(s->sheet().property(index)) : 0;
}

namespace {
// Keys of the window's stored settings, one per setter of its own meaning.
enum Setting : int {
    kEnterAction = 1, kOperationMode, kAppearance, kGrayBack, kGrayFore, kLockBack, kLockFore, kBackColorStyle,
    kNoteIndicator, kGridType, kGridColour, kStart1, kStart2, kActionKeys = 100,
};

int store(SSWindow grid, std::initializer_list<std::pair<int, std::int64_t>> values) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    for (auto [key, value] : values)
        s->setSetting(key, value);
    return 1;
}
} // namespace

int SSSetEditEnterAction(SSWindow grid, short action) { return store(grid, {{kEnterAction, action}}); }
int SSSetOperationMode(SSWindow grid, short mode) { return store(grid, {{kOperationMode, mode}}); }
int SSSetAppearance(SSWindow grid, short style) { return store(grid, {{kAppearance, style}}); }
int SSSetActionKey(SSWindow grid, short action, unsigned key1, unsigned key2, short modifier) {
    if (action < 0 || action > 31)
        return 0;
    const int base = kActionKeys + action * 3;
    return store(grid, {{base, key1}, {base + 1, key2}, {base + 2, modifier}});
}
int SSSetGrayAreaColor(SSWindow grid, std::uint32_t back, std::uint32_t fore) {
    return store(grid, {{kGrayBack, back}, {kGrayFore, fore}});
}
int SSSetLockColor(SSWindow grid, std::uint32_t back, std::uint32_t fore) {
    return store(grid, {{kLockBack, back}, {kLockFore, fore}});
}
int SSSetBackColorStyle(SSWindow grid, short style) { return store(grid, {{kBackColorStyle, style}}); }
int SSSetCellNoteIndicator(SSWindow grid, short style) { return store(grid, {{kNoteIndicator, style}}); }
int SSSetGridType(SSWindow grid, short type) { return store(grid, {{kGridType, type}}); }
int SSSetGridColor(SSWindow grid, std::uint32_t colour) { return store(grid, {{kGridColour, colour}}); }
int SSSetStartingNumbers(SSWindow grid, long first, long second) {
    return store(grid, {{kStart1, first}, {kStart2, second}});
}

int SSSetSelColor(SSWindow grid, std::uint32_t back, std::uint32_t fore) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    s->setSelectionColours(back, fore);
    return changed(s, true);
}

int SSGetSelColor(SSWindow grid, std::uint32_t* back, std::uint32_t* fore) {
    SpreadWindow* s = spread(grid);
    if (!s || !back || !fore)
        return 0;
    s->selectionColours(*back, *fore);
    return 1;
}

int SSSetRefStyle(SSWindow grid, short style) {
    SpreadWindow* s = spread(grid);
    if (!s || style < grid::kRefStyleDefault || style > grid::kRefStyleR1C1)
        return 0;
    s->sheet().setRefStyle(style);
    return 1;
}

int SSSetTextTip(SSWindow grid, short status, long delay, const SSFont* font, std::uint32_t back, std::uint32_t fore) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    grid::TextTipSettings tip;
    tip.status = status;
    tip.delay = int(delay);
    tip.font = font ? *font : s->textTip().font;
    tip.back = back;
    tip.fore = fore;
    s->setTextTip(tip);
    return 1;
}

int SSGetTextTip(SSWindow grid, short* status, long* delay, SSFont* font, std::uint32_t* back, std::uint32_t* fore) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    const grid::TextTipSettings& tip = s->textTip();
    if (status)
        *status = short(tip.status);
    if (delay)
        *delay = tip.delay;
    if (font)
        *font = tip.font;
    if (back)
        *back = tip.back;
    if (fore)
        *fore = tip.fore;
    return 1;
}

int SSReset(SSWindow grid) {
    SpreadWindow* s = restructuring(grid);
    if (!s)
        return 0;
    s->reset();
    return 1;
}

// ---------------------------------------------------------------- size and layout

long SSGetMaxCols(SSWindow grid) {
    SpreadWindow* s = spread(grid);
    return s ? s->sheet().maxCols() : -1;
}

int SSSetMaxCols(SSWindow grid, long count) {
    SpreadWindow* s = restructuring(grid);
    return s && count >= 0 && count <= grid::kMaxCols ? changed(s, s->sheet().setMaxCols(int(count))) : 0;
}

long SSGetMaxRows(SSWindow grid) {
    SpreadWindow* s = spread(grid);
    return s ? s->sheet().maxRows() : -1;
}

int SSSetMaxRows(SSWindow grid, long count) {
    SpreadWindow* s = restructuring(grid);
    return s && count >= 0 && count <= grid::kMaxRows ? changed(s, s->sheet().setMaxRows(int(count))) : 0;
}

int SSSetColWidth(SSWindow grid, long col, double width) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setColumnWidth(int(col), width)) : 0;
}

int SSGetColWidth(SSWindow grid, long col, double* width) {
    SpreadWindow* s = spread(grid);
    if (!s || !width)
        return 0;
    *width = s->sheet().columnWidth(int(col));
    return 1;
}

int SSSetRowHeight(SSWindow grid, long row, double height) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setRowHeight(int(row), height)) : 0;
}

int SSGetRowHeight(SSWindow grid, long row, double* height) {
    SpreadWindow* s = spread(grid);
    if (!s || !height)
        return 0;
    *height = s->sheet().rowHeight(int(row));
    return 1;
}

int SSGetColWidthInPixels(SSWindow grid, long col, int* pixels) {
    SpreadWindow* s = spread(grid);
    if (!s || !pixels)
        return 0;
    *pixels = s->sheet().columnWidthPx(int(col));
    return 1;
}

int SSSetColWidthInPixels(SSWindow grid, long col, int pixels) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setColumnWidthPx(int(col), pixels)) : 0;
}

int SSGetRowHeightInPixels(SSWindow grid, long row, int* pixels) {
    SpreadWindow* s = spread(grid);
    if (!s || !pixels)
        return 0;
    *pixels = s->sheet().rowHeightPx(int(row));
    return 1;
}

int SSSetRowHeightInPixels(SSWindow grid, long row, int pixels) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setRowHeightPx(int(row), pixels)) : 0;
}

int SSGetMaxTextCellSize(SSWindow grid, long col, long row, double* width, double* height) {
    SpreadWindow* s = spread(grid);
    double w = 0, h = 0;
    if (!s || !s->maxTextCellSize(int(col), int(row), w, h))
        return 0;
    if (width)
        *width = w;
    if (height)
        *height = h;
    return 1;
}

int SSGetMaxTextColWidth(SSWindow grid, long col, double* width) {
    SpreadWindow* s = spread(grid);
    if (!s || !width)
        return 0;
    *width = s->maxTextColWidth(int(col));
    return 1;
}

int SSGetMaxTextRowHeight(SSWindow grid, long row, double* height) {
    SpreadWindow* s = spread(grid);
    if (!s || !height)
        return 0;
    *height = s->maxTextRowHeight(int(row));
    return 1;
}

int SSGetClientRect(SSWindow grid, ui::Rect* rect) {
    SpreadWindow* s = spread(grid);
    if (!s || !rect)
        return 0;
    *rect = s->getClientRect();
    return 1;
}

int SSGetScrollBarSize(SSWindow grid, int* verticalWidth, int* horizontalHeight) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    int v = 0, h = 0;
    s->scrollBarSizes(v, h);
    if (verticalWidth)
        *verticalWidth = v;
    if (horizontalHeight)
        *horizontalHeight = h;
    return 1;
}

int SSInsRow(SSWindow grid, long row) {
    SpreadWindow* s = restructuring(grid);
    return s && row >= 1 ? changed(s, s->sheet().insertRows(int(row))) : 0;
}

int SSDelRow(SSWindow grid, long row) {
    SpreadWindow* s = restructuring(grid);
    return s && row >= 1 && row <= s->sheet().maxRows() ? changed(s, s->sheet().deleteRows(int(row))) : 0;
}

int SSInsCol(SSWindow grid, long col) {
    SpreadWindow* s = restructuring(grid);
    return s && col >= 1 ? changed(s, s->sheet().insertCols(int(col))) : 0;
}

int SSDelCol(SSWindow grid, long col) {
    SpreadWindow* s = restructuring(grid);
    return s && col >= 1 && col <= s->sheet().maxCols() ? changed(s, s->sheet().deleteCols(int(col))) : 0;
}

int SSCopyRange(SSWindow grid, long col1, long row1, long col2, long row2, long targetCol, long targetRow) {
    SpreadWindow* s = restructuring(grid);
    return s ? changed(s, s->sheet().copyBlock(block(col1, row1, col2, row2), int(targetCol), int(targetRow))) : 0;
}

int SSMoveRange(SSWindow grid, long col1, long row1, long col2, long row2, long targetCol, long targetRow) {
    SpreadWindow* s = restructuring(grid);
    return s ? changed(s, s->sheet().moveBlock(block(col1, row1, col2, row2), int(targetCol), int(targetRow))) : 0;
}

// ---------------------------------------------------------------- cell contents

int SSSetData(SSWindow grid, long col, long row, const char16_t* text) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setData(int(col), int(row), view(text))) : 0;
}

int SSGetData(SSWindow grid, long col, long row, char16_t* buffer) {
    SpreadWindow* s = spread(grid);
    return s ? copyOut(s->sheet().data(int(col), int(row)), buffer) : 0;
}

int SSGetDataLen(SSWindow grid, long col, long row) { return SSGetData(grid, col, row, nullptr); }

int SSSetValue(SSWindow grid, long col, long row, const char16_t* text) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setValue(int(col), int(row), view(text))) : 0;
}

int SSGetValue(SSWindow grid, long col, long row, char16_t* buffer) {
    SpreadWindow* s = spread(grid);
    return s ? copyOut(s->sheet().valueText(int(col), int(row)), buffer) : 0;
}

int SSGetValueLen(SSWindow grid, long col, long row) { return SSGetValue(grid, col, row, nullptr); }

int SSGetFloat(SSWindow grid, long col, long row, double* value) {
    SpreadWindow* s = spread(grid);
    return s && value && s->sheet().numberValue(int(col), int(row), *value) ? 1 : 0;
}

int SSSetFormula(SSWindow grid, long col, long row, const char16_t* formula, int) {
    // Dependencies are always kept up to date, so the rebuild flag asks for nothing more.
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setFormula(int(col), int(row), view(formula))) : 0;
}

int SSGetFormula(SSWindow grid, long col, long row, char16_t* buffer) {
    SpreadWindow* s = spread(grid);
    return s ? copyOut(s->sheet().formula(int(col), int(row)), buffer) : 0;
}

int SSGetFormulaLen(SSWindow grid, long col, long row) { return SSGetFormula(grid, col, row, nullptr); }

int SSSetCellTag(SSWindow grid, long col, long row, const char16_t* tag) {
    SpreadWindow* s = spread(grid);
    return s && s->sheet().setTag(int(col), int(row), view(tag)) ? 1 : 0;
}

int SSGetCellTag(SSWindow grid, long col, long row, char16_t* buffer) {
    SpreadWindow* s = spread(grid);
    return s ? copyOut(s->sheet().tag(int(col), int(row)), buffer) : 0;
}

int SSReCalcCell(SSWindow grid, long col, long row) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().recalcCell(int(col), int(row))) : 0;
}

long SSGetStoredCells(SSWindow grid, long col1, long row1, long col2, long row2, std::vector<SSCellPos>& cells) {
    cells.clear();
    SpreadWindow* s = spread(grid);
    if (!s)
        return -1;
    s->sheet().forEachCellInReadingOrder(block(col1, row1, col2, row2), [&](int col, int row) {
        cells.push_back({col, row});
        return true;
    });
    return long(cells.size());
}

int SSReCalc(SSWindow grid) {
    SpreadWindow* s = spread(grid);
    if (!s)
        return 0;
    s->sheet().recalcAll();
    return changed(s, true);
}

int SSAddCustomFunctionExt(SSWindow grid, const char16_t* name, short minArgs, short maxArgs,
                           SSCustomFunctionProc callback, long flags) {
    SpreadWindow* s = spread(grid);
    return s && s->sheet().addCustomFunction(view(name), minArgs, maxArgs, callback, unsigned(flags)) ? 1 : 0;
}

int SSLoadFromFile(SSWindow grid, const char16_t* fileName) {
    SpreadWindow* s = restructuring(grid);
    if (!s || !fileName)
        return 0;
    if (s->editMode())
        s->setEditMode(false);
    std::u16string error;
    if (!grid::GridDocument::load(s->sheet(), view(fileName), error)) {
        grid::reportDiagnostic(error + u"\n");
        return 0;
    }
    if (s->sheet().maxCols() > 0 && s->sheet().maxRows() > 0)
        s->setActiveCell(1, 1);
    return changed(s, true);
}

int SSSaveToFile(SSWindow grid, const char16_t* fileName, int) {
    SpreadWindow* s = spread(grid);
    if (!s || !fileName)
        return 0;
    std::u16string error;
    if (!grid::GridDocument::save(s->sheet(), view(fileName), error)) {
        grid::reportDiagnostic(error + u"\n");
        return 0;
    }
    return 1;
}

int SSGetNotifyCell(SSWindow grid, long* col, long* row) {
    SpreadWindow* s = spread(grid);
    if (!s || !col || !row)
        return 0;
    int c = 0, r = 0;
    s->notifyCell(c, r);
    *col = c, *row = r;
    return 1;
}

// ---------------------------------------------------------------- cell types, locks and formatting

int SSSetCellType(SSWindow grid, long col, long row, const SSCellType* type) {
    SpreadWindow* s = spread(grid);
    return s && type ? changed(s, s->sheet().setCellType(int(col), int(row), *type)) : 0;
}

int SSSetCellTypeRange(SSWindow grid, long col1, long row1, long col2, long row2, const SSCellType* type) {
    SpreadWindow* s = spread(grid);
    return s && type ? changed(s, s->sheet().setCellType(block(col1, row1, col2, row2), *type)) : 0;
}

int SSGetCellType(SSWindow grid, long col, long row, SSCellType* type) {
    SpreadWindow* s = spread(grid);
    if (!s || !type)
        return 0;
    *type = s->sheet().cellType(int(col), int(row));
    return 1;
}

namespace {
SSCellType* build(SSWindow grid, SSCellType* type, CellKind kind, long style) {
    if (!spread(grid) || !type)
        return nullptr;
    *type = SSCellType{};
    type->kind = kind;
    type->style = std::int32_t(style);
    return type;
}
} // namespace

SSCellType* SSSetTypeEdit(SSWindow grid, SSCellType* type, long style, int maxLength, short charSet, short charCase) {
    if (!build(grid, type, CellKind::Edit, style))
        return nullptr;
    type->maxLength = std::max(maxLength, 0);
    type->charSet = charSet;
    type->charCase = charCase;
    return type;
}

SSCellType* SSSetTypeNumber(SSWindow grid, SSCellType* type, long style, std::uint8_t decimals, double minimum,
                            double maximum, std::uint8_t separator) {
    if (!build(grid, type, CellKind::Number, style))
        return nullptr;
    type->decimals = decimals;
    type->minimum = minimum;
    type->maximum = maximum;
    type->separator = separator != 0;
    return type;
}

SSCellType* SSSetTypeStaticText(SSWindow grid, SSCellType* type, long style) {
    return build(grid, type, CellKind::StaticText, style);
}

SSCellType* SSSetTypeComboBox(SSWindow grid, SSCellType* type, long style, const char16_t* items) {
    if (!build(grid, type, CellKind::ComboBox, style))
        return nullptr;
    type->text = std::u16string(view(items));
    return type;
}

SSCellType* SSSetTypeCheckBox(SSWindow grid, SSCellType* type, long style, const char16_t* text, std::uint64_t up,
                              short, std::uint64_t, short, std::uint64_t, short, std::uint64_t, short, std::uint64_t,
                              short, std::uint64_t, short) {
    // The check box draws its own faces; the up picture is kept so that a program reads back what it gave.
    if (!build(grid, type, CellKind::CheckBox, style))
        return nullptr;
    type->text = std::u16string(view(text));
    type->picture = up;
    return type;
}

SSCellType* SSSetTypeButton(SSWindow grid, SSCellType* type, long style, const char16_t* caption,
                            std::uint64_t picture, short, std::uint64_t, short, short buttonKind, short shadowSize,
                            const void*) {
    if (!build(grid, type, CellKind::Button, style))
        return nullptr;
    type->text = std::u16string(view(caption));
    type->picture = picture;
    type->buttonKind = buttonKind;
    type->shadowSize = shadowSize;
    return type;
}

SSCellType* SSSetTypePicture(SSWindow grid, SSCellType* type, long style, std::uint64_t picture, std::uint64_t,
                             int) {
    if (!build(grid, type, CellKind::Picture, style))
        return nullptr;
    type->picture = picture;
    return type;
}

SSCellType* SSSetTypePictureFile(SSWindow grid, SSCellType* type, long style, const char16_t* fileName) {
    if (!build(grid, type, CellKind::PictureFile, style))
        return nullptr;
    type->text = std::u16string(view(fileName));
    return type;
}

int SSSetLock(SSWindow grid, long col, long row, int locked) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setLocked(int(col), int(row), locked != 0)) : 0;
}

int SSSetLockRange(SSWindow grid, long col1, long row1, long col2, long row2, int locked) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setLocked(block(col1, row1, col2, row2), locked != 0)) : 0;
}

int SSGetLock(SSWindow grid, long col, long row) {
    SpreadWindow* s = spread(grid);
    return s && s->sheet().locked(int(col), int(row)) ? 1 : 0;
}

int SSSetFontRange(SSWindow grid, long col1, long row1, long col2, long row2, const SSFont* font, int) {
    SpreadWindow* s = spread(grid);
    return s && font ? changed(s, s->sheet().setFont(block(col1, row1, col2, row2), *font)) : 0;
}

int SSSetColor(SSWindow grid, long col, long row, std::uint32_t back, std::uint32_t fore) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setColours(int(col), int(row), back, fore)) : 0;
}

int SSSetColorRange(SSWindow grid, long col1, long row1, long col2, long row2, std::uint32_t back, std::uint32_t fore) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setColours(block(col1, row1, col2, row2), back, fore)) : 0;
}

int SSGetColor(SSWindow grid, long col, long row, std::uint32_t* back, std::uint32_t* fore) {
    SpreadWindow* s = spread(grid);
    if (!s || !back || !fore)
        return 0;
    if (!s->sheet().colours(int(col), int(row), *back, *fore))
        *back = 0x00FFFFFF, *fore = 0;   // never set: the window's white and black
    return 1;
}

int SSSetBorder(SSWindow grid, long col, long row, short kind, short style, std::uint32_t colour) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setBorder(int(col), int(row),
                                               grid::Border{std::uint16_t(kind), std::uint16_t(style), colour}))
             : 0;
}

int SSSetBorderRange(SSWindow grid, long col1, long row1, long col2, long row2, short kind, short style,
                     std::uint32_t colour) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().setBorder(block(col1, row1, col2, row2),
                                               grid::Border{std::uint16_t(kind), std::uint16_t(style), colour}))
             : 0;
}

int SSAddCellSpan(SSWindow grid, long col, long row, long cols, long rows) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().addSpan(int(col), int(row), int(cols), int(rows))) : 0;
}

long SSGetCellSpan(SSWindow grid, long col, long row, long* anchorCol, long* anchorRow, long* cols, long* rows) {
    SpreadWindow* s = spread(grid);
    grid::Span span;
    if (!s || !s->sheet().spanAt(int(col), int(row), span))
        return 0;
    if (anchorCol)
        *anchorCol = span.col;
    if (anchorRow)
        *anchorRow = span.row;
    if (cols)
        *cols = span.cols;
    if (rows)
        *rows = span.rows;
    return 1;
}

int SSRemoveCellSpan(SSWindow grid, long anchorCol, long anchorRow) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->sheet().removeSpan(int(anchorCol), int(anchorRow))) : 0;
}

// ---------------------------------------------------------------- selection and editing

int SSGetActiveCell(SSWindow grid, long* col, long* row) {
    SpreadWindow* s = spread(grid);
    if (!s || !col || !row || s->sheet().maxCols() < 1 || s->sheet().maxRows() < 1)
        return 0;
    int c = 0, r = 0;
    s->activeCell(c, r);
    *col = c, *row = r;
    return 1;
}

int SSSetActiveCell(SSWindow grid, long col, long row) {
    SpreadWindow* s = spread(grid);
    return s && s->setActiveCell(int(col), int(row)) ? 1 : 0;
}

int SSGetSelectBlock(SSWindow grid, long* col1, long* row1, long* col2, long* row2) {
    SpreadWindow* s = spread(grid);
    if (!s || !col1 || !row1 || !col2 || !row2 || s->sheet().maxCols() < 1 || s->sheet().maxRows() < 1)
        return 0;
    int c1, r1, c2, r2;
    s->selection(c1, r1, c2, r2);
    *col1 = c1, *row1 = r1, *col2 = c2, *row2 = r2;
    return 1;
}

int SSSetSelectBlock(SSWindow grid, long col1, long row1, long col2, long row2) {
    SpreadWindow* s = spread(grid);
    return s && s->setSelection(int(col1), int(row1), int(col2), int(row2)) ? 1 : 0;
}

int SSGetEditMode(SSWindow grid) {
    SpreadWindow* s = spread(grid);
    return s && s->editMode() ? 1 : 0;
}

int SSSetEditMode(SSWindow grid, int on) {
    SpreadWindow* s = spread(grid);
    return s && s->setEditMode(on != 0) ? 1 : 0;
}

int SSGetEditSel(SSWindow grid, int* start, int* end) {
    SpreadWindow* s = spread(grid);
    return s && start && end && s->editSelection(*start, *end) ? 1 : 0;
}

int SSSetEditSel(SSWindow grid, int start, int end) {
    SpreadWindow* s = spread(grid);
    return s && s->setEditSelection(start, end) ? 1 : 0;
}

int SSClipboardCopy(SSWindow grid) {
    SpreadWindow* s = spread(grid);
    return s && s->copyToClipboard() ? 1 : 0;
}

int SSClipboardPaste(SSWindow grid) {
    SpreadWindow* s = spread(grid);
    return s ? changed(s, s->pasteFromClipboard()) : 0;
}
