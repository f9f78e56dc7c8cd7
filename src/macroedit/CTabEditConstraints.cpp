#include "macroedit/CTabEditConstraints.h"

#include "cadhost/CommandLine.h"
#include "grid/SpreadWindow.h"
#include "macroedit/bitmapFiles.h"
#include "macroedit/selectionRecent.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/Ork_ConstraintEditor.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "nuvo/textHelpers.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Menu.h"
#include "ui/Services.h"

namespace {

constexpr int kNameHeader = 87, kExpressionHeader = 883, kObjectHeader = 2333;
constexpr int kEditorFrame = 879, kValueLabel = 880, kNameLabel = 221, kOptionLabel = 228;
constexpr int kFirstFlag = 881, kSecondFlag = 1328, kCutText = 862, kDeleteTip = 882;
constexpr int kInUseTitle = 856, kInUse = 857, kInUseHint = 858;
constexpr int kInvalidTitle = 884, kInvalid = 885, kDigitFirst = 886, kLettersDigits = 887, kChangeIt = 888;
constexpr int kOtherChars = 1455, kOtherCharsHint = 1456;
constexpr const char16_t* kPageText = u"Regels editeren";
constexpr const char16_t* kMenuBreak = u"%BREAK%";
constexpr int kMaxMenuAction = 5;        // the host acts on the first six entries of its menu only
constexpr int kImageSide = 32;           // the blank picture of an unused image button
constexpr ui::Color kImageTransparent = 0xFF00FF;   // magenta

template <typename T, typename Array>
T at(const Array& a, int i, T fallback) {
    return i >= 0 && i < a.length() ? static_cast<T>(a[i]) : fallback;
}

const Ork_StringArray* rowOf(const Ork_Array<Ork_StringArray>& rows, int i) { return rows.get(i); }

Ork_String textAt(const Ork_StringArray& a, int i) { return i >= 0 && i < a.length() ? a[i] : Ork_String(); }

// Grows an array so that index `i` exists, filling with `fill`.
template <typename Array, typename T>
void ensure(Array& a, int i, const T& fill) {
    while (a.length() <= i)
        a.append(fill);
}

bool offers(const EditConstrData& d, int row, int property) {
    const AcArray<int>* properties = d.constrProperties.get(row);
    return properties && properties->find(property) >= 0;
}

} // namespace

bool CTabEditConstraints::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(kPageText);
    if (m_grid.createInPlace(this, IDC_FRAME_GRID, true)) {
        m_grid.setStandardLook(0);
        m_grid.setFitMode(1);
    }
    setDlgItemText(IDC_EC_EDITOR_FRAME, dialString(kEditorFrame));
    setDlgItemText(IDC_EC_VALUE_LABEL, dialString(kValueLabel));
    setDlgItemText(IDC_EC_NAME_LABEL, dialString(kNameLabel));
    setDlgItemText(IDC_EC_OPTION_LABEL, dialString(kOptionLabel));
    setDlgItemText(IDC_EC_FIRST_FLAG, dialString(kFirstFlag));
    setDlgItemText(IDC_EC_SECOND_FLAG, dialString(kSecondFlag));
    setDlgItemText(IDC_EC_CUT, dialString(kCutText));
    m_delete.attach(*this, IDC_EC_DELETE, IDI_EDIT_REMOVE, dialString(kDeleteTip));
    for (int i = 0; i < kImageButtons; ++i) {
        ui::ImageButton& b = m_images[static_cast<std::size_t>(i)];
        if (subclassDlgItem(IDC_EC_FIRST_IMAGE + i, b)) {
            b.setCheckBox(true);
            b.setTooltipText(u"Enum " + Ork_String(i + 1));
        }
    }
    m_initialised = true;
    fill(true);
    return true;
}

int CTabEditConstraints::rowCount() const { return m_data ? m_data->constrRowTexts.length() : 0; }

