// Ork_Spread: inserting, deleting, moving and copying rows and columns, and merging equal cells.
#include "spread/Ork_Spread.h"

#include "base/Ork_DlgPromptString.h"
#include "nuvo/hostTexts.h"

Ork_String Ork_Spread::askHeaderText(bool rows) {
    Ork_DlgPromptString prompt(this);
    prompt.setCaption(dialString(1150));
    prompt.setLabel(dialString(1151) + u" " + dialString(rows ? 1152 : 1153) + u":");
    prompt.setText(dialString(171));
    prompt.setButtonTexts(u"Ok", dialString(2));
    prompt.doModal();
    // A cancelled prompt leaves its initial text, which then names the new row or column.
    return prompt.text();
}

bool Ork_Spread::insertRowAt(int row, bool askHeader, bool copyNext) {
    // Row 0 and below are no place to insert: the header and what lies before it stay.
    if (!m_created || row < 1 || row > getMaxRows() + 1)
        return false;
    setMaxRows(getMaxRows() + 1, false);
    if (!ssInsRow(row)) {
        setMaxRows(getMaxRows() - 1, false);
        return false;
    }
    formatRowFonts(row, true);
    setModified();
    if (copyNext && row + 1 <= getMaxRows())
        copyRow(row + 1, row);
    if (askHeader) {
        const Ork_String header = askHeaderText(true);
        ssSetData(kHeader, row, header.c_str());
    }
    return true;
}

bool Ork_Spread::insertColumnAt(int column, bool askHeader, bool copyNext) {
    if (!m_created || column < 1 || column > getMaxCols() + 1)
        return false;
    setMaxCols(getMaxCols() + 1, false);
    if (!ssInsCol(column)) {
        setMaxCols(getMaxCols() - 1, false);
        return false;
    }
    formatColumnFonts(column, true);
    setModified();
    if (copyNext && column + 1 <= getMaxCols())
        copyColumn(column + 1, column);
    if (askHeader) {
        const Ork_String header = askHeaderText(false);
        ssSetData(column, kHeader, header.c_str());
    }
    return true;
}

int Ork_Spread::appendRow(bool copyPrevious) {
    if (!m_created)
        return -1;
    const int row = getMaxRows() + 1;
    if (!setMaxRows(row, false))
        return -1;
    clearRow(row);
    formatRowFonts(row, true);
    setModified();
    if (copyPrevious && row > 1)
        copyRow(row - 1, row);
    return row;
}

bool Ork_Spread::insertRowAfterSelection(bool copy) {
    if (!m_created)
        return false;
    return insertRowAt(getSelectedRow() + 1, false, copy);
}

bool Ork_Spread::deleteRow(int row) {
    if (!m_created || row < 1 || row > getMaxRows())
        return false;
    if (!ssDelRow(row))
        return false;
    ssSetMaxRows(getMaxRows() - 1);
    setModified();
    return true;
}

bool Ork_Spread::deleteColumn(int column) {
    if (!m_created || column < 1 || column > getMaxCols())
        return false;
    if (!ssDelCol(column))
        return false;
    ssSetMaxCols(getMaxCols() - 1);
    setModified();
    return true;
}

bool Ork_Spread::deleteSelectedRow() { return m_created && deleteRow(getSelectedRow()); }

bool Ork_Spread::moveRows(int firstRow, int lastRow, int targetRow) {
    const int rows = getMaxRows();
    // The block and its new place must both lie inside the sheet: a move past the end would push rows out.
    if (!m_created || targetRow < 1 || targetRow > rows || firstRow < 1 || lastRow > rows || firstRow > lastRow ||
        targetRow + (lastRow - firstRow) > rows)
        return false;
    const int selectedColumn = getSelectedColumn();
    if (targetRow != firstRow) {
        const int count = lastRow - firstRow + 1;
        const int columns = getMaxCols();
        // The rows in the way take the place the block leaves: the block goes to the end, the rows between
        // shift over, and the block comes back at the target.
        const int parking = rows + 1;
        if (!ssSetMaxRows(rows + count))
            return false;
        ssMoveRange(kHeader, firstRow, columns, lastRow, kHeader, parking);
        if (targetRow < firstRow)
            ssMoveRange(kHeader, targetRow, columns, firstRow - 1, kHeader, targetRow + count);
        else
            ssMoveRange(kHeader, lastRow + 1, columns, targetRow + count - 1, kHeader, firstRow);
        ssMoveRange(kHeader, parking, columns, parking + count - 1, kHeader, targetRow);
        ssSetMaxRows(rows);
    }
    setSelection(selectedColumn, targetRow, selectedColumn, targetRow);
    setModified();
    return true;
}

bool Ork_Spread::moveSelectedRowUp() {
    if (!m_created)
        return false;
    const int row = getSelectedRow();
    return moveRows(row, row, row - 1);
}

bool Ork_Spread::moveSelectedRowDown() {
    if (!m_created)
        return false;
    const int row = getSelectedRow();
    return moveRows(row, row, row + 1);
}

bool Ork_Spread::copyColumn(int source, int target) {
    const int columns = getMaxCols();
    if (!m_created || source < 1 || source > columns || target < 1 || target > columns)
        return false;
    if (!ssCopyRange(source, kHeader, source, -1, target, kHeader))
        return false;
    setModified();
    return true;
}

bool Ork_Spread::copyRow(int source, int target) {
    const int rows = getMaxRows();
    if (!m_created || source < 1 || source > rows || target < 1 || target > rows)
        return false;
    if (!ssCopyRange(kHeader, source, -1, source, kHeader, target))
        return false;
    setModified();
    return true;
}

// ---- Merging

bool Ork_Spread::mergeEqualCellsInColumn(int column) {
    if (!m_created || column < 0 || column > getMaxCols())
        return false;
    unmergeColumn(column);
    const int rows = getMaxRows();
    Ork_String previous;
    int runStart = 1, run = 1;
    for (int r = 1; r <= rows; ++r) {
        Ork_String text;
        getCellText(column, r, text, kTextValue);
        if (r > 1 && !previous.isEmpty() && text == previous) {
            ++run;
            continue;
        }
        if (run > 1)
            ssAddCellSpan(column, runStart, 1, run);
        previous = text;
        runStart = r;
        run = 1;
    }
    if (run > 1)
        ssAddCellSpan(column, runStart, 1, run);
    return true;
}

bool Ork_Spread::unmergeColumn(int column) {
    if (!m_created)
        return false;
    const int rows = getMaxRows();
    for (int r = 1; r <= rows; ++r)
        ssRemoveCellSpan(column, r);
    return true;
}

bool Ork_Spread::unmergeAll() {
    if (!m_created)
        return false;
    const int columns = getMaxCols();
    for (int c = 1; c <= columns; ++c)
        unmergeColumn(c);
    return true;
}

bool Ork_Spread::removeSpanAt(int column, int row) {
    long anchorColumn = 0, anchorRow = 0, columns = 0, rows = 0;
    if (!m_created || (ssGetCellSpan(column, row, anchorColumn, anchorRow, columns, rows) & 0xFFFF) == 0)
        return false;
    return ssRemoveCellSpan(anchorColumn, anchorRow);
}
