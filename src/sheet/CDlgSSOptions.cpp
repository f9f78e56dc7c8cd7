#include "sheet/CDlgSSOptions.h"

#include "base/KvResourceGuard.h"
#include "grid/CellAddress.h"
#include "grid/Sheet.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/textUtil.h"

#include <algorithm>

namespace {

// Header sizes beyond this many pixels are typing slips: no screen shows a header that large.
constexpr int kMaxHeaderPixels = 10000;
// The most rows the dialog offers unless the sheet already has more. The grid takes far more, but every row
// costs: the list of row texts is read on each change of the count, and the sheet formats each new row.
constexpr int kMaxListedRows = 65536;

constexpr int kCaption = 1369, kNote1 = 1370, kNote2 = 1371, kNote3 = 1372;
constexpr int kColumnsLabel = 1373, kRowsLabel = 1374, kHeaderHeightLabel = 1375, kHeaderWidthLabel = 1376;
constexpr int kOkText = 1, kCancelText = 2;

// Switches of the two small grids: 10 and 11 (stored only, set by number as the sheet options show their
// lists), 3 and the row headers off so that only the texts show.
void setListLook(Ork_Spread& grid, bool oneRow) {
    grid.ssSetBool(10, oneRow);
    grid.ssSetBool(11, !oneRow);
    grid.ssSetBool(3, false);
    grid.ssSetBool(grid::kSwitchRowHeaders, false);
}

// The texts along a row or down a column, up to the last one that is not empty: a count typed far beyond
// the texts does not turn into as many empty texts.
Ork_StringArray textsUpToLast(Ork_Spread& grid, bool alongRow, int line) {
    Ork_StringArray texts;
    const int count = alongRow ? grid.getMaxCols() : grid.getMaxRows();
    int empties = 0;
    for (int i = 1; i <= count; ++i) {
        Ork_String text;
        grid.getCellText(alongRow ? i : line, alongRow ? line : i, text, Ork_Spread::kTextValue);
        if (text.isEmpty()) {
            ++empties;
            continue;
        }
        for (; empties > 0; --empties)
            texts.append(Ork_String());
        texts.append(text);
    }
    return texts;
}

Ork_StringArray listedTexts(Ork_Spread& grid, bool alongRow) { return textsUpToLast(grid, alongRow, 1); }

// The sheet's column header texts (value texts of (i, 0)) or row header texts (of (0, i)).
Ork_StringArray headerTexts(Ork_Spread& grid, bool columns) { return textsUpToLast(grid, columns, 0); }

} // namespace

CDlgSSOptions::CDlgSSOptions(ui::Window* parent) : ui::Dialog(IDD_SS_OPTIONS, parent) {}

CDlgSSOptions::~CDlgSSOptions() = default;

int CDlgSSOptions::maxColumns() const { return grid::kMaxCols; }
int CDlgSSOptions::maxRows() const { return std::min(std::max(kMaxListedRows, m_sheetRows), grid::kMaxRows); }
int CDlgSSOptions::maxHeaderSize() const { return kMaxHeaderPixels; }

// ---- The sheet

void CDlgSSOptions::readFrom(Ork_Spread& grid) {
    m_columns = std::max(grid.getMaxCols(), 0);
    m_rows = std::max(grid.getMaxRows(), 0);
    m_sheetRows = m_rows;
    m_headerRowHeight = 0;
    m_headerColumnWidth = 0;
    grid.ssGetRowHeightInPixels(Ork_Spread::kHeader, m_headerRowHeight);
    grid.ssGetColWidthInPixels(Ork_Spread::kHeader, m_headerColumnWidth);
    m_columnTexts = headerTexts(grid, true);
    m_rowTexts = headerTexts(grid, false);
    m_editedColumnTexts.removeAll();
    m_editedRowTexts.removeAll();
}

