// Ork_Spread: selection, free cells and Tab handling, search and replace.
#include "spread/Ork_Spread.h"

#include "ui/Desktop.h"

// ---- Selection

bool Ork_Spread::ensureActiveCell(int& column, int& row) {
    long activeColumn = 0, activeRow = 0;
    if (!m_created || !ssGetActiveCell(activeColumn, activeRow))
        return false;
    column = static_cast<int>(activeColumn), row = static_cast<int>(activeRow);
    if (column < 1 || row < 1) {
        column = 1, row = 1;
        ssSetActiveCell(1, 1);
    }
    return true;
}

bool Ork_Spread::getEditSelection(int& start, int& end) {
    return m_created && ssGetEditMode() && ssGetEditSel(start, end);
}

bool Ork_Spread::setSelection(int col1, int row1, int col2, int row2) {
    return m_created && ssSetSelectBlock(col1, row1, col2, row2);
}

bool Ork_Spread::selectRow(int row) { return m_created && ssSetSelectBlock(kHeader, row, getMaxCols(), row); }

bool Ork_Spread::getSelection(int& col1, int& row1, int& col2, int& row2) {
    if (!m_created)
        return false;
    long c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    const bool selected = ssGetSelectBlock(c1, r1, c2, r2);
    col1 = static_cast<int>(c1), row1 = static_cast<int>(r1), col2 = static_cast<int>(c2), row2 = static_cast<int>(r2);
    if (!selected || col1 < 1 || row1 < 1) {
        int column = 0, row = 0;
        ensureActiveCell(column, row);
        col1 = col2 = column;
        row1 = row2 = row;
    }
    return true;
}

int Ork_Spread::getSelectedColumn() {
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    return getSelection(col1, row1, col2, row2) ? col1 : -1;
}

int Ork_Spread::getSelectedRow() {
    int col1 = 0, row1 = 0, col2 = 0, row2 = 0;
    return getSelection(col1, row1, col2, row2) ? row1 : -1;
}

// ---- Free cells and Tab

bool Ork_Spread::isFreeCell(int column, int row) {
    if (ssGetLock(column, row))
        return false;
    long anchorColumn = 0, anchorRow = 0, columns = 0, rows = 0;
    if ((ssGetCellSpan(column, row, anchorColumn, anchorRow, columns, rows) & 0xFFFF) != 0)
        return !ssGetLock(anchorColumn, anchorRow);
    return true;
}

bool Ork_Spread::findFirstFreeCell(int& column, int& row) {
    if (!m_created)
        return false;
    const int columns = getMaxCols(), rows = getMaxRows();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (isFreeCell(c, r)) {
                column = c, row = r;
                return true;
            }
    return false;
}

bool Ork_Spread::findLastFreeCell(int& column, int& row) {
    if (!m_created)
        return false;
    const int columns = getMaxCols(), rows = getMaxRows();
    for (int r = rows; r >= 1; --r)
        for (int c = columns; c >= 1; --c)
            if (isFreeCell(c, r)) {
                long anchorColumn = 0, anchorRow = 0, spanColumns = 0, spanRows = 0;
                const bool spanned = (ssGetCellSpan(c, r, anchorColumn, anchorRow, spanColumns, spanRows) & 0xFFFF) != 0;
                column = spanned ? static_cast<int>(anchorColumn) : c;
                row = r;
                return true;
            }
    return false;
}

bool Ork_Spread::focusFreeCell(bool first) {
    if (!m_created || !isWindowVisible())
        return false;
    int column = 0, row = 0;
    if (!(first ? findFirstFreeCell(column, row) : findLastFreeCell(column, row)))
        return false;
    setFocus();
    ssSetActiveCell(column, row);
    return true;
}

bool Ork_Spread::handleTabKey(unsigned key, int& result) {
    result = 1;
    if (key != ui::VK_TAB || !m_created || !isWindowVisible())
        return false;
    ui::Window* focus = ui::Window::getFocus();
    if (!focus)
        return false;
    const std::u16string& name = focus->getClassName();
    const bool inGrid = name.starts_with(u"SPR32") || name.starts_with(u"fpSpr");
    int column = 0, row = 0;
    if (!inGrid || !ensureActiveCell(column, row))
        return false;
    int freeColumn = 0, freeRow = 0;
    if (ui::isKeyDown(ui::VK_SHIFT)) {
        const bool found = findFirstFreeCell(freeColumn, freeRow);
        result = found && freeColumn == column && freeRow == row ? 3 : 0;
    } else {
        const bool found = findLastFreeCell(freeColumn, freeRow);
        result = found && freeColumn == column && freeRow == row ? 2 : 0;
    }
    return true;
}

// ---- Search and replace

bool Ork_Spread::findInRow(const Ork_String& text, bool partial, int row, int startColumn, int& column) {
    if (!m_created || row < 0 || row > getMaxRows())
        return false;
    const int columns = getMaxCols();
    for (int c = std::max(startColumn, 1); c <= columns; ++c) {
        Ork_String cell;
        getCellText(c, row, cell, kTextValue);
        if (partial ? cell.contains(text) : cell.equal(text, false)) {
            column = c;
            return true;
        }
    }
    return false;
}

bool Ork_Spread::findFrom(const Ork_String& text, bool partial, int startColumn, int startRow, int& column,
                          int& row) {
    if (!m_created)
        return false;
    const int rows = getMaxRows();
    for (int r = std::max(startRow, 0), from = startColumn; r <= rows; ++r, from = 1) {
        if (findInRow(text, partial, r, from, column)) {
            row = r;
            return true;
        }
    }
    return false;
}

bool Ork_Spread::findNext(const Ork_String& text, int startColumn, int startRow, int& column, int& row) {
    return findFrom(text, true, startColumn, startRow, column, row);
}

bool Ork_Spread::findNextExact(const Ork_String& text, int startColumn, int startRow, int& column, int& row) {
    return findFrom(text, false, startColumn, startRow, column, row);
}

bool Ork_Spread::findInCell(const Ork_String& text, int column, int row, int start, int& position) {
    Ork_String cell;
    if (!getCellText(column, row, cell, kTextValue))
        return false;
    position = cell.indexOf(text, std::max(start, 0));
    return position >= 0;
}

bool Ork_Spread::selectFoundText(const Ork_String& text, int column, int row, int start) {
    int position = 0;
    if (!findInCell(text, column, row, start, position))
        return false;
    setFocus();
    ssSetActiveCell(column, row);
    if (!ssGetEditMode())
        ssSetEditMode(true);
    return ssSetEditSel(position, position + text.len());
}

bool Ork_Spread::replaceInCell(int column, int row, const Ork_String& findText, const Ork_String& replacement) {
    Ork_String cell;
    if (!getCellText(column, row, cell, kTextValue))
        return false;
    cell.replaceAll(findText, replacement, false);
    return ssSetData(column, row, cell.c_str());
}
