#include "seclib/CEditLibTypesPage.h"

#include "nuvo/MacroLangs.h"
#include "nuvo/hostTexts.h"
#include "resources/resourceIds.h"
#include "ui/ComboBox.h"

namespace {

constexpr int kNameRowText = 87, kUpTip = 173, kDownTip = 174, kNewTypeText = 764;
constexpr int kNamesRow = 1;   // grid rows are one-based

} // namespace

bool CEditLibTypesPage::onInitDialog() {
    ui::Dialog::onInitDialog();
    m_list.attach(*this, IDC_EDITLIB_TYPE_LIST);
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
    m_current = m_data.types.isEmpty() ? -1 : 0;
    fillList();
    refreshGroups();
    show(m_current);
    return true;
}

void CEditLibTypesPage::fillList() {
    Ork_StringArray names;
    AcArray<bool> checks;
    for (int i = 0; i < m_data.types.length(); ++i) {
        const SectionType* type = m_data.types.get(i);
        names.append(type->names.isEmpty() ? Ork_String() : type->names[0]);
        checks.append(type->enabled);
    }
    m_list.setItems(names, checks, m_current);
}

void CEditLibTypesPage::refreshGroups() {
    auto* groups = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TYPE_GROUP));
    if (!groups)
        return;
    groups->resetContent();
    for (int i = 0; i < m_data.groups.length(); ++i)
        groups->addString(m_data.groups.get(i)->name);
    const SectionType* type = m_data.types.get(m_current);
    groups->setCurSel(type ? m_data.groups.indexOfId(type->groupId) : -1);
}

void CEditLibTypesPage::show(int index) {
    m_current = m_data.types.get(index) ? index : -1;
    const SectionType* type = m_data.types.get(m_current);
    checkDlgButton(IDC_EDITLIB_ENABLED, type && type->enabled);
    setDlgItemText(IDC_EDITLIB_IMAGE, type ? type->imageName : Ork_String());
    setDlgItemText(IDC_EDITLIB_TYPE_TEXT, type ? type->typeText : Ork_String());
    if (auto* groups = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TYPE_GROUP)))
        groups->setCurSel(type ? m_data.groups.indexOfId(type->groupId) : -1);
    if (m_names.isCreated()) {
        m_names.clearRow(kNamesRow);
        if (type)
            m_names.setRowTexts(kNamesRow, type->names);
    }
    m_list.setCurSel(m_current);
    enableDetails();
}

void CEditLibTypesPage::enableDetails() {
    const SectionType* type = m_data.types.get(m_current);
    const bool details = type && type->enabled;
    // The frame and the enabled box stay usable for an existing type, so a disabled one can be enabled again.
    for (int id : {IDC_EDITLIB_TYPE_FRAME, IDC_EDITLIB_ENABLED})
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(type != nullptr);
    for (int id : {IDC_EDITLIB_IMAGE, IDC_EDITLIB_IMAGE_LABEL, IDC_EDITLIB_TYPE_GROUP, IDC_EDITLIB_TYPE_GROUP_LABEL,
                   IDC_EDITLIB_TYPE_TEXT, IDC_EDITLIB_TYPE_TEXT_LABEL, IDC_EDITLIB_NAMES_LABEL, IDC_EDITLIB_NAMES_GRID})
        if (ui::Window* w = getDlgItem(id))
            w->enableWindow(details);
}

void CEditLibTypesPage::storeCurrent() {
    SectionType* type = m_data.types.get(m_current);
    if (!type)
        return;
    type->enabled = isDlgButtonChecked(IDC_EDITLIB_ENABLED) != 0;
    type->imageName = Ork_String(getDlgItemText(IDC_EDITLIB_IMAGE));
    type->typeText = Ork_String(getDlgItemText(IDC_EDITLIB_TYPE_TEXT));
    const auto* groups = dynamic_cast<const ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TYPE_GROUP));
    const SectionGroup* group = groups ? m_data.groups.get(groups->getCurSel()) : nullptr;
    type->groupId = group ? group->id : kNoSectionGroup;
    Ork_StringArray names;
    if (m_names.isCreated() && m_names.getRowTexts(kNamesRow, names))
        type->names = names;
}

void CEditLibTypesPage::move(int step) {
    const int other = m_current + step;
    storeCurrent();
    if (!m_data.types.get(m_current) || !m_data.types.get(other))
        return;   // the first type cannot go up, nor the last down
    m_data.types.swap(m_current, other);
    m_current = other;
    fillList();
    show(m_current);
}

bool CEditLibTypesPage::onCommand(int id, int code) {
    switch (id) {
    case IDC_EDITLIB_TYPE_LIST:
        if (code == ui::CBN_SELCHANGE) {
            storeCurrent();
            // A mark toggled in the list is the user's latest word on that type's enabled flag.
            const AcArray<bool> checks = m_list.checks();
            for (int i = 0; i < m_data.types.length() && i < checks.length(); ++i)
                m_data.types.get(i)->enabled = checks[i];
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
            SectionType added;
            added.names = dialStringAllLangs(kNewTypeText);
            const int at = m_current + 1;   // after the current type; at the front of an empty list
            if (m_data.types.insertAt(at, added)) {
                m_current = at;
                fillList();
                show(at);
            }
        }
        return true;
    case IDC_EDITLIB_REMOVE:
        if (code == ui::BN_CLICKED && m_data.types.removeAt(m_current)) {
            const int next = m_current < m_data.types.length() ? m_current : m_data.types.length() - 1;
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
