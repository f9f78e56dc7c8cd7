#pragma once
// The values page of the library editor: the library's value tables in a list, the chosen one in a grid
// with its section type. Before another table replaces the one on show, its unsaved edits are offered for
// saving; a save that fails keeps them on show, as Cancel does.
#include "nuvo/CButtonST.h"
#include "nuvo/records/DlgEditLibData.h"
#include "seclib/Ork_ProfValuesTable.h"
#include "spread/Ork_Spread.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"

class CEditLibValuesPage : public ui::Dialog {
public:
    CEditLibValuesPage(DlgEditLibData& data, const Ork_String& startTable) : m_data(data), m_start(startTable) {}

    // Asks about unsaved edits of the table on show. False when the caller must stop: the user cancelled,
    // or Yes could not write the table (a message says so). Yes writes and registers it.
    bool askUnsaved();

    int shownTable() const { return m_shown; }
    const Ork_ProfValuesTable& table() const { return m_table; }
    Ork_Spread& grid() { return m_grid; }
    bool gridChanged();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;

private:
    void showTable(int index);
    void clearGrid();
    void newTable();
    void deleteTable();
    void renameTable();
    void dropIfUnwritten();
    // Labels the value columns for the type in the type box: missing columns are added, empty; extra ones
    // are dropped when `askToDrop` and the user agrees.
    void applySectionType(bool askToDrop);
    void resetRowHeaders();
    void gridButton(int id);
    ui::ComboBox* tableList() const;

    DlgEditLibData& m_data;
    Ork_String m_start;
    Ork_ProfValuesTable m_table;
    Ork_Spread m_grid;
    CButtonST m_gridButtons[7];
    int m_shown = -1;
};
