#include "macrodlg/CMacroTab.h"

#include "SS/SSExports.h"
#include "base/Ork_DlgPromptString.h"
#include "cadhost/CommandLine.h"
#include "grid/SpreadWindow.h"
#include "macrodlg/CDlgArray.h"
#include "macrodlg/CDlgMacroPattern.h"
#include "macrodlg/CDlgMacro.h"
#include "macrodlg/macroTabBinding.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "nuvo/textHelpers.h"
#include "ui/Button.h"
#include "ui/Desktop.h"
#include "ui/Msg.h"
#include "ui/constants.h"

#include <algorithm>

namespace {

constexpr int kMixedText = 695;
constexpr int kRowButtonText = 1324;
constexpr int kCalcTitle = 971;
constexpr int kCalcPrompt = 1321;
constexpr int kCalcQuestion = 1322;
constexpr int kValueColumn = 3;
constexpr int kSecondCountColumn = 4;
constexpr int kButtonColumn = 2;
constexpr int kPictureMargin = 20;   // a page's picture is measured without its white margin
constexpr int kMinPageWidth = 310;
constexpr int kGridExtra = 130;
constexpr int kCalcDecimals = 5;     // the calculation's texts keep five decimals

bool isDesignedId(int id) {
    return id >= Ork_DlgDesignerData::kFirstCtrlId && id <= Ork_DlgDesignerData::kLastCtrlId;
}

// A leading "-" on a calculation part names the cell and says its value counts negated.
bool takeSign(Ork_String& part) {
    if (part.length() > 0 && part[0] == u'-') {
        part.erase(0, 1);
        return true;
    }
    return false;
}

} // namespace

CMacroTab::CMacroTab(int templateId, Kind kind, CDlgMacro& owner, int tabIndex)
    : ui::Dialog(templateId, nullptr), m_owner(owner), m_kind(kind), m_tabIndex(tabIndex) {}

CMacroTab::~CMacroTab() {
    m_page.removeAllDrawnCtrls();
}

MacroTabData* CMacroTab::tab() const { return m_owner.macro.getTab(m_tabIndex); }

bool CMacroTab::onInitDialog() {
    m_grid.createInPlace(this, gridFrameId(), true);
    return false;
}

void CMacroTab::build() {
    MacroTabData* t = tab();
    if (!t)
        return;
    ready = false;
    t->removeAllDlgReferences();
    m_page.removeAllDrawnCtrls();
    m_page.controls = Ork_Array<Ork_DesignerControl>();
    MacroPageBinding binding;
    // A missing design leaves the page empty: every value then shows in the grid.
    if (!t->designFile.isEmpty() && m_page.initialize(this, Ork_DlgDesignerData::kFirstCtrlId,
                                                      Ork_DlgDesignerData::kLastCtrlId, 0, 0, 0, 0, 0, false) &&
        m_page.readFromFile(designFilePath(t->designFile), true)) {
        for (int i = 0; i < m_page.getNrControls();) {
            if (bindDesignedControl(*m_page.getControlWrite(i), *t, binding))
                ++i;
            else
                m_page.removeControl(i);
        }
        m_page.redrawAllControls();
    }
    m_hasBoltButton = binding.hasBoltButton;
    buildOwn();
    fillGrid();
    placeGrid();
    load();
    ready = true;
}

