#include "macrodlg/CDlgArray.h"

#include "designer/Ork_DlgDesignerData.h"
#include "nuvo/controlHelpers.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"

#include <algorithm>

namespace {

constexpr int kMixedText = 695;
constexpr int kKindTexts[] = {1071, 1072, 1073, 1074, kMixedText};
constexpr int kEntryItems[] = {1075, 1069, kMixedText};
constexpr int kValueLabels[] = {1060, 1062, 1063, 1064, 1065};
constexpr int kHeaderColumnWidth = 25;
constexpr int kCheckColumnWidth = 22;
constexpr int kEntryColumns = 3;

int boxState(int triState) { return triState == -1 ? ui::BST_INDETERMINATE : (triState != 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED); }
int triStateOf(int box) { return box == ui::BST_INDETERMINATE ? -1 : (box == ui::BST_CHECKED ? 1 : 0); }

Ork_StringArray entryItems() {
    Ork_StringArray items;
    for (int text : kEntryItems)
        items.append(dialString(text));
    return items;
}

} // namespace

CDlgArray::CDlgArray(ui::Window* parent) : KvRecordDlg<DynArrayData>(IDD_ARRAY, parent) {}

bool CDlgArray::onInitDialog() {
    ui::Dialog::onInitDialog();
    setDlgItemText(IDC_AR_NAME_LABEL, dialString(1057));
    setDlgItemText(IDC_AR_KIND_LABEL, dialString(228));
    setDlgItemText(IDC_AR_DIM_LABEL_1, dialString(1058));
    setDlgItemText(IDC_AR_DIM_LABEL_1 + 1, dialString(1059));
    setDlgItemText(IDC_AR_KIND_TEXT_LABEL, dialString(1061));
    for (int i = 0; i < 5; ++i)
        setDlgItemText(IDC_AR_VALUE_LABEL_1 + i, dialString(kValueLabels[i]));
    setDlgItemText(IDC_AR_VALUE_LABEL_1 + 5, u"Nr of entries to skip");
    setDlgItemText(IDC_AR_FLAG_1, dialString(1066));
    setDlgItemText(IDC_AR_FLAG_1 + 1, u"Add entries alternating");
    setDlgItemText(IDC_AR_ENTRIES_FRAME, dialString(1067));
    setDlgItemText(IDC_AR_ENTRY_ACTION, dialString(1068));
    setDlgItemText(ui::IDOK, dialString(1));
    setDlgItemText(ui::IDCANCEL, dialString(2));
    setUpGrid();
    if (auto* kinds = getDlgItemAs<ui::ComboBox>(IDC_AR_KIND)) {
        kinds->resetContent();
        for (int text : kKindTexts)
            kinds->addString(dialString(text));
    }
    Ork_StringArray images;
    getModuleImages(images);
    FillCombo(getDlgItem(IDC_AR_NAME), images);
    showRecord();
    layoutForKind();
    return true;
}

void CDlgArray::setUpGrid() {
    if (!m_grid.createInPlace(this, IDC_AR_ENTRIES))
        return;
    m_grid.setStandardLook(1);
    m_grid.ssSetMaxCols(kEntryColumns);
    m_grid.ssSetMaxRows(0);
    m_grid.setColumnHeaderTexts(Ork_StringArray{dialString(1069), u"", dialString(1070)});
    Ork_Array<int> columns, widths;
    columns.append(Ork_Spread::kHeader);
    widths.append(kHeaderColumnWidth);
    columns.append(2);
    widths.append(kCheckColumnWidth);
    m_grid.setFitColumns(5, columns, widths);
}

