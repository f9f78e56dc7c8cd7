#pragma once
// The module's grid: created in place of a dialog's placeholder control, with the module's standard look, and
// whole-row and whole-column transfers of texts and numbers, typed cells, fonts, spans, automatic sizing, row
// and column editing, search and replace, a context menu, Tab handling and a check-box column that unlocks the
// cells of another column. Every cell the module reads or writes goes through here (or the TSpread below).
//
// Columns and rows count from 1; kHeader (-32767) addresses the header row or column. While the grid window
// does not exist every operation returns false (counts -1) and changes nothing.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"
#include "spread/TSpread.h"

#include <memory>

namespace ui {
class Menu;
}

class Ork_Spread;

// The find/replace window a grid hosts (F3, F5, openFindDialog). The standards windows supply the real one
// through setFindDialogFactory; until then a grid has none and the keys do nothing.
class Ork_SpreadFindDialog {
public:
    virtual ~Ork_SpreadFindDialog() = default;
    // Makes the window as a modeless child of `grid` and shows it; false when it could not be made.
    virtual bool open(Ork_Spread& grid) = 0;
    virtual void find(bool askToWrap) = 0;
    virtual void replace(bool askToWrap) = 0;
};

class Ork_Spread : public TSpread {
public:
    static constexpr int kHeader = -32767;

    // The kinds of text getCellText and getColumnTexts read: the grid's four ways of reading a cell as text.
    static constexpr int kTextData = static_cast<int>(grid::TextKind::Data);
    static constexpr int kTextFormula = static_cast<int>(grid::TextKind::Formula);
    static constexpr int kTextTag = static_cast<int>(grid::TextKind::Tag);
    static constexpr int kTextValue = static_cast<int>(grid::TextKind::Value);  // the value unformatted; the usual kind

    // Context-menu codes, and the ids of the commands they become (the n-th command shown gets the n-th id).
    enum ContextCode { kSeparator = 1, kCopy, kPaste, kInsertRow, kDeleteRow, kInsertColumn, kDeleteColumn,
                       kCheckSelected, kUncheckSelected };
    static constexpr int kContextCommandIds[10] = {32811, 32812, 32816, 32817, 32818,
                                                   32800, 32801, 32802, 32803, 32804};
    // The private message some hosts send the grid; it is answered 0.
    static constexpr unsigned kPrivateMessage = ui::WM_USER + 0x117;

    using FindDialogFactory = std::unique_ptr<Ork_SpreadFindDialog> (*)();
    static void setFindDialogFactory(FindDialogFactory factory);

    Ork_Spread();
    ~Ork_Spread() override;

    // ---- Creation and look
    bool createInPlace(ui::Window* parent, int controlId, bool noOffset = false);
    bool isCreated() const { return m_created; }
    int controlId() const { return m_controlId; }
    bool setStandardLook(int mode);
    void setFitMode(int mode, int argument1 = 0, int argument2 = 0);
    void setFitColumns(int mode, const Ork_Array<int>& columns, const Ork_Array<int>& widths);
    int fitMode() const { return m_fitMode; }
    void enableContextMenu(const Ork_Array<int>& codes);
    bool setCheckColumnLink(int checkColumn, int targetColumn);
    // Prepares a new sheet from a settings file (see prepareSheetFromSettings) and takes the font of the settings
    // it was prepared with: the registry's default settings when the named file cannot be read.
    bool applySettingsFile(const Ork_String& name);
    void allowF8(bool allowed) { m_f8Allowed = allowed; }

    // ---- Size and fonts
    int getMaxCols();
    int getMaxRows();
    bool setMaxRows(int count, bool copyLastRow = false);
    bool setMaxCols(int count, bool copyLastColumn = false);
    void setFontHeight(int height) { m_fontHeight = height; }
    void setFontFace(const Ork_String& face) { m_fontFace = face; }
    const Ork_String& fontFace() const { return m_fontFace; }
    int fontHeight() const { return m_fontHeight; }
    bool setHeaderFonts();
    bool resetFonts(bool tips);
    bool formatRowFonts(int row, bool headerBold);
    bool formatColumnFonts(int column, bool headerBold);
    bool setFontRange(int col1, int row1, int col2, int row2, const Ork_String& face, int height, bool bold,
                      bool tips);

