#include "macroedit/CTabMacroMapping.h"

#include "cadhost/CommandLine.h"
#include "grid/SpreadWindow.h"
#include "macroedit/gridRows.h"
#include "nuvo/Ork_Settings.h"
#include "nuvo/fileHelpers.h"
#include "nuvo/hostTexts.h"
#include "nuvo/randomString.h"
#include "os/paths.h"
#include "os/textCase.h"
#include "resources/resourceIds.h"
#include "standards/KvMappingFile.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kMoveUpTip = 173, kMoveDownTip = 174, kAddText = 606, kRemoveText = 607;
constexpr int kKeyAttempts = 9999;
// The host's system colour 11 (the inactive border of the classic scheme): separator rows and variable names.
constexpr ui::Color kSystemColour11 = 0xD4D0C8;
constexpr ui::Color kNameBackground = 0xF0F0F0;

Ork_String standardsFolder() { return Ork_Settings::asFolder(Ork_Settings::libDir()) + u"Connection Standards\\"; }

// A spreadsheet name the page may load and save: below the standards folder, never outside it.
bool sheetNameUsable(const Ork_String& name) {
    if (name.isEmpty() || os::isAbsolutePath(name))
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of(u"\\/", start);
        if (end == Ork_String::npos)
            end = name.size();
        if (name.compare(start, end - start, u"..") == 0)
            return false;
        start = end + 1;
    }
    return true;
}

Ork_String typeText(KvValueType type) {
    switch (type) {
    case KvValueType::Int: return u"Getal";
    case KvValueType::Double: return u"Decim";
    case KvValueType::String: return u"Tekst";
    }
    return {};
}

// How a candidate object reads in a combo: module, object and kind, as far as they say something.
Ork_String candidateText(const KvObjectMap& map) {
    Ork_String text = map.object;
    if (!map.property.isEmpty()) {
        if (!text.isEmpty())
            text += u".";
        text += map.property;
    }
    if (map.kind != KvMapKind::Distance && map.kind != KvMapKind::MemberSectionSize)
        if (const KvMapKindInfo* info = mapKindInfo(map.kind)) {
            if (!map.property.isEmpty())
                text += u".";
            text += info->keyword;
        }
    text += map.caption;
    return text;
}

Ork_String cellText(Ork_Spread& grid, int column, int row) {
    Ork_String text;
    grid.getCellText(column, row, text, Ork_Spread::kTextData);
    return text;
}

} // namespace

bool CTabMacroMapping::onInitDialog() {
    ui::Dialog::onInitDialog();
    if (!m_data)
        return true;
    setDlgItemText(IDC_MM_LIST_GROUP, u"Add and edit standards-spreadsheets");
    setDlgItemText(IDC_MM_VARS_GROUP, u"Choose how the Spreadsheet should be mapped to this macro");
    setDlgItemText(IDC_MM_ADD, dialString(kAddText));
    setDlgItemText(IDC_MM_REMOVE, dialString(kRemoveText));
    m_up.attach(*this, IDC_MM_UP, IDI_MOVE_UP, dialString(kMoveUpTip));
    m_down.attach(*this, IDC_MM_DOWN, IDI_MOVE_DOWN, dialString(kMoveDownTip));
    if (m_list.createInPlace(this, IDC_MM_LIST_FRAME, true))
        m_list.setStandardLook(0);
    if (m_vars.createInPlace(this, IDC_MM_VARS_FRAME, true))
        m_vars.setStandardLook(0);
    fillList();
    showVariables(m_current);
    return true;
}

