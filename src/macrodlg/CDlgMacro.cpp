#include "macrodlg/CDlgMacro.h"

#include "SS/SSExports.h"
#include "cadhost/CommandLine.h"
#include "cadhost/Drawing.h"
#include "designer/Ork_DlgDesignerData.h"
#include "macrodlg/CMacroTab.h"
#include "macrodlg/CMacroTabGeneral.h"
#include "macrodlg/CMacroTabProf.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/controlHelpers.h"
#include "nuvo/dlgSize.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroDialogCalls.h"
#include "resources/resourceIds.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Services.h"
#include "ui/TabCtrl.h"
#include "ui/constants.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kCloseText = 285;
constexpr double kScaleBase = 20.0;   // the Close button's height at the designed font size
constexpr int kPageTopGap = 4;

// The flat icon buttons: control, icon, tooltip (a host text; 0 for the literal one).
constexpr struct {
    int id;
    int icon;
    int tooltip;
} kIconButtons[] = {
    {IDC_MD_SELECT_OTHER, IDI_EDIT_SELECT, 973}, {IDC_MD_VIEW_3, IDI_MD_VIEW_3, 974},
    {IDC_MD_VIEW_0, IDI_MD_VIEW_0, 975},          {IDC_MD_VIEW_1, IDI_MD_VIEW_1, 976},
    {IDC_MD_VIEW_2, IDI_MD_VIEW_2, 977},          {IDC_MD_LOAD_STANDARDS, IDI_MD_STANDARDS, 0},
    {IDC_MD_OPEN_VALUES, IDI_MD_OPEN, 978},       {IDC_MD_SAVE_VALUES, IDI_MD_SAVE, 979},
};

// The view each view button asks for.
int viewOfButton(int id) {
    switch (id) {
    case IDC_MD_VIEW_3: return 3;
    case IDC_MD_VIEW_0: return 0;
    case IDC_MD_VIEW_1: return 1;
    case IDC_MD_VIEW_2: return 2;
    default: return -1;
    }
}

} // namespace

CDlgMacro::CDlgMacro(ui::Window* parent) : ui::Dialog(IDD_MACRO, parent) {}

CDlgMacro::~CDlgMacro() = default;

void CDlgMacro::setBusy(bool busy) {
    if (busy)
        ++m_busy;
    else if (m_busy > 0)
        --m_busy;
}

CMacroTab* CDlgMacro::currentPage() const {
    auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    const int position = tabs ? tabs->getCurSel() : -1;
    return position >= 0 && position < static_cast<int>(m_tabWindows.size()) ? m_tabWindows[static_cast<std::size_t>(position)].get()
                                                                              : nullptr;
}

Ork_String CDlgMacro::sizeKey() const {
    Ork_String key = u"DLG_MACRO_EDITVARS_";
    if (macro.objects.length() == 1) {
        if (!macro.macroNames.isEmpty())
            key += macro.macroNames[0];
    } else if (macro.currentGroup >= 0 && macro.currentGroup < macro.groupNames.length()) {
        key += u"GROUP_" + macro.groupNames[macro.currentGroup];
    } else {
        key += Ork_String(macro.objects.length()) + u"_MACROS";
    }
    return key;
}

void CDlgMacro::setUpButtons() {
    if (ui::Window* ok = getDlgItem(ui::IDOK)) {
        ok->setWindowText(dialString(kCloseText));
        Ork_DlgDesignerData::dialogScale = ok->getRectInParent().height() / kScaleBase;
    }
    for (std::size_t i = 0; i < std::size(kIconButtons); ++i) {
        const auto& b = kIconButtons[i];
        m_buttons[i].attach(*this, b.id, b.icon, b.tooltip ? std::u16string(dialString(b.tooltip)) : u"Load from standards");
    }
    m_clashBox.attach(*this, IDC_MD_CLASH, IDI_MD_CLASH, dialString(980));
    setDlgItemText(IDC_MD_GROUPS_FRAME, dialString(755));
    setDlgItemText(IDC_MD_FILTERS_FRAME, dialString(981));
    setDlgItemText(IDC_MD_REAPPLY, dialString(982));
}

bool CDlgMacro::onInitDialog() {
    setUpButtons();
    buildPages();
    int position = 0;
    int recordTab = -1;
    if (macro.findTab(macro.currentTab, recordTab))
        for (std::size_t p = 0; p < m_tabOfPosition.size(); ++p)
            if (m_tabOfPosition[p] == recordTab)
                position = static_cast<int>(p);
    selectTab(position);
    fillFilters();
    const ui::Rect r = getWindowRect();
    minWidth = r.width();
    minHeight = r.height();
    ChangeDlgSize(this, sizeKey());
    sizeToPages();
    {
        BusyScope busy(*this);
        clashInitDlgStarted(slotIndex);
        clashResetInfo(slotIndex);
        clashcheck(slotIndex, macro.objects);
    }
    updateClashBox();
    return false;
}

