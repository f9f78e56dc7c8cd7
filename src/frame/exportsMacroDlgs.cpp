// The exported entry points of the macro dialogs, their cut and array dialogs and the macro definition editor.
#include "frame/KvModelessDlgs.h"
#include "base/KvResourceGuard.h"
#include "SS/SSExports.h"
#include "macrodlg/CDlgArray.h"
#include "macrodlg/CDlgMacro.h"
#include "macrodlg/CDlgMacroCuts.h"
#include "macroedit/CDlgEditMacro.h"

void StartDlgMacro(MacroData& data) {
    CDlgMacro dialog;
    dialog.macro = data;
    dialog.doModal();
    data = dialog.macro;
}

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& index) {
    KvResourceGuard guard;
    return KvModelessDlgs::instance().openMacroDlg(keepFocus, data, index);
}

bool GetDlgMacroData(int index, MacroData& data) {
    const CDlgMacro* dialog = KvModelessDlgs::instance().at(index);
    if (!dialog) return false;
    data = dialog->macro;
    return true;
}

bool EndDlgMacroModeless(int index) {
    return KvModelessDlgs::instance().endMacroDlg(index);
}

void DestroyAllMacroDlgs() {
    KvModelessDlgs::instance().endAllMacroDlgs();
}

void EndDlgEditConstraints() {
    KvModelessDlgs::instance().endConstraintsEditor();
}

bool StartDlgEditConstrModal(EditConstrData& data) {
    KvResourceGuard guard;
    CDlgEditMacro dialog;
    dialog.m_data = data;
    // Nothing comes back: the editor's changes reach the macro through the host while it runs.
    return dialog.doModal() == ui::IDOK;
}

bool StartDlgEditConstraints(EditConstrData& data) {
    KvResourceGuard guard;
    return KvModelessDlgs::instance().openConstraintsEditor([&data](CDlgEditMacro& editor) { editor.m_data = data; });
}

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& flag) {
    KvResourceGuard guard;
    CDlgMacroCuts dialog;
    dialog.m_data = data;
    const bool ok = dialog.doModal() == ui::IDOK;
    // True only when Escape ended the dialog, whatever the caller passed in.
    flag = dialog.m_endedByEscape;
    if (ok) data = dialog.m_data;
    return ok;
}

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& objectIds, const Ork_String& text) {
    KvResourceGuard guard;
    CDlgArray dialog;
    dialog.m_data = data;
    dialog.m_objectIds = objectIds;
    dialog.m_text = text;
    if (dialog.doModal() != ui::IDOK) return false;
    data = dialog.m_data;
    return true;
}