void CTabMacroMapping::fillList() {
    if (!ready() || !m_list.isCreated())
        return;
    const Ork_String folder = standardsFolder();
    Ork_StringArray files, sheets;
    ObjectExportFindFilesRecursive(folder, u"*.kvs", files);
    for (const Ork_String& file : files) {
        if (file.size() <= folder.size() || !os::equalsNoCase(std::u16string_view(file).substr(0, folder.size()), folder))
            continue;
        Ork_String name = file.substr(folder.size());
        const auto dot = name.rfind(u'.');
        if (dot != Ork_String::npos && name.find_first_of(u"\\/", dot) == Ork_String::npos)
            name.erase(dot);
        sheets.append(name);
    }
    Ork_StringArray targets{kEntireMacro};
    for (const Ork_String& module : m_data->moduleNames)
        targets.append(module);
    m_list.setMaxCols(2);
    m_list.setColumnHeaderTexts(Ork_StringArray{u"Spreadsheet", u"Maps to"});
    m_list.setMaxRows(0);
    const int rows = m_data->names.length();
    m_list.setMaxRows(rows);
    for (int r = 1; r <= rows; ++r) {
        m_list.setListCell(1, r, sheets, false);
        m_list.setListCell(2, r, targets, false);
        m_list.ssSetData(1, r, m_data->names[r - 1].c_str());
        // A row without a key is the entire macro, nothing stored yet.
        const Ork_String key = r - 1 < m_data->keys.length() ? m_data->keys[r - 1] : Ork_String();
        const Ork_String target = key.startsWith(kModulePrefix) ? Ork_String(key.substr(key.find(u'.') + 1))
                                                                : Ork_String(kEntireMacro);
        m_list.ssSetData(2, r, target.c_str());
    }
    macroedit::fitEqualColumns(m_list);
}

void CTabMacroMapping::commitList() {
    if (!ready() || !m_list.isCreated())
        return;
    const TabMappingData before = *m_data;
    Ork_StringArray names, keys;
    // Every row counts, an empty one too: a row just added never drops the rows below it.
    for (int r = 1; r <= m_list.getMaxRows(); ++r) {
        const Ork_String name = cellText(m_list, 1, r);
        const Ork_String target = cellText(m_list, 2, r);
        names.append(name);
        if (target.isEmpty() || target == kEntireMacro) {
            const Ork_String key = before.getMapping(name, r - 1);
            keys.append(key.startsWith(kModulePrefix) ? Ork_String() : key);
        } else {
            keys.append(Ork_String(kModulePrefix) + target);
        }
    }
    m_data->names = names;
    m_data->keys = keys;
    if (!m_modified && (names != before.names || keys != before.keys))
        m_modified = true;
}

void CTabMacroMapping::clearVariables() {
    m_links.clear();
    m_linkTexts.clear();
    m_shownSheet = -1;
    if (m_vars.isCreated())
        m_vars.setMaxRows(0);
}

bool CTabMacroMapping::showVariables(int k) {
    if (!ready() || k < 0 || k >= m_data->keys.length())
        return false;
    if (m_data->keys[k].startsWith(kModulePrefix) || k >= m_data->names.length()) {
        clearVariables();
        return true;
    }
    const Ork_String& name = m_data->names[k];
    const Ork_String path = standardsFolder() + name + u".kvs";
    // A sheet that cannot be shown leaves nothing behind that could be saved under its name.
    if (!m_vars.isCreated() || !sheetNameUsable(name) || !ObjectExportFileExists(path) ||
        m_vars.loadStandardsFile(path) != eOk) {
        clearVariables();
        return false;
    }
    KvSSMapping edited;
    if (!m_data->keys[k].isEmpty())
        edited.getMappingFromFile(name, m_data->keys[k]);   // none stored under the key: nothing is mapped
    if (m_vars.readVarCells() != eOk) {
        clearVariables();
        return false;
    }
    m_edited = edited;
    m_links.clear();
    m_linkTexts.clear();
    m_vars.setMaxCols(2);
    m_vars.setMaxRows(0);
    m_vars.ssSetData(Ork_Spread::kHeader, Ork_Spread::kHeader, u"Type");
    m_vars.setColumnHeaderTexts(Ork_StringArray{u"Std Name", u"Macro object"});
    addSection(true);
    addSection(false);
    m_vars.autoFitColumn(Ork_Spread::kHeader, false);
    m_vars.autoFitColumn(1, false);
    m_shownSheet = k;
    return true;
}

