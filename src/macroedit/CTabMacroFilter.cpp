#include "macroedit/CTabMacroFilter.h"

#include "grid/SpreadWindow.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"

#include <algorithm>

namespace {

constexpr int kEnableText = 922, kAxisGroup = 923, kSectionGroup = 924, kAxisActive = 925, kFirstLabel = 926,
              kSecondLabel = 927, kMode1 = 928, kMode2 = 929, kSectionActive = 930, kFromHeader = 931,
              kToHeader = 932, kAddTip = 920, kDeleteTip = 921;
constexpr int kDecimals = 2;

} // namespace

bool CTabMacroFilter::onInitDialog() {
    ui::Dialog::onInitDialog();
    setDlgItemText(IDC_MF_ENABLE, dialString(kEnableText));
    setDlgItemText(IDC_MF_AXIS_GROUP, dialString(kAxisGroup));
    setDlgItemText(IDC_MF_SECTION_GROUP, dialString(kSectionGroup));
    setDlgItemText(IDC_MF_AXIS_ACTIVE, dialString(kAxisActive));
    setDlgItemText(IDC_MF_SECTION_ACTIVE, dialString(kSectionActive));
    setDlgItemText(IDC_MF_FIRST_LABEL, dialString(kFirstLabel));
    setDlgItemText(IDC_MF_SECOND_LABEL, dialString(kSecondLabel));
    setDlgItemText(IDC_MF_MODE1, dialString(kMode1));
    setDlgItemText(IDC_MF_MODE2, dialString(kMode2));
    macroedit::showFilterPicture(*this, IDC_MF_MODE1_PICTURE, u"MacroFilterAngle90.bmp", m_mode1Picture);
    macroedit::showFilterPicture(*this, IDC_MF_MODE2_PICTURE, u"MacroFilterAngle180.bmp", m_mode2Picture);
    macroedit::showFilterPicture(*this, IDC_MF_SECTION_PICTURE, u"MacroFilterSectionAngle.bmp", m_sectionPicture);
    m_addRange.attach(*this, IDC_MF_ADD_RANGE, IDI_EDIT_ADD, dialString(kAddTip));
    m_deleteRange.attach(*this, IDC_MF_DELETE_RANGE, IDI_EDIT_REMOVE, dialString(kDeleteTip));
    if (m_ranges.createInPlace(this, IDC_FRAME_GRID, true)) {
        m_ranges.setStandardLook(0);
        m_ranges.setMaxCols(2);
        m_ranges.setMaxRows(0);
        m_ranges.setColumnHeaderTexts(Ork_StringArray{dialString(kFromHeader), dialString(kToHeader)});
    }
    if (!m_data)
        return true;
    if (auto* enable = getDlgItemAs<ui::Button>(IDC_MF_ENABLE))
        enable->setCheck(m_data->firstEnabled ? 1 : 0);
    MacroFilterData& d = *m_data;
    m_axis.attach(
        *this,
        {IDC_MF_AXIS_LIST, IDC_MF_AXIS_ACTIVE, {IDC_MF_AXIS_GROUP, IDC_MF_FIRST_LABEL, IDC_MF_SECOND_LABEL},
         {IDC_MF_MODE1, IDC_MF_MODE2, IDC_MF_FIRST, IDC_MF_SECOND}},
        &d.axisNames, &d.axisActive,
        [&d](int p) { return p < d.axisModes.length() && p < d.axisFirst.length() && p < d.axisSecond.length(); },
        [this](int p) { showAxis(p); }, [this](int p) { storeAxis(p); });
    m_section.attach(*this,
                     {IDC_MF_SECTION_LIST, IDC_MF_SECTION_ACTIVE, {IDC_MF_SECTION_GROUP},
                      {IDC_FRAME_GRID, IDC_MF_ADD_RANGE, IDC_MF_DELETE_RANGE}},
                     &d.sectionNames, &d.sectionActive, [&d](int p) { return p < d.sectionRanges.length(); },
                     [this](int p) { showSection(p); }, [this](int p) { storeSection(p); });
    m_axis.init();
    m_section.init();
    m_initialised = true;
    return true;
}

void CTabMacroFilter::showAxis(int p) {
    if (auto* b = getDlgItemAs<ui::Button>(IDC_MF_MODE1))
        b->setCheck(m_data->axisModes[p] == 0 ? 1 : 0);
    if (auto* b = getDlgItemAs<ui::Button>(IDC_MF_MODE2))
        b->setCheck(m_data->axisModes[p] == 0 ? 0 : 1);
    m_first.show(*this, IDC_MF_FIRST, m_data->axisFirst[p]);
    m_second.show(*this, IDC_MF_SECOND, m_data->axisSecond[p]);
}

