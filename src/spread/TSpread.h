#pragma once
// The thin window class over one grid window (class "fpUSpread70"): each operation forwards one call to the
// grid library with this grid window first and adds nothing of its own. It is the base of Ork_Spread, and the
// dialogs that embed a plain grid call these operations directly.
//
// ssXxx forwards to the library's SSXxx. Results are the library's: non-zero (true) for success; the text
// readers write into a buffer with room for the length + 1 and return the length.
#include "grid/ssOperations.h"
#include "ui/constants.h"

#include <cstdint>
#include <vector>

class TSpread : public grid::SpreadWindow {
public:
    TSpread();
    ~TSpread() override;

    // ---- Properties and look
    bool ssSetBool(int index, bool value);
    bool ssGetBool(int index);
    bool ssSetInteger(int index, long value);
    long ssGetInteger(int index);
    bool ssSetEditEnterAction(int action);
    bool ssSetOperationMode(int mode);
    bool ssSetAppearance(int style);
    bool ssSetActionKey(int action, unsigned key1, unsigned key2, int modifier);
    bool ssSetSelColor(ui::Color back, ui::Color fore);
    bool ssGetSelColor(ui::Color& back, ui::Color& fore);
    bool ssSetGrayAreaColor(ui::Color back, ui::Color fore);
    bool ssSetLockColor(ui::Color back, ui::Color fore);
    bool ssSetBackColorStyle(int style);
    bool ssSetCellNoteIndicator(int style);
    bool ssSetRefStyle(int style);
    bool ssSetTextTip(int status, long delay, const grid::Font& font, ui::Color back, ui::Color fore);
    bool ssGetTextTip(int& status, long& delay, grid::Font& font, ui::Color& back, ui::Color& fore);
    bool ssReset();
    bool ssSetGridType(int type);
    bool ssSetGridColor(ui::Color colour);
    bool ssSetStartingNumbers(long first, long second);

    // ---- Size and layout
    long ssGetMaxCols();
    bool ssSetMaxCols(long count);
    long ssGetMaxRows();
    bool ssSetMaxRows(long count);
    bool ssSetColWidth(long column, double width);
    bool ssGetColWidth(long column, double& width);
    bool ssSetRowHeight(long row, double height);
    bool ssGetRowHeight(long row, double& height);
    bool ssGetColWidthInPixels(long column, int& pixels);
    bool ssSetColWidthInPixels(long column, int pixels);
    bool ssGetRowHeightInPixels(long row, int& pixels);
    bool ssSetRowHeightInPixels(long row, int pixels);
    bool ssGetMaxTextCellSize(long column, long row, double& width, double& height);
    bool ssGetMaxTextColWidth(long column, double& width);
    bool ssGetMaxTextRowHeight(long row, double& height);
    bool ssGetClientRect(ui::Rect& rect);
    bool ssGetScrollBarSize(int& verticalWidth, int& horizontalHeight);
    bool ssInsRow(long row);
    bool ssDelRow(long row);
    bool ssInsCol(long column);
    bool ssDelCol(long column);
    bool ssCopyRange(long col1, long row1, long col2, long row2, long targetColumn, long targetRow);
    bool ssMoveRange(long col1, long row1, long col2, long row2, long targetColumn, long targetRow);

    // ---- Cell contents
    bool ssSetData(long column, long row, const char16_t* text);
    int ssGetData(long column, long row, char16_t* buffer);
    int ssGetDataLen(long column, long row);
    bool ssSetValue(long column, long row, const char16_t* text);
    int ssGetValue(long column, long row, char16_t* buffer);
    int ssGetValueLen(long column, long row);
    bool ssGetFloat(long column, long row, double& value);
    bool ssSetFormula(long column, long row, const char16_t* formula, bool rebuild);
    int ssGetFormula(long column, long row, char16_t* buffer);
    int ssGetFormulaLen(long column, long row);
    bool ssSetCellTag(long column, long row, const char16_t* tag);
    // With a null buffer: the tag's length.
    int ssGetCellTag(long column, long row, char16_t* buffer);
    // The block's stored cells in reading order (SSGetStoredCells); false without a grid.
    bool ssGetStoredCells(long col1, long row1, long col2, long row2, std::vector<SSCellPos>& cells);
    bool ssReCalcCell(long column, long row);
    bool ssReCalc();
    bool ssAddCustomFunctionExt(const char16_t* name, int minArgs, int maxArgs, SSCustomFunctionProc callback,
                                long flags);
    bool ssLoadFromFile(const char16_t* fileName);
    bool ssSaveToFile(const char16_t* fileName, bool dataOnly);
    bool ssGetNotifyCell(long& column, long& row);