void CDlgArray::showRecord() {
    setWindowText(dialString(1056) + u" (" + m_data.name + u")");
    setDlgItemText(IDC_AR_NAME, m_data.name);
    if (auto* kinds = getDlgItemAs<ui::ComboBox>(IDC_AR_KIND))
        kinds->setCurSel(m_data.kind == -1 ? kMixedKindPosition : m_data.kind);
    if (m_data.kind == 1)
        setDlgItemText(IDC_AR_KIND_TEXT, m_data.kindText);
    for (int i = 0; i < 3; ++i)
        setDlgItemText(IDC_AR_DIM_1 + i, i < m_data.dimNames.length() ? m_data.dimNames[i] : Ork_String());
    for (int i = 0; i < 6; ++i)
        setDlgItemText(IDC_AR_VALUE_1 + i, i < m_data.values.length() ? m_data.values[i] : Ork_String());
    checkDlgButton(IDC_AR_FLAG_1, boxState(m_data.flag1));
    checkDlgButton(IDC_AR_FLAG_1 + 1, boxState(m_data.flag2));
    showEntries();
}

void CDlgArray::showEntries() {
    if (!m_grid.isCreated())
        return;
    AcArray<int> kinds;
    AcArray<bool> flags;
    Ork_StringArray texts;
    m_data.getEntryColumns(kinds, flags, texts);
    // Columns of unequal length: the rows follow the longest; what a shorter one lacks shows its default.
    const int rows = std::max({kinds.length(), flags.length(), texts.length()});
    const Ork_StringArray items = entryItems();
    m_grid.ssSetMaxRows(rows);
    Ork_StringArray kindTexts, flagTexts, entryTexts;
    for (int r = 0; r < rows; ++r) {
        const int k = r < kinds.length() ? kinds[r] : 0;
        kindTexts.append(k >= 0 && k < items.length() ? items[k] : Ork_String());
        flagTexts.append(Ork_String(r < flags.length() && flags[r] ? u"1" : u"0"));
        entryTexts.append(r < texts.length() ? texts[r] : Ork_String());
    }
    m_grid.setColumnTexts(1, kindTexts);
    m_grid.setColumnTexts(2, flagTexts);
    m_grid.setColumnTexts(3, entryTexts);
    m_grid.setListColumn(1, items, false);
    m_grid.setCheckBoxColumn(2, false, true);
    m_grid.setCheckColumnLink(2, 3);
    m_grid.applyFitMode();
}

void CDlgArray::readEntries() {
    if (!m_grid.isCreated())
        return;
    Ork_StringArray kindTexts, flagTexts, texts;
    m_grid.getColumnTexts(1, kindTexts, Ork_Spread::kTextData);
    m_grid.getColumnTexts(2, flagTexts, Ork_Spread::kTextData);
    m_grid.getColumnTexts(3, texts, Ork_Spread::kTextData);
    AcArray<int> oldKinds;
    AcArray<bool> oldFlags;
    Ork_StringArray oldTexts;
    m_data.getEntryColumns(oldKinds, oldFlags, oldTexts);
    const Ork_StringArray items = entryItems();
    AcArray<int> kinds;
    AcArray<bool> flags;
    const int rows = std::min({kindTexts.length(), flagTexts.length(), texts.length()});
    for (int r = 0; r < rows; ++r) {
        int k = -1;
        // A cell with no item chosen keeps the entry's position.
        if (!items.find(kindTexts[r], k) || k < 0)
            k = r < oldKinds.length() ? oldKinds[r] : 0;
        kinds.append(k);
        flags.append(flagTexts[r] == u"1");
    }
    Ork_StringArray shownTexts;
    for (int r = 0; r < rows; ++r)
        shownTexts.append(texts[r]);
    m_data.setEntryColumns(kinds, flags, shownTexts);
}

int CDlgArray::shownKind() const {
    const auto* kinds = getDlgItemAs<ui::ComboBox>(IDC_AR_KIND);
    const int position = kinds ? kinds->getCurSel() : -1;
    return position >= 0 && position < kMixedKindPosition ? position : 0;   // mixed: kind 0's layout
}

