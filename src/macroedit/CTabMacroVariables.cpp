#include "macroedit/CTabMacroVariables.h"

#include "grid/SpreadWindow.h"
#include "nuvo/crtNumbers.h"
#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"
#include "macroedit/filterEntries.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"

namespace {

constexpr int kExplanationStart = 942, kExplanationEnd = 943;
constexpr int kFirstLabel = 1388, kSecondLabel = 1392, kThirdLabel = 1407;
constexpr int kFirstTexts[] = {1385, 1386, 1387};
constexpr int kSecondTexts[] = {1389, 1390, 1391};
constexpr int kNameHeader = 87, kValueHeader = 86, kAddTip = 896, kDeleteTip = 897;
constexpr int kValueColumn = 2, kValueDecimals = 3;

void fillList(ui::ComboBox* list, const Ork_StringArray& items) {
    if (!list)
        return;
    list->resetContent();
    for (const Ork_String& item : items)
        list->addString(item);
}

} // namespace

bool CTabMacroVariables::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (!m_data)
        return true;
    if (m_grid.createInPlace(this, IDC_FRAME_GRID, true))
        m_grid.setStandardLook(0);
    m_add.attach(*this, IDC_MV_ADD, IDI_EDIT_ADD, dialString(kAddTip));
    m_delete.attach(*this, IDC_MV_DELETE, IDI_EDIT_REMOVE, dialString(kDeleteTip));
    setDlgItemText(IDC_MV_EXPLANATION, dialString(kExplanationStart) + u".\n" + dialString(kExplanationEnd) + u".");
    setDlgItemText(IDC_MV_FIRST_LABEL, dialString(kFirstLabel));
    setDlgItemText(IDC_MV_SECOND_LABEL, dialString(kSecondLabel));
    setDlgItemText(IDC_MV_THIRD_LABEL, dialString(kThirdLabel));
    auto* first = getDlgItemAs<ui::ComboBox>(IDC_MV_FIRST);
    auto* second = getDlgItemAs<ui::ComboBox>(IDC_MV_SECOND);
    auto* third = getDlgItemAs<ui::ComboBox>(IDC_MV_THIRD);
    fillList(first, stringArr(dialString(kFirstTexts[0]), dialString(kFirstTexts[1]), dialString(kFirstTexts[2])));
    fillList(second, stringArr(dialString(kSecondTexts[0]), dialString(kSecondTexts[1]), dialString(kSecondTexts[2])));
    fillList(third, stringArr(u"0", u"1", u"2", u"3"));
    if (first)
        first->setCurSel(m_data->firstSetting);
    if (second)
        second->setCurSel(m_data->secondSetting);
    setDlgItemText(IDC_MV_THIRD, Ork_String(m_data->thirdSetting));
    m_initialised = true;
    fill(true);
    return true;
}

void CTabMacroVariables::formatRows() {
    const int rows = std::max(1, m_grid.getMaxRows());
    for (int r = 1; r <= rows; ++r)
        m_grid.setNumberCell(kValueColumn, r, kValueDecimals, false);
}

void CTabMacroVariables::fill(bool firstFill) {
    if (!m_data || !m_grid.isCreated())
        return;
    const int rows = m_data->names.length();
    if (firstFill) {
        m_grid.setMaxRows(0);
        m_grid.setMaxCols(0);
    }
    m_grid.setMaxCols(2);
    m_grid.setMaxRows(rows);
    m_grid.setColumnHeaderTexts(Ork_StringArray{dialString(kNameHeader), dialString(kValueHeader)});
    formatRows();
    m_values.reset(rows);
    for (int r = 1; r <= rows; ++r) {
        m_grid.ssSetData(1, r, m_data->names[r - 1].c_str());
        if (r - 1 < m_data->values.length()) {
            m_grid.setCellDouble(kValueColumn, r, m_data->values[r - 1]);
            m_values.set(r, m_data->values[r - 1]);
        }
    }
    macroedit::fitEqualColumns(m_grid);
}

void CTabMacroVariables::commit() {
    if (!m_data || !m_initialised)
        return;
    const auto* first = getDlgItemAs<ui::ComboBox>(IDC_MV_FIRST);
    const auto* second = getDlgItemAs<ui::ComboBox>(IDC_MV_SECOND);
    if (first && (m_firstChosen || first->getCurSel() >= 0))
        m_data->firstSetting = first->getCurSel();
    if (second && (m_secondChosen || second->getCurSel() >= 0))
        m_data->secondSetting = second->getCurSel();
    m_data->thirdSetting = _wtoi(Ork_String(getDlgItemText(IDC_MV_THIRD)).c_str());
    if (!m_grid.isCreated())
        return;
    m_data->names.removeAll();
    m_data->values.removeAll();
    for (int r = 1; r <= m_grid.getMaxRows(); ++r) {
        Ork_String name;
        m_grid.getCellText(1, r, name, Ork_Spread::kTextData);
        double value = 0;
        if (const auto stored = m_values.get(r))
            value = *stored;
        else if (!m_grid.getCellDouble(kValueColumn, r, value))
            value = 0;
        m_data->names.append(name);
        m_data->values.append(value);
    }
}

bool CTabMacroVariables::onCommand(int id, int code) {
    if (id == IDC_FRAME_GRID) {
        long column = 0, row = 0;
        m_grid.ssGetNotifyCell(column, row);
        if (code == SSN_CHANGE && column == kValueColumn)
            m_values.forget(static_cast<int>(row));
        return true;
    }
    if (code == ui::CBN_SELCHANGE && id == IDC_MV_FIRST)
        m_firstChosen = true;
    if (code == ui::CBN_SELCHANGE && id == IDC_MV_SECOND)
        m_secondChosen = true;
    if (code == ui::BN_CLICKED && id == IDC_MV_ADD) {
        if (const int row = macroedit::addRowBelowActive(m_grid); row > 0) {
            m_values.inserted(row);
            m_grid.setNumberCell(kValueColumn, row, kValueDecimals, false);
        }
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_MV_DELETE) {
        if (const int row = macroedit::deleteActiveRow(m_grid); row > 0)
            m_values.deleted(row);
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

bool CTabMacroVariables::preTranslateMessage(const ui::Msg& msg) {
    return macroedit::cancelOwnerOnEscape(*this, msg) || ui::Dialog::preTranslateMessage(msg);
}

void CTabMacroVariables::onDestroy() {
    commit();
    ui::Dialog::onDestroy();
}
