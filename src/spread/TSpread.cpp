#include "spread/TSpread.h"

TSpread::TSpread() = default;
TSpread::~TSpread() = default;

// ---- Properties and look

bool TSpread::ssSetBool(int index, bool value) { return SSSetBool(this, static_cast<short>(index), value) != 0; }
bool TSpread::ssGetBool(int index) { return SSGetBool(this, static_cast<short>(index)) != 0; }
bool TSpread::ssSetInteger(int index, long value) { return SSSetInteger(this, static_cast<short>(index), value) != 0; }
long TSpread::ssGetInteger(int index) { return SSGetInteger(this, static_cast<short>(index)); }
bool TSpread::ssSetEditEnterAction(int action) { return SSSetEditEnterAction(this, static_cast<short>(action)) != 0; }
bool TSpread::ssSetOperationMode(int mode) { return SSSetOperationMode(this, static_cast<short>(mode)) != 0; }
bool TSpread::ssSetAppearance(int style) { return SSSetAppearance(this, static_cast<short>(style)) != 0; }
bool TSpread::ssSetActionKey(int action, unsigned key1, unsigned key2, int modifier) {
    return SSSetActionKey(this, static_cast<short>(action), key1, key2, static_cast<short>(modifier)) != 0;
}
bool TSpread::ssSetSelColor(ui::Color back, ui::Color fore) { return SSSetSelColor(this, back, fore) != 0; }
bool TSpread::ssGetSelColor(ui::Color& back, ui::Color& fore) { return SSGetSelColor(this, &back, &fore) != 0; }
bool TSpread::ssSetGrayAreaColor(ui::Color back, ui::Color fore) { return SSSetGrayAreaColor(this, back, fore) != 0; }
bool TSpread::ssSetLockColor(ui::Color back, ui::Color fore) { return SSSetLockColor(this, back, fore) != 0; }
bool TSpread::ssSetBackColorStyle(int style) { return SSSetBackColorStyle(this, static_cast<short>(style)) != 0; }
bool TSpread::ssSetCellNoteIndicator(int style) { return SSSetCellNoteIndicator(this, static_cast<short>(style)) != 0; }
bool TSpread::ssSetRefStyle(int style) { return SSSetRefStyle(this, static_cast<short>(style)) != 0; }
bool TSpread::ssSetTextTip(int status, long delay, const grid::Font& font, ui::Color back, ui::Color fore) {
    return SSSetTextTip(this, static_cast<short>(status), delay, &font, back, fore) != 0;
}
bool TSpread::ssGetTextTip(int& status, long& delay, grid::Font& font, ui::Color& back, ui::Color& fore) {
    short s = 0;
    const bool ok = SSGetTextTip(this, &s, &delay, &font, &back, &fore) != 0;
    status = s;
    return ok;
}
bool TSpread::ssReset() { return SSReset(this) != 0; }
bool TSpread::ssSetGridType(int type) { return SSSetGridType(this, static_cast<short>(type)) != 0; }
bool TSpread::ssSetGridColor(ui::Color colour) { return SSSetGridColor(this, colour) != 0; }
bool TSpread::ssSetStartingNumbers(long first, long second) { return SSSetStartingNumbers(this, first, second) != 0; }

// ---- Size and layout