void CTabEditConstraints::fitColumns() {
    m_grid.applyFitMode();
}

void CTabEditConstraints::fill(bool firstFill) {
    if (!m_initialised || !m_data || !m_grid.isCreated())
        return;
    const int rows = rowCount();
    const int columns = rows > 0 ? m_data->constrRowTexts[0].length() : 0;
    if (firstFill) {
        m_grid.setMaxRows(0);
        m_grid.setMaxCols(0);
    }
    m_grid.setMaxCols(columns);
    m_grid.setMaxRows(rows);
    const Ork_StringArray headers{dialString(kNameHeader), dialString(kExpressionHeader),
                                  string(kObjectHeader) + u"1", string(kObjectHeader) + u"2"};
    Ork_StringArray shown;
    for (int c = 0; c < columns; ++c)
        shown.append(textAt(headers, c));
    m_grid.setColumnHeaderTexts(shown);
    for (int r = 0; r < rows; ++r) {
        Ork_StringArray texts;
        const Ork_StringArray& row = m_data->constrRowTexts[r];
        for (int c = 0; c < columns; ++c)
            texts.append(textAt(row, c));
        m_grid.setRowTexts(r + 1, texts);
    }
    for (int c = 1; c <= columns; ++c)
        m_grid.lockColumn(c);
    fitColumns();
    m_currentRow = -1;
    int select = 0;
    for (int r = 0; r < m_data->constrIds.length(); ++r)
        if (m_data->constrIds[r] == m_data->currentConstrId) {
            select = r;
            break;
        }
    // An empty list still clears the editors: no row is current afterwards.
    selectRow(rows > 0 ? select : -1);
}

void CTabEditConstraints::showEditor(int id, bool show) {
    if (ui::Window* w = getDlgItem(id))
        w->showWindow(show ? ui::SW_SHOW : ui::SW_HIDE);
}

void CTabEditConstraints::selectRow(int row) {
    if (row == m_currentRow && row >= 0)
        return;
    const int rows = rowCount();
    if (row >= 0 && row < rows) {
        macroedit::startSelectionRecent();
        m_grid.ssSetActiveCell(1, row + 1);
        m_grid.selectRow(row + 1);
    }
    // Names the user typed into rows left before show what the record now holds.
    for (int r = 0; r < rows; ++r)
        if (const Ork_StringArray* texts = rowOf(m_data->constrRowTexts, r); texts && texts->length() > 0)
            m_grid.ssSetData(1, r + 1, (*texts)[0].c_str());
    for (ui::ImageButton& b : m_images) {
        if (!b.isWindow())
            continue;
        b.setCheck(ui::BST_UNCHECKED);
        b.setBitmapImage(macroedit::whiteBitmap(kImageSide, kImageSide), kImageTransparent);
        b.enableWindow(false);
    }
    m_buttonsInUse = 0;
    m_secondGroupStart = -1;
    m_groups.clear();
    for (int id : {IDC_EC_VALUE, IDC_EC_VALUE_LABEL, IDC_EC_NAME, IDC_EC_NAME_LABEL, IDC_EC_FIRST_FLAG,
                   IDC_EC_SECOND_FLAG, IDC_EC_OPTIONS, IDC_EC_OPTION_LABEL, IDC_EC_CUT})
        showEditor(id, false);
    showEditor(IDC_EC_DELETE, rows > 0);
    if (row < 0 || row >= rows) {
        m_currentRow = -1;
        return;
    }
    showRowEditors(row);
    showImages(row);
    if (ui::Window* second = getDlgItem(IDC_EC_SECOND_FLAG))
        second->enableWindow(isDlgButtonChecked(IDC_EC_FIRST_FLAG) == ui::BST_CHECKED);
    m_currentRow = row;
    if (row < m_data->constrIds.length())
        m_data->currentConstrId = m_data->constrIds[row];
    HighlightConstraint(m_data, row);
    acedUpdateDisplay();
}

