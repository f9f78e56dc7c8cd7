#include "macroedit/CTabGeometries.h"

#include "cadhost/CommandLine.h"
#include "grid/SpreadWindow.h"
#include "macroedit/gridRows.h"
#include "macroedit/selectionRecent.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "resources/resourceIds.h"

namespace {

constexpr int kHeaders[CTabGeometries::kColumns] = {889, 890, 87, 891, 892};
constexpr int kFlexibilityTexts[] = {893, 894, 895};
constexpr int kNameColumn = 3, kFlexColumn = 4, kFlagColumn = 5;

Ork_StringArray flexibilityList() {
    Ork_StringArray list;
    for (int text : kFlexibilityTexts)
        list.append(dialString(text));
    return list;
}

template <typename T, typename Array>
T at(const Array& a, int i, T fallback) {
    return i >= 0 && i < a.length() ? static_cast<T>(a[i]) : fallback;
}

} // namespace

bool CTabGeometries::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (m_grid.createInPlace(this, IDC_FRAME_GRID, true))
        m_grid.setStandardLook(0);
    m_initialised = true;
    fill(true);
    return true;
}

int CTabGeometries::rowCount() const { return m_data ? m_data->geomRowTexts.length() : 0; }

void CTabGeometries::fill(bool firstFill) {
    if (!m_initialised || !m_data || !m_grid.isCreated())
        return;
    const EditConstrData& d = *m_data;
    const int rows = rowCount();
    if (firstFill) {
        m_grid.setMaxRows(0);
        m_grid.setMaxCols(0);
    }
    m_grid.setMaxCols(rows > 0 ? kColumns : 0);
    m_grid.setMaxRows(rows);
    if (rows > 0) {
        Ork_StringArray headers;
        for (int h : kHeaders)
            headers.append(dialString(h));
        m_grid.setColumnHeaderTexts(headers);
    }
    const Ork_StringArray flexibility = flexibilityList();
    for (int r = 0; r < rows; ++r) {
        const Ork_StringArray& texts = d.geomRowTexts[r];
        for (int c = 0; c < kNameColumn; ++c)
            m_grid.ssSetData(c + 1, r + 1, c < texts.length() ? texts[c].c_str() : u"");
        const Ork_String name = r < d.geomNames.length() ? d.geomNames[r] : Ork_String();
        m_grid.ssSetData(kNameColumn, r + 1, name.c_str());
        m_grid.setListCell(kFlexColumn, r + 1, flexibility, false);
        const int flex = at<int>(d.geomFlexibility, r, -1);
        m_grid.ssSetData(kFlexColumn, r + 1, flex >= 0 && flex < flexibility.length() ? flexibility[flex].c_str() : u"");
        m_grid.setCheckBoxCell(kFlagColumn, r + 1, false);
        m_grid.ssSetData(kFlagColumn, r + 1, at<int>(d.geomConstrFlags, r, 0) == 1 ? u"1" : u"0");
    }
    if (rows > 0) {
        m_grid.lockColumn(1);
        m_grid.lockColumn(2);
    }
    fitColumns();
}

void CTabGeometries::fitColumns() {
    if (!m_grid.isCreated())
        return;
    ui::Rect client;
    int scrollWidth = 0, scrollHeight = 0;
    if (!m_grid.ssGetClientRect(client))
        return;
    m_grid.ssGetScrollBarSize(scrollWidth, scrollHeight);
    const int width = std::max(client.width() - std::max(scrollWidth, 0), 0);
    const int columns = m_grid.getMaxCols();
    const bool headers = m_grid.ssGetBool(grid::kSwitchRowHeaders);
    const int shown = columns + (headers ? 1 : 0);
    if (columns <= 0 || shown <= 0)
        return;
    const int share = width / shown;
    // The check-box column needs no more than its box: the others share what it leaves when there is room.
    const bool narrowLast = share >= kMinLastColumn && shown > 1;
    const int rest = narrowLast ? (width - kMinLastColumn) / (shown - 1) : share;
    for (int c = 1; c < columns; ++c)
        m_grid.ssSetColWidthInPixels(c, rest);
    m_grid.ssSetColWidthInPixels(columns, narrowLast ? kMinLastColumn : share);
    if (headers)
        m_grid.ssSetColWidthInPixels(0, rest);
}

