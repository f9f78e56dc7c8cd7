#pragma once
// The first filter page of the macro settings: whether the angle filters apply, the filter on the angle of
// the member axis (a mode and two values per entry) and the filter on the angle of the section (a list of
// ranges per entry, edited in a grid). It edits the filter data it is given before its window is made and
// writes the page back into it when the window goes.
#include "macroedit/filterEntries.h"
#include "macroedit/gridRows.h"
#include "nuvo/CButtonST.h"
#include "nuvo/records/MacroSettingsData.h"
#include "spread/Ork_Spread.h"
#include "ui/Dialog.h"
#include "ui/ImageButton.h"

class CTabMacroFilter : public ui::Dialog {
public:
    CTabMacroFilter() = default;
    // Before the window is made; null leaves the page empty and writes nothing back.
    void setData(MacroFilterData* data) { m_data = data; }

    Ork_Spread& rangeGrid() { return m_ranges; }
    macroedit::FilterEntries& axis() { return m_axis; }
    macroedit::FilterEntries& section() { return m_section; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    bool preTranslateMessage(const ui::Msg& msg) override;
    void onDestroy() override;

private:
    void showAxis(int p);
    void storeAxis(int p);
    void showSection(int p);
    void storeSection(int p);

    MacroFilterData* m_data = nullptr;
    bool m_initialised = false;
    macroedit::FilterEntries m_axis, m_section;
    macroedit::NumberField m_first, m_second;
    Ork_Spread m_ranges;
    macroedit::StoredCells<double> m_from, m_to;
    CButtonST m_addRange, m_deleteRange;
    ui::ImageButton m_mode1Picture, m_mode2Picture, m_sectionPicture;
};
