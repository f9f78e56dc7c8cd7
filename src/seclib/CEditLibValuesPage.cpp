#include "seclib/CEditLibValuesPage.h"

#include "grid/Sheet.h"
#include "base/Ork_DlgPromptString.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/hostTexts.h"
#include "nuvo/textHelpers.h"
#include "nuvo/sections/Ork_SectionTableManager.h"
#include "resources/resourceIds.h"
#include "seclib/profTableLayout.h"
#include "sheet/CDlgSSOptions.h"
#include "seclib/profTablePath.h"
#include "seclib/sectionTypes.h"
#include "ui/ComboBox.h"
#include "ui/Services.h"

namespace {

constexpr int kUnsavedCaption = 784, kUnsavedStart = 785, kUnsavedEnd = 786;
constexpr int kNewTableName = 779, kValueLabel = 86;
constexpr int kDeleteCaption = 787, kDeleteStart = 788, kDeleteEnd = 789;
constexpr int kTypeCaption = 792, kTypeStart = 793, kTypeMiddle = 794, kTypeEnd = 795;
constexpr int kFirstGridTip = 772;   // tooltips 772 .. 778, in the order of the grid buttons
constexpr int kRenameTitle = 790, kRenamePrompt = 791, kOkText = 1, kCancelText = 2;

bool listedNoCase(const Ork_StringArray& names, const Ork_String& name) {
    for (const Ork_String& listed : names)
        if (listed.equal(name, true))
            return true;
    return false;
}

// A name not listed, compared without case as the files are found: "New table", "New table1", ...
Ork_String unusedTableName(const Ork_StringArray& names, const Ork_String& seed) {
    Ork_StringArray taken = names;
    Ork_String candidate = findNonExistingString(taken, seed);
    while (listedNoCase(names, candidate)) {
        taken.append(candidate);
        candidate = findNonExistingString(taken, seed);
    }
    return candidate;
}

} // namespace

bool CEditLibValuesPage::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (m_grid.createInPlace(this, IDC_FRAME_GRID))
        m_grid.setStandardLook(1);
    for (int i = 0; i < 7; ++i)
        m_gridButtons[i].attach(*this, kEditLibGridButtons[i], kEditLibGridIcons[i], dialString(kFirstGridTip + i));
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
    if (answer != ui::IDYES) {
        dropIfUnwritten();
        return true;
    }
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

// A new table exists only once it has been saved: discarding its edits takes its entry out of the list, so it
// is never offered (nor handed back in the record) as a table without a file.
void CEditLibValuesPage::dropIfUnwritten() {
    Ork_String path;
    const Ork_String& name = m_data.availableFiles[m_shown];
    if (profTablePath(name, path) && ObjectExportFileExists(path))
        return;
    m_data.availableFiles.removeAt(m_shown);
    if (ui::ComboBox* tables = tableList())
        tables->deleteString(m_shown);
    showTable(-1);
}

ui::ComboBox* CEditLibValuesPage::tableList() const {
    return dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TABLES));
}

void CEditLibValuesPage::newTable() {
    if (!askUnsaved())
        return;
    const Ork_String name = unusedTableName(m_data.availableFiles, dialString(kNewTableName));
    const int index = m_data.availableFiles.append(name);
    if (ui::ComboBox* tables = tableList())
        tables->addString(name);
    m_table = Ork_ProfValuesTable();
    m_table.name = name;
    m_table.columnNames = profTableNewHeaders();
    m_table.columnNames.append(dialString(kValueLabel) + u"1");
    m_table.columnNames.append(dialString(kValueLabel) + u"2");
    Ork_StringArray row;
    row.append(Ork_String());
    row.append(u"1");
    for (int i = kFirstLanguageColumn; i < m_table.columnNames.length() - 2; ++i)
        row.append(Ork_String());
    row.append(u"0");
    row.append(u"0");
    m_table.rows.append(row);
    m_shown = index;
    if (ui::ComboBox* tables = tableList())
        tables->setCurSel(index);
    clearGrid();
    if (m_grid.isCreated()) {
        m_table.setToSS(m_grid);
        m_grid.ssSetBool(grid::kSwitchModified, true);   // a new table exists only once it is saved
    }
    setDlgItemText(IDC_EDITLIB_SECTION_TYPE, Ork_String());
}