void CDlgMacro::updateClashBox() {
    if (auto* box = getDlgItemAs<ui::Button>(IDC_MD_CLASH))
        box->setCheck(clashGetStatus() ? 1 : 0);
}

void CDlgMacro::buildPages() {
    auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    const int previous = tabs ? tabs->getCurSel() : -1;
    m_tabWindows.clear();
    m_tabOfPosition.clear();
    if (!tabs)
        return;
    tabs->deleteAllItems();
    for (int i = 0; i < macro.tabs.length(); ++i) {
        const MacroTabData& t = macro.tabs[i];
        std::unique_ptr<CMacroTab> page;
        if (t.type == MacroTabData::kGeneral || t.type == MacroTabData::kBoltTab || t.type == MacroTabData::kGeneralOther)
            page = std::make_unique<CMacroTabGeneral>(*this, i);
        else if (t.type == MacroTabData::kProfileTab)
            page = std::make_unique<CMacroTabProf>(*this, i);
        // Any other type has no page, and so no tab entry: positions and record indexes stay apart.
        if (!page || !page->create(t.type == MacroTabData::kProfileTab ? IDD_MACRO_TAB_PROF : IDD_MACRO_TAB_GENERAL, tabs,
                                   false))
            continue;
        tabs->insertItem(static_cast<int>(m_tabWindows.size()), t.shownCaption());
        m_tabOfPosition.push_back(i);
        m_tabWindows.push_back(std::move(page));
    }
    placePages();
    for (auto& page : m_tabWindows)
        page->build();
    const bool allowed = macro.propListAllowed();
    if (ui::Window* w = getDlgItem(IDC_MD_OPEN_VALUES))
        w->enableWindow(allowed);
    if (ui::Window* w = getDlgItem(IDC_MD_SAVE_VALUES))
        w->enableWindow(allowed);
    const int count = static_cast<int>(m_tabWindows.size());
    tabs->setCurSel(previous >= 0 && previous < count ? previous : (count > 0 ? 0 : -1));
}

void CDlgMacro::selectTab(int position) {
    auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    if (!tabs || position < 0 || position >= static_cast<int>(m_tabWindows.size()))
        return;
    if (CMacroTab* old = currentPage())
        old->rememberFocus();
    tabs->setCurSel(position);
    for (auto& page : m_tabWindows)
        page->showWindow(ui::SW_HIDE);
    CMacroTab* page = m_tabWindows[static_cast<std::size_t>(position)].get();
    page->showWindow(ui::SW_SHOW);
    currentTab = m_tabOfPosition[static_cast<std::size_t>(position)];
    shown = true;
    page->enter();
}

void CDlgMacro::fillFilters() {
    auto fill = [&](int id, const MacroFilterChoice& f) {
        if (auto* c = getDlgItemAs<ui::ComboBox>(id)) {
            c->resetContent();
            FillCombo(c, f.items);
            c->setCurSel(f.items.isEmpty() ? -1 : f.choice);
        }
    };
    fill(IDC_MD_FILTER1, macro.filter1);
    fill(IDC_MD_FILTER2, macro.filter2);
}

ui::Size CDlgMacro::largestPage() const {
    ui::Size largest{0, 0};
    for (const auto& page : m_tabWindows) {
        const ui::Size s = page->measure();
        largest.cx = std::max(largest.cx, s.cx);
        largest.cy = std::max(largest.cy, s.cy);
    }
    return largest;
}

void CDlgMacro::sizeToPages() {
    const ui::Size largest = largestPage();
    const int w = std::max(minWidth, largest.cx + kTabMarginWidth);
    const int h = std::max(minHeight, largest.cy + kTabMarginHeight);
    const ui::Rect r = getWindowRect();
    // Once sized, every rebuild sets the window to the size its pages need.
    if (!m_sizedOnce || r.width() != w || r.height() != h)
        moveWindow(getRectInParent().left, getRectInParent().top, std::max(r.width(), w), std::max(r.height(), h));
    m_sizedOnce = true;
    placePages();
}

void CDlgMacro::placePages() {
    auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    ui::Rect header;
    if (!tabs)
        return;
    const ui::Rect client = tabs->getClientRect();
    const int top = tabs->getItemRect(0, header) ? header.bottom + kPageTopGap : kPageTopGap;
    for (auto& page : m_tabWindows)
        page->moveWindow(2, top, std::max(client.width() - 4, 0), std::max(client.height() - top - 2, 0));
}