bool CDlgSSOptions::applyTo(Ork_Spread& grid) const {
    if (!grid.isCreated())
        return false;
    grid.setMaxCols(m_columns);
    grid.setMaxRows(m_rows);
    grid.ssSetRowHeightInPixels(Ork_Spread::kHeader, m_headerRowHeight);
    grid.ssSetColWidthInPixels(Ork_Spread::kHeader, m_headerColumnWidth);
    // Only texts that differ from what a header shows are written: a header without a text of its own shows
    // its number or letters, and fixing that as its text would make it stale once rows or columns move.
    auto setHeader = [&grid](int column, int row, const Ork_String& text) {
        Ork_String shown;
        grid.getCellText(column, row, shown, Ork_Spread::kTextValue);
        if (shown != text)
            grid.ssSetData(column, row, text.c_str());
    };
    for (int r = 0; r < std::min(m_rowTexts.length(), m_rows); ++r)
        setHeader(0, r + 1, m_rowTexts[r]);
    for (int c = 0; c < std::min(m_columnTexts.length(), m_columns); ++c)
        setHeader(c + 1, 0, m_columnTexts[c]);
    grid.ssSetBool(grid::kSwitchModified, true);
    return true;
}

// ---- The dialog

bool CDlgSSOptions::onInitDialog() {
    ui::Dialog::onInitDialog();
    m_ready = false;
    setWindowText(dialString(kCaption));
    const std::pair<int, int> texts[] = {
        {IDC_OPTIONS_COLUMNS_LABEL, kColumnsLabel},
        {IDC_OPTIONS_ROWS_LABEL, kRowsLabel},
        {IDC_OPTIONS_HEADER_HEIGHT_LABEL, kHeaderHeightLabel},
        {IDC_OPTIONS_HEADER_WIDTH_LABEL, kHeaderWidthLabel},
        {IDC_OPTIONS_NOTE2, kNote3},
        {ui::IDOK, kOkText},
        {ui::IDCANCEL, kCancelText},
    };
    for (const auto& [id, text] : texts)
        setDlgItemText(id, dialString(text));
    setDlgItemText(IDC_OPTIONS_NOTE, dialString(kNote1) + u"\n" + dialString(kNote2));
    setDlgItemInt(IDC_OPTIONS_COLUMNS, m_columns);
    setDlgItemInt(IDC_OPTIONS_ROWS, m_rows);
    setDlgItemInt(IDC_OPTIONS_HEADER_HEIGHT, m_headerRowHeight);
    setDlgItemInt(IDC_OPTIONS_HEADER_WIDTH, m_headerColumnWidth);

    if (m_columnGrid.createInPlace(this, IDC_OPTIONS_COLUMN_GRID)) {
        m_columnGrid.ssSetMaxRows(1);
        setListLook(m_columnGrid, true);
        m_columnGrid.ssSetRowHeightInPixels(1, m_headerRowHeight);
        fillColumnGrid();
    }
    if (m_rowGrid.createInPlace(this, IDC_OPTIONS_ROW_GRID)) {
        m_rowGrid.ssSetMaxCols(1);
        setListLook(m_rowGrid, false);
        m_rowGrid.ssSetColWidthInPixels(1, m_headerColumnWidth);
        fillRowGrid();
    }
    m_ready = true;
    return true;
}

// The small grids are sized with the grid's own counts, not the wrapper's: the wrapper formats every new
// cell, which a list of a few thousand texts does not need.
void CDlgSSOptions::fillColumnGrid() {
    m_columnGrid.ssSetMaxCols(m_columns);
    const int filled = std::min(m_columns, std::max(m_editedColumnTexts.length(), m_columnTexts.length()));
    for (int c = 0; c < filled; ++c)
        m_columnGrid.ssSetData(c + 1, 1, textAt(m_editedColumnTexts, m_columnTexts, c).c_str());
}

void CDlgSSOptions::fillRowGrid() {
    m_rowGrid.ssSetMaxRows(m_rows);
    const int filled = std::min(m_rows, std::max(m_editedRowTexts.length(), m_rowTexts.length()));
    for (int r = 0; r < filled; ++r)
        m_rowGrid.ssSetData(1, r + 1, textAt(m_editedRowTexts, m_rowTexts, r).c_str());
}

Ork_String CDlgSSOptions::textAt(const Ork_StringArray& edited, const Ork_StringArray& initial, int i) {
    if (i < edited.length())
        return edited[i];
    return i < initial.length() ? initial[i] : Ork_String();
}