    // ---- Cell types, locks and formatting
    bool ssSetCellType(long column, long row, const grid::CellType& type);
    bool ssSetCellTypeRange(long col1, long row1, long col2, long row2, const grid::CellType& type);
    bool ssGetCellType(long column, long row, grid::CellType& type);
    bool ssSetTypeEdit(grid::CellType& type, long style, int maxLength, int charSet, int charCase);
    bool ssSetTypeNumber(grid::CellType& type, long style, int decimals, double minimum, double maximum,
                         bool separator);
    bool ssSetTypeStaticText(grid::CellType& type, long style);
    bool ssSetTypeComboBox(grid::CellType& type, long style, const char16_t* items);
    // Faces: up, down, focus up, focus down, disabled up, disabled down, each a picture and its kind.
    bool ssSetTypeCheckBox(grid::CellType& type, long style, const char16_t* text, std::uint64_t up, int upKind,
                           std::uint64_t down, int downKind, std::uint64_t focusUp, int focusUpKind,
                           std::uint64_t focusDown, int focusDownKind, std::uint64_t disabledUp,
                           int disabledUpKind, std::uint64_t disabledDown, int disabledDownKind);
    bool ssSetTypeButton(grid::CellType& type, long style, const char16_t* caption, std::uint64_t picture,
                         int pictureKind, std::uint64_t pressed, int pressedKind, int buttonKind, int shadowSize,
                         const void* colours);
    bool ssSetTypePicture(grid::CellType& type, long style, std::uint64_t picture, std::uint64_t palette,
                          bool takeOwnership);
    bool ssSetTypePictureFile(grid::CellType& type, long style, const char16_t* fileName);
    bool ssSetLock(long column, long row, bool locked);
    bool ssSetLockRange(long col1, long row1, long col2, long row2, bool locked);
    bool ssGetLock(long column, long row);
    bool ssSetFontRange(long col1, long row1, long col2, long row2, const grid::Font& font, bool redraw);
    bool ssSetColor(long column, long row, ui::Color back, ui::Color fore);
    bool ssSetColorRange(long col1, long row1, long col2, long row2, ui::Color back, ui::Color fore);
    bool ssGetColor(long column, long row, ui::Color& back, ui::Color& fore);
    bool ssSetBorder(long column, long row, int kind, int style, ui::Color colour);
    bool ssSetBorderRange(long col1, long row1, long col2, long row2, int kind, int style, ui::Color colour);
    bool ssAddCellSpan(long column, long row, long columns, long rows);
    // The result's low 16 bits are non-zero when the cell belongs to a span.
    long ssGetCellSpan(long column, long row, long& anchorColumn, long& anchorRow, long& columns, long& rows);
    bool ssRemoveCellSpan(long anchorColumn, long anchorRow);

    // ---- Selection and editing
    bool ssGetActiveCell(long& column, long& row);
    bool ssSetActiveCell(long column, long row);
    bool ssGetSelectBlock(long& col1, long& row1, long& col2, long& row2);
    bool ssSetSelectBlock(long col1, long row1, long col2, long row2);
    bool ssGetEditMode();
    bool ssSetEditMode(bool on);
    bool ssGetEditSel(int& start, int& end);
    bool ssSetEditSel(int start, int end);
    bool ssClipboardCopy();
    bool ssClipboardPaste();
};