void CMacroTab::fillGrid() {
    MacroTabData* t = tab();
    std::vector<GridRow>& rows = m_rows;
    rows.clear();
    if (!t || !m_grid.isCreated()) {
        m_gridRows = 0;
        return;
    }
    for (int i = 0; i < t->cells.length(); ++i)
        if (t->cells[i].dlgRef == 0)
            rows.push_back({GridRow::Cell, i});
    if (t->type == MacroTabData::kBoltTab) {
        for (int i = 0; i < t->patterns.length(); ++i) {
            const MacroPatternData& p = t->patterns[i];
            if (p.dlgRef1 == 0 || (p.hasDialog && p.dlgRefButton == 0) || (p.acceptsSecondCount() && p.dlgRef2 == 0))
                rows.push_back({GridRow::Pattern, i});
        }
    }
    for (int i = 0; i < t->arrays.length(); ++i)
        if (t->arrays[i].dlgRefButton == 0)
            rows.push_back({GridRow::Array, i});

    m_gridRows = static_cast<int>(rows.size());
    m_grid.ssSetMaxCols(4);
    m_grid.ssSetMaxRows(m_gridRows);
    for (int r = 1; r <= m_gridRows; ++r) {
        const GridRow& row = rows[static_cast<std::size_t>(r - 1)];
        // A row takes only the references no designed control holds: the control keeps working.
        if (row.kind == GridRow::Cell) {
            MacroCellData& c = t->cells[row.index];
            c.dlgRef = -r;
            m_grid.ssSetData(1, r, c.name.c_str());
            m_grid.ssAddCellSpan(1, r, 2, 1);
            m_grid.ssAddCellSpan(kValueColumn, r, 2, 1);
            if (c.kind == mckCombo)
                m_grid.setListCell(kValueColumn, r, c.items, false);
            else if (c.kind == mckCheck)
                m_grid.setCheckBoxCell(kValueColumn, r, false);
            m_grid.setCellLock(kValueColumn, r, c.readOnly);
        } else if (row.kind == GridRow::Pattern) {
            MacroPatternData& p = t->patterns[row.index];
            if (p.dlgRef1 == 0)
                p.dlgRef1 = -r;
            if (p.acceptsSecondCount() && p.dlgRef2 == 0)
                p.dlgRef2 = -r;
            if (p.dlgRefButton == 0)
                p.dlgRefButton = -r;
            m_grid.ssSetData(1, r, p.name.c_str());
            if (p.hasDialog)
                m_grid.setButtonCell(kButtonColumn, r, dialString(kRowButtonText), false);
            m_grid.setCellLock(kSecondCountColumn, r, !p.acceptsSecondCount());
        } else {
            MacroArrayData& a = t->arrays[row.index];
            if (a.dlgRefs[0] == 0)
                a.dlgRefs[0] = -r;
            a.dlgRefButton = -r;
            m_grid.ssSetData(1, r, a.data.name.c_str());
            m_grid.setButtonCell(kButtonColumn, r, dialString(kRowButtonText), false);
        }
        m_grid.setCellLock(1, r, true);
    }
    m_grid.showWindow(m_gridRows > 0 ? ui::SW_SHOW : ui::SW_HIDE);
}

