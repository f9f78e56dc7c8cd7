#pragma once
// The groups page of the macro settings: the macro's groups with a text and a number each (0 none), and two
// free texts. It edits the settings record's part it is given before its window is made and writes the page
// back into it when the window goes.
#include "nuvo/records/MacroSettingsData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"

class CTabMacroGroups : public ui::Dialog {
public:
    static constexpr int kNumberColumnWidth = 85;

    CTabMacroGroups() = default;
    void setData(MacroGroupsData* data) { m_data = data; }

    Ork_Spread& grid() { return m_grid; }
    void commit();

protected:
    bool onInitDialog() override;
    void onDestroy() override;
    // Escape ends the settings dialog with Cancel.
    bool preTranslateMessage(const ui::Msg& msg) override;

private:
    MacroGroupsData* m_data = nullptr;
    Ork_Spread m_grid;
    bool m_initialised = false;
};
