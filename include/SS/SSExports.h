#pragma once
// The module's exported entry points: each runs one dialog or one spreadsheet job on the caller's record and
// returns. Modal entries follow one rule unless noted: the record is copied into the dialog, and back only
// when the dialog ends with OK (then true); Cancel returns false and leaves the record untouched. Every
// entry that shows a dialog does so with this module's resources current (KvResourceGuard), unless noted.
//
// The host's records travel by reference; the caller keeps them. Modeless macro dialogs are known by their
// slot index; the constraints editor is single.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "cadhost/ErrorStatus.h"
#include "SS/KvMACallBack.h"
#include "SS/ssExport.h"
#include "nuvo/Ork_Array.h"
#include "nuvo/Ork_String.h"
#include "nuvo/Ork_StringArray.h"

class MacroData;
class KvDlgStandardsData;
class KvGridDlgData;
class KvLookUpDlgData;
class KvSelectImageDlgData;
class KvDlgCis2Data;
// Records of the host library that it does not provide yet; their entry points are declared for the
// callers and defined once the records exist.
class EditConstrData;
class DlgEditLibData;
class Ork_ProfValuesTable;
class DlgMacroCutsData;
class DlgCSP2Data;
class DlgProfCutsData;
class DynArrayData;
class DlgProfFeaturesData;
class KvLevelsDlgData;
class KvCladdingDlgData;
class KvBracingDlgData;
class KvAutoStandardsData;

// ---- Macro dialogs
// Modal, without the resource guard; the record is copied back however the dialog ended.
SS_EXPORT void StartDlgMacro(MacroData& data);
// Opens a macro dialog in the last free slot (or a new one) and gives its index back. Unless `keepFocus`,
// the host's main window gets the keyboard focus back. False when the dialog cannot be created.
SS_EXPORT bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& index);
// The current record of the open macro dialog in that slot; false for a free slot or a bad index.
SS_EXPORT bool GetDlgMacroData(int index, MacroData& data);
// Ends the macro dialog in that slot; a busy one is ended 50 ms later. True when it was ended or its end was
// scheduled; false for a free slot, a bad index or a window that cannot be destroyed.
SS_EXPORT bool EndDlgMacroModeless(int index);
// Ends every macro dialog, from the last slot to the first.
SS_EXPORT void DestroyAllMacroDlgs();

// ---- Macro definition editor
SS_EXPORT bool StartDlgEditConstrModal(EditConstrData& data);
SS_EXPORT bool StartDlgEditConstraints(EditConstrData& data);
SS_EXPORT void EndDlgEditConstraints();

// ---- Spreadsheets
// False at once, showing nothing, when there are no columns. An empty size key is "DLG_SS_STRINGARRAY". On
// OK the rows are replaced by the dialog's rows.
SS_EXPORT bool startGridDialog(const Ork_StringArray& columnNames, const Ork_StringArray& rowNames,
                               Ork_Array<Ork_StringArray>& rows, bool addRemove, Ork_String sizeKey,
                               Ork_String title);
// Reads a spreadsheet document into texts: the text of column 1, row 1, the column headers, and every row.
SS_EXPORT void ReadSSFile(const Ork_String& path, Ork_String& firstCell, Ork_StringArray& headers,
                          Ork_Array<Ork_StringArray>& rows);
// Opens the formula window on the fixed document "c:\a\t3.sss"; keeps nothing.
SS_EXPORT void EvaluateSS();
// One standards evaluation in a hidden window of the pool; true and the record updated on success, false
// and the record untouched on failure.
SS_EXPORT bool StartDlgStandardsSS(KvDlgStandardsData& data);
SS_EXPORT bool StartDlgStandardsSStest();
SS_EXPORT bool StartDlgGenVars(KvAutoStandardsData& data);

// ---- Section library
SS_EXPORT bool StartDlgEditLibSections(DlgEditLibData& data, const Ork_String& name);
// Without the resource guard; on OK the table and the selected row are copied back.
SS_EXPORT bool StartDlgEditLibSimple(const Ork_String& name, Ork_ProfValuesTable& table, int& row);

// ---- Macro selection, cuts, profiles, arrays
// Every name enabled; see the next overload.
SS_EXPORT bool StartDlgSelectMacro(const Ork_String& title, const Ork_StringArray& names, const int filterFirst,
                                   const int filterSecond, Ork_String& chosen, bool& option, bool flag);
// On OK the chosen name and the option come back.
SS_EXPORT bool StartDlgSelectMacro(const Ork_String& title, const Ork_StringArray& names,
                                   const AcArray<bool>& enabled, const int filterFirst, const int filterSecond,
                                   Ork_String& chosen, bool& option, bool flag);
// `flag` is set from the dialog however it ended.
SS_EXPORT bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& flag);
// The profile of `group` / `name` of the macro, through the module's profile callback.
SS_EXPORT void StartDlgMacroProfAdv(MacroData& data, const Ork_String& group, const Ork_String& name, bool flag);
// Several drawing objects with the caller's callback; returns at once for no objects. `multiObject` gets the
// dialog's multi-object flag.
SS_EXPORT void StartDlgMacroProfAdv(const AcArray<AcDbObjectId>* objectIds, bool& multiObject,
                                    KvMACallBack callback);
SS_EXPORT bool StartEditProfCutsDlg(DlgProfCutsData& data);
SS_EXPORT bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& objectIds, const Ork_String& text);

// ---- Designer
// True on OK; nothing comes back.
SS_EXPORT bool StartDlgDesigner(const Ork_String& name);
// The names of all controls of a designed page (no dialog, no guard); false when the page cannot be read.
SS_EXPORT bool GetImageDlgCtrlNames(const Ork_String& file, Ork_StringArray& names);

// ---- Small dialogs (modal rule)
SS_EXPORT bool StartDlgCSP2(DlgCSP2Data& data);
SS_EXPORT bool StartDlgProfFeatures(DlgProfFeaturesData& data);
SS_EXPORT bool StartDlgGrid(KvGridDlgData& data);
SS_EXPORT bool StartDlgLevels(KvLevelsDlgData& data);
SS_EXPORT bool StartDlgLookUp(KvLookUpDlgData& data);
SS_EXPORT bool StartDlgSelectImage(KvSelectImageDlgData& data);
SS_EXPORT bool StartDlgCladdingSettings(KvCladdingDlgData& data);
SS_EXPORT bool StartDlgCis2Info(KvDlgCis2Data& data);
SS_EXPORT bool StartDlgBracing(KvBracingDlgData& data);
// Without the resource guard.
SS_EXPORT void StartDSTVPointsDlg();

// ---- Class registration of the property-palette components
SS_EXPORT ErrorStatus SScleanupComRegistry();
SS_EXPORT ErrorStatus SSprintCLSIDs();
SS_EXPORT ErrorStatus SSregisterOpmCLSIDs();
