#include "macroedit/CDlgEditMacro.h"

#include "SS/SSExports.h"
#include "base/Ork_DlgPromptString.h"
#include "cadhost/CommandLine.h"
#include "macroedit/CDlgMacroSettings.h"
#include "macroedit/CTabEditConstraints.h"
#include "macroedit/CTabEditVars.h"
#include "macroedit/CTabGeometries.h"
#include "macroedit/CTabMacroCommands.h"
#include "macroedit/selectionRecent.h"
#include "nuvo/dlgSize.h"
#include "nuvo/macro/Ork_DbMacro.h"
#include "standards/KvSSMapping.h"
#include "nuvo/hostTexts.h"
#include "nuvo/macro/macroEditorCalls.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"
#include "ui/TabCtrl.h"

namespace {

constexpr int kTitle = 869, kSelectText = 870, kRenameText = 871, kSettingsText = 872, kOkText = 285;
constexpr int kSelectTip = 865, kAddModuleTip = 866, kRemoveModuleTip = 867, kZoomTip = 868;
constexpr int kRenameTitle = 877, kRenamePrompt = 878, kPromptOk = 1, kPromptCancel = 2;
constexpr int kAddModuleCommand = 11;
constexpr int kLastConstraintCommand = 10;

struct PageInfo {
    int templateId;
    int caption;   // host text of its tab
};
constexpr PageInfo kPages[CDlgEditMacro::PageCount] = {
    {IDD_EDIT_CONSTRAINTS, 873}, {IDD_GEOMETRIES, 874}, {IDD_EDIT_VARS, 875}, {IDD_MACRO_COMMANDS, 876}};

// Margins of a page inside the tab control: right of the first tab's header, 2 below the headers, 3 from
// the right edge and 2 from the bottom.
constexpr int kPageTopGap = 2, kPageRightGap = 3, kPageBottomGap = 2;

// How many editors are alive: the selection-recent timer goes with the last one.
int gEditors = 0;

} // namespace

CDlgEditMacro::CDlgEditMacro(ui::Window* parent) : ui::Dialog(IDD_EDIT_MACRO, parent) { ++gEditors; }

CDlgEditMacro::~CDlgEditMacro() {
    if (--gEditors == 0)
        macroedit::stopSelectionRecent();
}

ui::Dialog* CDlgEditMacro::page(int index) const {
    return index >= 0 && index < PageCount ? m_pages[static_cast<std::size_t>(index)].get() : nullptr;
}
CTabEditConstraints* CDlgEditMacro::constraintsPage() const {
    return dynamic_cast<CTabEditConstraints*>(page(ConstraintsPage));
}
CTabGeometries* CDlgEditMacro::geometryPage() const { return dynamic_cast<CTabGeometries*>(page(GeometryPage)); }
CTabEditVars* CDlgEditMacro::variablesPage() const { return dynamic_cast<CTabEditVars*>(page(VariablesPage)); }
CTabMacroCommands* CDlgEditMacro::commandsPage() const { return dynamic_cast<CTabMacroCommands*>(page(CommandsPage)); }
ui::TabCtrl* CDlgEditMacro::tabs() const { return getDlgItemAs<ui::TabCtrl>(IDC_EM_TABS); }
ui::ComboBox* CDlgEditMacro::moduleSelector() const { return getDlgItemAs<ui::ComboBox>(IDC_EM_MODULES); }

