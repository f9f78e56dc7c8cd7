#include "sheet/CDlgFindReplace.h"

#include "base/KvResourceGuard.h"
#include "grid/Sheet.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/Services.h"

namespace {

// Host texts of the window and its messages.
constexpr int kCaption = 1136, kFindLabel = 1137, kReplaceLabel = 1138, kFindButton = 1139,
              kReplaceButton = 1140, kReplaceAllButton = 1141, kCancelButton = 285;
constexpr int kWrapLine1 = 1142, kWrapLine2 = 1143, kWrapCaption = 1144;
constexpr int kNotFound = 1145, kNotFoundCaption = 1146;
constexpr int kReplacedBefore = 1147, kReplacedAfter = 1148, kReplacedCaption = 1149;

} // namespace

CDlgFindReplace::CDlgFindReplace() : ui::Dialog(IDD_FIND_REPLACE) {}

CDlgFindReplace::~CDlgFindReplace() {
    // The grid hands the object over for deletion once it lets go of it; the window goes with the object.
    if (isWindow())
        destroyWindow();
}

void CDlgFindReplace::registerWithGrids() { Ork_Spread::setFindDialogFactory(&CDlgFindReplace::make); }

std::unique_ptr<Ork_SpreadFindDialog> CDlgFindReplace::make() { return std::make_unique<CDlgFindReplace>(); }

Ork_Spread* CDlgFindReplace::liveGrid() const {
    return ui::isWindow(m_grid) && m_grid->isCreated() ? m_grid : nullptr;
}

// ---- Opening and closing

bool CDlgFindReplace::open(Ork_Spread& grid) {
    if (!grid.isCreated() || isWindow())
        return false;
    // A key pressed in a grid reaches here outside any entry point: the module's templates must be current.
    KvResourceGuard guard;
    m_grid = &grid;
    if (!create(IDD_FIND_REPLACE, &grid, ui::Dialog::Show::Hidden))
        return false;
    setWindowPos(ui::Window::wndTopMost, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE);
    m_savedSwitch13 = grid.ssGetBool(grid::kSwitchF8);
    grid.ssSetBool(grid::kSwitchF8, true);
    grid.ssSetBool(grid::kSwitchOffWhileFinding, false);
    ChangeDlgSize(this, kSizeKey);
    showWindow(ui::SW_SHOW);
    if (ui::Window* field = getDlgItem(IDC_FIND_TEXT))
        field->setFocus();
    return true;
}

bool CDlgFindReplace::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kCaption));
    const std::pair<int, int> texts[] = {
        {IDC_FIND_LABEL, kFindLabel},         {IDC_FIND_REPLACE_LABEL, kReplaceLabel},
        {ui::IDOK, kFindButton},              {IDC_FIND_REPLACE, kReplaceButton},
        {IDC_FIND_REPLACE_ALL, kReplaceAllButton}, {ui::IDCANCEL, kCancelButton},
    };
    for (const auto& [id, text] : texts)
        setDlgItemText(id, dialString(text));

    // The fields widen with the window; the buttons stay at its right edge, Cancel in its bottom right corner.
    m_layout.record(*this);
    for (int id : {IDC_FIND_TEXT, IDC_FIND_REPLACE_TEXT})
        m_layout.setFlags(id, KvDlgLayout::kStretch, KvDlgLayout::kFixed);
    for (int id : {IDC_FIND_LABEL, IDC_FIND_REPLACE_LABEL})
        m_layout.setFlags(id, KvDlgLayout::kFixed, KvDlgLayout::kFixed);
    for (int id : {static_cast<int>(ui::IDOK), IDC_FIND_REPLACE, IDC_FIND_REPLACE_ALL})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFixed);
    m_layout.setFlags(ui::IDCANCEL, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
    const ui::Rect r = getWindowRect();
    m_minimumSize = ui::Size{r.width(), r.height()};
    return true;
}

void CDlgFindReplace::onCancel() {
    WriteDlgSize(this, kSizeKey);
    Ork_Spread* grid = liveGrid();
    if (grid && !m_savedSwitch13)
        grid->ssSetBool(grid::kSwitchF8, false);
    endDialog(ui::IDCANCEL);
    // Last: the grid hands this object over for deletion once no handler runs any more.
    if (grid)
        grid->closeFindDialog();
}

void CDlgFindReplace::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
}

void CDlgFindReplace::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    if (m_minimumSize.cx > 0)
        info.minTrackSize = m_minimumSize;
}

// ---- Commands and keys

void CDlgFindReplace::onOK() { findText(true); }