void CMacroTab::load() {
    MacroTabData* t = tab();
    if (!t)
        return;
    auto show = [&](int ref, int column, const Ork_String& value) {
        if (ref > 0)
            m_page.setCtrlValue(ref, value);
        else if (ref < 0 && m_grid.isCreated())
            m_grid.ssSetData(column, -ref, value.c_str());
    };
    for (const MacroCellData& c : t->cells) {
        show(c.dlgRef, kValueColumn, c.value);
        if (c.dlgRef > 0)
            m_page.setCtrlReadOnly(c.dlgRef, c.readOnly);
    }
    for (const MacroCutData& c : t->cuts)
        if (c.dlgRef > 0)
            m_page.setCtrlValue(c.dlgRef, Ork_String(c.state));
    for (const MacroPatternData& p : t->patterns) {
        show(p.dlgRef1, kValueColumn, p.nrBolts1);
        if (p.acceptsSecondCount())
            show(p.dlgRef2, kSecondCountColumn, p.nrBolts2);
    }
    if (const MacroBoltData* b = t->getBoltData())
        for (int v = 0; v < MacroBoltData::kValueCount; ++v)
            if (b->dlgRefs[v] > 0)
                m_page.setCtrlValue(b->dlgRefs[v], *b->value(v));
    for (const MacroArrayData& a : t->arrays) {
        for (int v = 0; v < 6; ++v) {
            const Ork_String value = v < a.data.values.length() ? a.data.values[v] : Ork_String();
            if (a.dlgRefs[v] > 0 || (v == 0 && a.dlgRefs[v] < 0))
                show(a.dlgRefs[v], kValueColumn, value);
        }
        if (a.dlgRefEntry > 0 && a.entryIndex >= 0 && a.entryIndex < a.data.entryTexts.length())
            m_page.setCtrlValue(a.dlgRefEntry, a.data.entryTexts[a.entryIndex]);
    }
    if (t->block && t->block->dlgRef > 0)
        m_page.setCtrlValue(t->block->dlgRef, t->block->current);
    for (const MacroProfData& g : t->profiles) {
        if (g.dlgRefSection > 0)
            m_page.setCtrlValue(g.dlgRefSection, sectionDisplayName(g.section));
        if (g.dlgRefRotation > 0)
            m_page.setCtrlValue(g.dlgRefRotation, g.rotation == dialString(kMixedText) || g.rotation.isEmpty()
                                                      ? g.rotation
                                                      : g.rotation + u"°");
        if (g.dlgRefOffset > 0) {
            Ork_StringArray types;
            getOffsetTypeTexts(types);
            const bool known = !g.offsetMixed && g.offsetType >= 0 && g.offsetType < types.length();
            m_page.setCtrlValue(g.dlgRefOffset, known ? types[g.offsetType] : dialString(kMixedText));
        }
    }
    // Flex buttons: checked while the distance is flexible.
    Ork_StringArray groups;
    m_page.getFlexBtnsGroups(groups);
    for (const Ork_String& group : groups) {
        Ork_Array<MacroFlexFixData> entries;
        if (!t->findFlexFixGroup(group, entries))
            continue;
        for (const MacroFlexFixData& e : entries) {
            int index = -1;
            int status = e.fixed ? 0 : 1;
            if (m_page.findFlexButton(group, e.constraint, index))
                m_page.getSetFlexBtnStatus(true, index, status);
        }
    }
    loadOwn();
}

void CMacroTab::store() {
    MacroTabData* t = tab();
    if (!t)
        return;
    auto read = [&](int ref, int column, Ork_String& value) {
        Ork_String text;
        // A calculation button holds its base cell's reference, but its caption is no value.
        Ork_ControlType type = ctLabel;
        if (ref > 0 && m_page.getDynControlType(ref, type) && (type == ctCalcButtonFactor || type == ctCalcButtonCell))
            return;
        if (ref > 0 && m_page.getCtrlValue(ref, text))
            value = text;
        else if (ref < 0 && m_grid.isCreated() && m_grid.getCellText(column, -ref, text, Ork_Spread::kTextData))
            value = text;
    };
    for (MacroCellData& c : t->cells)
        read(c.dlgRef, kValueColumn, c.value);
    for (MacroCutData& c : t->cuts) {
        Ork_String text;
        if (c.dlgRef > 0 && m_page.getCtrlValue(c.dlgRef, text) && isNumber(text) && text.toInt() >= 0 &&
            text.toInt() < MacroCutData::kStateCount)
            c.state = text.toInt();
    }
    for (MacroPatternData& p : t->patterns) {
        read(p.dlgRef1, kValueColumn, p.nrBolts1);
        if (p.acceptsSecondCount())
            read(p.dlgRef2, kSecondCountColumn, p.nrBolts2);
    }
    if (MacroBoltData* b = t->getBoltData())
        for (int v = 0; v < MacroBoltData::kValueCount; ++v)
            if (b->dlgRefs[v] > 0)
                read(b->dlgRefs[v], 0, *b->value(v));
    for (MacroArrayData& a : t->arrays) {
        for (int v = 0; v < 6; ++v) {
            if (a.dlgRefs[v] == 0 || (v > 0 && a.dlgRefs[v] < 0))
                continue;
            while (a.data.values.length() <= v)
                a.data.values.append(Ork_String());
            read(a.dlgRefs[v], kValueColumn, a.data.values[v]);
        }
        if (a.dlgRefEntry > 0 && a.entryIndex >= 0 && a.entryIndex < a.data.entryTexts.length())
            read(a.dlgRefEntry, 0, a.data.entryTexts[a.entryIndex]);
    }
    for (MacroProfData& g : t->profiles) {
        MacroProfData props = g;
        bool changed = false;
        Ork_String text;
        if (g.dlgRefSection > 0 && m_page.getCtrlValue(g.dlgRefSection, text) && text != sectionDisplayName(g.section)) {
            props.section = sectionOfDisplayName(text);
            changed = props.section != g.section;
        }
        if (g.dlgRefRotation > 0 && m_page.getCtrlValue(g.dlgRefRotation, text)) {
            if (text.length() > 0 && text.back() == u'°')
                text.pop_back();
            if (!text.isEmpty() && text != dialString(kMixedText) && text != g.rotation) {
                props.rotation = text;
                changed = true;
            }
        }
        if (g.dlgRefOffset > 0 && m_page.getCtrlValue(g.dlgRefOffset, text) && text != dialString(kMixedText)) {
            const int type = offsetTypeFromText(text);
            if (type != (g.offsetMixed ? -1 : g.offsetType)) {
                props.offsetType = std::max(type, 0);
                props.offsetMixed = type < 0;
                changed = true;
            }
        }
        if (changed)
            t->setMergedPropsOfGroup(g.name, props);
    }
    storeOwn();
}