void CTabEditConstraints::showRowEditors(int row) {
    const EditConstrData& d = *m_data;
    showEditor(IDC_EC_CUT, at<int>(d.cutFlags, row, 0) == 1);
    const bool value = offers(d, row, 0), name = offers(d, row, 1), options = offers(d, row, 2),
               flags = offers(d, row, 3);
    showEditor(IDC_EC_VALUE, value);
    showEditor(IDC_EC_VALUE_LABEL, value);
    setDlgItemText(IDC_EC_VALUE, value ? textAt(d.constrValues, row) : Ork_String());
    showEditor(IDC_EC_NAME, name);
    showEditor(IDC_EC_NAME_LABEL, name);
    setDlgItemText(IDC_EC_NAME, name ? textAt(d.constrNames, row) : Ork_String());
    showEditor(IDC_EC_FIRST_FLAG, flags);
    showEditor(IDC_EC_SECOND_FLAG, flags);
    checkDlgButton(IDC_EC_FIRST_FLAG, flags && at<bool>(d.firstFlags, row, false) ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    checkDlgButton(IDC_EC_SECOND_FLAG, flags && at<bool>(d.secondFlags, row, false) ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    showEditor(IDC_EC_OPTIONS, options);
    showEditor(IDC_EC_OPTION_LABEL, options);
    if (auto* list = getDlgItemAs<ui::ComboBox>(IDC_EC_OPTIONS)) {
        list->resetContent();
        if (options) {
            if (const Ork_StringArray* items = d.optionLists.get(row))
                for (const Ork_String& item : *items)
                    list->addString(item);
            list->setCurSel(at<int>(d.selectedOptions, row, -1));
        }
    }
}

void CTabEditConstraints::showImages(int row) {
    const Ork_StringArray* images = m_data->imageLists.get(row);
    const AcArray<int>* selections = m_data->groupSelections.get(row);
    if (!images)
        return;
    // Checks the button a selection names, only when it is one of the group's buttons.
    auto checkSelected = [&](int entry, int first, int last) {
        const int n = selections ? at<int>(*selections, entry, 0) : 0;
        if (n - 1 >= first && n - 1 < last)
            m_images[static_cast<std::size_t>(n - 1)].setCheck(ui::BST_CHECKED);
    };
    int breaks = 0;
    for (const Ork_String& entry : *images) {
        if (entry == Ork_ConstraintEditor::kRadioBreak) {
            if (breaks == 0) {
                m_groups.push_back({0, m_buttonsInUse});
                checkSelected(0, 0, m_buttonsInUse);
                m_secondGroupStart = m_buttonsInUse;
            } else if (breaks == 1) {
                m_groups.push_back({m_secondGroupStart, m_buttonsInUse});
                checkSelected(1, m_secondGroupStart, m_buttonsInUse);
            }
            ++breaks;
            continue;
        }
        // Five buttons are all there are: further paths have no button to show them.
        if (m_buttonsInUse >= kImageButtons)
            continue;
        ui::Image bitmap;
        // A bitmap that cannot be loaded leaves its button blank, but it still counts as a button.
        if (macroedit::loadBitmapFile(entry, bitmap))
            m_images[static_cast<std::size_t>(m_buttonsInUse)].setBitmapImage(bitmap, kImageTransparent);
        ++m_buttonsInUse;
    }
    for (int i = 0; i < m_buttonsInUse; ++i)
        m_images[static_cast<std::size_t>(i)].enableWindow(true);
}

void CTabEditConstraints::imageClicked(int index) {
    for (const auto& [first, last] : m_groups) {
        if (index < first || index >= last)
            continue;
        if (m_images[static_cast<std::size_t>(index)].getCheck() != ui::BST_CHECKED)
            return;
        for (int i = first; i < last; ++i)
            if (i != index)
                m_images[static_cast<std::size_t>(i)].setCheck(ui::BST_UNCHECKED);
        return;
    }
}

AcArray<int> CTabEditConstraints::readGroupSelections() const {
    AcArray<int> read;
    for (const auto& [first, last] : m_groups) {
        int checked = 0;
        for (int i = first; i < last && !checked; ++i)
            if (m_images[static_cast<std::size_t>(i)].getCheck() == ui::BST_CHECKED)
                checked = i + 1;
        read.append(checked);
    }
    return read;
}

void CTabEditConstraints::commitCurrentRow() {
    if (!m_initialised || !m_data || m_currentRow < 0 || m_currentRow >= rowCount())
        return;
    EditConstrData& d = *m_data;
    const int row = m_currentRow;
    const Ork_String value(getDlgItemText(IDC_EC_VALUE));
    const Ork_String name(getDlgItemText(IDC_EC_NAME));
    const bool first = isDlgButtonChecked(IDC_EC_FIRST_FLAG) == ui::BST_CHECKED;
    const bool second = isDlgButtonChecked(IDC_EC_SECOND_FLAG) == ui::BST_CHECKED;
    const auto* list = getDlgItemAs<ui::ComboBox>(IDC_EC_OPTIONS);
    const int option = list ? list->getCurSel() : -1;
    const AcArray<int> groups = readGroupSelections();
    const AcArray<int> stored = d.groupSelections.get(row) ? *d.groupSelections.get(row) : AcArray<int>();

    bool changed = false;
    if (offers(d, row, 0))
        changed = changed || value != textAt(d.constrValues, row);
    if (offers(d, row, 1))
        changed = changed || name != textAt(d.constrNames, row);
    if (offers(d, row, 3))
        changed = changed || first != at<bool>(d.firstFlags, row, false) || second != at<bool>(d.secondFlags, row, false);
    if (offers(d, row, 2))
        changed = changed || option != at<int>(d.selectedOptions, row, -1);
    if (groups.length() != stored.length()) {
        acutPrintf(u"*Error* Array size mismatch.\n");
        return;
    }
    // A stored selection that names no button of its group showed nothing checked: reading nothing back
    // is no change, and that selection stays as it was.
    AcArray<int> written = stored;
    for (int g = 0; g < groups.length(); ++g) {
        const auto [firstButton, lastButton] = m_groups[static_cast<std::size_t>(g)];
        const bool storedShown = stored[g] - 1 >= firstButton && stored[g] - 1 < lastButton;
        if (groups[g] == 0 && !storedShown)
            continue;
        if (groups[g] != stored[g]) {
            changed = true;
            written[g] = groups[g];
        }
    }
    if (!changed)
        return;
    ensure(d.constrValues, row, Ork_String());
    ensure(d.constrNames, row, Ork_String());
    ensure(d.firstFlags, row, false);
    ensure(d.secondFlags, row, false);
    ensure(d.selectedOptions, row, -1);
    while (d.groupSelections.length() <= row)
        d.groupSelections.append(AcArray<int>());
    d.constrValues[row] = value;
    d.constrNames[row] = name;
    d.firstFlags[row] = first;
    d.secondFlags[row] = second;
    d.selectedOptions[row] = option;
    d.groupSelections[row] = written;
    UpdateConstraint(m_data, row);
}

void CTabEditConstraints::activate() {
    commitCurrentRow();
    fill(false);
}

void CTabEditConstraints::leave() {
    UnHighlightConstraints(m_data);
    acedUpdateDisplay();
}

void CTabEditConstraints::focusName() {
    if (auto* name = getDlgItemAs<ui::Edit>(IDC_EC_NAME)) {
        name->setFocus();
        name->setSel(0, -1);
    }
}

void CTabEditConstraints::checkName() {
    if (m_checkingName || !m_data || m_currentRow < 0 || !offers(*m_data, m_currentRow, 1))
        return;
    const Ork_String text(getDlgItemText(IDC_EC_NAME));
    if (text == textAt(m_data->constrNames, m_currentRow))
        return;
    // The message box takes the focus from the field: that must not check the name a second time.
    m_checkingName = true;
    const Ork_String quoted = u"\"" + text + u"\"\n";
    const unsigned type = ui::MB_OK | ui::MB_ICONEXCLAMATION;
    bool inUse = false;
    if (VarNameInUse(m_data, text, inUse) && inUse)
        ui::messageBox(this, quoted + dialString(kInUse) + u".\n" + dialString(kInUseHint) + u".",
                       dialString(kInUseTitle), type);
    else if (hasOnlyLettersNumbers(text) && startsWithNumber(text))
        ui::messageBox(this,
                       quoted + dialString(kInvalid) + u".\n" + dialString(kDigitFirst) + u".\n" +
                           dialString(kLettersDigits) + u".\n\n" + dialString(kChangeIt) + u".",
                       dialString(kInvalidTitle), type);
    else if (!hasOnlyLettersNumbers(text))
        ui::messageBox(this,
                       quoted + dialString(kOtherChars) + u".\n" + dialString(kOtherCharsHint) + u".\n\n" +
                           dialString(kChangeIt) + u".",
                       dialString(kInvalidTitle), type);
    m_checkingName = false;
}

void CTabEditConstraints::activeCellMoved(int row) {
    const int index = row - 1;
    if (index < 0 || index >= rowCount() || index == m_currentRow)
        return;
    macroedit::startSelectionRecent();
    commitCurrentRow();
    selectRow(index);
    m_grid.setFocus();
}

void CTabEditConstraints::headerClicked(int column) {
    constexpr int kLastSortColumn = 4;
    if (column < 1 || column > kLastSortColumn || column == m_previousSortColumn)
        return;
    // The first sort ties by the neighbouring column (the first, for the last column).
    if (m_previousSortColumn == 0)
        m_previousSortColumn = column == kLastSortColumn ? 1 : column + 1;
    commitCurrentRow();
    SortConstraints(m_data, column, m_previousSortColumn);
    m_previousSortColumn = column;
    fill(false);
}

void CTabEditConstraints::contextMenu(int column, int row) {
    constexpr int kLastMenuColumn = 3;
    const int index = row - 1;
    if (column < 1 || column > kLastMenuColumn || index < 0 || index >= rowCount())
        return;
    // What was typed into the row on show goes to the host before another row takes the editors.
    if (index != m_currentRow)
        commitCurrentRow();
    macroedit::startSelectionRecent();
    selectRow(index);
    m_grid.ssSetActiveCell(column, row);
    Ork_StringArray texts;
    AcArray<int> checked;
    m_menuCodes.removeAll();
    if (!ConstrContextMenu(m_data, index, texts, m_menuCodes, checked))
        return;
    ui::Menu menu;
    menu.createPopupMenu();
    int entry = 0;
    for (int i = 0; i < texts.length(); ++i) {
        if (texts[i].equal(kMenuBreak, true)) {
            menu.appendMenu(ui::MF_SEPARATOR);
            continue;
        }
        const unsigned flags = checked.find(i) >= 0 ? ui::MF_CHECKED : 0u;
        menu.appendMenu(ui::MF_STRING | flags, ++entry, texts[i]);   // ids 1, 2, ...: entry k has id k + 1
    }
    m_lastMenu = menu.items();
    const ui::Point at = m_grid.clientToScreen(ui::Point{0, 0});
    const int chosen = menu.trackPopupMenu(ui::TPM_LEFTALIGN | ui::TPM_RIGHTBUTTON | ui::TPM_RETURNCMD, at.x, at.y, this);
    const int k = chosen - 1;
    if (k < 0 || k > kMaxMenuAction || k >= m_menuCodes.length())
        return;
    ui::Window* editor = getTopLevelParent();
    BeginEditorCommand(editor);
    const bool acted = ContextMenuAction(m_data, m_currentRow, m_menuCodes[k]);
    CompleteEditorCommand(editor);
    if (acted)
        fill(false);
}

void CTabEditConstraints::deleteRow() {
    if (!m_data || m_currentRow < 0 || m_currentRow >= rowCount())
        return;
    int previous = m_currentRow - 1;
    if (!DeleteConstraint(m_data, m_currentRow))
        return;
    fill(false);
    if (previous < 0 || previous >= rowCount())
        previous = 0;
    if (rowCount() > 0) {
        m_grid.ssSetActiveCell(1, previous + 1);
        selectRow(previous);
    }
}

void CTabEditConstraints::openCutEditor() {
    if (!m_data || m_currentRow < 0)
        return;
    bool flag = false;
    StartEditMacroCutDlg(m_data->macroId, m_data->moduleName, m_data->currentConstrId, flag);
    m_swallowEscape = flag;
}

bool CTabEditConstraints::onCommand(int id, int code) {
    if (id == IDC_FRAME_GRID) {
        long column = 0, row = 0;
        m_grid.ssGetNotifyCell(column, row);
        if (code == SSN_ACTIVECELLMOVED)
            activeCellMoved(static_cast<int>(row));
        else if (code == SSN_CLICK && row == 0)
            headerClicked(static_cast<int>(column));
        else if (code == SSN_RIGHTCLICK)
            contextMenu(static_cast<int>(column), static_cast<int>(row));
        return true;
    }
    if (id == IDC_EC_NAME && code == ui::EN_KILLFOCUS) {
        checkName();
        return true;
    }
    if (code == ui::BN_CLICKED) {
        if (id >= IDC_EC_FIRST_IMAGE && id < IDC_EC_FIRST_IMAGE + kImageButtons) {
            imageClicked(id - IDC_EC_FIRST_IMAGE);
            return true;
        }
        if (id == IDC_EC_FIRST_FLAG) {
            if (ui::Window* second = getDlgItem(IDC_EC_SECOND_FLAG))
                second->enableWindow(isDlgButtonChecked(IDC_EC_FIRST_FLAG) == ui::BST_CHECKED);
            return true;
        }
        if (id == IDC_EC_DELETE) {
            deleteRow();
            return true;
        }
        if (id == IDC_EC_CUT) {
            openCutEditor();
            return true;
        }
    }
    return ui::Dialog::onCommand(id, code);
}

void CTabEditConstraints::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (!m_initialised)
        return;
    // The list takes the page's width and what the editors leave of its height; the editors keep their
    // distance to the bottom.
    if (ui::Window* frame = getDlgItem(IDC_EC_EDITOR_FRAME)) {
        const ui::Rect f = frame->getRectInParent();
        const int editorsHeight = f.height();
        const int top = cy - editorsHeight - 7;
        const int shift = top - f.top;
        for (ui::Window* child : children()) {
            if (child == &m_grid)
                continue;
            ui::Rect r = child->getRectInParent();
            child->moveWindow(r.left, r.top + shift, r.width(), r.height());
        }
        m_grid.moveWindow(7, 7, std::max(cx - 14, 0), std::max(top - 13, 0));
    }
    fitColumns();
}

bool CTabEditConstraints::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_ESCAPE) {
        if (m_swallowEscape) {
            m_swallowEscape = false;   // the Escape the cut editor asked for is this page's alone
            onCancel();
        } else if (macroedit::isSelectionRecent()) {
            onCancel();
        } else if (ui::Window* editor = getTopLevelParent(); editor && editor != this) {
            editor->sendMessage(ui::WM_COMMAND, ui::makeWParam(ui::IDOK, ui::BN_CLICKED), 0);
        }
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}

void CTabEditConstraints::onOK() { acutPrintf(u"Ok\n"); }

void CTabEditConstraints::onCancel() { acutPrintf(u"cancel\n"); }
