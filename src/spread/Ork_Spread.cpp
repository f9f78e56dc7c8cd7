// Ork_Spread: creation in place, the standard look, the messages and keys it takes, the context menu, the
// check-column link and the find/replace window it hosts.
#include "spread/Ork_Spread.h"

#include "nuvo/hostTexts.h"
#include "spread/KvSSSettings.h"
#include "spread/sheetSettingsFiles.h"
#include "ui/Desktop.h"
#include "ui/Menu.h"
#include "ui/Metrics.h"

#include <algorithm>

namespace {

Ork_Spread::FindDialogFactory gFindDialogFactory = nullptr;

// The platform's button-face colour, which the standard look gives the grey area.
constexpr ui::Color kButtonFace = ui::rgb(240, 240, 240);
// The system colour value the grid resolves to the window-frame colour.
constexpr ui::Color kSystemColour = 0x8000000B;

// The host text of each context-menu code (index = code); 0 for codes that show nothing.
constexpr int kContextTexts[] = {0, 0, 1154, 1155, 774, 775, 1156, 1157, 1400, 1401};

bool isCommandCode(int code) { return code >= Ork_Spread::kCopy && code <= Ork_Spread::kUncheckSelected; }

} // namespace

void Ork_Spread::setFindDialogFactory(FindDialogFactory factory) { gFindDialogFactory = factory; }

Ork_Spread::Ork_Spread() = default;

Ork_Spread::~Ork_Spread() {
    // The find window is a child of the grid: it goes before the grid window does.
    closeFindDialog();
    if (m_contextMenu)
        m_contextMenu->destroyMenu();
    m_contextMenu.reset();
    m_uncheckedPicture = {};
    m_checkedPicture = {};
    if (isWindow())
        destroyWindow();
}

// ---- Creation and look

bool Ork_Spread::createInPlace(ui::Window* parent, int controlId, bool noOffset) {
    if (!ui::isWindow(parent) || m_created || isWindow())
        return false;
    ui::Window* placeholder = parent->getDlgItem(controlId);
    if (!placeholder)
        return false;
    const ui::Rect parentRect = parent->getWindowRect();
    ui::Rect rect = placeholder->getWindowRect();
    rect.offset(-parentRect.left, -parentRect.top);
    // Without the flag the parent is taken to be a dialog with a border and a caption.
    if (!noOffset)
        rect.offset(-ui::Metrics::kCaptionFrame.left, -ui::Metrics::kCaptionFrame.top);
    placeholder->destroyWindow();
    grid::SpreadWindow::registerClass();
    if (!create(grid::SpreadWindow::kClassName, u"", ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP, rect, parent,
                controlId))
        return false;
    ssSetMaxRows(0);
    ssSetMaxCols(0);
    m_created = true;
    m_controlId = controlId;
    ssSetAppearance(1);
    for (int action = 0; action <= 2; ++action)
        ssSetActionKey(action, 0, 0, 0);
    return true;
}

bool Ork_Spread::setStandardLook(int mode) {
    if (!m_created)
        return false;
    // In this order, repetitions included. The bare numbers are switches the grid only stores: the look
    // prescribes them by number.
    ssSetBool(grid::kSwitchRepaint, false);
    ssSetBool(grid::kSwitchCalcSheet, false);
    ssSetBool(grid::kSwitchAutoCalc, false);
    ssSetBool(21, true);
    ssSetBool(26, false);
    ssSetBool(34, true);
    ssSetBool(32, true);
    ssSetBool(18, false);
    ssSetBool(21, true);
    ssSetBool(22, true);
    ssSetBool(21, true);
    ssSetGrayAreaColor(kButtonFace, kSystemColour);
    ssSetInteger(1, -1);
    ssSetSelColor(ui::rgb(10, 36, 106), ui::rgb(255, 255, 255));
    ssSetBool(11, true);
    ssSetBool(3, true);
    ssSetBool(grid::kSwitchRowHeaders, true);
    ssSetBool(18, true);
    ssSetLockColor(0xE6E6E6, kSystemColour);
    if (mode == 1) {
        ssSetBool(grid::kSwitchF8, true);
        ssSetBool(10, false);
        ssSetEditEnterAction(0);
    } else {
        ssSetBool(grid::kSwitchF8, false);
        ssSetBool(10, true);
        ssSetEditEnterAction(5);
    }
    ssSetBool(grid::kSwitchRepaint, true);
    return true;
}

void Ork_Spread::setFitMode(int mode, int argument1, int argument2) {
    m_fitMode = mode;
    m_fitArgument1 = argument1;
    m_fitArgument2 = argument2;
}

void Ork_Spread::setFitColumns(int mode, const Ork_Array<int>& columns, const Ork_Array<int>& widths) {
    m_fitMode = mode;
    m_fitColumns = columns;
    m_fitWidths = widths;
}