bool CDlgEditMacro::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (gEditors == 1)
        macroedit::stopSelectionRecent();   // nothing of an earlier editor's selection counts for this one
    m_select.attach(*this, IDC_EM_SELECT, IDI_EDIT_SELECT, dialString(kSelectTip));
    m_addModule.attach(*this, IDC_EM_ADD_MODULE, IDI_EDIT_ADD, dialString(kAddModuleTip));
    m_removeModule.attach(*this, IDC_EM_REMOVE_MODULE, IDI_EDIT_REMOVE, dialString(kRemoveModuleTip));
    m_zoom.attach(*this, IDC_EM_ZOOM, IDI_EDIT_ZOOM, dialString(kZoomTip));
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(IDC_EM_SELECT, dialString(kSelectText));
    setDlgItemText(IDC_EM_RENAME, dialString(kRenameText));
    setDlgItemText(IDC_EM_SETTINGS, dialString(kSettingsText));

    getDlgSize(this, m_minSize);
    m_layout.record(*this);
    m_layout.setFlags(IDC_EM_SELECT, KvDlgLayout::kFixed, KvDlgLayout::kFixed);
    m_layout.setFlags(IDC_EM_MODULES, KvDlgLayout::kStretch, KvDlgLayout::kFixed);
    for (int id : {IDC_EM_ADD_MODULE, IDC_EM_RENAME, IDC_EM_REMOVE_MODULE})
        m_layout.setFlags(id, KvDlgLayout::kFollow, KvDlgLayout::kFixed);
    m_layout.setFlags(IDC_EM_TABS, KvDlgLayout::kStretch, KvDlgLayout::kStretch);
    m_layout.setFlags(IDC_EM_SETTINGS, KvDlgLayout::kFixed, KvDlgLayout::kFollow);
    m_layout.setFlags(IDC_EM_ZOOM, KvDlgLayout::kFixed, KvDlgLayout::kFollow);
    m_layout.setFlags(ui::IDOK, KvDlgLayout::kFollow, KvDlgLayout::kFollow);

    fillModuleSelectorFromHost();

    ui::TabCtrl* t = tabs();
    if (t) {
        for (int i = 0; i < PageCount; ++i) {
            t->insertItem(i, dialString(kPages[i].caption));
            std::unique_ptr<ui::Dialog> created;
            switch (i) {
            case ConstraintsPage: created = std::make_unique<CTabEditConstraints>(&m_data); break;
            case GeometryPage: created = std::make_unique<CTabGeometries>(&m_data); break;
            case VariablesPage: created = std::make_unique<CTabEditVars>(&m_data); break;
            default: created = std::make_unique<CTabMacroCommands>(); break;
            }
            if (created->create(kPages[i].templateId, t, false))
                m_pages[static_cast<std::size_t>(i)] = std::move(created);
        }
        placePages();
        t->setCurSel(ConstraintsPage);
        switchPage(ConstraintsPage);
    }
    if (CTabEditConstraints* constraints = constraintsPage())
        constraints->focusName();
    ChangeDlgSize(this, kSizeKey);
    return false;   // the focus is in the name field
}

void CDlgEditMacro::macroSettings() {
    CDlgMacroSettings dialog(this);
    // An empty record must never overwrite the stored settings: without them nothing opens.
    if (!GetMacroSettings(m_data.macroId, dialog.m_data))
        return;
    // What a spreadsheet variable may be mapped to is the module's to know: lent to the dialog for its run.
    KvSSMapping available;
    AcDbTransaction transaction;
    Ork_DbMacro* macro = Ork_DbMacro::findById(m_data.macroId);
    if (macro && available.initAllVarsFromMacro(macro, &transaction) == eOk)
        dialog.m_data.mapping.availableObjects = &available;
    const int result = dialog.doModal();
    dialog.m_data.mapping.availableObjects = nullptr;
    if (result != ui::IDOK)
        return;
    if (!SetMacroSettings(m_data.macroId, dialog.m_data))
        acutPrintf(u"Save failed\n");
}

void CDlgEditMacro::placePages() {
    ui::TabCtrl* t = tabs();
    ui::Rect header;
    if (!t || !t->getItemRect(0, header))
        return;
    const ui::Rect client = t->getClientRect();
    const int x = header.left, y = header.bottom + kPageTopGap;
    for (auto& p : m_pages)
        if (p)
            p->moveWindow(x, y, client.width() - x - kPageRightGap, client.height() - y - kPageBottomGap);
}