void CTabMacroFilter::storeAxis(int p) {
    const auto* first = getDlgItemAs<ui::Button>(IDC_MF_MODE1);
    m_data->axisModes[p] = first && first->getCheck() == 1 ? 0 : 1;
    m_data->axisFirst[p] = m_first.read(*this, IDC_MF_FIRST);
    m_data->axisSecond[p] = m_second.read(*this, IDC_MF_SECOND);
}

void CTabMacroFilter::showSection(int p) {
    if (!m_ranges.isCreated())
        return;
    const AcArray<double>& ranges = m_data->sectionRanges[p];
    const int pairs = ranges.length() / 2;   // an odd last value has no partner and is not shown
    m_ranges.setMaxRows(pairs);
    for (int r = 1; r <= std::max(1, pairs); ++r) {
        m_ranges.setNumberCell(1, r, kDecimals, false);
        m_ranges.setNumberCell(2, r, kDecimals, false);
    }
    m_from.reset(pairs);
    m_to.reset(pairs);
    for (int r = 1; r <= pairs; ++r) {
        m_ranges.setCellDouble(1, r, ranges[2 * r - 2]);
        m_ranges.setCellDouble(2, r, ranges[2 * r - 1]);
        m_from.set(r, ranges[2 * r - 2]);
        m_to.set(r, ranges[2 * r - 1]);
    }
    macroedit::fitEqualColumns(m_ranges);
}

void CTabMacroFilter::storeSection(int p) {
    if (!m_ranges.isCreated())
        return;
    AcArray<double> ranges;
    for (int r = 1; r <= m_ranges.getMaxRows(); ++r) {
        double from = 0, to = 0;
        if (const auto stored = m_from.get(r))
            from = *stored;
        else if (!m_ranges.getCellDouble(1, r, from))
            from = 0;
        if (const auto stored = m_to.get(r))
            to = *stored;
        else if (!m_ranges.getCellDouble(2, r, to))
            to = 0;
        if (from == 0 && to == 0)
            continue;
        ranges.append(from);
        ranges.append(to);
    }
    m_data->sectionRanges[p] = ranges;
}

bool CTabMacroFilter::onCommand(int id, int code) {
    if (id == IDC_FRAME_GRID) {
        long column = 0, row = 0;
        m_ranges.ssGetNotifyCell(column, row);
        if (code == SSN_CHANGE && column == 1)
            m_from.forget(static_cast<int>(row));
        if (code == SSN_CHANGE && column == 2)
            m_to.forget(static_cast<int>(row));
        return true;
    }
    if (!m_initialised)
        return ui::Dialog::onCommand(id, code);
    if (code == ui::CBN_SELCHANGE && id == IDC_MF_AXIS_LIST) {
        m_axis.listChanged();
        return true;
    }
    if (code == ui::CBN_SELCHANGE && id == IDC_MF_SECTION_LIST) {
        m_section.listChanged();
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_MF_AXIS_ACTIVE) {
        m_axis.activeClicked();
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_MF_SECTION_ACTIVE) {
        m_section.activeClicked();
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_MF_ADD_RANGE) {
        if (const int row = macroedit::addRowBelowActive(m_ranges); row > 0) {
            m_from.inserted(row);
            m_to.inserted(row);
            m_ranges.setNumberCell(1, row, kDecimals, false);
            m_ranges.setNumberCell(2, row, kDecimals, false);
        }
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_MF_DELETE_RANGE) {
        if (const int row = macroedit::deleteActiveRow(m_ranges); row > 0) {
            m_from.deleted(row);
            m_to.deleted(row);
        }
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

bool CTabMacroFilter::preTranslateMessage(const ui::Msg& msg) {
    return macroedit::cancelOwnerOnEscape(*this, msg) || ui::Dialog::preTranslateMessage(msg);
}

void CTabMacroFilter::onDestroy() {
    if (m_data && m_initialised) {
        if (const auto* enable = getDlgItemAs<ui::Button>(IDC_MF_ENABLE))
            m_data->firstEnabled = enable->getCheck() == 1;
        m_axis.storeShown();
        m_section.storeShown();
    }
    ui::Dialog::onDestroy();
}
