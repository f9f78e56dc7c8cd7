#pragma once
// The host's calls behind the macro definition editor. Each receives the editor's record (EditConstrData,
// passed as the opaque handle the editor holds), finds the database macro through the record's macro id,
// changes the macro plausibly, refreshes the record from the macro and returns whether it did. Every call is
// recorded with its arguments in cadhost::HostLog, also one that fails; a test can make any of them fail
// (refuseEditorCall); a refused call changes neither the macro nor the record.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

#include <functional>
#include <string>

class EditConstrData;
class MacroSettingsData;
class Ork_DbMacro;
namespace ui {
class Window;
}

// What the add-on does before it opens the editor: the record for the module of that name (the first
// module when the name is empty). False, record untouched, when the macro has no such module.
bool prepareEditConstrData(Ork_DbMacro& dbMacro, const Ork_String& moduleName, EditConstrData& data);

// ---- Modules and macros
bool MacroGetModules(void* handle, Ork_StringArray& names);
bool SetCurrentModule(void* handle, const Ork_String& moduleName);
// Asks the host's picker (kind "macro", the other macros' names as arguments) for another macro and moves
// the record to its first module.
bool SelectOtherMacro(void* handle);
// Codes 0..10 add a constraint of that kind to the current module and make it current; 11 adds a module
// with a fresh name; 12 adds a bolt pattern to a bolt module; 13 places a coordinate system.
bool StartMacroCommand(void* handle, int code);
// Renames the current module; refused for an empty name or one another module has.
bool RenameModule(void* handle, const Ork_String& newName);
bool RemoveModule(void* handle, const Ork_String& moduleName);

// ---- Constraints (rows of the record)
// Writes row's value (a number), name (unique in the module), flags, option and group selections into the
// constraint of that row; false when the row does not exist or a field could not be taken (the others are).
bool UpdateConstraint(void* handle, int row);
bool DeleteConstraint(void* handle, int row);
// Sorts by the texts of grid column `column` (1-based), ties by `previousColumn`.
bool SortConstraints(void* handle, int column, int previousColumn);
bool HighlightConstraint(void* handle, int row);
bool UnHighlightConstraints(void* handle);
// Whether another constraint, variable or general variable of the macro has that name (without case).
bool VarNameInUse(void* handle, const Ork_String& name, bool& inUse);
// The context menu of a row: entry texts ("%BREAK%" a separator), the action code of each selectable entry,
// and the positions (in `texts`) of the checked entries.
bool ConstrContextMenu(void* handle, int row, Ork_StringArray& texts, AcArray<int>& codes, AcArray<int>& checked);
bool ContextMenuAction(void* handle, int row, int code);
// The host's cut editor for one constraint; `flag` tells whether it consumed an Escape the editor would
// otherwise see.
bool StartEditMacroCutDlg(AcDbObjectId macroId, const Ork_String& moduleName, int constraintId, bool& flag);

// ---- Geometry
bool HighlightObject(void* handle, AcDbObjectId id);
bool UnHighlightObject(void* handle, AcDbObjectId id);
// `flexibility` is 1-based (the list position + 1).
bool UpdateGeomFlexibility(void* handle, AcDbObjectId id, long flexValue, int flexibility);
bool UpdateConstrGeom(void* handle, AcDbObjectId id, int state);
bool SetNameTags(void* handle, const AcArray<AcDbObjectId>& ids, const Ork_StringArray& names);

// ---- Variables: takes the record's variables and equations, then recalculates every "NAME = EXPRESSION"
// in order with the grid's formula engine (names of variables and constraints stand for their values).
bool UpdateVarsEqs(void* handle);

// ---- The editor's commands: the dialog is hidden while the host has the input.
void BeginEditorCommand(ui::Window* dialog);
void CompleteEditorCommand(ui::Window* dialog);
void ZoomCommand();

// ---- Settings of the macro with that database id
bool GetMacroSettings(AcDbObjectId macroId, MacroSettingsData& data);
bool SetMacroSettings(AcDbObjectId macroId, const MacroSettingsData& data);

namespace nuvo {
// The next `count` calls of the editor call named `name` ("RenameModule") fail.
void refuseEditorCall(const std::u16string& name, int count = 1);
void clearEditorCallRefusals();
// Runs `action` once, inside the next ZoomCommand: what the user does while the host zooms.
void duringNextZoom(std::function<void()> action);
} // namespace nuvo