void CDlgEditMacro::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    m_layout.resize(cx, cy);
    placePages();
}

void CDlgEditMacro::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = m_minSize;
}

void CDlgEditMacro::fillModuleSelector(const Ork_StringArray& names) {
    ui::ComboBox* selector = moduleSelector();
    if (!selector)
        return;
    selector->resetContent();
    int current = -1;
    for (int i = 0; i < names.length(); ++i) {
        selector->addString(names[i]);
        if (current < 0 && names[i] == m_data.moduleName)
            current = i;
    }
    selector->setCurSel(current);
}

void CDlgEditMacro::fillModuleSelectorFromHost() {
    Ork_StringArray names;
    if (!MacroGetModules(handle(), names))
        names.removeAll();
    fillModuleSelector(names);
}

void CDlgEditMacro::switchPage(int index) {
    for (auto& p : m_pages)
        if (p)
            p->showWindow(ui::SW_HIDE);
    leavePage();
    m_page = index;
    if (index == ConstraintsPage) {
        if (CTabEditConstraints* constraints = constraintsPage())
            constraints->activate();
    } else if (index == VariablesPage) {
        if (CTabEditVars* variables = variablesPage())
            variables->activate();
    }
    if (ui::Dialog* shown = page(index))
        shown->showWindow(ui::SW_SHOW);
}

void CDlgEditMacro::leavePage() {
    if (m_page == ConstraintsPage) {
        if (CTabEditConstraints* constraints = constraintsPage())
            constraints->leave();
    } else if (m_page == GeometryPage) {
        if (CTabGeometries* geometry = geometryPage())
            geometry->leave();
    }
}

void CDlgEditMacro::commitAllPages() {
    if (CTabEditConstraints* constraints = constraintsPage())
        constraints->commitCurrentRow();
    if (CTabGeometries* geometry = geometryPage())
        geometry->commitNames();
    if (CTabEditVars* variables = variablesPage())
        variables->commit();
}

void CDlgEditMacro::refillPages() {
    if (CTabEditConstraints* constraints = constraintsPage())
        constraints->fill(false);
    if (CTabGeometries* geometry = geometryPage())
        geometry->fill(false);
    if (CTabEditVars* variables = variablesPage())
        variables->fill(false);
}

void CDlgEditMacro::changeModule() {
    leavePage();
    commitAllPages();
    applyModule();
}

void CDlgEditMacro::applyModule() {
    ui::ComboBox* selector = moduleSelector();
    if (!selector)
        return;
    const int index = selector->getCurSel();
    if (index < 0 || index >= selector->getCount())
        return;
    m_data.moduleName = selector->getLBText(index);
    SetCurrentModule(handle(), m_data.moduleName);
    refillPages();
}

void CDlgEditMacro::selectOtherMacro() {
    // What the pages show goes to the host first: the refill afterwards shows the host's record.
    commitAllPages();
    BeginEditorCommand(this);
    const bool selected = SelectOtherMacro(handle());
    CompleteEditorCommand(this);
    if (!selected)
        return;
    fillModuleSelectorFromHost();
    applyModule();
}

void CDlgEditMacro::drawingCommand(int code) {
    commitAllPages();
    BeginEditorCommand(this);
    const bool done = StartMacroCommand(handle(), code);
    CompleteEditorCommand(this);
    if (!done)
        return;
    if (code >= 0 && code <= kLastConstraintCommand) {
        if (ui::TabCtrl* t = tabs())
            t->setCurSel(ConstraintsPage);
        switchPage(ConstraintsPage);
        fillModuleSelector(m_data.moduleNames);
        // The entry equal to the module's name, without case; one that merely begins with it only when
        // none is equal ("Plate" must not select "Plate2").
        if (ui::ComboBox* selector = moduleSelector(); selector && selector->getCurSel() < 0) {
            int found = -1;
            for (int i = 0; i < selector->getCount() && found < 0; ++i)
                if (Ork_String(selector->getLBText(i)).equal(m_data.moduleName, true))
                    found = i;
            if (found < 0)
                found = selector->findString(-1, m_data.moduleName);
            selector->setCurSel(found);
        }
        refillPages();
    } else if (code == kAddModuleCommand) {
        fillModuleSelectorFromHost();
        if (ui::ComboBox* selector = moduleSelector())
            selector->setCurSel(selector->getCount() - 1);
        applyModule();
    }
}