void CEditLibValuesPage::deleteTable() {
    if (m_shown < 0)
        return;
    const Ork_String name = m_data.availableFiles[m_shown];
    if (ui::messageBox(this, dialString(kDeleteStart) + u" <" + name + u"> " + dialString(kDeleteEnd),
                       dialString(kDeleteCaption), ui::MB_YESNO | ui::MB_ICONEXCLAMATION) != ui::IDYES)
        return;
    Ork_String path;
    // A new table not saved yet has no file: dropping its entry is all there is to delete.
    const bool hasFile = profTablePath(name, path) && ObjectExportFileExists(path);
    if (hasFile && !deleteFile(path)) {
        ui::messageBox(this, u"The table <" + name + u"> could not be deleted.", dialString(kDeleteCaption),
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    m_data.availableFiles.removeAt(m_shown);
    if (ui::ComboBox* tables = tableList())
        tables->deleteString(m_shown);
    showTable(-1);
}

void CEditLibValuesPage::renameTable() {
    if (m_shown < 0)
        return;
    const Ork_String oldName = m_data.availableFiles[m_shown];
    Ork_DlgPromptString prompt(this);
    prompt.setCaption(dialString(kRenameTitle));
    prompt.setLabel(dialString(kRenamePrompt));
    prompt.setText(oldName);
    prompt.setButtonTexts(dialString(kOkText), dialString(kCancelText));
    if (prompt.doModal() != ui::IDOK || !prompt.accepted() || prompt.text() == oldName)
        return;
    const Ork_String newName = prompt.text();
    // A name listed for another table is refused: the files are found without case, so "ipe" is "IPE".
    for (int i = 0; i < m_data.availableFiles.length(); ++i)
        if (i != m_shown && m_data.availableFiles[i].equal(newName, true)) {
            ui::messageBox(this, u"A table named <" + newName + u"> exists already.", dialString(kRenameTitle),
                           ui::MB_OK | ui::MB_ICONEXCLAMATION);
            return;
        }
    Ork_ProfValuesTable renamed = m_table;
    if (m_grid.isCreated() && m_grid.getMaxRows() > 0 && !renamed.getFromSS(m_grid))
        return;
    renamed.name = newName;
    renamed.descriptor = sectionTypeStored(Ork_String(getDlgItemText(IDC_EDITLIB_SECTION_TYPE)));
    // The new file is written first: the old one goes only once the table is safe under its new name.
    if (!renamed.writeToFile(newName)) {
        ui::messageBox(this, u"The table <" + newName + u"> could not be saved.", dialString(kRenameTitle),
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    Ork_String oldPath;
    const bool sameFile = oldName.equal(newName, true);   // a change of case only: the file was just rewritten
    if (!sameFile && profTablePath(oldName, oldPath) && ObjectExportFileExists(oldPath))
        deleteFile(oldPath);
    Ork_SectionTableManager& manager = Ork_SectionTableManager::instance();
    if (manager.hasTable(oldName))
        manager.removeTable(oldName);
    renamed.setToGlobals(&manager);
    m_data.availableFiles[m_shown] = newName;
    if (ui::ComboBox* tables = tableList()) {
        tables->deleteString(m_shown);
        tables->insertString(m_shown, newName);
        tables->setCurSel(m_shown);
    }
    m_table = renamed;
    if (m_grid.isCreated() && !m_table.rows.isEmpty()) {
        m_table.setToSS(m_grid);   // every row header carries the table's name
        m_grid.ssSetBool(grid::kSwitchModified, false);
    }
}

void CEditLibValuesPage::applySectionType(bool askToDrop) {
    if (!m_grid.isCreated() || m_grid.getMaxRows() <= 0)
        return;
    const Ork_String shown = Ork_String(getDlgItemText(IDC_EDITLIB_SECTION_TYPE));
    const int number = sectionTypeNumber(sectionTypeStored(shown));
    if (number == 0)
        return;   // a template name or an unknown type has no labels of its own
    const Ork_StringArray labels = sectionTypeValueLabels(number);
    Ork_StringArray headers;
    m_grid.getColumnHeaderTexts(headers);
    const int firstValue = kFirstLanguageColumn + profTableLanguageCount(headers);
    const int needed = firstValue + labels.length();
    if (m_grid.getMaxCols() < needed)
        m_grid.setMaxCols(needed);   // the missing value columns, empty
    else if (m_grid.getMaxCols() > needed && askToDrop &&
             ui::messageBox(this, dialString(kTypeStart) + u" " + shown + u" " + dialString(kTypeMiddle) + u" " +
                                      dialString(kTypeEnd),
                            dialString(kTypeCaption), ui::MB_YESNO | ui::MB_ICONQUESTION) == ui::IDYES)
        m_grid.setMaxCols(needed);
    m_grid.getColumnHeaderTexts(headers);
    for (int i = 0; i < labels.length() && firstValue + i < headers.length(); ++i)
        headers[firstValue + i] = labels[i];
    m_grid.setColumnHeaderTexts(headers);
    m_grid.ssSetBool(grid::kSwitchModified, true);
}

void CEditLibValuesPage::resetRowHeaders() {
    if (!m_grid.isCreated())
        return;
    Ork_StringArray headers;
    for (int i = 0; i < m_grid.getMaxRows(); ++i)
        headers.append(m_table.name);
    m_grid.setRowHeaderTexts(headers);
}

void CEditLibValuesPage::gridButton(int id) {
    if (!m_grid.isCreated() || m_shown < 0)
        return;
    long column = 1, row = 1;
    m_grid.ssGetActiveCell(column, row);
    bool done = false;
    switch (id) {
    case 1199: done = m_grid.insertRowAfterSelection(false); break;   // insert a row
    case 1198: done = m_grid.appendRow(true) > 0; break;              // append a row
    case 1204: done = m_grid.insertRowAfterSelection(true); break;    // insert a copy of the row
    case 1205: done = m_grid.deleteSelectedRow(); break;
    case 1206: done = m_grid.ssClipboardPaste(); break;
    case 1207: {                                                      // cut: copy, then empty the block
        long c1 = column, r1 = row, c2 = column, r2 = row;
        m_grid.ssGetSelectBlock(c1, r1, c2, r2);
        done = m_grid.ssClipboardCopy();
        for (long r = r1; done && r <= r2; ++r)
            for (long c = c1; c <= c2; ++c)
                m_grid.ssSetData(c, r, u"");
        break;
    }
    case 1208: done = m_grid.insertColumnAt(static_cast<int>(column) + 1, false, false); break;
    default: break;
    }
    if (done) {
        resetRowHeaders();   // a new row carries the table's name like every other
        m_grid.ssSetBool(grid::kSwitchModified, true);
    }
}

bool CEditLibValuesPage::onCommand(int id, int code) {
    if (id == IDC_EDITLIB_SECTION_TYPE && code == ui::CBN_SELCHANGE) {
        // The field takes the chosen type's text before it is read.
        if (auto* types = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_SECTION_TYPE)); types && types->getCurSel() >= 0)
            setDlgItemText(IDC_EDITLIB_SECTION_TYPE, types->getLBText(types->getCurSel()));
        applySectionType(true);
        return true;
    }
    if (id == IDC_EDITLIB_OPTIONS && code == ui::BN_CLICKED) {
        if (m_grid.isCreated()) {
            editSheetOptions(m_grid);
            resetRowHeaders();
            applySectionType(false);
        }
        return true;
    }
    for (int button : kEditLibGridButtons)
        if (id == button && code == ui::BN_CLICKED) {
            gridButton(id);
            return true;
        }
    if (id == IDC_EDITLIB_RENAME && code == ui::BN_CLICKED) {
        renameTable();
        return true;
    }
    if (id == IDC_EDITLIB_NEW && code == ui::BN_CLICKED) {
        newTable();
        return true;
    }
    if (id == IDC_EDITLIB_DELETE && code == ui::BN_CLICKED) {
        deleteTable();
        return true;
    }
    if (id == IDC_EDITLIB_TABLES && code == ui::CBN_SELCHANGE) {
        auto* tables = dynamic_cast<ui::ComboBox*>(getDlgItem(IDC_EDITLIB_TABLES));
        const int chosen = tables ? tables->getCurSel() : -1;
        if (chosen == m_shown)
            return true;
        const Ork_String chosenName = chosen >= 0 ? m_data.availableFiles[chosen] : Ork_String();
        if (!askUnsaved()) {
            tables->setCurSel(m_shown);   // the list goes back to the table still on show
            return true;
        }
        // Discarding a new table takes its entry out, which may move the chosen one up.
        showTable(chosen >= 0 ? m_data.availableFiles.indexOf(chosenName) : -1);
        return true;
    }
    return ui::Dialog::onCommand(id, code);
}