long TSpread::ssGetMaxCols() { return SSGetMaxCols(this); }
bool TSpread::ssSetMaxCols(long count) { return SSSetMaxCols(this, count) != 0; }
long TSpread::ssGetMaxRows() { return SSGetMaxRows(this); }
bool TSpread::ssSetMaxRows(long count) { return SSSetMaxRows(this, count) != 0; }
bool TSpread::ssSetColWidth(long column, double width) { return SSSetColWidth(this, column, width) != 0; }
bool TSpread::ssGetColWidth(long column, double& width) { return SSGetColWidth(this, column, &width) != 0; }
bool TSpread::ssSetRowHeight(long row, double height) { return SSSetRowHeight(this, row, height) != 0; }
bool TSpread::ssGetRowHeight(long row, double& height) { return SSGetRowHeight(this, row, &height) != 0; }
bool TSpread::ssGetColWidthInPixels(long column, int& pixels) { return SSGetColWidthInPixels(this, column, &pixels) != 0; }
bool TSpread::ssSetColWidthInPixels(long column, int pixels) { return SSSetColWidthInPixels(this, column, pixels) != 0; }
bool TSpread::ssGetRowHeightInPixels(long row, int& pixels) { return SSGetRowHeightInPixels(this, row, &pixels) != 0; }
bool TSpread::ssSetRowHeightInPixels(long row, int pixels) { return SSSetRowHeightInPixels(this, row, pixels) != 0; }
bool TSpread::ssGetMaxTextCellSize(long column, long row, double& width, double& height) {
    return SSGetMaxTextCellSize(this, column, row, &width, &height) != 0;
}
bool TSpread::ssGetMaxTextColWidth(long column, double& width) { return SSGetMaxTextColWidth(this, column, &width) != 0; }
bool TSpread::ssGetMaxTextRowHeight(long row, double& height) { return SSGetMaxTextRowHeight(this, row, &height) != 0; }
bool TSpread::ssGetClientRect(ui::Rect& rect) { return SSGetClientRect(this, &rect) != 0; }
bool TSpread::ssGetScrollBarSize(int& verticalWidth, int& horizontalHeight) {
    return SSGetScrollBarSize(this, &verticalWidth, &horizontalHeight) != 0;
}
bool TSpread::ssInsRow(long row) { return SSInsRow(this, row) != 0; }
bool TSpread::ssDelRow(long row) { return SSDelRow(this, row) != 0; }
bool TSpread::ssInsCol(long column) { return SSInsCol(this, column) != 0; }
bool TSpread::ssDelCol(long column) { return SSDelCol(this, column) != 0; }
bool TSpread::ssCopyRange(long col1, long row1, long col2, long row2, long targetColumn, long targetRow) {
    return SSCopyRange(this, col1, row1, col2, row2, targetColumn, targetRow) != 0;
}
bool TSpread::ssMoveRange(long col1, long row1, long col2, long row2, long targetColumn, long targetRow) {
    return SSMoveRange(this, col1, row1, col2, row2, targetColumn, targetRow) != 0;
}

// ---- Cell contents

bool TSpread::ssSetData(long column, long row, const char16_t* text) { return SSSetData(this, column, row, text) != 0; }
int TSpread::ssGetData(long column, long row, char16_t* buffer) { return SSGetData(this, column, row, buffer); }
int TSpread::ssGetDataLen(long column, long row) { return SSGetDataLen(this, column, row); }
bool TSpread::ssSetValue(long column, long row, const char16_t* text) { return SSSetValue(this, column, row, text) != 0; }
int TSpread::ssGetValue(long column, long row, char16_t* buffer) { return SSGetValue(this, column, row, buffer); }
int TSpread::ssGetValueLen(long column, long row) { return SSGetValueLen(this, column, row); }
bool TSpread::ssGetFloat(long column, long row, double& value) { return SSGetFloat(this, column, row, &value) != 0; }
bool TSpread::ssSetFormula(long column, long row, const char16_t* formula, bool rebuild) {
    return SSSetFormula(this, column, row, formula, rebuild) != 0;
}
int TSpread::ssGetFormula(long column, long row, char16_t* buffer) { return SSGetFormula(this, column, row, buffer); }
int TSpread::ssGetFormulaLen(long column, long row) { return SSGetFormulaLen(this, column, row); }
bool TSpread::ssSetCellTag(long column, long row, const char16_t* tag) { return SSSetCellTag(this, column, row, tag) != 0; }
int TSpread::ssGetCellTag(long column, long row, char16_t* buffer) { return SSGetCellTag(this, column, row, buffer); }
bool TSpread::ssGetStoredCells(long col1, long row1, long col2, long row2, std::vector<SSCellPos>& cells) {
    return SSGetStoredCells(this, col1, row1, col2, row2, cells) >= 0;
}
bool TSpread::ssReCalcCell(long column, long row) { return SSReCalcCell(this, column, row) != 0; }
bool TSpread::ssReCalc() { return SSReCalc(this) != 0; }
bool TSpread::ssAddCustomFunctionExt(const char16_t* name, int minArgs, int maxArgs, SSCustomFunctionProc callback,
                                     long flags) {
    return SSAddCustomFunctionExt(this, name, static_cast<short>(minArgs), static_cast<short>(maxArgs), callback,
                                  flags) != 0;
}
bool TSpread::ssLoadFromFile(const char16_t* fileName) { return SSLoadFromFile(this, fileName) != 0; }
bool TSpread::ssSaveToFile(const char16_t* fileName, bool dataOnly) { return SSSaveToFile(this, fileName, dataOnly) == 1; }
bool TSpread::ssGetNotifyCell(long& column, long& row) { return SSGetNotifyCell(this, &column, &row) != 0; }