void CDlgMacro::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS)) {
        const ui::Rect r = tabs->getRectInParent();
        tabs->moveWindow(r.left, r.top, std::max(cx - 2 * r.left, 0), std::max(cy - r.top - 41, 0));
    }
    for (int id : {ui::IDOK, IDC_MD_REAPPLY})
        if (ui::Window* w = getDlgItem(id)) {
            const ui::Rect r = w->getRectInParent();
            w->moveWindow(id == ui::IDOK ? cx - r.width() - 7 : r.left, cy - r.height() - 10, r.width(), r.height());
        }
    placePages();
}

void CDlgMacro::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    if (!m_sizedOnce) {
        info.minTrackSize = kMinBeforeResize;
        return;
    }
    const ui::Size largest = largestPage();
    info.minTrackSize = {std::max(minWidth, largest.cx + kTabMarginWidth), std::max(minHeight, largest.cy + kTabMarginHeight)};
}

void CDlgMacro::showAllValues() {
    for (auto& page : m_tabWindows) {
        const bool wasReady = page->ready;
        page->ready = false;
        page->load();
        page->ready = wasReady;
    }
}

void CDlgMacro::applyChanges(CMacroTab& page, const AcArray<int>& changed, const AcArray<int>& unchanged) {
    MacroTabData* t = page.tab();
    if (!t)
        return;
    const Ork_String name = t->name;
    {
        BusyScope busy(*this);
        if (UpdateModule(name, &macro, changed, unchanged))
            clashcheck(slotIndex, macro.objects);
    }
    CMacroTab* current = currentPage();
    if (current)
        current->rememberFocus();
    showAllValues();
    if (current && current->rememberedFocus() != 0)
        if (ui::Window* w = current->getDlgItem(current->rememberedFocus()))
            w->setFocus();
    updateClashBox();
    acedPostCommandPrompt();
}

bool CDlgMacro::pushPatternProps(int patternIndex, MacroPatternProps& props) {
    CMacroTab* page = currentPage();
    MacroTabData* t = page ? page->tab() : nullptr;
    if (!t || patternIndex < 0 || patternIndex >= t->patterns.length())
        return false;
    const MacroTabData before = *t;
    const bool wasReady = page->ready;
    page->ready = false;
    t->patterns[patternIndex].props = props;
    t->patterns[patternIndex].twoDirections = props.patternType != MacroPatternProps::kOneDirection;
    AcArray<int> changed, unchanged;
    t->differences(before, changed, unchanged);
    if (!changed.isEmpty() || !unchanged.isEmpty())
        applyChanges(*page, changed, unchanged);
    page->ready = wasReady;
    if ((t = page->tab()) && patternIndex < t->patterns.length())
        props = t->patterns[patternIndex].props;
    return true;
}

bool CDlgMacro::pushBolt(MacroBoltData& bolt) {
    CMacroTab* page = currentPage();
    MacroTabData* t = page ? page->tab() : nullptr;
    if (!t || !t->getBoltData())
        return false;
    const MacroTabData before = *t;
    const bool wasReady = page->ready;
    page->ready = false;
    // The references belong to the page that shows the record, not to the pushed copy.
    MacroBoltData stored = bolt;
    std::copy(std::begin(t->bolt->dlgRefs), std::end(t->bolt->dlgRefs), std::begin(stored.dlgRefs));
    stored.dlgRefButton = t->bolt->dlgRefButton;
    *t->bolt = stored;
    AcArray<int> changed, unchanged;
    t->differences(before, changed, unchanged);
    if (!changed.isEmpty() || !unchanged.isEmpty())
        applyChanges(*page, changed, unchanged);
    page->ready = wasReady;
    if ((t = page->tab()) && t->getBoltData())
        bolt = *t->getBoltData();
    return true;
}

void CDlgMacro::selectOtherMacros() {
    acedPostCommand(u"CANCELCMD");
    bool picked = false;
    {
        BusyScope busy(*this);
        showWindow(ui::SW_HIDE);
        picked = SelectOtherMacros(this, macro);
        showWindow(ui::SW_SHOW);
    }
    if (!picked)
        return;
    buildPages();
    auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    selectTab(tabs ? std::max(tabs->getCurSel(), 0) : 0);
    fillFilters();
    {
        BusyScope busy(*this);
        clashResetInfo(slotIndex);
    }
    sizeToPages();
}

void CDlgMacro::loadFromStandards() {
    {
        BusyScope busy(*this);
        macro.loadFromStandards();
    }
    auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    const int position = tabs ? tabs->getCurSel() : 0;
    buildPages();
    selectTab(position);
    BusyScope busy(*this);
    clashcheck(slotIndex, macro.objects);
}

