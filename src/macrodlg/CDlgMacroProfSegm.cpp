#include "macrodlg/CDlgMacroProfSegm.h"

#include "nuvo/controlHelpers.h"
#include "nuvo/crtNumbers.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"

#include <algorithm>

namespace {

const char16_t* const kSizeKey = u"DLG_MACRO_PROFSEGMENTED";
constexpr int kTitle = 1027, kOkText = 1, kCancelText = 2, kSelectorText = 1028, kGroupText = 63,
              kNameText = 1029, kClearanceText = 266, kBreakText = 1030, kPointText = 1032, kValueText = 1033,
              kAddTip = 1025, kDeleteTip = 1026, kPickText = 1031;
constexpr int kAddIcon = 212, kDeleteIcon = 206;
constexpr int kValueDecimals = 2;

constexpr int kEditors[] = {IDC_PS_NAME_LABEL, IDC_PS_NAME,  IDC_PS_CLEARANCE_LABEL, IDC_PS_CLEARANCE,
                            IDC_PS_BREAK,      IDC_PS_ADD,   IDC_PS_DELETE,          IDC_PS_PICK};

} // namespace

CDlgMacroProfSegm::CDlgMacroProfSegm(ui::Window* parent) : ui::Dialog(IDD_MACRO_PROF_SEGM, parent) {}

CDlgMacroProfSegm::~CDlgMacroProfSegm() = default;

bool CDlgMacroProfSegm::onInitDialog() {
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    setDlgItemText(IDC_PS_SELECTOR_LABEL, dialString(kSelectorText));
    setDlgItemText(IDC_PS_GROUP, dialString(kGroupText));
    setDlgItemText(IDC_PS_NAME_LABEL, dialString(kNameText));
    setDlgItemText(IDC_PS_CLEARANCE_LABEL, dialString(kClearanceText));
    setDlgItemText(IDC_PS_BREAK, dialString(kBreakText));
    setDlgItemText(IDC_PS_PICK, dialString(kPickText));
    if (m_grid.createInPlace(this, IDC_PS_GRID)) {
        m_grid.setStandardLook(1);
        m_grid.setFitMode(1);
    }
    m_addButton.attach(*this, IDC_PS_ADD, kAddIcon, dialString(kAddTip));
    m_deleteButton.attach(*this, IDC_PS_DELETE, kDeleteIcon, dialString(kDeleteTip));

    const ui::Rect first = getWindowRect();
    m_minSize = ui::Size{first.width(), first.height()};
    m_layout.record(*this);
    m_layout.setFlags(IDC_PS_SELECTOR_LABEL, KvDlgLayout::kFixed, KvDlgLayout::kFixed);
    m_layout.setFlags(IDC_PS_SELECTOR, KvDlgLayout::kStretch, KvDlgLayout::kFixed);
    m_layout.setFlags(IDC_PS_GROUP, KvDlgLayout::kStretch, KvDlgLayout::kStretch);
    m_layout.setFlags(m_grid.isCreated() ? m_grid.controlId() : IDC_PS_GRID, KvDlgLayout::kStretch,
                      KvDlgLayout::kStretch);
    for (int id : {IDC_PS_NAME_LABEL, IDC_PS_NAME, IDC_PS_CLEARANCE_LABEL, IDC_PS_CLEARANCE, IDC_PS_BREAK})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFixed);
    for (int id : {IDC_PS_ADD, IDC_PS_DELETE, IDC_PS_PICK})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
    for (int id : {static_cast<int>(ui::IDOK), static_cast<int>(ui::IDCANCEL)})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
    if (ChangeDlgSize(this, kSizeKey)) {
        // A stored size below the first one is not taken.
        const ui::Rect r = getRectInParent();
        if (r.width() < m_minSize.cx || r.height() < m_minSize.cy)
            moveWindow(r.left, r.top, std::max(r.width(), m_minSize.cx), std::max(r.height(), m_minSize.cy));
    }
    fillSelector();
    if (auto* selector = getDlgItemAs<ui::ComboBox>(IDC_PS_SELECTOR))
        selector->setCurSel(0);
    show(m_segments.isEmpty() ? -1 : 0);
    return true;
}

void CDlgMacroProfSegm::fillSelector() {
    Ork_StringArray entries;
    for (const MacroProfSegmentedData& s : m_segments)
        entries.append(s.name + u" - " + s.description);
    FillCombo(getDlgItem(IDC_PS_SELECTOR), entries);
}

void CDlgMacroProfSegm::enableEditors(bool enable) {
    for (int id : kEditors)
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(enable);
    if (m_grid.isCreated())
        m_grid.enableWindow(enable);
}