// ---- Cell types, locks and formatting

bool TSpread::ssSetCellType(long column, long row, const grid::CellType& type) {
    return SSSetCellType(this, column, row, &type) != 0;
}
bool TSpread::ssSetCellTypeRange(long col1, long row1, long col2, long row2, const grid::CellType& type) {
    return SSSetCellTypeRange(this, col1, row1, col2, row2, &type) != 0;
}
bool TSpread::ssGetCellType(long column, long row, grid::CellType& type) {
    return SSGetCellType(this, column, row, &type) != 0;
}
bool TSpread::ssSetTypeEdit(grid::CellType& type, long style, int maxLength, int charSet, int charCase) {
    return SSSetTypeEdit(this, &type, style, maxLength, static_cast<short>(charSet), static_cast<short>(charCase));
}
bool TSpread::ssSetTypeNumber(grid::CellType& type, long style, int decimals, double minimum, double maximum,
                              bool separator) {
    return SSSetTypeNumber(this, &type, style, static_cast<std::uint8_t>(decimals), minimum, maximum, separator);
}
bool TSpread::ssSetTypeStaticText(grid::CellType& type, long style) { return SSSetTypeStaticText(this, &type, style); }
bool TSpread::ssSetTypeComboBox(grid::CellType& type, long style, const char16_t* items) {
    return SSSetTypeComboBox(this, &type, style, items);
}
bool TSpread::ssSetTypeCheckBox(grid::CellType& type, long style, const char16_t* text, std::uint64_t up, int upKind,
                                std::uint64_t down, int downKind, std::uint64_t focusUp, int focusUpKind,
                                std::uint64_t focusDown, int focusDownKind, std::uint64_t disabledUp,
                                int disabledUpKind, std::uint64_t disabledDown, int disabledDownKind) {
    return SSSetTypeCheckBox(this, &type, style, text, up, static_cast<short>(upKind), down,
                             static_cast<short>(downKind), focusUp, static_cast<short>(focusUpKind), focusDown,
                             static_cast<short>(focusDownKind), disabledUp, static_cast<short>(disabledUpKind),
                             disabledDown, static_cast<short>(disabledDownKind));
}
bool TSpread::ssSetTypeButton(grid::CellType& type, long style, const char16_t* caption, std::uint64_t picture,
                              int pictureKind, std::uint64_t pressed, int pressedKind, int buttonKind, int shadowSize,
                              const void* colours) {
    return SSSetTypeButton(this, &type, style, caption, picture, static_cast<short>(pictureKind), pressed,
                           static_cast<short>(pressedKind), static_cast<short>(buttonKind),
                           static_cast<short>(shadowSize), colours);
}
bool TSpread::ssSetTypePicture(grid::CellType& type, long style, std::uint64_t picture, std::uint64_t palette,
                               bool takeOwnership) {
    return SSSetTypePicture(this, &type, style, picture, palette, takeOwnership);
}
bool TSpread::ssSetTypePictureFile(grid::CellType& type, long style, const char16_t* fileName) {
    return SSSetTypePictureFile(this, &type, style, fileName);
}
bool TSpread::ssSetLock(long column, long row, bool locked) { return SSSetLock(this, column, row, locked) != 0; }
bool TSpread::ssSetLockRange(long col1, long row1, long col2, long row2, bool locked) {
    return SSSetLockRange(this, col1, row1, col2, row2, locked) != 0;
}
bool TSpread::ssGetLock(long column, long row) { return SSGetLock(this, column, row) != 0; }
bool TSpread::ssSetFontRange(long col1, long row1, long col2, long row2, const grid::Font& font, bool redraw) {
    return SSSetFontRange(this, col1, row1, col2, row2, &font, redraw) != 0;
}
bool TSpread::ssSetColor(long column, long row, ui::Color back, ui::Color fore) {
    return SSSetColor(this, column, row, back, fore) != 0;
}
bool TSpread::ssSetColorRange(long col1, long row1, long col2, long row2, ui::Color back, ui::Color fore) {
    return SSSetColorRange(this, col1, row1, col2, row2, back, fore) != 0;
}
bool TSpread::ssGetColor(long column, long row, ui::Color& back, ui::Color& fore) {
    return SSGetColor(this, column, row, &back, &fore) != 0;
}
bool TSpread::ssSetBorder(long column, long row, int kind, int style, ui::Color colour) {
    return SSSetBorder(this, column, row, static_cast<short>(kind), static_cast<short>(style), colour) != 0;
}
bool TSpread::ssSetBorderRange(long col1, long row1, long col2, long row2, int kind, int style, ui::Color colour) {
    return SSSetBorderRange(this, col1, row1, col2, row2, static_cast<short>(kind), static_cast<short>(style),
                            colour) != 0;
}
bool TSpread::ssAddCellSpan(long column, long row, long columns, long rows) {
    return SSAddCellSpan(this, column, row, columns, rows) != 0;
}
long TSpread::ssGetCellSpan(long column, long row, long& anchorColumn, long& anchorRow, long& columns, long& rows) {
    return SSGetCellSpan(this, column, row, &anchorColumn, &anchorRow, &columns, &rows);
}
bool TSpread::ssRemoveCellSpan(long anchorColumn, long anchorRow) {
    return SSRemoveCellSpan(this, anchorColumn, anchorRow) != 0;
}

// ---- Selection and editing

bool TSpread::ssGetActiveCell(long& column, long& row) { return SSGetActiveCell(this, &column, &row) != 0; }
bool TSpread::ssSetActiveCell(long column, long row) { return SSSetActiveCell(this, column, row) != 0; }
bool TSpread::ssGetSelectBlock(long& col1, long& row1, long& col2, long& row2) {
    return SSGetSelectBlock(this, &col1, &row1, &col2, &row2) != 0;
}
bool TSpread::ssSetSelectBlock(long col1, long row1, long col2, long row2) {
    return SSSetSelectBlock(this, col1, row1, col2, row2) != 0;
}
bool TSpread::ssGetEditMode() { return SSGetEditMode(this) != 0; }
bool TSpread::ssSetEditMode(bool on) { return SSSetEditMode(this, on) != 0; }
bool TSpread::ssGetEditSel(int& start, int& end) { return SSGetEditSel(this, &start, &end) != 0; }
bool TSpread::ssSetEditSel(int start, int end) { return SSSetEditSel(this, start, end) != 0; }
bool TSpread::ssClipboardCopy() { return SSClipboardCopy(this) != 0; }
bool TSpread::ssClipboardPaste() { return SSClipboardPaste(this) != 0; }
