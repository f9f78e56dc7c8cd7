#pragma once
// The grid library's operations in the C style its callers use: the grid window first in every call, texts as
// zero-terminated UTF-16, results as BOOL-like ints (non-zero success). Each forwards to the window's sheet or
// to the window; a null or foreign window is refused (0) without effect. Indexes follow the sheet's addressing
// (1-based, kHeaderIndex or 0 for the headers; a negative block end reaches the last column or row).
#include <cstdint>
#include <vector>

#include "grid/CellType.h"
#include "grid/CustomFunction.h"
#include "grid/SpreadWindow.h"

namespace ui {
class Window;
struct Rect;
}

using SSCellType = grid::CellType;
using SSFont = grid::Font;
using SSWindow = ui::Window*;

// ---- properties and look
// Switch indexes: grid::kSwitch* (grid/Sheet.h) where they have a name.
int SSSetBool(SSWindow grid, short index, int value);
int SSGetBool(SSWindow grid, short index);
int SSSetInteger(SSWindow grid, short index, long value);
long SSGetInteger(SSWindow grid, short index);
int SSSetEditEnterAction(SSWindow grid, short action);
int SSSetOperationMode(SSWindow grid, short mode);
int SSSetAppearance(SSWindow grid, short style);
int SSSetActionKey(SSWindow grid, short action, unsigned key1, unsigned key2, short modifier);
int SSSetSelColor(SSWindow grid, std::uint32_t back, std::uint32_t fore);
int SSGetSelColor(SSWindow grid, std::uint32_t* back, std::uint32_t* fore);
int SSSetGrayAreaColor(SSWindow grid, std::uint32_t back, std::uint32_t fore);
int SSSetLockColor(SSWindow grid, std::uint32_t back, std::uint32_t fore);
int SSSetBackColorStyle(SSWindow grid, short style);
int SSSetCellNoteIndicator(SSWindow grid, short style);
int SSSetRefStyle(SSWindow grid, short style);   // grid::kRefStyle*; another style is refused
int SSSetTextTip(SSWindow grid, short status, long delay, const SSFont* font, std::uint32_t back, std::uint32_t fore);
int SSGetTextTip(SSWindow grid, short* status, long* delay, SSFont* font, std::uint32_t* back, std::uint32_t* fore);
int SSReset(SSWindow grid);
int SSSetGridType(SSWindow grid, short type);
int SSSetGridColor(SSWindow grid, std::uint32_t colour);
// A stored setting of the original grid's own meaning (the sheet preparation's "4, 5").
int SSSetStartingNumbers(SSWindow grid, long first, long second);

// ---- size and layout
long SSGetMaxCols(SSWindow grid);
int SSSetMaxCols(SSWindow grid, long count);
long SSGetMaxRows(SSWindow grid);
int SSSetMaxRows(SSWindow grid, long count);
int SSSetColWidth(SSWindow grid, long col, double width);
int SSGetColWidth(SSWindow grid, long col, double* width);
int SSSetRowHeight(SSWindow grid, long row, double height);
int SSGetRowHeight(SSWindow grid, long row, double* height);
int SSGetColWidthInPixels(SSWindow grid, long col, int* pixels);
int SSSetColWidthInPixels(SSWindow grid, long col, int pixels);
int SSGetRowHeightInPixels(SSWindow grid, long row, int* pixels);
int SSSetRowHeightInPixels(SSWindow grid, long row, int pixels);
int SSGetMaxTextCellSize(SSWindow grid, long col, long row, double* width, double* height);
int SSGetMaxTextColWidth(SSWindow grid, long col, double* width);
int SSGetMaxTextRowHeight(SSWindow grid, long row, double* height);
int SSGetClientRect(SSWindow grid, ui::Rect* rect);
int SSGetScrollBarSize(SSWindow grid, int* verticalWidth, int* horizontalHeight);
int SSInsRow(SSWindow grid, long row);
int SSDelRow(SSWindow grid, long row);
int SSInsCol(SSWindow grid, long col);
int SSDelCol(SSWindow grid, long col);
int SSCopyRange(SSWindow grid, long col1, long row1, long col2, long row2, long targetCol, long targetRow);
int SSMoveRange(SSWindow grid, long col1, long row1, long col2, long row2, long targetCol, long targetRow);

// ---- cell contents. A getter writes the text and its terminator into `buffer` (room for length + 1) and
// returns the length; lengths are in UTF-16 units.
int SSSetData(SSWindow grid, long col, long row, const char16_t* text);
int SSGetData(SSWindow grid, long col, long row, char16_t* buffer);
int SSGetDataLen(SSWindow grid, long col, long row);
int SSSetValue(SSWindow grid, long col, long row, const char16_t* text);
int SSGetValue(SSWindow grid, long col, long row, char16_t* buffer);
int SSGetValueLen(SSWindow grid, long col, long row);
int SSGetFloat(SSWindow grid, long col, long row, double* value);
int SSSetFormula(SSWindow grid, long col, long row, const char16_t* formula, int rebuild);
int SSGetFormula(SSWindow grid, long col, long row, char16_t* buffer);
int SSGetFormulaLen(SSWindow grid, long col, long row);
int SSSetCellTag(SSWindow grid, long col, long row, const char16_t* tag);
// With a null buffer: the tag's length.
int SSGetCellTag(SSWindow grid, long col, long row, char16_t* buffer);
// The positions of the block's stored cells, the only ones that can hold anything (every other cell reads
// empty), in reading order: row by row, each row from left to right. A negative end reaches the last column or
// row. Returns how many there are (-1 without a grid); `cells` is replaced by them.
long SSGetStoredCells(SSWindow grid, long col1, long row1, long col2, long row2, std::vector<SSCellPos>& cells);
int SSReCalcCell(SSWindow grid, long col, long row);
int SSReCalc(SSWindow grid);
int SSAddCustomFunctionExt(SSWindow grid, const char16_t* name, short minArgs, short maxArgs,
                           SSCustomFunctionProc callback, long flags);