void CDlgArray::layoutForKind() {
    const int kind = shownKind();
    const bool single = kind == 1;
    auto refill = [&](int i) {
        Ork_StringArray names;
        m_data.getValidDimNames(m_objectIds, m_text, kind, i == 0, i == 1, i == 2, names);
        const Ork_String typed(getDlgItemText(IDC_AR_DIM_1 + i));
        FillCombo(getDlgItem(IDC_AR_DIM_1 + i), names);
        setDlgItemText(IDC_AR_DIM_1 + i, typed);
    };
    if (single)
        refill(1);
    else
        for (int i = 0; i < 3; ++i)
            refill(i);
    const bool firstRow = !single && kind != 3;
    ShowOrHideCtrl(this, IDC_AR_DIM_LABEL_1, firstRow);
    ShowOrHideCtrl(this, IDC_AR_DIM_1, firstRow);
    ShowOrHideCtrl(this, IDC_AR_DIM_LABEL_1 + 2, !single);
    ShowOrHideCtrl(this, IDC_AR_DIM_1 + 2, !single);
    ShowOrHideCtrl(this, IDC_AR_KIND_TEXT_LABEL, single);
    ShowOrHideCtrl(this, IDC_AR_KIND_TEXT, single);
    ShowOrHideCtrl(this, IDC_AR_ENTRIES_FRAME, !single);
    ShowOrHideCtrl(this, IDC_AR_ENTRY_ACTION, !single);
    if (m_grid.isCreated())
        m_grid.showWindow(single ? ui::SW_HIDE : ui::SW_SHOW);
    const int thirdLabel = kind == 1 || kind == 2 ? 1076 : kind == 3 ? 1077 : 0;
    setDlgItemText(IDC_AR_DIM_LABEL_1 + 2, thirdLabel ? dialString(thirdLabel) : Ork_String());
}

void CDlgArray::readControls() {
    const auto* kinds = getDlgItemAs<ui::ComboBox>(IDC_AR_KIND);
    const int position = kinds ? kinds->getCurSel() : -1;
    if (position >= 0)   // nothing chosen keeps the record's kind
        m_data.kind = position == kMixedKindPosition ? -1 : position;
    if (m_data.kind == 1)
        m_data.kindText = Ork_String(getDlgItemText(IDC_AR_KIND_TEXT));
    m_data.name = Ork_String(getDlgItemText(IDC_AR_NAME));
    Ork_StringArray dims;
    for (int i = 0; i < 3; ++i)
        dims.append(Ork_String(getDlgItemText(IDC_AR_DIM_1 + i)));
    m_data.dimNames = dims;
    Ork_StringArray values;
    for (int i = 0; i < 6; ++i)
        values.append(Ork_String(getDlgItemText(IDC_AR_VALUE_1 + i)));
    m_data.values = values;
    m_data.flag1 = triStateOf(isDlgButtonChecked(IDC_AR_FLAG_1));
    m_data.flag2 = triStateOf(isDlgButtonChecked(IDC_AR_FLAG_1 + 1));
    readEntries();
}

void CDlgArray::markActiveEntry() {
    if (!m_grid.isCreated())
        return;
    long column = 0, row = 0;
    if (!m_grid.ssGetActiveCell(column, row) || row < 1 || row > m_grid.getMaxRows())
        return;   // no active row: nothing to mark
    readEntries();
    if (m_data.setEntryAction(static_cast<int>(row), 1))
        showEntries();
}

void CDlgArray::onOK() {
    readControls();
    ui::Dialog::onOK();
}

bool CDlgArray::onCommand(int id, int code) {
    if (id == IDC_AR_KIND && code == ui::CBN_SELCHANGE) {
        // The text of kind 1 was shown until now: keep what was typed there.
        if (m_data.kind == 1)
            m_data.kindText = Ork_String(getDlgItemText(IDC_AR_KIND_TEXT));
        readControls();
        layoutForKind();
        return true;
    }
    if (id == IDC_AR_ENTRY_ACTION && code == ui::BN_CLICKED) {
        markActiveEntry();
        return true;
    }
    return KvRecordDlg<DynArrayData>::onCommand(id, code);
}
