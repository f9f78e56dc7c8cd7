#pragma once
// The standards mapping page of the macro settings: which standards spreadsheets belong to the macro (each
// mapped to one module, or to the entire macro) and, for a spreadsheet of the entire macro, which macro
// object each of its input and output variables reads or writes. The per-variable mappings go into the
// spreadsheet's mapping file, a changed mapping always under a fresh key (the old line stays); the record
// (TabMappingData) keeps the key per spreadsheet and reaches the macro only when the dialog ends with OK.
#include "macroedit/KvComboMapLink.h"
#include "nuvo/CButtonST.h"
#include "nuvo/records/MacroSettingsData.h"
#include "spread/Ork_Spread.h"
#include "standards/KvCalcSS.h"
#include "standards/KvSSMapping.h"
#include "ui/Dialog.h"

#include <vector>

class CTabMacroMapping : public ui::Dialog {
public:
    static constexpr const char16_t* kEntireMacro = u"<Entire macro>";
    static constexpr const char16_t* kModulePrefix = u"Module.";
    static constexpr int kKeyLength = 24;

    CTabMacroMapping() = default;
    // Before the window is made; null leaves the page empty.
    void setData(TabMappingData* data) { m_data = data; }

    // At the dialog's OK: the list is committed and the mapping on show saved. False (flag untouched) without
    // data or available objects; `modified` tells whether anything changed.
    bool commit(bool& modified);

    bool isModified() const { return m_modified; }
    int currentIndex() const { return m_current; }
    Ork_Spread& sheetList() { return m_list; }
    KvCalcSS& variableGrid() { return m_vars; }
    const std::vector<KvComboMapLink>& links() const { return m_links; }
    // The mapping being edited for the spreadsheet on show.
    const KvSSMapping& editedMapping() const { return m_edited; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;

private:
    bool ready() const { return m_data && m_data->availableObjects; }
    void fillList();
    void commitList();
    bool showVariables(int k);
    void clearVariables();
    void addSection(bool input);
    void addLink(int row, int varIndex);
    void collectLinks();
    bool saveMapping(int k);
    void changeSheet();
    // Add (+1), Remove (-1) or Move (up -1, down +1): the list rearranged and the row's sheet shown.
    void addOrRemove(bool add);
    void move(int direction);
    void reselect(int row);

    TabMappingData* m_data = nullptr;
    int m_current = 0;
    bool m_modified = false;
    Ork_Spread m_list;
    KvCalcSS m_vars;
    KvSSMapping m_edited;
    std::vector<KvComboMapLink> m_links;
    std::vector<Ork_StringArray> m_linkTexts;   // the combo entries of each link, in order
    int m_shownSheet = -1;   // the spreadsheet whose variables the grid shows; -1: none that may be saved
    CButtonST m_up, m_down;
};