void CTabMacroMapping::addSection(bool input) {
    int row = m_vars.getMaxRows() + 1;
    m_vars.setMaxRows(row);
    m_vars.ssSetData(Ork_Spread::kHeader, row, u" ");
    m_vars.ssSetColorRange(1, row, 2, row, kSystemColour11, kSystemColour11);
    m_vars.setMaxRows(++row);
    m_vars.ssSetData(Ork_Spread::kHeader, row, input ? u"Input" : u"Output");
    const KvVarCells& cells = m_vars.varCells();
    for (int v = 0; v < cells.length(); ++v) {
        if (input ? !cells[v].isInput() : !cells[v].isOutput())
            continue;
        m_vars.setMaxRows(++row);
        m_vars.ssSetData(Ork_Spread::kHeader, row, typeText(cells[v].valueType).c_str());
        m_vars.ssSetData(1, row, cells[v].name.c_str());
        m_vars.setCellLock(1, row, true);
        m_vars.ssSetColor(1, row, kNameBackground, kSystemColour11);
        addLink(row, v);
    }
}

void CTabMacroMapping::addLink(int row, int varIndex) {
    const KvSSMapping& available = *m_data->availableObjects;
    const KvVarCell& cell = m_vars.varCells()[varIndex];
    KvComboMapLink link;
    link.column = 2;
    link.row = row;
    link.varIndex = varIndex;
    AcArray<int> valid;
    available.getValidVars(cell.isInput(), cell.valueType, valid);
    Ork_StringArray texts;
    for (int index : valid) {
        // A separator or an index past the objects names nothing to choose.
        if (index < 0 || index >= available.mappedObjects().length())
            continue;
        link.candidates.append(index);
        texts.append(candidateText(available.mappedObjects()[index]));
    }
    m_vars.setListCell(2, row, texts, false);
    int mapped = -1, compatible = -1;
    if (m_edited.findSSVar(cell.name, cell.valueType, mapped) == eOk && mapped >= 0 &&
        mapped < m_edited.mappedObjects().length() &&
        available.findCompatible(m_edited.mappedObjects()[mapped], compatible) == eOk) {
        const int position = link.candidates.find(compatible);
        if (position >= 0)
            m_vars.ssSetData(2, row, texts[position].c_str());
    }
    m_links.push_back(std::move(link));
    m_linkTexts.push_back(texts);
}

void CTabMacroMapping::collectLinks() {
    const KvSSMapping& available = *m_data->availableObjects;
    Ork_Array<KvObjectMap> maps;
    for (std::size_t i = 0; i < m_links.size(); ++i) {
        const KvComboMapLink& link = m_links[i];
        const int position = m_linkTexts[i].indexOf(cellText(m_vars, link.column, link.row));
        if (position < 0 || position >= link.candidates.length())
            continue;
        const int candidate = link.candidates[position];
        if (candidate < 0 || candidate >= available.mappedObjects().length() || link.varIndex < 0 ||
            link.varIndex >= m_vars.varCells().length())
            continue;
        const KvObjectMap& object = available.mappedObjects()[candidate];
        maps.append(KvObjectMap(object.object, object.property, m_vars.varCells()[link.varIndex].name, object.kind));
    }
    m_edited.mappedObjectsWrite() = maps;
}