bool CDlgFindReplace::onCommand(int id, int code) {
    if (code == ui::BN_CLICKED && id == IDC_FIND_REPLACE) {
        replaceText(true);
        return true;
    }
    if (code == ui::BN_CLICKED && id == IDC_FIND_REPLACE_ALL) {
        replaceAll();
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}

bool CDlgFindReplace::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && (msg.wParam == ui::VK_F3 || msg.wParam == ui::VK_F5)) {
        if (msg.wParam == ui::VK_F3)
            findText(true);
        else
            replaceText(true);
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}

// ---- Searching

bool CDlgFindReplace::findText(bool askToWrap) {
    Ork_Spread* grid = liveGrid();
    const Ork_String text = getDlgItemText(IDC_FIND_TEXT);
    // An empty text would match at every place and never move on.
    if (!grid || text.isEmpty())
        return false;
    grid->setFocus();
    int column = 0, row = 0;
    if (!grid->ensureActiveCell(column, row))
        return false;
    int start = 0, end = 0;
    if (grid->getEditSelection(start, end)) {
        // The rest of the cell being edited comes first, after what is selected in it.
        if (grid->selectFoundText(text, column, row, end))
            return true;
        ++column;
    }
    int foundColumn = 0, foundRow = 0;
    if (grid->findNext(text, column, row, foundColumn, foundRow) &&
        grid->selectFoundText(text, foundColumn, foundRow, 0))
        return true;
    if (!askToWrap)
        return false;
    const Ork_String question = dialString(kWrapLine1) + u"\n" + dialString(kWrapLine2) + u"\n";
    if (ui::messageBox(this, question, dialString(kWrapCaption), ui::MB_YESNO | ui::MB_ICONQUESTION) != ui::IDYES)
        return false;
    if (grid->findNext(text, 1, 1, foundColumn, foundRow) && grid->selectFoundText(text, foundColumn, foundRow, 0))
        return true;
    ui::messageBox(this, dialString(kNotFound), dialString(kNotFoundCaption), ui::MB_OK | ui::MB_ICONINFORMATION);
    return false;
}

bool CDlgFindReplace::replaceText(bool askToWrap) {
    const Ork_String replacement = getDlgItemText(IDC_FIND_REPLACE_TEXT);
    if (!findText(askToWrap))
        return false;
    Ork_Spread* grid = liveGrid();
    int start = 0, end = 0, column = 0, row = 0;
    if (!grid || !grid->getEditSelection(start, end) || start >= end || !grid->ensureActiveCell(column, row))
        return false;
    // The editor is closed first: closing it later would write its old text over the replacement.
    grid->ssSetEditMode(false);
    Ork_String cell;
    if (!grid->getCellText(column, row, cell, Ork_Spread::kTextValue) || end > cell.len())
        return false;
    const Ork_String changed = cell.left(start) + replacement + cell.mid(end);
    if (!grid->ssSetData(column, row, changed.c_str()))
        return false;
    grid->ssSetBool(grid::kSwitchModified, true);
    grid->ssSetActiveCell(column, row);
    grid->ssSetEditMode(true);
    // The replacement is selected, so the next search goes on after it: a replacement that contains the
    // searched text is not found again.
    grid->ssSetEditSel(start, start + replacement.len());
    return true;
}

int CDlgFindReplace::replaceAll() {
    Ork_Spread* grid = liveGrid();
    const Ork_String text = getDlgItemText(IDC_FIND_TEXT);
    const Ork_String replacement = getDlgItemText(IDC_FIND_REPLACE_TEXT);
    int count = 0;
    if (grid && !text.isEmpty()) {
        // A cell left in the editor would get its old text back when the editor closes.
        grid->ssSetEditMode(false);
        int column = 1, row = 1, foundColumn = 0, foundRow = 0;
        while (grid->findNext(text, column, row, foundColumn, foundRow)) {
            Ork_String cell;
            grid->getCellText(foundColumn, foundRow, cell, Ork_Spread::kTextValue);
            const int matches = cell.replaceAll(text, replacement);
            if (grid->replaceInCell(foundColumn, foundRow, text, replacement))
                count += matches;
            // On after the cell: its new text may contain the searched text again.
            column = foundColumn + 1;
            row = foundRow;
        }
        if (count > 0)
            grid->ssSetBool(grid::kSwitchModified, true);
    }
    const Ork_String message =
        dialString(kReplacedBefore) + u" " + Ork_String(count) + u" " + dialString(kReplacedAfter);
    ui::messageBox(this, message, dialString(kReplacedCaption), ui::MB_OK | ui::MB_ICONINFORMATION);
    return count;
}
