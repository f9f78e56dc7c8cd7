#pragma once
// The general variables page of the macro settings: the macro's general variables (name and value) and
// three general settings, two chosen from lists and one a number. It edits the settings record's part it is
// given before its window is made, and writes the page back into it when the window goes.
#include "macroedit/gridRows.h"
#include "nuvo/CButtonST.h"
#include "nuvo/records/MacroSettingsData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CTabMacroVariables : public ui::Dialog {
public:
    CTabMacroVariables() = default;
    // Before the window is made; null leaves the page empty and writes nothing back.
    void setData(MacroGenVarsData* data) { m_data = data; }

    Ork_Spread& grid() { return m_grid; }
    // Writes the page into the data (also done when the window goes).
    void commit();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onDestroy() override;
    // Escape ends the settings dialog with Cancel.
    bool preTranslateMessage(const ui::Msg& msg) override;

private:
    void fill(bool firstFill);
    void formatRows();

    MacroGenVarsData* m_data = nullptr;
    Ork_Spread m_grid;
    CButtonST m_add, m_delete;
    bool m_initialised = false;
    // A stored position the list cannot show stays as it was until the user chooses.
    bool m_firstChosen = false, m_secondChosen = false;
    macroedit::StoredCells<double> m_values;
};
