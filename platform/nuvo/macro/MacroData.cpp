#include "nuvo/macro/MacroData.h"

bool MacroData::findTab(const Ork_String& tab, int& index) const {
    for (int i = 0; i < tabs.length(); ++i) {
        if (tabs[i].name == tab) {
            index = i;
            return true;
        }
    }
    return false;
}