bool CTabMacroMapping::saveMapping(int k) {
    if (!ready() || k < 0 || k >= m_data->keys.length())
        return false;
    if (m_data->keys[k].startsWith(kModulePrefix))
        return true;
    if (k != m_shownSheet || k >= m_data->names.length())
        return false;
    collectLinks();
    const Ork_String name = m_data->names[k];
    KvSSMapping stored;
    // Equal only both ways: one way alone misses a variable newly mapped or one no longer mapped.
    if (!m_data->keys[k].isEmpty() && stored.getMappingFromFile(name, m_data->keys[k]) == eOk &&
        stored.isEqual(m_edited) && m_edited.isEqual(stored))
        return true;
    Ork_StringArray lines;
    KvMappingFile::readLines(KvMappingFile::pathOf(name), lines);
    const Ork_StringArray existing = KvMappingFile::targetsOf(lines);
    Ork_String key;
    bool fresh = false;
    for (int attempt = 0; attempt < kKeyAttempts && !fresh; ++attempt) {
        if (!generateRandomString(kKeyLength, key, true))
            return false;
        fresh = !existing.contains(key);
    }
    if (!fresh)
        return false;
    if (m_edited.setMappingToFile(name, key) != eOk) {
        acutPrintf(u"Save failed\n");
        return false;
    }
    // Only a mapping the file now holds is named by the record.
    m_data->keys[k] = key;
    m_modified = true;
    return true;
}

void CTabMacroMapping::changeSheet() {
    if (!ready() || !m_list.isCreated())
        return;
    const int n = m_list.getSelectedRow() - 1;
    if (n < 0 || n >= m_data->names.length() || n == m_current)
        return;
    saveMapping(m_current);
    m_current = n;
    showVariables(n);
}

void CTabMacroMapping::reselect(int row) {
    m_list.setSelection(1, row, 1, row);
    m_list.ssSetActiveCell(1, row);
    m_list.setFocus();
}

void CTabMacroMapping::addOrRemove(bool add) {
    if (!ready() || !m_list.isCreated())
        return;
    saveMapping(m_current);
    const int r = m_list.getSelectedRow();
    commitList();
    const int count = m_data->names.length();
    const bool onRow = r >= 1 && r <= count;
    int row = 0;
    if (add) {
        // Without a row chosen the new one goes last.
        const int position = onRow ? r - 1 : count;
        m_data->names.insertAt(position, Ork_String());
        m_data->keys.insertAt(position, Ork_String());
        row = position + 1;
    } else {
        if (!onRow)
            return;
        m_data->names.removeAt(r - 1);
        m_data->keys.removeAt(r - 1);
        row = std::min(r, count - 1);
    }
    fillList();
    if (row >= 1)
        reselect(row);
    m_current = -1;
    clearVariables();
    changeSheet();
    m_modified = true;
}

void CTabMacroMapping::move(int direction) {
    if (!ready() || !m_list.isCreated())
        return;
    saveMapping(m_current);
    const int r = m_list.getSelectedRow();
    commitList();
    const int count = m_data->names.length();
    const int from = r - 1, to = r - 1 + direction;
    // The first row cannot go up, nor the last down.
    if (r < 1 || r > count || to < 0 || to >= count)
        return;
    std::swap(m_data->names[from], m_data->names[to]);
    std::swap(m_data->keys[from], m_data->keys[to]);
    fillList();
    reselect(to + 1);
    m_current = -1;
    clearVariables();
    changeSheet();
    m_modified = true;
}

bool CTabMacroMapping::commit(bool& modified) {
    if (!ready())
        return false;
    commitList();
    saveMapping(m_current);
    modified = m_modified;
    return true;
}

bool CTabMacroMapping::onCommand(int id, int code) {
    if (id == IDC_MM_VARS_FRAME)
        return true;
    if (id == IDC_MM_LIST_FRAME) {
        if (code == SSN_COMBOCHANGE) {
            commitList();
            showVariables(m_current);
        } else if (code == SSN_CLICK || code == SSN_DBLCLICK || code == SSN_ACTIVECELLMOVED) {
            changeSheet();
        }
        return true;
    }
    if (code == ui::BN_CLICKED) {
        switch (id) {
        case IDC_MM_ADD: addOrRemove(true); return true;
        case IDC_MM_REMOVE: addOrRemove(false); return true;
        case IDC_MM_UP: move(-1); return true;
        case IDC_MM_DOWN: move(1); return true;
        default: break;
        }
    }
    return ui::Dialog::onCommand(id, code);
}
