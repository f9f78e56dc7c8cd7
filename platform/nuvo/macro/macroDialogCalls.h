#pragma once
// The host's calls behind the macro dialog. Each is recorded in cadhost::HostLog with its arguments and acts
// on the dialog's macro record plausibly, as the host would on the drawing: picks in the drawing and the
// host's choosers are ui pick requests (kinds "otherMacros", "profile", "coordSys", "plane"), the open/save
// dialog is a file dialog, and the clash check keeps one status per process.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class MacroData;
namespace ui {
class Window;
}

// Applies the changes of `macro` against `before` to the drawing (after a property file was read): every
// changed tab's group is updated. True when something was applied.
bool setAllToMacro(MacroData& macro, const MacroData& before);
// Lets the user pick further macros of the same kind; the picked object ids (the pick's values, whole
// numbers) and their macro name are added. False when nothing was picked.
bool SelectOtherMacros(ui::Window* owner, MacroData& macro);
// A filter combo box's choice (`first`: the first filter) goes into the record.
bool UpdateAllFilterModified(MacroData& macro, bool first, int choice);
// The tab's block becomes the drawing at `path` (its name without folder and extension is the choice).
bool swapBlockRefs(MacroData& macro, const Ork_String& tab, const Ork_String& path);

// ---- The clash check of a macro dialog (by slot)
void clashInitDlgStarted(int slot);
void clashResetInfo(int slot);
// Checks the objects for clashes; true when the check ran (it runs while the status is on).
bool clashcheck(int slot, const AcArray<AcDbObjectId>& objects);
bool clashGetStatus();
void clashSetStatus(bool on);
void clashDlgClosed(int slot);

// ---- Bolts
// The host's bolt assemblies, and the diameters every selected bolt of an assembly offers.
bool GetAssemblies(Ork_StringArray& names);
bool GetMergedDiameters(const Ork_String& assembly, AcArray<double>& diameters);

// ---- Profiles and planes
// The host's profile chooser on `section`; the chosen section name comes back relative to the library folder.
bool DlgSelectProf(ui::Window* owner, Ork_String& section);
// Picks in the drawing: a coordinate system (plane text "xp") or a plane.
bool selectCoordSys(ui::Window* owner, Ork_String& plane, AcDbObjectId& id);
bool UserSelectPlane(ui::Window* owner, Ork_String& plane, AcDbObjectId& id);
// The offset types of a profile placement, by position, and the base-plane entries (0 a picked plane,
// 1 the world system, 2 a coordinate system, 3 mixed).
void getOffsetTypeTexts(Ork_StringArray& texts);
void getBasePlaneTexts(Ork_StringArray& texts);
// The position of an offset-type text, -1 for one the host cannot map.
int offsetTypeFromText(const Ork_String& text);

// ---- Files
// The host's open/save dialog in `folder`, offering `names`; the chosen name (without folder or extension).
// A name typed with a folder or an extension keeps only its base name, so the file stays in the folder.
bool DlgOpenSave(ui::Window* owner, bool open, const Ork_String& folder, const Ork_StringArray& names,
                 Ork_String& chosen);
