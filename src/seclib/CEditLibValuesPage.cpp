#include "seclib/CEditLibValuesPage.h"

#include "grid/Sheet.h"
#include "nuvo/hostTexts.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "resources/resourceIds.h"
#include "seclib/sectionTypes.h"
#include "ui/ComboBox.h"
#include "ui/Services.h"

namespace {

constexpr int kUnsavedCaption = 784, kUnsavedStart = 785, kUnsavedEnd = 786;

} // namespace

bool CEditLibValuesPage::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (m_grid.createInPlace(this, IDC_FRAME_GRID))
        m_grid.setStandardLook(1);
    if (auto* types = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_SECTION_TYPE)))
        for (const Ork_String& shown : sectionTypeShownNames())
            types->addString(shown);
    auto* tables = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TABLES));
    int start = -1;
    for (int i = 0; i < m_data.availableFiles.length(); ++i) {
        if (tables)
            tables->addString(m_data.availableFiles[i]);
        if (!m_start.isEmpty() && m_data.availableFiles[i].equal(m_start, true))
            start = i;
    }
    showTable(start);
    return true;
}

bool CEditLibValuesPage::gridChanged() {
    return m_grid.isCreated() && m_grid.ssGetBool(grid::kSwitchModified);
}

void CEditLibValuesPage::clearGrid() {
    if (!m_grid.isCreated())
        return;
    m_grid.setMaxRows(0);
    m_grid.setMaxCols(0);
    m_grid.ssSetBool(grid::kSwitchModified, false);
}

void CEditLibValuesPage::showTable(int index) {
    m_table = Ork_ProfValuesTable();
    m_shown = index >= 0 && index < m_data.availableFiles.length() ? index : -1;
    if (auto* tables = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TABLES)))
        tables->setCurSel(m_shown);
    // A table that cannot be read shows an empty grid, never the one shown before.
    clearGrid();
    if (m_shown >= 0 && m_table.readFromFile(m_data.availableFiles[m_shown]) && m_grid.isCreated()) {
        m_table.setToSS(m_grid);
        m_grid.ssSetBool(grid::kSwitchModified, false);
    } else {
        m_table = Ork_ProfValuesTable();
        if (m_shown >= 0)
            m_table.name = m_data.availableFiles[m_shown];
    }
    setDlgItemText(IDC_EDITLIB_SECTION_TYPE, sectionTypeShown(m_table.descriptor));
}

bool CEditLibValuesPage::askUnsaved() {
    if (m_shown < 0 || !gridChanged())
        return true;
    const Ork_String& name = m_data.availableFiles[m_shown];
    const int answer = ui::messageBox(this, dialString(kUnsavedStart) + u" <" + name + u"> " + dialString(kUnsavedEnd),
                                      dialString(kUnsavedCaption), ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
    if (answer == ui::IDCANCEL)
        return false;
    if (answer != ui::IDYES)
        return true;
    Ork_ProfValuesTable edited = m_table;
    edited.descriptor = sectionTypeStored(Ork_String(getDlgItemText(IDC_EDITLIB_SECTION_TYPE)));
    if (!edited.getFromSS(m_grid) || !edited.writeToFile(name)) {
        // The edits stay on show with their changed mark, so nothing typed is lost.
        ui::messageBox(this, u"The table <" + name + u"> could not be saved.", dialString(kUnsavedCaption),
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return false;
    }
    edited.name = name;
    edited.setToGlobals(&Ork_SectionTableManager::instance());
    m_table = edited;
    m_grid.ssSetBool(grid::kSwitchModified, false);
    return true;
}

bool CEditLibValuesPage::onCommand(int id, int code) {
    if (id == IDC_EDITLIB_TABLES && code == ui::CBN_SELCHANGE) {
        auto* tables = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TABLES));
        const int chosen = tables ? tables->getCurSel() : -1;
        if (chosen == m_shown)
            return true;
        if (!askUnsaved()) {
            tables->setCurSel(m_shown);   // the list goes back to the table still on show
            return true;
        }
        showTable(chosen);
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}
