#include "sheet/CDlgStringArray.h"

#include "grid/Sheet.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"

#include <algorithm>

namespace {

// The style of the text cells: the grid's edit type as the table editor has always used it.
constexpr long kTextCellStyle = 0x110000;
constexpr ui::Color kSystemColour = 0x8000000B;
constexpr int kOkText = 1, kCancelText = 2, kAddText = 606, kRemoveText = 607;

} // namespace

CDlgStringArray::CDlgStringArray(ui::Window* parent) : ui::Dialog(IDD_STRING_ARRAY, parent) {}

CDlgStringArray::~CDlgStringArray() = default;

bool CDlgStringArray::onInitDialog() {
    ui::Dialog::onInitDialog();
    // A cell that took fewer characters than a row given in holds would cut that row when it is edited.
    m_textLength = kMinTextLength;
    for (const Ork_StringArray& row : m_rows)
        for (const Ork_String& text : row)
            m_textLength = std::max(m_textLength, text.len());

    if (m_grid.createInPlace(this, IDC_FRAME_GRID)) {
        m_grid.setStandardLook(1);
        m_grid.setFitMode(1);
    }

    const ui::Rect first = getWindowRect();
    m_initialSize = ui::Size{first.width(), first.height()};
    m_layout.record(*this);
    m_layout.setFlags(IDC_FRAME_GRID, KvDlgLayout::kStretch, KvDlgLayout::kStretch);
    for (int id : {static_cast<int>(ui::IDOK), static_cast<int>(ui::IDCANCEL)})
        m_layout.setFlags(id, KvDlgLayout::kFixed, KvDlgLayout::kFollow);
    for (int id : {IDC_STRING_ARRAY_ADD, IDC_STRING_ARRAY_REMOVE})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
    if (ChangeDlgSize(this, m_sizeKey)) {
        // A size stored by an older layout may be below the first size.
        const ui::Rect r = getWindowRect();
        if (r.width() < m_initialSize.cx || r.height() < m_initialSize.cy)
            moveWindow(getRectInParent().left, getRectInParent().top, std::max(r.width(), m_initialSize.cx),
                       std::max(r.height(), m_initialSize.cy));
    }

    setWindowText(m_title);
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    setDlgItemText(IDC_STRING_ARRAY_ADD, dialString(kAddText));
    setDlgItemText(IDC_STRING_ARRAY_REMOVE, dialString(kRemoveText));
    if (!m_addRemove)
        for (int id : {IDC_STRING_ARRAY_ADD, IDC_STRING_ARRAY_REMOVE})
            if (ui::Window* button = getDlgItem(id))
                button->showWindow(ui::SW_HIDE);

    if (m_grid.isCreated()) {
        setLook();
        fillGrid();
    }
    return true;
}

void CDlgStringArray::setLook() {
    m_grid.ssSetBool(grid::kSwitchRepaint, false);
    // The table's look, in this order; the bare numbers are switches the grid only stores, set by number.
    const std::pair<int, bool> switches[] = {
        {grid::kSwitchCalcSheet, false}, {25, true}, {grid::kSwitchAutoCalc, false}, {21, true}, {26, false},
        {grid::kSwitchF8, true}, {32, true}, {18, true}, {0, true}, {11, true}, {10, false}, {22, true}};
    for (const auto& [index, on] : switches)
        m_grid.ssSetBool(index, on);
    m_grid.ssSetEditEnterAction(5);
    m_grid.ssSetInteger(1, -1);
    m_grid.ssSetGrayAreaColor(0xC0C0C0, kSystemColour);
    const int columns = m_columnNames.length(), rows = m_rows.length();
    m_grid.setMaxCols(columns);
    m_grid.ssSetBool(grid::kSwitchRowHeaders, !m_rowNames.isEmpty());
    m_grid.setMaxRows(rows);
    m_grid.setFontRange(1, Ork_Spread::kHeader, columns, Ork_Spread::kHeader, u"Tahoma", 15, true, false);
    if (rows > 0)
        m_grid.setFontRange(1, 1, columns, rows, u"Tahoma", 15, false, true);
    m_grid.applyFitMode();
    m_grid.ssSetBool(grid::kSwitchRepaint, true);
}

void CDlgStringArray::fillGrid() {
    m_grid.setColumnHeaderTexts(m_columnNames);
    m_grid.setRowHeaderTexts(m_rowNames);
    const int columns = m_grid.getMaxCols(), rows = m_rows.length();
    if (rows == 0 || columns < 1)
        return;
    m_grid.setEditType(1, 1, columns, rows, kTextCellStyle, m_textLength);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < std::min(m_rows[r].length(), columns); ++c)
            m_grid.ssSetData(c + 1, r + 1, m_rows[r][c].c_str());
}

void CDlgStringArray::addRow() {
    // The cell editor is closed first: it belongs to a cell, and rows are about to move under it.
    m_grid.ssSetEditMode(false);
    const int rows = m_grid.getMaxRows(), columns = m_grid.getMaxCols();
    int column = 1, row = 0;
    if (rows > 0 && !m_grid.ensureActiveCell(column, row))
        return;
    const int added = row + 1;
    if (!m_grid.insertRowAt(added, false, false))
        return;
    if (columns > 0)
        m_grid.setEditType(1, added, columns, added, kTextCellStyle, m_textLength);
    m_grid.setFocus();
    m_grid.ssSetActiveCell(column, added);
}

void CDlgStringArray::removeRow() {
    // An editor left open on the removed row would write its text into the row moving up in its place.
    m_grid.ssSetEditMode(false);
    const int rows = m_grid.getMaxRows();
    int column = 1, row = 1;
    if (rows < 1 || !m_grid.ensureActiveCell(column, row) || !m_grid.deleteRow(row))
        return;
    if (rows == 1)
        return;
    row = std::min(row, rows - 1);
    m_grid.setFocus();
    m_grid.ssSetActiveCell(column, row);
    if (m_grid.ssSetEditMode(true)) {
        Ork_String text;
        m_grid.getCellText(column, row, text, Ork_Spread::kTextData);
        m_grid.ssSetEditSel(0, text.len());
    }
}

void CDlgStringArray::onOK() {
    // What is still in the cell editor counts.
    m_grid.ssSetEditMode(false);
    m_rows.removeAll();
    const int rows = m_grid.getMaxRows(), columns = m_grid.getMaxCols();
    for (int r = 1; r <= rows; ++r) {
        Ork_StringArray row;
        for (int c = 1; c <= columns; ++c) {
            Ork_String text;
            m_grid.getCellText(c, r, text, Ork_Spread::kTextData);
            row.append(text);
        }
        m_rows.append(row);
    }
    endDialog(ui::IDOK);
}

bool CDlgStringArray::onCommand(int id, int code) {
    // Without the flag the buttons are hidden, and a click that reaches the dialog anyway changes nothing.
    if (code == ui::BN_CLICKED && !m_addRemove && (id == IDC_STRING_ARRAY_ADD || id == IDC_STRING_ARRAY_REMOVE))
        return true;
    if (code == ui::BN_CLICKED && id == IDC_STRING_ARRAY_ADD) {
        addRow();
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_STRING_ARRAY_REMOVE) {
        removeRow();
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

void CDlgStringArray::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
}

void CDlgStringArray::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    if (m_initialSize.cx > 0)
        info.minTrackSize = m_initialSize;
}

void CDlgStringArray::onDestroy() {
    WriteDlgSize(this, m_sizeKey);
    ui::Dialog::onDestroy();
}