void Ork_Spread::enableContextMenu(const Ork_Array<int>& codes) {
    if (m_contextMenu)
        m_contextMenu->destroyMenu();
    m_contextMenu = std::make_unique<ui::Menu>();
    m_contextMenu->createPopupMenu();
    m_contextCodes = codes;
    int commands = 0;
    for (int code : codes) {
        if (code == kSeparator) {
            m_contextMenu->appendMenu(ui::MF_SEPARATOR);
        } else if (isCommandCode(code) && commands < 10) {
            // Only ten command ids exist; commands beyond the tenth are left out of the menu.
            m_contextMenu->appendMenu(ui::MF_STRING, kContextCommandIds[commands], dialString(kContextTexts[code]));
            ++commands;
        }
    }
}

bool Ork_Spread::setCheckColumnLink(int checkColumn, int targetColumn) {
    const int columns = getMaxCols();
    if (!m_created || checkColumn < 1 || checkColumn > columns || targetColumn < 1 || targetColumn > columns)
        return false;
    m_checkColumn = checkColumn;
    m_targetColumn = targetColumn;
    const int rows = getMaxRows();
    for (int r = 1; r <= rows; ++r)
        applyCheckLink(r);
    return true;
}

void Ork_Spread::applyCheckLink(int row) {
    if (m_checkColumn < 1 || m_targetColumn < 1)
        return;
    Ork_String text;
    getCellText(m_checkColumn, row, text, kTextValue);
    // Only a definite state moves the lock: a cell that is neither checked nor cleared leaves it alone.
    if (text == u"1")
        ssSetLock(m_targetColumn, row, false);
    else if (text == u"0")
        ssSetLock(m_targetColumn, row, true);
}

void Ork_Spread::onCellClicked(int column, int row) {
    long activeColumn = 0, activeRow = 0;
    if (m_checkColumn < 1 || column != m_checkColumn || !ssGetActiveCell(activeColumn, activeRow) ||
        activeColumn != m_checkColumn)
        return;
    applyCheckLink(row);
    ssSetActiveCell(m_targetColumn, row);
}

bool Ork_Spread::applySettingsFile(const Ork_String& name) {
    if (!m_created)
        return false;
    // The settings the sheet was prepared with (the registry's default settings when the named file could not
    // be read) give the wrapper its font, so rows and columns added later look like the prepared ones. Settings
    // that name no usable font leave the wrapper's font as it was rather than an empty face or a zero height.
    KvSSSettings settings;
    prepareSheetFromSettings(this, name, true, &settings);
    if (!settings.m_defaultFont.isEmpty() && settings.m_defaultTextHeight > 0) {
        m_fontFace = settings.m_defaultFont;
        m_fontHeight = settings.m_defaultTextHeight;
    }
    resetFonts(false);
    return true;
}

// ---- Size

int Ork_Spread::getMaxCols() { return m_created ? ssGetMaxCols() : -1; }
int Ork_Spread::getMaxRows() { return m_created ? ssGetMaxRows() : -1; }

bool Ork_Spread::setMaxRows(int count, bool copyLastRow) {
    if (!m_created)
        return false;
    int old = ssGetMaxRows();
    if (!ssSetMaxRows(count))
        return false;
    if (old >= count)
        return true;
    if (copyLastRow && old >= 1)
        for (int r = old + 1; r <= count; ++r)
            copyRow(old, r);
    const int columns = ssGetMaxCols();
    if (old > 0)
        setFontRange(kHeader, old, kHeader, count, m_fontFace, m_fontHeight, true, true);
    else
        setHeaderFonts();
    old = std::max(old, 1);
    if (columns > 0)
        setFontRange(1, old, columns, count, m_fontFace, m_fontHeight, false, false);
    return true;
}

bool Ork_Spread::setMaxCols(int count, bool copyLastColumn) {
    if (!m_created)
        return false;
    int old = ssGetMaxCols();
    if (!ssSetMaxCols(count))
        return false;
    if (old >= count)
        return true;
    if (copyLastColumn && old >= 1)
        for (int c = old + 1; c <= count; ++c)
            copyColumn(old, c);
    const int rows = ssGetMaxRows();
    if (old > 0)
        setFontRange(old, kHeader, count, kHeader, m_fontFace, m_fontHeight, true, true);
    else
        setHeaderFonts();
    old = std::max(old, 1);
    if (rows > 0)
        setFontRange(old, 1, count, rows, m_fontFace, m_fontHeight, false, false);
    return true;
}

// ---- Messages and keys

ui::LRESULT Ork_Spread::windowProc(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam) {
    if (msg == kPrivateMessage)
        return 0;
    return TSpread::windowProc(msg, wParam, lParam);
}