void CTabGeometries::rowReached(int row) {
    const int index = row - 1;
    if (!m_data || index < 0 || index >= rowCount() || index == m_highlighted)
        return;
    macroedit::startSelectionRecent();
    if (m_highlighted >= 0)
        UnHighlightObject(m_data, at<AcDbObjectId>(m_data->geomIds, m_highlighted, AcDbObjectId()));
    HighlightObject(m_data, at<AcDbObjectId>(m_data->geomIds, index, AcDbObjectId()));
    m_highlighted = index;
    acedUpdateDisplay();
}

void CTabGeometries::flexibilityChanged(int row) {
    const int index = row - 1;
    if (!m_data || index < 0 || index >= rowCount() || index >= m_data->geomIds.length())
        return;
    Ork_String shown;
    m_grid.getCellText(kFlexColumn, row, shown, Ork_Spread::kTextData);
    const int position = flexibilityList().indexOf(shown);
    if (position < 0)
        return;   // nothing chosen: nothing to send
    // Names typed so far reach the host first, or the refill afterwards would show the old ones.
    commitNames();
    UpdateGeomFlexibility(m_data, m_data->geomIds[index], at<long>(m_data->geomFlexValues, index, 0L), position + 1);
    fill(false);
}

void CTabGeometries::constraintGeometrySwitched(int row) {
    const int index = row - 1;
    if (!m_data || index < 0 || index >= rowCount())
        return;
    Ork_String state;
    m_grid.getCellText(kFlagColumn, row, state, Ork_Spread::kTextData);
    const int now = state == u"1" ? 1 : 0;
    const int flag = at<int>(m_data->geomConstrFlags, index, -1);
    if ((flag == 0 || flag == 1) && now != flag && index < m_data->geomIds.length()) {
        commitNames();
        UpdateConstrGeom(m_data, m_data->geomIds[index], now);
    }
    // Also a flag the host keeps to itself shows again as it was.
    fill(false);
}

void CTabGeometries::commitNames() {
    if (!m_initialised || !m_data || !m_grid.isCreated())
        return;
    Ork_StringArray names;
    for (int r = 1; r <= rowCount(); ++r) {
        Ork_String name;
        m_grid.getCellText(kNameColumn, r, name, Ork_Spread::kTextData);
        names.append(name);
    }
    SetNameTags(m_data, m_data->geomIds, names);
}

void CTabGeometries::leave() {
    if (m_data && m_highlighted >= 0) {
        UnHighlightObject(m_data, at<AcDbObjectId>(m_data->geomIds, m_highlighted, AcDbObjectId()));
        acedUpdateDisplay();
    }
    m_highlighted = -1;
}

bool CTabGeometries::onCommand(int id, int code) {
    if (id == IDC_FRAME_GRID) {
        long column = 0, row = 0;
        m_grid.ssGetNotifyCell(column, row);
        if (code == SSN_ACTIVECELLMOVED || code == SSN_CLICK)
            rowReached(static_cast<int>(row));
        else if (code == SSN_COMBOCHANGE && column == kFlexColumn)
            flexibilityChanged(static_cast<int>(row));
        else if (code == SSN_CHECKBOXCLICK && column == kFlagColumn)
            constraintGeometrySwitched(static_cast<int>(row));
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

void CTabGeometries::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (!m_initialised)
        return;
    m_grid.moveWindow(7, 7, std::max(cx - 14, 0), std::max(cy - 14, 0));
    fitColumns();
}

bool CTabGeometries::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_ESCAPE) {
        macroedit::handlePageEscape(*this, macroedit::isSelectionRecent());
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}

void CTabGeometries::onOK() { acutPrintf(u"Ok\n"); }

void CTabGeometries::onCancel() { acutPrintf(u"cancel\n"); }
