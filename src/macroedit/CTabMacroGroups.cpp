#include "macroedit/CTabMacroGroups.h"

#include "grid/Sheet.h"
#include "nuvo/hostTexts.h"
#include "macroedit/filterEntries.h"
#include "resources/resourceIds.h"

namespace {

constexpr int kHeaders[] = {944, 945, 946};
constexpr int kFirstLabel = 947, kFirstLine = 948, kFirstExample = 949;
constexpr int kSecondLabel = 950, kSecondLine = 951, kSecondExample = 952;
constexpr int kExample = 10320;   // a host general text
constexpr int kExplanation[] = {953, 954, 955};
constexpr int kNone = 956;
constexpr int kNumberColumn = 3;
constexpr int kFixedColumnFit = 4;   // one column of a fixed width, the others share the rest

} // namespace

bool CTabMacroGroups::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (m_grid.createInPlace(this, IDC_FRAME_GRID, true)) {
        m_grid.setFitMode(kFixedColumnFit, kNumberColumn, kNumberColumnWidth);
        m_grid.setStandardLook(0);
        m_grid.ssSetBool(grid::kSwitchRowHeaders, false);
        m_grid.setMaxCols(3);
        Ork_StringArray headers;
        for (int h : kHeaders)
            headers.append(dialString(h));
        m_grid.setColumnHeaderTexts(headers);
    }
    setDlgItemText(IDC_MG_FIRST_LABEL, dialString(kFirstLabel) + u"\n" + dialString(kFirstLine) + u" " +
                                           string(kExample) + u": \"" + dialString(kFirstExample) + u"\"");
    setDlgItemText(IDC_MG_SECOND_LABEL, dialString(kSecondLabel) + u"\n" + dialString(kSecondLine) + u"\n" +
                                            string(kExample) + u": \"" + dialString(kSecondExample) + u"\"");
    setDlgItemText(IDC_MG_EXPLANATION, dialString(kExplanation[0]) + u"\n" + dialString(kExplanation[1]) + u"\n" +
                                           dialString(kExplanation[2]));
    if (!m_data)
        return true;
    setDlgItemText(IDC_MG_FIRST, m_data->firstText);
    setDlgItemText(IDC_MG_SECOND, m_data->secondText);
    if (m_grid.isCreated()) {
        const int rows = m_data->names.length();
        m_grid.setMaxRows(rows);
        Ork_StringArray numbers{dialString(kNone)};
        for (int n = 1; n <= rows; ++n)
            numbers.append(Ork_String(n));
        for (int r = 1; r <= rows; ++r) {
            m_grid.ssSetData(1, r, m_data->names[r - 1].c_str());
            m_grid.ssSetData(2, r, r - 1 < m_data->texts.length() ? m_data->texts[r - 1].c_str() : u"");
            m_grid.setListCell(kNumberColumn, r, numbers, false);
            const int number = r - 1 < m_data->numbers.length() ? m_data->numbers[r - 1] : 0;
            // A number the list cannot show is shown as none (and is stored as none at the next commit).
            m_grid.ssSetData(kNumberColumn, r, numbers[number >= 0 && number <= rows ? number : 0].c_str());
        }
        m_grid.lockColumn(1);
        m_grid.applyFitMode();
    }
    m_initialised = true;
    return true;
}

void CTabMacroGroups::commit() {
    if (!m_data || !m_initialised)
        return;
    m_data->firstText = getDlgItemText(IDC_MG_FIRST);
    m_data->secondText = getDlgItemText(IDC_MG_SECOND);
    if (!m_grid.isCreated())
        return;
    const int rows = m_grid.getMaxRows();
    Ork_StringArray numbers{dialString(kNone)};
    for (int n = 1; n <= rows; ++n)
        numbers.append(Ork_String(n));
    m_data->names.removeAll();
    m_data->texts.removeAll();
    m_data->numbers.removeAll();
    for (int r = 1; r <= rows; ++r) {
        Ork_String name, text, number;
        m_grid.getCellText(1, r, name, Ork_Spread::kTextData);
        m_grid.getCellText(2, r, text, Ork_Spread::kTextData);
        m_grid.getCellText(kNumberColumn, r, number, Ork_Spread::kTextData);
        m_data->names.append(name);
        m_data->texts.append(text);
        m_data->numbers.append(std::max(numbers.indexOf(number), 0));
    }
}

bool CTabMacroGroups::preTranslateMessage(const ui::Msg& msg) {
    return macroedit::cancelOwnerOnEscape(*this, msg) || ui::Dialog::preTranslateMessage(msg);
}

void CTabMacroGroups::onDestroy() {
    commit();
    ui::Dialog::onDestroy();
}
