#include "macroedit/CTabEditVars.h"

#include "grid/SpreadWindow.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "resources/resourceIds.h"

namespace {

constexpr int kKinds[] = {900, 895, 893, 901, 902, 1325, 1326, 1327};
constexpr int kNameHeader = 87, kValueHeader = 86, kKindHeader = 101;
constexpr int kVariablesFrame = 875, kDimensionsFrame = 898, kEquationsFrame = 899;
constexpr int kAddTip = 896, kDeleteTip = 897;
constexpr int kValueColumn = 2, kKindColumn = 3;
constexpr int kValueDecimals = 3;
// The equations editor holds every equation followed by a line feed and a carriage return.
constexpr const char16_t* kEquationEnd = u"\n\r";

// Lines of the equations editor: line feeds and carriage returns both end a line, empty lines go.
Ork_StringArray equationLines(const std::u16string& text) {
    Ork_StringArray lines;
    std::u16string line;
    for (char16_t c : text) {
        if (c == u'\n' || c == u'\r') {
            if (!line.empty())
                lines.append(Ork_String(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.append(Ork_String(line));
    return lines;
}

} // namespace

Ork_StringArray CTabEditVars::kindList() {
    Ork_StringArray list;
    for (int k : kKinds)
        list.append(dialString(k));
    return list;
}

bool CTabEditVars::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (m_variables.createInPlace(this, IDC_EV_VARS_GRID, true))
        m_variables.setStandardLook(0);
    if (m_dimensions.createInPlace(this, IDC_EV_DIMS_GRID, true))
        m_dimensions.setStandardLook(0);
    m_add.attach(*this, IDC_EV_ADD, IDI_EDIT_ADD, dialString(kAddTip));
    m_delete.attach(*this, IDC_EV_DELETE, IDI_EDIT_REMOVE, dialString(kDeleteTip));
    setDlgItemText(IDC_EV_VARS_FRAME, dialString(kVariablesFrame));
    setDlgItemText(IDC_EV_DIMS_FRAME, dialString(kDimensionsFrame));
    setDlgItemText(IDC_EV_EQS_FRAME, dialString(kEquationsFrame));
    m_layout.record(*this);
    for (int id : {IDC_EV_VARS_FRAME, IDC_EV_VARS_GRID})
        m_layout.setFlags(id, KvDlgLayout::kStretch, KvDlgLayout::kKeepNear);
    for (int id : {IDC_EV_ADD, IDC_EV_DELETE})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFixed);
    for (int id : {IDC_EV_DIMS_FRAME, IDC_EV_DIMS_GRID})
        m_layout.setFlags(id, KvDlgLayout::kStretch, KvDlgLayout::kFollowFar);
    for (int id : {IDC_EV_EQS_FRAME, IDC_EV_EQUATIONS})
        m_layout.setFlags(id, KvDlgLayout::kStretch, KvDlgLayout::kFollow);
    m_initialised = true;
    fill(true);
    return true;
}

void CTabEditVars::formatRow(int row) {
    m_variables.setNumberCell(kValueColumn, row, kValueDecimals, false);
    m_variables.setListCell(kKindColumn, row, kindList(), false);
}

void CTabEditVars::fill(bool firstFill) {
    if (!m_initialised || !m_data || !m_variables.isCreated())
        return;
    const EditConstrData& d = *m_data;
    const int rows = d.varNames.length();
    if (firstFill) {
        m_variables.setMaxRows(0);
        m_variables.setMaxCols(0);
    }
    m_variables.setMaxCols(3);
    m_variables.setMaxRows(rows);
    m_variables.setColumnHeaderTexts(
        Ork_StringArray{dialString(kNameHeader), dialString(kValueHeader), dialString(kKindHeader)});
    const Ork_StringArray kinds = kindList();
    m_values.reset(rows);
    m_kinds.reset(rows);
    for (int r = 1; r <= rows; ++r) {
        formatRow(r);
        m_variables.ssSetData(1, r, d.varNames[r - 1].c_str());
        const double value = r - 1 < d.varValues.length() ? d.varValues[r - 1] : 0.0;
        m_variables.setCellDouble(kValueColumn, r, value);
        m_values.set(r, value);
        const short kind = r - 1 < d.varKinds.length() ? d.varKinds[r - 1] : 0;
        m_kinds.set(r, kind);
        m_variables.ssSetData(kKindColumn, r, kind >= 0 && kind < kinds.length() ? kinds[kind].c_str() : u"");
    }
    macroedit::fitEqualColumns(m_variables);

    if (m_dimensions.isCreated()) {
        const int dims = d.dimNames.length();
        if (firstFill) {
            m_dimensions.setMaxRows(0);
            m_dimensions.setMaxCols(0);
        }
        m_dimensions.setMaxCols(2);
        m_dimensions.setMaxRows(dims);
        m_dimensions.setColumnHeaderTexts(Ork_StringArray{dialString(kNameHeader), dialString(kValueHeader)});
        for (int r = 1; r <= dims; ++r) {
            m_dimensions.ssSetData(1, r, d.dimNames[r - 1].c_str());
            m_dimensions.ssSetData(2, r, r - 1 < d.dimValues.length() ? d.dimValues[r - 1].c_str() : u"");
        }
        m_dimensions.lockColumn(1);
        m_dimensions.lockColumn(2);
        macroedit::fitEqualColumns(m_dimensions);
    }
    std::u16string equations;
    for (const Ork_String& e : d.equations)
        equations += e + kEquationEnd;
    setDlgItemText(IDC_EV_EQUATIONS, equations);
}

void CTabEditVars::commit() {
    if (!m_initialised || !m_data || !m_variables.isCreated())
        return;
    EditConstrData& d = *m_data;
    d.varNames.removeAll();
    d.varValues.removeAll();
    d.varKinds.removeAll();
    const Ork_StringArray kinds = kindList();
    const int rows = m_variables.getMaxRows();
    for (int r = 1; r <= rows; ++r) {
        Ork_String name;
        m_variables.getCellText(1, r, name, Ork_Spread::kTextData);
        d.varNames.append(name);
        double value = 0;
        if (const auto stored = m_values.get(r))
            value = *stored;
        else if (!m_variables.getCellDouble(kValueColumn, r, value))
            value = 0;
        d.varValues.append(value);
        short kind = 0;
        if (const auto stored = m_kinds.get(r)) {
            kind = *stored;
        } else {
            Ork_String shown;
            m_variables.getCellText(kKindColumn, r, shown, Ork_Spread::kTextData);
            kind = static_cast<short>(std::max(kinds.indexOf(shown), 0));
        }
        d.varKinds.append(kind);
    }
    d.equations = equationLines(getDlgItemText(IDC_EV_EQUATIONS));
    UpdateVarsEqs(m_data);
}

void CTabEditVars::activate() {
    commit();
    fill(false);
}

void CTabEditVars::addRow() {
    const int row = macroedit::addRowBelowActive(m_variables);
    if (row <= 0)
        return;
    m_values.inserted(row);
    m_kinds.inserted(row);
    formatRow(row);
}

void CTabEditVars::deleteRow() {
    const int row = macroedit::deleteActiveRow(m_variables);
    if (row <= 0)
        return;
    m_values.deleted(row);
    m_kinds.deleted(row);
}

bool CTabEditVars::onCommand(int id, int code) {
    if (id == IDC_EV_VARS_GRID) {
        long column = 0, row = 0;
        m_variables.ssGetNotifyCell(column, row);
        if (code == SSN_CHANGE && column == kValueColumn)
            m_values.forget(static_cast<int>(row));
        else if (code == SSN_COMBOCHANGE && column == kKindColumn)
            m_kinds.forget(static_cast<int>(row));
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_EV_ADD) {
        addRow();
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_EV_DELETE) {
        deleteRow();
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

void CTabEditVars::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (!m_initialised)
        return;
    m_layout.resize(cx, cy);
    macroedit::fitEqualColumns(m_variables);
    macroedit::fitEqualColumns(m_dimensions);
}

bool CTabEditVars::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_ESCAPE) {
        macroedit::handlePageEscape(*this, false);
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}