Ork_StringArray CDlgSSOptions::acceptedTexts(Ork_StringArray texts, int sheetTexts, int count) {
    // Emptied texts must reach the sheet too, as far as the sheet had texts.
    while (texts.length() < std::min(sheetTexts, count))
        texts.append(Ork_String());
    return texts;
}

void CDlgSSOptions::keepTexts(Ork_StringArray& edited, const Ork_StringArray& shown, int shownCount,
                              int initialCount) {
    // Every position the grid showed is taken, an emptied one too, so that no older text comes back for it;
    // the empty ones only as far as there are texts they stand for.
    const int limit = std::min(shownCount, std::max({shown.length(), edited.length(), initialCount}));
    for (int i = 0; i < limit; ++i) {
        const Ork_String text = i < shown.length() ? shown[i] : Ork_String();
        if (i < edited.length())
            edited[i] = text;
        else
            edited.append(text);
    }
}

int CDlgSSOptions::fieldNumber(int fieldId, int maximum) {
    long long typed = 0;
    // An empty field is a number being typed: it counts as 0 and is left alone.
    if (!ui::parseLeadingInt(getDlgItemText(fieldId), true, typed))
        return 0;
    const int held = static_cast<int>(std::clamp<long long>(typed, 0, maximum));
    if (held != typed) {
        m_ready = false;
        setDlgItemInt(fieldId, held);
        m_ready = true;
    }
    return held;
}

void CDlgSSOptions::countChanged(int fieldId) {
    if (fieldId == IDC_OPTIONS_COLUMNS) {
        m_columnGrid.ssSetEditMode(false);
        keepTexts(m_editedColumnTexts, listedTexts(m_columnGrid, true), m_columns, m_columnTexts.length());
        m_columns = fieldNumber(fieldId, maxColumns());
        fillColumnGrid();
    } else {
        m_rowGrid.ssSetEditMode(false);
        keepTexts(m_editedRowTexts, listedTexts(m_rowGrid, false), m_rows, m_rowTexts.length());
        m_rows = fieldNumber(fieldId, maxRows());
        fillRowGrid();
    }
}

void CDlgSSOptions::sizeChanged(int fieldId) {
    if (fieldId == IDC_OPTIONS_HEADER_HEIGHT) {
        m_headerRowHeight = fieldNumber(fieldId, maxHeaderSize());
        m_columnGrid.ssSetRowHeightInPixels(1, m_headerRowHeight);
    } else {
        m_headerColumnWidth = fieldNumber(fieldId, maxHeaderSize());
        m_rowGrid.ssSetColWidthInPixels(1, m_headerColumnWidth);
    }
}

bool CDlgSSOptions::onCommand(int id, int code) {
    if (code == ui::EN_CHANGE && m_ready) {
        switch (id) {
        case IDC_OPTIONS_COLUMNS:
        case IDC_OPTIONS_ROWS: countChanged(id); return true;
        case IDC_OPTIONS_HEADER_HEIGHT:
        case IDC_OPTIONS_HEADER_WIDTH: sizeChanged(id); return true;
        default: break;
        }
    }
    return ui::Dialog::onCommand(id, code);
}

void CDlgSSOptions::onOK() {
    // A text still in a cell editor is the user's last word.
    m_columnGrid.ssSetEditMode(false);
    m_rowGrid.ssSetEditMode(false);
    m_columnTexts = acceptedTexts(listedTexts(m_columnGrid, true), m_columnTexts.length(), m_columns);
    m_rowTexts = acceptedTexts(listedTexts(m_rowGrid, false), m_rowTexts.length(), m_rows);
    endDialog(ui::IDOK);
}

bool editSheetOptions(Ork_Spread& grid) {
    if (!grid.isCreated())
        return false;
    KvResourceGuard guard;
    CDlgSSOptions dialog(grid.getTopLevelParent());
    dialog.readFrom(grid);
    if (dialog.doModal() != ui::IDOK)
        return false;
    return dialog.applyTo(grid);
}
