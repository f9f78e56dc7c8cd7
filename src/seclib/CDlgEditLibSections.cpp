#include "seclib/CDlgEditLibSections.h"

#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"

namespace {

constexpr int kTitle = 754, kOkText = 1, kCancelText = 2;

struct PageInfo {
    int templateId;
    int caption;   // host text of its tab
};
constexpr PageInfo kPages[CDlgEditLibSections::PageCount] = {
    {IDD_EDITLIB_GROUPS, 755},
    {IDD_EDITLIB_TYPES, 756},
    {IDD_EDITLIB_VALUES, 757},
};

// The fixed texts of each page's controls: control id, host text.
struct ControlText {
    int id;
    int text;
};
constexpr ControlText kGroupTexts[] = {
    {IDC_EDITLIB_ADD, 758}, {IDC_EDITLIB_REMOVE, 759}, {IDC_EDITLIB_GROUP_FRAME, 760},
    {IDC_EDITLIB_ENABLED, 761}, {IDC_EDITLIB_IMAGE_LABEL, 762}, {IDC_EDITLIB_NAMES_LABEL, 763},
};
constexpr ControlText kTypeTexts[] = {
    {IDC_EDITLIB_ADD, 764}, {IDC_EDITLIB_REMOVE, 765}, {IDC_EDITLIB_TYPE_FRAME, 760},
    {IDC_EDITLIB_ENABLED, 761}, {IDC_EDITLIB_IMAGE_LABEL, 762}, {IDC_EDITLIB_TYPE_GROUP_LABEL, 769},
    {IDC_EDITLIB_TYPE_TEXT_LABEL, 770}, {IDC_EDITLIB_NAMES_LABEL, 771},
};
constexpr ControlText kValueTexts[] = {
    {IDC_EDITLIB_NEW, 779}, {IDC_EDITLIB_DELETE, 780}, {IDC_EDITLIB_OPTIONS, 781}, {IDC_EDITLIB_RENAME, 782},
};

template <std::size_t N>
void setTexts(ui::Dialog& page, const ControlText (&texts)[N]) {
    for (const ControlText& t : texts)
        page.setDlgItemText(t.id, dialString(t.text));
}

} // namespace

CDlgEditLibSections::CDlgEditLibSections(ui::Window* parent)
    : KvRecordDlg<DlgEditLibData>(IDD_EDIT_LIB_SECTIONS, parent) {}

CDlgEditLibSections::~CDlgEditLibSections() = default;

ui::TabCtrl* CDlgEditLibSections::tabs() const {
    return dynamic_cast<ui::TabCtrl*>(getDlgItem(IDC_EDITLIB_TABS));
}

ui::Dialog* CDlgEditLibSections::page(Page which) const {
    return which >= 0 && which < PageCount ? m_pages[which].get() : nullptr;
}

int CDlgEditLibSections::currentPage() const {
    const ui::TabCtrl* t = tabs();
    return t ? t->getCurSel() : -1;
}

bool CDlgEditLibSections::onInitDialog() {
    ui::Dialog::onInitDialog();
    setWindowText(dialString(kTitle));
    setDlgItemText(ui::IDOK, dialString(kOkText));
    setDlgItemText(ui::IDCANCEL, dialString(kCancelText));
    m_data.GetAvailableFiles();
    ui::TabCtrl* t = tabs();
    if (!t)
        return true;
    for (int i = 0; i < PageCount; ++i) {
        t->insertItem(i, dialString(kPages[i].caption));
        std::unique_ptr<ui::Dialog> created;
        if (i == GroupsPage)
            created = std::make_unique<CEditLibGroupsPage>(m_data);
        else if (i == TypesPage)
            created = std::make_unique<CEditLibTypesPage>(m_data);
        else if (i == ValuesPage)
            created = std::make_unique<CEditLibValuesPage>(m_data, m_name);
        else
            created = std::make_unique<ui::Dialog>();
        // Each page is a child dialog of the editor over the tab's display area, so its controls keep the
        // numbers of its own template.
        if (created->create(kPages[i].templateId, this, false)) {
            t->placePage(*created);
            m_pages[i] = std::move(created);
        }
    }
    if (m_pages[GroupsPage])
        setTexts(*m_pages[GroupsPage], kGroupTexts);
    if (m_pages[TypesPage])
        setTexts(*m_pages[TypesPage], kTypeTexts);
    if (m_pages[ValuesPage])
        setTexts(*m_pages[ValuesPage], kValueTexts);
    const int first = m_name.isEmpty() ? GroupsPage : ValuesPage;
    t->setCurSel(first);
    showPage(first);
    return true;
}

CEditLibGroupsPage* CDlgEditLibSections::groupsPage() const {
    return dynamic_cast<CEditLibGroupsPage*>(m_pages[GroupsPage].get());
}

CEditLibTypesPage* CDlgEditLibSections::typesPage() const {
    return dynamic_cast<CEditLibTypesPage*>(m_pages[TypesPage].get());
}

void CDlgEditLibSections::storeShownPage() {
    // Only the page on show is stored: the types page's group box is filled from the groups as they were when
    // it was last shown, so storing it after the groups changed could map its choice to another group.
    if (m_shownPage == GroupsPage && groupsPage())
        groupsPage()->storeCurrent();
    if (m_shownPage == TypesPage && typesPage())
        typesPage()->storeCurrent();
}

CEditLibValuesPage* CDlgEditLibSections::valuesPage() const {
    return dynamic_cast<CEditLibValuesPage*>(m_pages[ValuesPage].get());
}

void CDlgEditLibSections::onOK() {
    // Cancel to the question about the table on show, or a save that failed, keeps the editor open.
    if (CEditLibValuesPage* values = valuesPage(); values && !values->askUnsaved())
        return;
    storeShownPage();
    endDialog(ui::IDOK);
}

void CDlgEditLibSections::showPage(int index) {
    m_shownPage = index;
    for (int i = 0; i < PageCount; ++i)
        if (m_pages[i])
            m_pages[i]->showWindow(i == index ? ui::SW_SHOW : ui::SW_HIDE);
}

bool CDlgEditLibSections::onNotify(int id, int code, ui::LRESULT& result) {
    if (id == IDC_EDITLIB_TABS && code == ui::TCN_SELCHANGE) {
        // Leaving a tab stores what it shows, so the types tab lists the groups as they now are.
        storeShownPage();
        if (currentPage() == TypesPage && typesPage())
            typesPage()->refreshGroups();
        showPage(currentPage());
        result = 0;
        return true;
    }
    return KvRecordDlg<DlgEditLibData>::onNotify(id, code, result);
}
