#include "seclib/CEditLibGroupsPage.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"

namespace {

constexpr int kNameRowText = 87, kUpTip = 173, kDownTip = 174;
constexpr int kNamesRow = 1;   // grid rows are one-based

} // namespace

bool CEditLibGroupsPage::onInitDialog() {
    ui::Dialog::onInitDialog();
    m_list.attach(*this, IDC_EDITLIB_GROUP_LIST);
    m_up.attach(*this, IDC_EDITLIB_UP, IDI_MOVE_UP, dialString(kUpTip));
    m_down.attach(*this, IDC_EDITLIB_DOWN, IDI_MOVE_DOWN, dialString(kDownTip));
    if (auto* image = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_IMAGE)))
        for (const Ork_String& name : m_data.imageNames)
            image->addString(name);
    if (m_names.createInPlace(this, IDC_EDITLIB_NAMES_GRID)) {
        const Ork_StringArray languages = gMacroLangs.GetAllLanguages();
        m_names.setMaxCols(languages.length());
        m_names.setMaxRows(1);
        m_names.setColumnHeaderTexts(languages);
        Ork_StringArray header;
        header.append(dialString(kNameRowText));
        m_names.setRowHeaderTexts(header);
    }
    m_current = m_data.groups.isEmpty() ? -1 : 0;
    fillList();
    show(m_current);
    return true;
}

void CEditLibGroupsPage::fillList() {
    Ork_StringArray names;
    AcArray<bool> checks;
    for (int i = 0; i < m_data.groups.length(); ++i) {
        names.append(m_data.groups.get(i)->name);
        checks.append(m_data.groups.get(i)->enabled);
    }
    m_list.setItems(names, checks, m_current);
}

void CEditLibGroupsPage::show(int index) {
    m_current = m_data.groups.get(index) ? index : -1;
    const SectionGroup* group = m_data.groups.get(m_current);
    checkDlgButton(IDC_EDITLIB_ENABLED, group && group->enabled);
    setDlgItemText(IDC_EDITLIB_IMAGE, group ? group->imageName : Ork_String());
    if (m_names.isCreated()) {
        m_names.setRowTexts(kNamesRow, group ? group->names : Ork_StringArray());
        if (!group)
            m_names.clearRow(kNamesRow);
    }
    m_list.setCurSel(m_current);
    enableDetails();
}

void CEditLibGroupsPage::enableDetails() {
    const SectionGroup* group = m_data.groups.get(m_current);
    const bool details = group && group->enabled;
    // The frame and the enabled box stay usable for an existing group, so a disabled one can be enabled again.
    for (int id : {IDC_EDITLIB_GROUP_FRAME, IDC_EDITLIB_ENABLED})
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(group != nullptr);
    for (int id : {IDC_EDITLIB_IMAGE, IDC_EDITLIB_IMAGE_LABEL, IDC_EDITLIB_NAMES_LABEL, IDC_EDITLIB_NAMES_GRID})
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(details);
}

void CEditLibGroupsPage::storeCurrent() {
    SectionGroup* group = m_data.groups.get(m_current);
    if (!group)
        return;
    group->enabled = isDlgButtonChecked(IDC_EDITLIB_ENABLED) != 0;
    group->imageName = Ork_String(getDlgItemText(IDC_EDITLIB_IMAGE));
    Ork_StringArray names;
    if (m_names.isCreated() && m_names.getRowTexts(kNamesRow, names))
        group->names = names;
}

void CEditLibGroupsPage::move(int step) {
    const int other = m_current + step;
    storeCurrent();
    if (!m_data.groups.get(m_current) || !m_data.groups.get(other))
        return;   // the first group cannot go up, nor the last down
    m_data.groups.swap(m_current, other);
    m_current = other;
    fillList();
    show(m_current);
}

bool CEditLibGroupsPage::onCommand(int id, int code) {
    switch (id) {
    case IDC_EDITLIB_GROUP_LIST:
        if (code == ui::CBN_SELCHANGE) {
            storeCurrent();
            // A mark toggled in the list is the user's latest word on that group's enabled flag.
            const AcArray<bool> checks = m_list.checks();
            for (int i = 0; i < m_data.groups.length() && i < checks.length(); ++i)
                m_data.groups.get(i)->enabled = checks[i];
            show(m_list.getCurSel());
        }
        return true;
    case IDC_EDITLIB_ENABLED:
        if (code == ui::BN_CLICKED) {
            storeCurrent();
            fillList();
            enableDetails();
        }
        return true;
    case IDC_EDITLIB_ADD:
        if (code == ui::BN_CLICKED) {
            storeCurrent();
            m_current = m_data.groups.appendNewGrp();
            fillList();
            show(m_current);
        }
        return true;
    case IDC_EDITLIB_REMOVE:
        if (code == ui::BN_CLICKED && m_data.groups.removeAt(m_current)) {
            const int next = m_current < m_data.groups.length() ? m_current : m_data.groups.length() - 1;
            m_current = next;
            fillList();
            show(next);
        }
        return true;
    case IDC_EDITLIB_UP:
        if (code == ui::BN_CLICKED)
            move(-1);
        return true;
    case IDC_EDITLIB_DOWN:
        if (code == ui::BN_CLICKED)
            move(+1);
        return true;
    default:
        return ui::Dialog::onCommand(id, code);
    }
}