void CDlgEditMacro::renameModule() {
    Ork_DlgPromptString prompt(this);
    prompt.setCaption(dialString(kRenameTitle));
    prompt.setLabel(dialString(kRenamePrompt));
    prompt.setText(m_data.moduleName);
    prompt.setButtonTexts(dialString(kPromptOk), dialString(kPromptCancel));
    if (prompt.doModal() != ui::IDOK || !prompt.accepted())
        return;
    ui::ComboBox* selector = moduleSelector();
    const int index = selector ? selector->getCurSel() : -1;
    commitAllPages();
    if (!RenameModule(handle(), prompt.text()))
        return;
    fillModuleSelectorFromHost();
    if (selector)
        selector->setCurSel(index);
    applyModule();
}

void CDlgEditMacro::removeModule() {
    ui::ComboBox* selector = moduleSelector();
    const int index = selector ? selector->getCurSel() : -1;
    // Nothing selected removes nothing; a module the host keeps leaves selector and pages as they are.
    if (index < 0)
        return;
    if (!RemoveModule(handle(), selector->getLBText(index)))
        return;
    fillModuleSelectorFromHost();
    const int next = index >= selector->getCount() ? index - 1 : index;
    selector->setCurSel(next);
    applyModule();
}

void CDlgEditMacro::zoom() {
    if (m_zoomBusy)
        return;
    m_zoomBusy = true;
    BeginEditorCommand(nullptr);   // the editor stays on show
    ZoomCommand();
    CompleteEditorCommand(nullptr);
    m_zoomBusy = false;
}

bool CDlgEditMacro::onCommand(int id, int code) {
    if (id == IDC_EM_MODULES && code == ui::CBN_SELCHANGE) {
        changeModule();
        return true;
    }
    if (code == ui::BN_CLICKED) {
        switch (id) {
        case IDC_EM_SELECT: selectOtherMacro(); return true;
        case IDC_EM_ADD_MODULE: drawingCommand(kAddModuleCommand); return true;
        case IDC_EM_RENAME: renameModule(); return true;
        case IDC_EM_REMOVE_MODULE: removeModule(); return true;
        case IDC_EM_SETTINGS: macroSettings(); return true;
        case IDC_EM_ZOOM: zoom(); return true;
        default: break;
        }
    }
    return ui::Dialog::onCommand(id, code);
}

bool CDlgEditMacro::onNotify(int id, int code, ui::LRESULT& result) {
    if (id == IDC_EM_TABS && code == ui::TCN_SELCHANGE) {
        if (ui::TabCtrl* t = tabs())
            switchPage(t->getCurSel());
        result = 0;
        return true;
    }
    return ui::Dialog::onNotify(id, code, result);
}

void CDlgEditMacro::onDestroy() {
    if (!m_committedOnDestroy) {
        m_committedOnDestroy = true;
        if (CTabEditConstraints* constraints = constraintsPage())
            constraints->commitCurrentRow();
        leavePage();
        commitAllPages();
    }
    WriteDlgSize(this, kSizeKey);
    ui::Dialog::onDestroy();
}

void CDlgEditMacro::endEditor(int result) {
    if (m_modeless)
        EndDlgEditConstraints();
    else
        endDialog(result);
}

void CDlgEditMacro::onOK() { endEditor(ui::IDOK); }

void CDlgEditMacro::onCancel() { endEditor(ui::IDCANCEL); }
