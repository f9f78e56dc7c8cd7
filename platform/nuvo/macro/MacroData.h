#pragma once
// A macro on the dialog side: one tab per module group, each with the values the macro dialog shows.
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/macro/MacroTabData.h"

class MacroData {
public:
    Ork_String name;
    Ork_Array<MacroTabData> tabs;

    virtual ~MacroData() = default;

    // The index of the tab with that exact name; false (index untouched) when there is none.
    bool findTab(const Ork_String& tab, int& index) const;
    // The tab at an index; null outside the tabs.
    MacroTabData* getTab(int index) { return tabs.get(index); }
    const MacroTabData* getTab(int index) const { return tabs.get(index); }
};