void CDlgMacro::openValues() {
    Ork_StringArray names;
    macro.getPropFiles(names);
    Ork_String chosen;
    {
        BusyScope busy(*this);
        if (!DlgOpenSave(this, true, macro.propFolder(), names, chosen))
            return;
    }
    const MacroData before = macro;
    int unplaced = 0;
    Ork_String error;
    if (!macro.readFromFile(macro.propFolder() + chosen + u".txt", unplaced, error)) {
        acutPrintf(u"Load failed\n");
        return;
    }
    {
        BusyScope busy(*this);
        setAllToMacro(macro, before);
    }
    showAllValues();
    if (unplaced != 0) {
        const Ork_String text = dialString(1507) + u".\n" + dialString(1508) + u" " + Ork_String(unplaced) + u" " +
                                dialString(1509) + u".\n\n" + dialString(1510);
        BusyScope busy(*this);
        ui::messageBox(this, text, dialString(978), ui::MB_OK | ui::MB_ICONINFORMATION);
    }
}

void CDlgMacro::saveValues() {
    for (auto& page : m_tabWindows)
        page->apply();
    Ork_StringArray names;
    macro.getPropFiles(names);
    Ork_String chosen;
    {
        BusyScope busy(*this);
        if (!DlgOpenSave(this, false, macro.propFolder(), names, chosen))
            return;
    }
    Ork_String error;
    ObjectExportCreateDirectory(macro.propFolder());
    if (!macro.writeToFile(macro.propFolder() + chosen + u".txt", error)) {
        acutPrintf(u"Save failed\n");
        BusyScope busy(*this);
        ui::messageBox(this, error, dialString(979), ui::MB_OK | ui::MB_ICONEXCLAMATION);
    }
}

void CDlgMacro::filterChanged(bool first) {
    auto* c = getDlgItemAs<ui::ComboBox>(first ? IDC_MD_FILTER1 : IDC_MD_FILTER2);
    if (!c)
        return;
    {
        BusyScope busy(*this);
        UpdateAllFilterModified(macro, first, c->getCurSel());
    }
    auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS);
    const int position = tabs ? tabs->getCurSel() : 0;
    buildPages();
    selectTab(position);
    fillFilters();
    sizeToPages();
}

void CDlgMacro::closeLikeTheUser() {
    BusyScope busy(*this);
    acedPostCommand(u"CANCELCMD");
    if (const MacroTabData* t = macro.getTab(currentTab))
        macro.changeView(t->name, 3);
    if (isModal()) {
        acedPostCommandPrompt();
        endDialog(ui::IDOK);
    } else {
        // Busy here: the table ends the dialog 50 ms later, outside this handler.
        EndDlgMacroModeless(slotIndex);
    }
}

void CDlgMacro::onOK() { closeLikeTheUser(); }

void CDlgMacro::onCancel() { closeLikeTheUser(); }

bool CDlgMacro::onNotify(int id, int code, ui::LRESULT& result) {
    if (id == IDC_MD_TABS && code == ui::TCN_SELCHANGE) {
        if (auto* tabs = getDlgItemAs<ui::TabCtrl>(IDC_MD_TABS))
            selectTab(tabs->getCurSel());
        return true;
    }
    return ui::Dialog::onNotify(id, code, result);
}

bool CDlgMacro::onCommand(int id, int code) {
    if (code == ui::CBN_SELCHANGE && (id == IDC_MD_FILTER1 || id == IDC_MD_FILTER2)) {
        filterChanged(id == IDC_MD_FILTER1);
        return true;
    }
    if (code != ui::BN_CLICKED)
        return ui::Dialog::onCommand(id, code);
    if (const int view = viewOfButton(id); view >= 0) {
        acedPostCommand(u"CANCELCMD");
        if (const MacroTabData* t = macro.getTab(currentTab)) {
            BusyScope busy(*this);
            macro.changeView(t->name, view);
        }
        return true;
    }
    switch (id) {
    case IDC_MD_SELECT_OTHER: selectOtherMacros(); return true;
    case IDC_MD_CLASH:
        if (auto* box = getDlgItemAs<ui::Button>(IDC_MD_CLASH)) {
            BusyScope busy(*this);
            clashSetStatus(box->getCheck() == 1);
        }
        return true;
    case IDC_MD_REAPPLY: {
        bool reapplied = false;
        {
            BusyScope busy(*this);
            reapplied = macro.reApply();
        }
        if (reapplied)
            closeLikeTheUser();
        return true;
    }
    case IDC_MD_LOAD_STANDARDS: loadFromStandards(); return true;
    case IDC_MD_OPEN_VALUES: openValues(); return true;
    case IDC_MD_SAVE_VALUES: saveValues(); return true;
    default: return ui::Dialog::onCommand(id, code);
    }
}

void CDlgMacro::onDestroy() {
    WriteDlgSize(this, sizeKey());
    clashDlgClosed(slotIndex);
    for (auto& page : m_tabWindows)
        if (page->isWindow())
            page->destroyWindow();
    m_tabWindows.clear();
    ui::Dialog::onDestroy();
}