void CMacroTab::apply() {
    MacroTabData* t = tab();
    if (!ready || !t)
        return;
    ready = false;
    const MacroTabData before = *t;
    store();
    applyFrom(before);
    ready = true;
}

void CMacroTab::applyFrom(const MacroTabData& before) {
    MacroTabData* t = tab();
    if (!t)
        return;
    AcArray<int> changed, unchanged;
    t->differences(before, changed, unchanged);
    if (!changed.isEmpty() || !unchanged.isEmpty())
        m_owner.applyChanges(*this, changed, unchanged);
}

int CMacroTab::pageBottom() const {
    // Below the whole picture: designed controls may reach into its margin.
    int w = 0, h = 0;
    m_page.getImageSize(w, h);
    return std::max(h, 0);
}

ui::Size CMacroTab::measure() const {
    int w = 0, h = 0;
    m_page.getImageSize(w, h);
    // A page without a picture still has room for the grid; nothing is ever of negative size.
    return {std::max(w - kPictureMargin, kMinPageWidth), std::max(h - kPictureMargin, 0) + (gridShown() ? kGridExtra : 0)};
}

void CMacroTab::placeGrid() {
    if (!m_grid.isCreated())
        return;
    const ui::Rect client = getClientRect();
    m_grid.moveWindow(kGridTopGap, pageBottom() + kGridTopGap, std::max(client.width() - 2 * kGridTopGap, 0),
                      kGridHeight);
}

void CMacroTab::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    placeGrid();
}

ui::Window* CMacroTab::findBoundControl(const Ork_String& contents) const {
    MacroTabData* t = tab();
    if (!t)
        return nullptr;
    int ref = 0;
    if (const MacroCellData* c = t->findCell(contents))
        ref = c->dlgRef;
    else if (const MacroPatternData* p = t->findPattern(contents))
        ref = p->dlgRef1;
    else if (const MacroArrayData* a = t->findArrayWithName(contents))
        ref = a->dlgRefs[0];
    else if (const MacroCutData* c = t->findCutWithName(contents))
        ref = c->dlgRef;
    else if (const MacroProfData* g = t->findProfDataWithGroup(contents))
        ref = g->dlgRefSection;
    return ref > 0 ? getDlgItem(ref) : nullptr;
}

void CMacroTab::gridButton(int row) {
    MacroTabData* t = tab();
    const std::vector<GridRow>& rows = m_rows;
    if (!t || row < 1 || row > static_cast<int>(rows.size()))
        return;
    const GridRow& r = rows[static_cast<std::size_t>(row - 1)];
    if (r.kind == GridRow::Array)
        openArray(t->arrays[r.index]);
    else if (r.kind == GridRow::Pattern)
        openPattern(t->patterns[r.index]);
}

