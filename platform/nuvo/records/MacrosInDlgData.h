#pragma once
// The macros a dialog may pick from (the cut dialog's "another macro"): each with its modules and the names
// of the cuts it already holds. The host picks one through its picker (kind "macro", the macro names as
// arguments, the chosen name back); the choice is kept.
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <vector>

namespace ui {
class Window;
}

struct MacroInDlg {
    Ork_String name;
    Ork_StringArray modules;
    Ork_StringArray cutNames;
};

class MacrosInDlgData {
public:
    std::vector<MacroInDlg> macros;
    Ork_String chosen;   // the picked macro's name; empty before a pick

    // Lets the user pick a macro; false (the choice unchanged) when nothing or an unknown name is picked.
    bool UserSelectMacro(ui::Window* owner);
    // The module names of the chosen macro; none while no known macro is chosen.
    void GetAllMods(Ork_StringArray& names) const;
    const MacroInDlg* find(const Ork_String& name) const;
};

bool operator==(const MacroInDlg& a, const MacroInDlg& b);
bool operator==(const MacrosInDlgData& a, const MacrosInDlgData& b);