    // ---- Cell texts and numbers
    bool getCellText(int column, int row, Ork_String& text, int kind = kTextValue);
    // True when the cell's value is one of the grid's error values (#VALUE!, #DIV/0!, ...); a text that only
    // reads like one is no error.
    bool holdsErrorValue(int column, int row);
    bool getCellInt(int column, int row, int& value);
    bool getCellDouble(int column, int row, double& value);
    bool setCellInt(int column, int row, int value);
    bool setCellDouble(int column, int row, double value);
    bool setColumnTexts(int column, const Ork_StringArray& texts, bool asValue = false);
    bool setColumnInts(int column, const Ork_Array<int>& values);
    bool setColumnDoubles(int column, const Ork_Array<double>& values);
    bool setColumnBools(int column, const Ork_Array<bool>& values);
    bool setRowTexts(int row, const Ork_StringArray& texts, bool asValue = false);
    bool getColumnTexts(int column, Ork_StringArray& texts, int kind = kTextValue);
    bool getColumnInts(int column, Ork_Array<int>& values);
    bool getColumnDoubles(int column, Ork_Array<double>& values);
    bool getColumnBools(int column, Ork_Array<bool>& values);
    bool getRowTexts(int row, Ork_StringArray& texts);
    bool getAllRows(Ork_Array<Ork_StringArray>& rows);
    bool clearRow(int row);
    bool clearRows(int firstRow, int lastRow);
    bool setRowHeaderTexts(const Ork_StringArray& texts);
    bool setColumnHeaderTexts(const Ork_StringArray& texts);
    bool getColumnHeaderTexts(Ork_StringArray& texts);
    bool setColumnIndexList(int column, const Ork_Array<int>& indices);

    // ---- Cell types and locks
    bool setEditType(int col1, int row1, int col2, int row2, long style, int maxLength);
    bool setTextCells(int col1, int row1, int col2, int row2);
    bool setTextCells(int column, int row) { return setTextCells(column, row, column, row); }
    bool setNumberCell(int column, int row, int decimals, bool styleFlag);
    bool setListType(int col1, int row1, int col2, int row2, const Ork_StringArray& items, bool flag);
    bool setListCell(int column, int row, const Ork_StringArray& items, bool flag);
    bool setListColumn(int column, const Ork_StringArray& items, bool flag);
    bool setCheckBoxColumn(int column, bool border, bool spanHeader);
    bool setCheckBoxCell(int column, int row, bool border);
    bool setButtonColumn(int column, const Ork_String& caption, bool spanHeader);
    bool setButtonCell(int column, int row, const Ork_String& caption, bool spanHeader);
    bool setPictureCell(int column, int row, int resourceId, bool isIcon);
    bool setImageRow(const Ork_String& imageFile, int column, int row);
    bool setStaticHeaders(bool skipLists);
    bool lockColumn(int column);
    bool setCellLock(int column, int row, bool locked);
    int getCellTypeCode(int column, int row);
    bool setCheckCellsInSelection(bool checked);

    // ---- Sizing
    bool autoFitColumn(int column, bool skipLists);
    bool autoFitRow(int row);
    bool autoFitAll();
    int getTextWidth(int column, int row);
    int getColumnTextWidth(int column);
    int getTotalColumnWidthPx();
    bool fitLastColumn(int column);
    bool applyFitMode();

    // ---- Merging
    bool mergeEqualCellsInColumn(int column);
    bool unmergeColumn(int column);
    bool unmergeAll();
    bool removeSpanAt(int column, int row);

    // ---- Selection and editing
    bool ensureActiveCell(int& column, int& row);
    bool getEditSelection(int& start, int& end);
    bool setSelection(int col1, int row1, int col2, int row2);
    bool selectRow(int row);
    bool getSelection(int& col1, int& row1, int& col2, int& row2);
    int getSelectedColumn();
    int getSelectedRow();
    bool findFirstFreeCell(int& column, int& row);
    bool findLastFreeCell(int& column, int& row);
    bool focusFreeCell(bool first);
    // Tab handling for dialogs that embed grids: result 1 not handled, 0 the grid moves inside itself, 2 / 3
    // the dialog leaves the grid forward / backward.
    bool handleTabKey(unsigned key, int& result);