void CMacroTab::openArray(MacroArrayData& array) {
    MacroTabData* t = tab();
    if (!t)
        return;
    const int index = static_cast<int>(&array - &t->arrays[0]);
    CDlgArray dialog(this);
    dialog.m_data = array.data;
    dialog.m_objectIds = m_owner.macro.objects;
    dialog.m_text = t->name;
    int result = 0;
    {
        CDlgMacro::BusyScope busy(m_owner);
        result = dialog.doModal();
    }
    t = tab();
    if (result != ui::IDOK || !t || index < 0 || index >= t->arrays.length())
        return;
    ready = false;
    // What the page shows is read back first; the array then takes the dialog's record whole.
    const MacroTabData before = *t;
    store();
    t->arrays[index].data = dialog.m_data;
    applyFrom(before);
    ready = true;
}

void CMacroTab::openPattern(MacroPatternData& pattern) {
    MacroTabData* t = tab();
    if (!t)
        return;
    // Each change reaches the macro through the owner (CDlgMacro::pushPatternProps) while the dialog runs.
    const int index = static_cast<int>(&pattern - &t->patterns[0]);
    CDlgMacroPattern dialog(&m_owner, index, pattern.props, this);
    CDlgMacro::BusyScope busy(m_owner);
    dialog.doModal();
}

void CMacroTab::designedClick(int id) {
    Ork_ControlType type = ctLabel;
    const Ork_DesignerControl* c = m_page.getControlFromRes(id);
    MacroTabData* t = tab();
    if (!c || !t || !m_page.getDynControlType(id, type))
        return;
    switch (type) {
    case ctArrayButton:
        if (MacroArrayData* a = t->findArrayWithBtnId(id))
            openArray(*a);
        break;
    case ctPatternButton:
        if (m_kind == Kind::General)
            if (MacroPatternData* p = t->findPatternWithBtnId(id))
                openPattern(*p);
        break;
    case ctCellCheck: apply(); break;
    case ctCalcButtonFactor:
    case ctCalcButtonCell: calculate(*c); break;
    case ctFlexButton: flexClicked(id); break;
    case ctProfileButton:
    case ctProfileMoreButton:
        if (m_kind == Kind::Profile)
            if (MacroProfData* g = t->findProfDataWithButtonId(id))
                profileButton(g->name, type == ctProfileButton);
        break;
    case ctBoltButton: boltButton(); break;
    default: break;
    }
}

void CMacroTab::calculate(const Ork_DesignerControl& button) {
    MacroTabData* t = tab();
    if (!t)
        return;
    acedPostCommand(u"CANCELCMD");
    const bool byFactor = button.type == ctCalcButtonFactor;
    Ork_String targetName = button.calcPart2, secondName = button.calcPart3;
    const bool targetNegated = takeSign(targetName);
    const bool secondNegated = takeSign(secondName);
    MacroCellData* second = secondName.isEmpty() ? nullptr : t->findCell(secondName);
    ui::Window* secondWindow = second && second->dlgRef > 0 ? getDlgItem(second->dlgRef) : nullptr;
    double s = 0;
    if (byFactor) {
        s = button.calcPart4.toDouble();
    } else {
        if (!secondWindow)
            return;
        s = Ork_String(secondWindow->getWindowText()).toDouble();
    }
    MacroCellData* base = t->findCell(button.calcPart1);
    if (!base || base->value == dialString(kMixedText))
        return;
    const double b = base->value.toDouble();
    MacroCellData* target = t->findCell(targetName);
    ui::Window* targetWindow = target && !target->readOnly && target->dlgRef > 0 ? getDlgItem(target->dlgRef) : nullptr;
    if (!targetWindow)
        return;
    double m = Ork_String(targetWindow->getWindowText()).toDouble();
    if (targetNegated)
        m = -m;
    double proposed = 0;
    if (byFactor && secondWindow) {
        double other = Ork_String(secondWindow->getWindowText()).toDouble();
        proposed = b + m + (secondNegated ? -other : other);
    } else if (byFactor) {
        // A factor that is 0, empty or not a number has nothing to divide by.
        if (!isNumber(button.calcPart4) || s == 0)
            return;
        proposed = b + m / s;
    } else {
        proposed = b + m + (secondNegated ? -s : s);
    }
    Ork_DlgPromptString prompt(this);
    prompt.setCaption(dialString(kCalcTitle));
    prompt.setLabel(dialString(kCalcPrompt) + u" " + dialString(kCalcQuestion));
    prompt.setText(Ork_String(proposed, kCalcDecimals));
    prompt.setButtonTexts(dialString(1), dialString(2));
    {
        CDlgMacro::BusyScope busy(m_owner);
        prompt.doModal();
    }
    if (!prompt.accepted() || !isNumber(prompt.text()) || !ui::isWindow(targetWindow))
        return;
    const double d = prompt.text().toDouble() - b;
    const double result = byFactor ? s * d : d - (secondNegated ? -s : s);
    targetWindow->setWindowText(Ork_String(targetNegated ? -result : result, kCalcDecimals));
    if (byFactor && secondWindow && ui::isWindow(secondWindow))
        secondWindow->setWindowText(Ork_String(secondNegated ? -result : result, kCalcDecimals));
    apply();
}

