#include "sheet/CDlgGenVars.h"

#include "grid/Sheet.h"
#include "grid/SpreadWindow.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "sheet/genVarsFilter.h"
#include "ui/Services.h"

#include <algorithm>

namespace {

constexpr int kOkText = 1, kCancelText = 2, kAddText = 606, kRemoveText = 607, kUpTip = 173, kDownTip = 174;
constexpr int kDwgGroupText = 1762, kStdGroupText = 1763, kCaption = 1764;
constexpr int kNameText = 1543, kValueText = 86, kOverrideText = 1765, kFilterText = 347;
constexpr int kButtonColumnWidth = 16;
const char16_t* const kSizeKey = u"DLG_GENVARS";

struct MoveButton {
    int id, icon, tip;
};
const MoveButton kMoveButtons[4] = {{IDC_GENVARS_DWG_UP, IDI_ROW_UP, kUpTip},
                                    {IDC_GENVARS_DWG_DOWN, IDI_ROW_DOWN, kDownTip},
                                    {IDC_GENVARS_STD_UP, IDI_ROW_UP, kUpTip},
                                    {IDC_GENVARS_STD_DOWN, IDI_ROW_DOWN, kDownTip}};

} // namespace

CDlgGenVars::CDlgGenVars(ui::Window* parent) : KvRecordDlg<KvAutoStandardsData>(IDD_GEN_VARS, parent) {}

CDlgGenVars::~CDlgGenVars() = default;

bool CDlgGenVars::onInitDialog() {
    KvRecordDlg<KvAutoStandardsData>::onInitDialog();
    setWindowText(dialString(kCaption));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    setDlgItemText(IDC_GENVARS_DWG_GROUP, dialString(kDwgGroupText));
    setDlgItemText(IDC_GENVARS_STD_GROUP, dialString(kStdGroupText));
    for (int id : {IDC_GENVARS_DWG_ADD, IDC_GENVARS_STD_ADD})
        setDlgItemText(id, dialString(kAddText));
    for (int id : {IDC_GENVARS_DWG_REMOVE, IDC_GENVARS_STD_REMOVE})
        setDlgItemText(id, dialString(kRemoveText));
    for (int i = 0; i < 4; ++i)
        m_moveButtons[i].attach(*this, kMoveButtons[i].id, kMoveButtons[i].icon, dialString(kMoveButtons[i].tip));

    // The grids take their frames' places first, so that the layout moves the grids themselves.
    setUpGrid(m_dwgGrid, IDC_GENVARS_DWG_FRAME,
              {dialString(kNameText), dialString(kValueText), dialString(kFilterText), Ork_String()},
              {&m_data.dwgGenVars, &m_data.dwgGenValues, &m_data.dwgGenFilters});
    setUpGrid(m_stdGrid, IDC_GENVARS_STD_FRAME,
              {dialString(kNameText), dialString(kValueText), dialString(kOverrideText), dialString(kFilterText),
               Ork_String()},
              {&m_data.stdGenVars, &m_data.stdGenValues, &m_data.stdGenOverrides, &m_data.stdGenFilters});
    setUpLayout();
    return true;
}

// The window keeps its stored size, never below its first one; the grids share what it grows by, the buttons
// stay beside their grids and OK and Cancel in the bottom right corner.
void CDlgGenVars::setUpLayout() {
    const ui::Rect first = getWindowRect();
    m_initialSize = ui::Size{first.width(), first.height()};
    m_layout.record(*this);
    constexpr int kScaleTopKeepSize = KvDlgLayout::kKeepSize;
    for (int id : {IDC_GENVARS_DWG_GROUP, IDC_GENVARS_DWG_FRAME, IDC_GENVARS_STD_GROUP, IDC_GENVARS_STD_FRAME})
        m_layout.setFlags(id, KvDlgLayout::kStretch, KvDlgLayout::kProportional);
    for (int id : {IDC_GENVARS_DWG_ADD, IDC_GENVARS_DWG_REMOVE, IDC_GENVARS_DWG_UP, IDC_GENVARS_DWG_DOWN})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFixed);
    for (int id : {IDC_GENVARS_STD_ADD, IDC_GENVARS_STD_REMOVE, IDC_GENVARS_STD_UP, IDC_GENVARS_STD_DOWN})
        m_layout.setFlags(id, KvDlgLayout::kFollow, kScaleTopKeepSize);
    for (int id : {static_cast<int>(ui::IDOK), static_cast<int>(ui::IDCANCEL)})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFollow);
    if (ChangeDlgSize(this, kSizeKey)) {
        const ui::Rect r = getWindowRect();
        if (r.width() < m_initialSize.cx || r.height() < m_initialSize.cy)
            moveWindow(getRectInParent().left, getRectInParent().top, std::max(r.width(), m_initialSize.cx),
                       std::max(r.height(), m_initialSize.cy));
    }
}

void CDlgGenVars::setUpGrid(Ork_Spread& grid, int frameId, const Ork_StringArray& headers,
                            const std::initializer_list<const Ork_StringArray*>& lists) {
    if (!grid.createInPlace(this, frameId))
        return;
    const int columns = headers.length();
    grid.setStandardLook(1);
    grid.setFitMode(4, columns, kButtonColumnWidth);
    grid.ssSetBool(grid::kSwitchRowHeaders, false);
    grid.setMaxCols(columns);
    grid.setColumnHeaderTexts(headers);
    // One row per element of the longest list, so that no element is left out of the grid and lost on OK;
    // an element missing from a shorter list shows empty.
    int rows = 1;
    for (const Ork_StringArray* list : lists)
        rows = std::max(rows, list->length());
    grid.setMaxRows(rows);
    int column = 1;
    for (const Ork_StringArray* list : lists)
        grid.setColumnTexts(column++, *list);
    grid.applyFitMode();
    grid.ssSetBool(grid::kSwitchModified, false);
    refreshGrid(grid);
}

