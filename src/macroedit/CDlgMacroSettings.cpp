#include "macroedit/CDlgMacroSettings.h"

#include "macroedit/CTabMacroFilter.h"
#include "macroedit/CTabMacroFilter2.h"
#include "macroedit/CTabMacroFilterProps.h"
#include "macroedit/CTabMacroGroups.h"
#include "macroedit/CTabMacroMapping.h"
#include "macroedit/CTabMacroVariables.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/TabCtrl.h"
#include "ui/constants.h"

namespace {

constexpr int kTitle = 916, kOkText = 1, kCancelText = 2;
// The same margins as the definition editor's pages.
constexpr int kPageTopGap = 2, kPageRightGap = 3, kPageBottomGap = 2;

struct PageInfo {
    int templateId;
    int caption;
};
constexpr PageInfo kPages[CDlgMacroSettings::PageCount] = {
    {IDD_MACRO_FILTER, 917}, {IDD_MACRO_FILTER2, 918}, {IDD_MACRO_FILTER_PROPS, 919},
    {IDD_MACRO_VARIABLES, 875}, {IDD_MACRO_GROUPS, 755}, {IDD_MACRO_MAPPING, 1728},
};

} // namespace

CDlgMacroSettings::CDlgMacroSettings(ui::Window* parent) : ui::Dialog(IDD_MACRO_SETTINGS, parent) {}

CDlgMacroSettings::~CDlgMacroSettings() {
    // The pages are the tab control's children: they go with the window, before their objects do.
    if (isWindow())
        destroyWindow();
}

ui::Dialog* CDlgMacroSettings::page(int index) const {
    return index >= 0 && index < PageCount ? m_pages[static_cast<std::size_t>(index)].get() : nullptr;
}

ui::TabCtrl* CDlgMacroSettings::tabs() const { return getDlgItemAs<ui::TabCtrl>(IDC_MS_TABS); }

bool CDlgMacroSettings::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    ui::TabCtrl* t = tabs();
    if (!t)
        return true;
    for (int i = 0; i < PageCount; ++i) {
        t->insertItem(i, dialString(kPages[i].caption));
        std::unique_ptr<ui::Dialog> created;
        switch (i) {
        case FilterPage: {
            auto p = std::make_unique<CTabMacroFilter>();
            p->setData(&m_data.filters);
            created = std::move(p);
            break;
        }
        case Filter2Page: {
            auto p = std::make_unique<CTabMacroFilter2>();
            p->setData(&m_data.filters);
            created = std::move(p);
            break;
        }
        case FilterPropsPage: {
            auto p = std::make_unique<CTabMacroFilterProps>();
            p->setData(m_data.filterPropNames, m_data.filterPropValues, m_data.filterPropImages);
            created = std::move(p);
            break;
        }
        case VariablesPage: {
            auto p = std::make_unique<CTabMacroVariables>();
            p->setData(&m_data.genVars);
            created = std::move(p);
            break;
        }
        case GroupsPage: {
            auto p = std::make_unique<CTabMacroGroups>();
            p->setData(&m_data.groups);
            created = std::move(p);
            break;
        }
        case MappingPage: {
            auto p = std::make_unique<CTabMacroMapping>();
            p->setData(&m_data.mapping);
            created = std::move(p);
            break;
        }
        }
        if (created && created->create(kPages[i].templateId, t, false))
            m_pages[static_cast<std::size_t>(i)] = std::move(created);
    }
    placePages();
    t->setCurSel(FilterPage);
    showPage(FilterPage);
    return true;
}

void CDlgMacroSettings::placePages() {
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

void CDlgMacroSettings::showPage(int index) {
    for (auto& p : m_pages)
        if (p)
            p->showWindow(ui::SW_HIDE);
    m_page = index;
    if (ui::Dialog* shown = page(index))
        shown->showWindow(ui::SW_SHOW);
}

bool CDlgMacroSettings::onNotify(int id, int code, ui::LRESULT& result) {
    if (id == IDC_MS_TABS && code == ui::TCN_SELCHANGE) {
        if (ui::TabCtrl* t = tabs())
            showPage(t->getCurSel());
        result = 0;
        return true;
    }
    return ui::Dialog::onNotify(id, code, result);
}

void CDlgMacroSettings::onOK() {
    if (auto* props = dynamic_cast<CTabMacroFilterProps*>(page(FilterPropsPage)))
        props->store(m_data.filterPropNames, m_data.filterPropValues, m_data.filterPropImages);
    if (auto* mapping = dynamic_cast<CTabMacroMapping*>(page(MappingPage))) {
        bool modified = false;
        if (mapping->commit(modified))
            m_data.mappingChanged = modified;
    }
    ui::Dialog::onOK();
}