void CMacroTab::flexClicked(int id) {
    MacroTabData* t = tab();
    Ork_String group, entry;
    int index = -1, status = 0;
    if (!t || !m_page.getFlexBtnGroupName(id, group, entry) || !m_page.findFlexButton(group, entry, index) ||
        !m_page.getFlexBtnStatus(index, status) || (status != 0 && status != 1))
        return;
    const MacroTabData before = *t;
    if (t->flexFixBtnClicked(group, entry, status == 1)) {
        ready = false;
        applyFrom(before);
        ready = true;
    }
}

void CMacroTab::swapBlock(const Ork_DesignerControl& combo) {
    MacroTabData* t = tab();
    Ork_String chosen;
    if (!t || !m_page.getCtrlValue(combo.resourceId, chosen))
        return;
    // The mixed entry names no block, and a folder outside the library holds none to swap to.
    if (chosen.isEmpty() || chosen == dialString(kMixedText) || !blockFolderIsSafe(combo.extra))
        return;
    CDlgMacro::BusyScope busy(m_owner);
    swapBlockRefs(m_owner.macro, t->name, combo.extra + u"\\" + chosen + u".dwg");
}

bool CMacroTab::onCommand(int id, int code) {
    if (isDesignedId(id) && m_page.isADynControl(id)) {
        Ork_ControlType type = ctLabel;
        m_page.getDynControlType(id, type);
        if (code == ui::BN_CLICKED)
            designedClick(id);
        else if (code == ui::CBN_SELCHANGE && type == ctChoiceCombo) {
            if (const Ork_DesignerControl* c = m_page.getControlFromRes(id))
                swapBlock(*c);
        } else if (code == ui::CBN_SELCHANGE || code == ui::EN_KILLFOCUS)
            apply();
        return true;
    }
    if (m_grid.isCreated() && id == m_grid.controlId()) {
        int column = 0, row = 0;
        m_grid.notifyCell(column, row);
        if (code == SSN_BUTTONCLICK)
            gridButton(row);
        else if (code == SSN_EDITMODEOFF || code == SSN_COMBOCHANGE || code == SSN_CHECKBOXCLICK)
            apply();
        return true;
    }
    if (ownCommand(id, code))
        return true;
    return ui::Dialog::onCommand(id, code);
}

bool CMacroTab::inArea(int area, ui::Window* focus) const {
    if (!focus)
        return false;
    if (area == kPageArea) {
        int id = 0;
        return m_page.getFocusedDynControl(id);
    }
    if (area == kGridArea)
        return m_grid.isCreated() && (focus == &m_grid || m_grid.isChild(focus));
    for (int id : ownControls())
        if (ui::Window* w = getDlgItem(id); w && (w == focus || w->isChild(focus)))
            return true;
    return false;
}

bool CMacroTab::focusArea(int area, bool first) {
    if (area == kPageArea)
        return m_page.getNrControls() > 0 && m_page.setFocusToCtrl(first);
    if (area == kGridArea) {
        if (!m_grid.isCreated() || !m_grid.isWindowVisible() || m_gridRows == 0)
            return false;
        return m_grid.focusFreeCell(first);
    }
    std::vector<int> ids = ownControls();
    if (!first)
        std::reverse(ids.begin(), ids.end());
    for (int id : ids)
        if (ui::Window* w = getDlgItem(id); w && w->isWindowVisible() && w->isWindowEnabled()) {
            w->setFocus();
            return true;
        }
    return false;
}

