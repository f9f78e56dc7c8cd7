#pragma once
// Binding the controls of a designed page to the values of a macro tab: what each control type shows, which
// value record takes the control's identifier as its reference, and when a control is dropped because its
// value does not exist.
#include "designer/Ork_DesignerControl.h"
#include "nuvo/macro/MacroTabData.h"

// What binding found out about the page as a whole.
struct MacroPageBinding {
    bool hasBoltButton = false;  // a type-12 control: the page shows the bolt record itself
};

// Binds one control; false drops it from the page.
bool bindDesignedControl(Ork_DesignerControl& control, MacroTabData& tab, MacroPageBinding& page);

// The block drawings a type-27 combo box offers: the "*.dwg" names (without extension) in the library's
// folder `extra`. Empty for a folder that is absolute or climbs out of the library with "..".
bool blockFolderIsSafe(const Ork_String& extra);
void blockChoices(const Ork_String& extra, Ork_StringArray& names);

// The section table file of a section name ("IPE-200" -> "IPE.pr" below "prof\"); false for a table part that
// would leave that folder ("..", an absolute path, a drive).
bool sectionTableFile(const Ork_String& section, Ork_String& path);

// A section as the profile combo box shows it: its user name from the host's section tables ("IPE 200"), or
// the section name itself when the tables do not know it; and back, a shown or typed name as the section it
// names (a name the tables do not know stays as typed: the combo box is editable).
Ork_String sectionDisplayName(const Ork_String& section);
Ork_String sectionOfDisplayName(const Ork_String& shown);

// The design file of a tab: a full path stays; a name relative to the design folder ("EndPlate",
// "Bracing\\Gusset") is taken from there, with ".txt" added when it has no extension.
Ork_String designFilePath(const Ork_String& designFile);