    // ---- Rows and columns
    bool insertRowAt(int row, bool askHeader, bool copyNext);
    bool insertColumnAt(int column, bool askHeader, bool copyNext);
    int appendRow(bool copyPrevious);
    bool insertRowAfterSelection(bool copy);
    bool deleteRow(int row);
    bool deleteColumn(int column);
    bool deleteSelectedRow();
    bool moveRows(int firstRow, int lastRow, int targetRow);
    bool moveSelectedRowUp();
    bool moveSelectedRowDown();
    bool copyColumn(int source, int target);
    bool copyRow(int source, int target);

    // ---- Search and replace
    bool findInRow(const Ork_String& text, bool partial, int row, int startColumn, int& column);
    bool findNext(const Ork_String& text, int startColumn, int startRow, int& column, int& row);
    bool findNextExact(const Ork_String& text, int startColumn, int startRow, int& column, int& row);
    bool findInCell(const Ork_String& text, int column, int row, int start, int& position);
    bool selectFoundText(const Ork_String& text, int column, int row, int start);
    bool replaceInCell(int column, int row, const Ork_String& findText, const Ork_String& replacement);
    bool openFindDialog();
    bool closeFindDialog();
    Ork_SpreadFindDialog* findDialog() const { return m_findDialog.get(); }

    // ---- Read back (tests and callers that restore state)
    const Ork_Array<int>& contextCodes() const { return m_contextCodes; }
    ui::Menu* contextMenu() const { return m_contextMenu.get(); }
    int checkColumn() const { return m_checkColumn; }
    int targetColumn() const { return m_targetColumn; }
    bool picturesLoaded() const { return !m_uncheckedPicture.isNull() || !m_checkedPicture.isNull(); }

    bool preTranslateMessage(const ui::Msg& msg) override;

protected:
    ui::LRESULT windowProc(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onRButtonDown(unsigned flags, ui::Point p) override;
    void onLButtonDown(unsigned flags, ui::Point p) override;
    void onKeyDown(unsigned vk, unsigned repeat, unsigned flags) override;
    bool onCommand(int id, int code) override;
    // A check-box or button click in the grid: applies the check-column link.
    void onCellClicked(int column, int row);

private:
    bool fitEqual();
    bool fitPercentage();
    bool fitFixedColumn();
    bool fitListedColumns();
    // The usable client width and the number of columns the fit modes share it among.
    bool fitFrame(int& width, int& columns, bool& headers);
    void applyCheckLink(int row);
    template <class Input>
    void watchCheckClick(int column, int row, Input input);
    void loadCheckPictures();
    grid::CellType checkBoxType();
    bool findFrom(const Ork_String& text, bool partial, int startColumn, int startRow, int& column, int& row);
    Ork_String askHeaderText(bool rows);
    bool setText(int column, int row, const Ork_String& text, bool asValue);
    bool isFreeCell(int column, int row);
    bool setModified();

    // The last number and edit types built, given again to the next cell that asks for the same: a standards
    // evaluation types every declaration and statement cell, at every evaluation.
    struct BuiltType {
        bool built = false;
        long style = 0;
        int size = 0;   // decimals of a number type, longest text of an edit type
        grid::CellType type;
    };
    BuiltType m_numberType;
    BuiltType m_editType;

    bool m_created = false;
    int m_controlId = 0;
    Ork_String m_fontFace = u"Tahoma";
    int m_fontHeight = 15;
    int m_fitMode = 0;
    ui::Image m_uncheckedPicture;
    ui::Image m_checkedPicture;
    std::unique_ptr<ui::Menu> m_contextMenu;
    Ork_Array<int> m_contextCodes;
    std::unique_ptr<Ork_SpreadFindDialog> m_findDialog;
    bool m_f8Allowed = true;
    int m_fitArgument1 = 0;
    int m_fitArgument2 = 0;
    Ork_Array<int> m_fitColumns;
    Ork_Array<int> m_fitWidths;
    int m_checkColumn = -1;
    int m_targetColumn = -1;
};