bool CMacroTab::keyboardTab(bool backward) {
    ui::Window* focus = ui::Window::getFocus();
    int area = 0;
    for (int a : {kPageArea, kGridArea, kOwnArea})
        if (area == 0 && inArea(a, focus))
            area = a;
    if (area == 0)
        return false;
    bool leave = false;
    if (area == kPageArea) {
        ui::Msg key;
        key.window = focus;
        key.message = ui::WM_KEYDOWN;
        key.wParam = ui::VK_TAB;
        Ork_TabMsgHandle result = tmNotHandled;
        if (!m_page.handleTabKey(key, result) || result == tmNotHandled)
            return false;
        if (result == tmHandled)
            return true;
        leave = true;
    } else if (area == kGridArea) {
        int result = 1;
        if (!m_grid.handleTabKey(ui::VK_TAB, result) || result == 1 || result == 0)
            return false;   // the grid moves inside itself
        leave = true;
    } else {
        const std::vector<int> ids = ownControls();
        std::vector<ui::Window*> usable;
        for (int id : ids)
            if (ui::Window* w = getDlgItem(id); w && w->isWindowVisible() && w->isWindowEnabled())
                usable.push_back(w);
        auto at = std::find_if(usable.begin(), usable.end(), [&](ui::Window* w) { return w == focus || w->isChild(focus); });
        if (at == usable.end())
            return false;
        const auto pos = at - usable.begin();
        const auto next = backward ? pos - 1 : pos + 1;
        if (next >= 0 && next < static_cast<long>(usable.size())) {
            usable[static_cast<std::size_t>(next)]->setFocus();
            return true;
        }
        leave = true;
    }
    if (!leave)
        return false;
    int next = area;
    for (int tries = 0; tries < 4; ++tries) {
        next = backward ? (next == kPageArea ? kOwnArea : next - 1) : (next == kOwnArea ? kPageArea : next + 1);
        if (focusArea(next, !backward))
            return true;
    }
    return true;
}

bool CMacroTab::preTranslateMessage(const ui::Msg& msg) {
    if (msg.message == ui::WM_KEYDOWN) {
        switch (static_cast<unsigned>(msg.wParam)) {
        case ui::VK_TAB:
            if (keyboardTab(ui::isKeyDown(ui::VK_SHIFT)))
                return true;
            break;
        case ui::VK_RETURN: {
            int id = 0;
            if (!m_page.getFocusedDynControl(id) && inArea(kGridArea, ui::Window::getFocus()))
                m_grid.ssSetEditMode(false);
            else
                apply();
            return true;
        }
        case ui::VK_ESCAPE:
            m_owner.closeLikeTheUser();
            return true;
        case ui::VK_F12:
            if (MacroTabData* t = tab(); t && !t->designFile.isEmpty()) {
                CDlgMacro::BusyScope busy(m_owner);
                StartDlgDesigner(designFilePath(t->designFile));
            }
            return true;
        default: break;
        }
    } else if (msg.message == ui::WM_KEYUP && msg.wParam == ui::VK_SPACE) {
        int id = 0;
        if (m_page.getFocusedDynControl(id) && m_page.isTypeBoltCount(id))
            apply();
    }
    return ui::Dialog::preTranslateMessage(msg);
}

void CMacroTab::rememberFocus() {
    ui::Window* focus = ui::Window::getFocus();
    if (focus && isChild(focus))
        m_lastFocusId = focus->getDlgCtrlID();
}

void CMacroTab::enter() {
    if (m_entered && m_lastFocusId != 0) {
        if (ui::Window* w = getDlgItem(m_lastFocusId); w && w->isWindowVisible() && w->isWindowEnabled()) {
            w->setFocus();
            return;
        }
    }
    m_entered = true;
    for (int area : {kPageArea, kGridArea, kOwnArea})
        if (focusArea(area, true))
            return;
}