// Load reports success as non-zero (and prints the reason of a failure through the grid's diagnostics);
// save reports 1, or 0 when the file cannot be written. The flag of save is kept for its callers (unused).
int SSLoadFromFile(SSWindow grid, const char16_t* fileName);
int SSSaveToFile(SSWindow grid, const char16_t* fileName, int dataOnly);
int SSGetNotifyCell(SSWindow grid, long* col, long* row);

// ---- cell types, locks and formatting
int SSSetCellType(SSWindow grid, long col, long row, const SSCellType* type);
int SSSetCellTypeRange(SSWindow grid, long col1, long row1, long col2, long row2, const SSCellType* type);
int SSGetCellType(SSWindow grid, long col, long row, SSCellType* type);
SSCellType* SSSetTypeEdit(SSWindow grid, SSCellType* type, long style, int maxLength, short charSet, short charCase);
SSCellType* SSSetTypeNumber(SSWindow grid, SSCellType* type, long style, std::uint8_t decimals, double minimum,
                            double maximum, std::uint8_t separator);
SSCellType* SSSetTypeStaticText(SSWindow grid, SSCellType* type, long style);
SSCellType* SSSetTypeComboBox(SSWindow grid, SSCellType* type, long style, const char16_t* items);
// Pictures: up, down, focus up, focus down, disabled up, disabled down, each a handle and its kind.
SSCellType* SSSetTypeCheckBox(SSWindow grid, SSCellType* type, long style, const char16_t* text,
                              std::uint64_t up, short upKind, std::uint64_t down, short downKind,
                              std::uint64_t focusUp, short focusUpKind, std::uint64_t focusDown, short focusDownKind,
                              std::uint64_t disabledUp, short disabledUpKind, std::uint64_t disabledDown,
                              short disabledDownKind);
SSCellType* SSSetTypeButton(SSWindow grid, SSCellType* type, long style, const char16_t* caption,
                            std::uint64_t picture, short pictureKind, std::uint64_t pressed, short pressedKind,
                            short buttonKind, short shadowSize, const void* colours);
SSCellType* SSSetTypePicture(SSWindow grid, SSCellType* type, long style, std::uint64_t picture,
                             std::uint64_t palette, int takeOwnership);
SSCellType* SSSetTypePictureFile(SSWindow grid, SSCellType* type, long style, const char16_t* fileName);
int SSSetLock(SSWindow grid, long col, long row, int locked);
int SSSetLockRange(SSWindow grid, long col1, long row1, long col2, long row2, int locked);
int SSGetLock(SSWindow grid, long col, long row);
int SSSetFontRange(SSWindow grid, long col1, long row1, long col2, long row2, const SSFont* font, int redraw);
int SSSetColor(SSWindow grid, long col, long row, std::uint32_t back, std::uint32_t fore);
int SSSetColorRange(SSWindow grid, long col1, long row1, long col2, long row2, std::uint32_t back, std::uint32_t fore);
int SSGetColor(SSWindow grid, long col, long row, std::uint32_t* back, std::uint32_t* fore);
int SSSetBorder(SSWindow grid, long col, long row, short kind, short style, std::uint32_t colour);
int SSSetBorderRange(SSWindow grid, long col1, long row1, long col2, long row2, short kind, short style,
                     std::uint32_t colour);
int SSAddCellSpan(SSWindow grid, long col, long row, long cols, long rows);
// The result's low 16 bits are non-zero when the cell belongs to a span.
long SSGetCellSpan(SSWindow grid, long col, long row, long* anchorCol, long* anchorRow, long* cols, long* rows);
int SSRemoveCellSpan(SSWindow grid, long anchorCol, long anchorRow);

// ---- selection and editing
int SSGetActiveCell(SSWindow grid, long* col, long* row);
int SSSetActiveCell(SSWindow grid, long col, long row);
int SSGetSelectBlock(SSWindow grid, long* col1, long* row1, long* col2, long* row2);
int SSSetSelectBlock(SSWindow grid, long col1, long row1, long col2, long row2);
int SSGetEditMode(SSWindow grid);
int SSSetEditMode(SSWindow grid, int on);
int SSGetEditSel(SSWindow grid, int* start, int* end);
int SSSetEditSel(SSWindow grid, int start, int end);
int SSClipboardCopy(SSWindow grid);
int SSClipboardPaste(SSWindow grid);