void CDlgGenVars::refreshGrid(Ork_Spread& grid) {
    if (!grid.isCreated())
        return;
    int column = 1, row = 1;
    grid.ensureActiveCell(column, row);
    grid.unmergeAll();
    grid.mergeEqualCellsInColumn(1);
    grid.setButtonColumn(grid.getMaxCols(), u"...", true);
}

void CDlgGenVars::chooseFilterFiles(Ork_Spread& grid, int filterColumn, int row) {
    if (!grid.isCreated() || row < 1 || row > grid.getMaxRows())
        return;
    const Ork_String base = Ork_Settings::asFolder(Ork_Settings::libDir()) + u"Macros\\";
    ui::FileDialogRequest request;
    request.owner = this;
    request.open = true;
    request.multiSelect = true;
    request.title = u"Select the drawings and folders that apply to this general variable";
    request.filter = u"AutoCAD Drawing (*.dwg)|*.dwg||";
    request.defaultExt = u"dwg";
    request.initialDir = base;
    const std::optional<std::vector<std::u16string>> chosen = ui::Services::fileDialog(request);
    if (!chosen)
        return;
    Ork_StringArray paths;
    for (const std::u16string& path : *chosen)
        paths.append(Ork_String(path));
    Ork_String filter;
    grid.getCellText(filterColumn, row, filter, Ork_Spread::kTextData);
    const Ork_String joined = appendToFilter(filter, base, paths);
    if (joined != filter)
        grid.ssSetData(filterColumn, row, joined.c_str());
}

void CDlgGenVars::readGrid(Ork_Spread& grid, const std::initializer_list<Ork_StringArray*>& lists) {
    if (!grid.isCreated())
        return;
    const int rows = grid.getMaxRows();
    int column = 1;
    for (Ork_StringArray* list : lists) {
        list->removeAll();
        for (int row = 1; row <= rows; ++row) {
            Ork_String text;
            grid.getCellText(column, row, text, Ork_Spread::kTextData);
            list->append(text);
        }
        ++column;
    }
}

void CDlgGenVars::onOK() {
    // What is still in a cell editor counts.
    for (Ork_Spread* grid : {&m_dwgGrid, &m_stdGrid})
        if (grid->isCreated())
            grid->ssSetEditMode(false);
    readGrid(m_dwgGrid, {&m_data.dwgGenVars, &m_data.dwgGenValues, &m_data.dwgGenFilters});
    readGrid(m_stdGrid, {&m_data.stdGenVars, &m_data.stdGenValues, &m_data.stdGenOverrides, &m_data.stdGenFilters});
    endDialog(ui::IDOK);
}

bool CDlgGenVars::rowButton(int id) {
    const bool dwg = id == IDC_GENVARS_DWG_ADD || id == IDC_GENVARS_DWG_REMOVE || id == IDC_GENVARS_DWG_UP ||
                     id == IDC_GENVARS_DWG_DOWN;
    const bool std = id == IDC_GENVARS_STD_ADD || id == IDC_GENVARS_STD_REMOVE || id == IDC_GENVARS_STD_UP ||
                     id == IDC_GENVARS_STD_DOWN;
    if (!dwg && !std)
        return false;
    Ork_Spread& grid = dwg ? m_dwgGrid : m_stdGrid;
    if (!grid.isCreated())
        return true;
    grid.ssSetEditMode(false);
    if (id == IDC_GENVARS_DWG_ADD || id == IDC_GENVARS_STD_ADD) {
        int column = 1, row = 1;
        grid.ensureActiveCell(column, row);
        grid.insertRowAt(std::max(row, 1), false, false);
    } else if (id == IDC_GENVARS_DWG_REMOVE || id == IDC_GENVARS_STD_REMOVE) {
        grid.deleteSelectedRow();
    } else if (id == IDC_GENVARS_DWG_UP || id == IDC_GENVARS_STD_UP) {
        grid.moveSelectedRowUp();
    } else {
        grid.moveSelectedRowDown();
    }
    refreshGrid(grid);
    return true;
}

bool CDlgGenVars::onCommand(int id, int code) {
    if (code == ui::BN_CLICKED && rowButton(id))
        return true;
    if (code == SSN_BUTTONCLICK && (id == m_dwgGrid.controlId() || id == m_stdGrid.controlId())) {
        Ork_Spread& grid = id == m_dwgGrid.controlId() ? m_dwgGrid : m_stdGrid;
        int column = 0, row = 0;
        grid.notifyCell(column, row);
        if (column == grid.getMaxCols())
            chooseFilterFiles(grid, column - 1, row);
        return true;
    }
    return KvRecordDlg<KvAutoStandardsData>::onCommand(id, code);
}

void CDlgGenVars::onSize(unsigned type, int cx, int cy) {
    KvRecordDlg<KvAutoStandardsData>::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
    for (Ork_Spread* grid : {&m_dwgGrid, &m_stdGrid})
        if (grid->isCreated())
            grid->applyFitMode();
    invalidate();
}

void CDlgGenVars::onGetMinMaxInfo(ui::MinMaxInfo& info) { info.minTrackSize = m_initialSize; }

void CDlgGenVars::onDestroy() {
    WriteDlgSize(this, kSizeKey);
    KvRecordDlg<KvAutoStandardsData>::onDestroy();
}