void CDlgMacroProfSegm::show(int index) {
    m_shown = index;
    if (index < 0 || index >= m_segments.length()) {
        m_shown = -1;
        enableEditors(false);
        return;
    }
    enableEditors(true);
    const MacroProfSegmentedData& s = m_segments[index];
    setDlgItemText(IDC_PS_NAME, s.name);
    m_shownClearance = {Ork_String(s.clearance, kValueDecimals), s.clearance, true};
    setDlgItemText(IDC_PS_CLEARANCE, m_shownClearance.text);
    checkDlgButton(IDC_PS_BREAK, s.breakAtEveryPoint ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    if (!m_grid.isCreated())
        return;
    m_grid.setMaxCols(2);
    m_grid.setColumnHeaderTexts({dialString(kPointText) + u" nr.", dialString(kValueText)});
    // Numbers and values are parallel lists: a point is shown only where both have an entry.
    const int points = std::min(s.pointNumbers.length(), s.pointValues.length());
    m_grid.setMaxRows(points);
    m_shownPoints.assign(points, ShownValue());
    for (int row = 1; row <= points; ++row) {
        m_grid.setCellInt(1, row, s.pointNumbers[row - 1]);
        m_grid.setCellDouble(2, row, s.pointValues[row - 1]);
        ShownValue& shown = m_shownPoints[row - 1];
        m_grid.getCellText(2, row, shown.text);
        shown.value = s.pointValues[row - 1];
        shown.known = true;
    }
    m_grid.applyFitMode();
}

void CDlgMacroProfSegm::store(int index) {
    if (index < 0 || index >= m_segments.length())
        return;
    MacroProfSegmentedData& s = m_segments[index];
    s.name = getDlgItemText(IDC_PS_NAME);
    const Ork_String clearance = getDlgItemText(IDC_PS_CLEARANCE);
    s.clearance = m_shownClearance.known && clearance == m_shownClearance.text ? m_shownClearance.value
                                                                               : _wtof(clearance.c_str());
    s.breakAtEveryPoint = isDlgButtonChecked(IDC_PS_BREAK) == ui::BST_CHECKED;
    if (!m_grid.isCreated())
        return;
    m_grid.ssSetEditMode(false);
    s.pointNumbers.removeAll();
    s.pointValues.removeAll();
    const int rows = m_grid.getMaxRows();
    for (int row = 1; row <= rows; ++row) {
        Ork_String number, value;
        m_grid.getCellText(1, row, number);
        m_grid.getCellText(2, row, value);
        s.pointNumbers.append(_wtoi(number.c_str()));
        const bool unchanged = row - 1 < static_cast<int>(m_shownPoints.size()) && m_shownPoints[row - 1].known &&
                               m_shownPoints[row - 1].text == value;
        s.pointValues.append(unchanged ? m_shownPoints[row - 1].value : _wtof(value.c_str()));
    }
}

bool CDlgMacroProfSegm::onCommand(int id, int code) {
    if (id == IDC_PS_SELECTOR && code == ui::CBN_SELCHANGE) {
        store(m_shown);
        // The selector shows the names as they were: an edited name appears there after the next fill.
        const auto* selector = getDlgItemAs<ui::ComboBox>(IDC_PS_SELECTOR);
        show(selector ? selector->getCurSel() : -1);
        return true;
    }
    if (code == ui::BN_CLICKED && m_shown >= 0 && m_grid.isCreated()) {
        if (id == IDC_PS_ADD) {
            m_grid.ssSetEditMode(false);
            const int row = m_grid.getMaxRows() > 0 ? std::max(1, m_grid.getSelectedRow()) : 1;
            if (m_grid.insertRowAt(row, false, false) && row - 1 <= static_cast<int>(m_shownPoints.size()))
                m_shownPoints.insert(m_shownPoints.begin() + (row - 1), ShownValue());
            return true;
        }
        if (id == IDC_PS_DELETE) {
            m_grid.ssSetEditMode(false);
            const int row = m_grid.getSelectedRow();
            if (row >= 1 && row <= m_grid.getMaxRows() && m_grid.deleteRow(row) &&
                row - 1 < static_cast<int>(m_shownPoints.size()))
                m_shownPoints.erase(m_shownPoints.begin() + (row - 1));
            return true;
        }
    }
    if (id == IDC_PS_PICK)
        return true;   // picking points in the drawing is not offered here
    return ui::Dialog::onCommand(id, code);
}

void CDlgMacroProfSegm::onOK() {
    store(m_shown);
    endDialog(ui::IDOK);
}

void CDlgMacroProfSegm::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
    if (m_grid.isCreated())
        m_grid.applyFitMode();
}

void CDlgMacroProfSegm::onGetMinMaxInfo(ui::MinMaxInfo& info) { info.minTrackSize = m_minSize; }

void CDlgMacroProfSegm::onDestroy() {
    WriteDlgSize(this, kSizeKey);
    ui::Dialog::onDestroy();
}