// Check-box and button clicks notify the parent only, so the link watches the input that makes them: a cell of
// the check column that a click or Space toggled (a check box) or pressed (a button).
template <class Input>
void Ork_Spread::watchCheckClick(int column, int row, Input input) {
    if (m_checkColumn < 1 || column != m_checkColumn || row < 1) {
        input();
        return;
    }
    grid::CellType type;
    ssGetCellType(column, row, type);
    const bool pressable = type.kind == grid::CellKind::Button && !ssGetLock(column, row);
    Ork_String before, after;
    getCellText(column, row, before, kTextValue);
    input();
    getCellText(column, row, after, kTextValue);
    if (isWindow() && ((type.kind == grid::CellKind::CheckBox && before != after) || pressable))
        onCellClicked(column, row);
}

void Ork_Spread::onLButtonDown(unsigned flags, ui::Point p) {
    int column = 0, row = 0;
    if (!m_created || !cellFromPoint(p, column, row) || (flags & ui::MK_SHIFT)) {
        TSpread::onLButtonDown(flags, p);
        return;
    }
    watchCheckClick(column, row, [&] { TSpread::onLButtonDown(flags, p); });
}

void Ork_Spread::onKeyDown(unsigned vk, unsigned repeat, unsigned flags) {
    int column = 0, row = 0;
    if (!m_created || vk != ui::VK_SPACE || ssGetEditMode() || !ensureActiveCell(column, row)) {
        TSpread::onKeyDown(vk, repeat, flags);
        return;
    }
    watchCheckClick(column, row, [&] { TSpread::onKeyDown(vk, repeat, flags); });
}

void Ork_Spread::onSize(unsigned type, int cx, int cy) {
    TSpread::onSize(type, cx, cy);
    applyFitMode();
}

void Ork_Spread::onRButtonDown(unsigned flags, ui::Point p) {
    if (m_created && m_contextMenu && m_contextMenu->getMenuItemCount() > 0) {
        const ui::Point screen = clientToScreen(p);
        m_contextMenu->trackPopupMenu(ui::TPM_LEFTALIGN | ui::TPM_RIGHTBUTTON, screen.x, screen.y, this);
    }
    if (isWindow())
        TSpread::onRButtonDown(flags, p);
}

bool Ork_Spread::onCommand(int id, int code) {
    const int* end = std::end(kContextCommandIds);
    const int* found = std::find(std::begin(kContextCommandIds), end, id);
    if (found == end || !m_created)
        return TSpread::onCommand(id, code);
    // The n-th command id stands for the n-th code that is a command; separators take no id.
    int wanted = static_cast<int>(found - std::begin(kContextCommandIds));
    int action = 0;
    for (int c : m_contextCodes) {
        if (!isCommandCode(c))
            continue;
        if (wanted-- == 0) {
            action = c;
            break;
        }
    }
    switch (action) {
    case kCopy: ssClipboardCopy(); break;
    case kPaste: ssClipboardPaste(); break;
    case kInsertRow: insertRowAt(getSelectedRow(), false, true); break;
    case kDeleteRow: deleteRow(getSelectedRow()); break;
    case kInsertColumn: insertColumnAt(getSelectedColumn(), true, true); break;
    case kDeleteColumn: deleteColumn(getSelectedColumn()); break;
    case kCheckSelected: setCheckCellsInSelection(true); break;
    case kUncheckSelected: setCheckCellsInSelection(false); break;
    default: return false;
    }
    return true;
}

bool Ork_Spread::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN && m_created) {
        if (msg.wParam == ui::VK_F3 || msg.wParam == ui::VK_F5) {
            const bool find = msg.wParam == ui::VK_F3;
            if (!m_findDialog)
                openFindDialog();
            else if (find)
                m_findDialog->find(true);
            else
                m_findDialog->replace(true);
            return true;
        }
        if (msg.wParam == ui::VK_F8 && m_f8Allowed)
            ssSetBool(grid::kSwitchF8, !ssGetBool(grid::kSwitchF8));
    }
    return TSpread::preTranslateMessage(msg);
}

// ---- The find/replace window

bool Ork_Spread::openFindDialog() {
    if (!m_created)
        return false;
    if (m_findDialog)
        return true;
    if (!gFindDialogFactory)
        return false;
    std::unique_ptr<Ork_SpreadFindDialog> dialog = gFindDialogFactory();
    if (!dialog || !dialog->open(*this))
        return false;
    m_findDialog = std::move(dialog);
    return true;
}

bool Ork_Spread::closeFindDialog() {
    if (!m_findDialog)
        return false;
    // Deferred: the window may be closing itself from its own handler.
    ui::Desktop::deleteLater(m_findDialog.release());
    return true;
}
