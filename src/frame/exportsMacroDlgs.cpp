// The exported entry points of the macro dialogs and the macro definition editor.
#include "frame/KvModelessDlgs.h"
#include "frame/KvResourceGuard.h"
#include "frame/SSExports.h"
#include "macrodlg/CDlgMacro.h"
#include "macroedit/CDlgEditMacro.h"

void StartDlgMacro(MacroData& data) {
    CDlgMacro dialog;
    dialog.m_data = data;
    dialog.doModal();
    data = dialog.m_data;
}

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& index) {
    KvResourceGuard guard;
    return KvModelessDlgs::instance().openMacroDlg(keepFocus, data, index);
}

bool GetDlgMacroData(int index, MacroData& data) {
    const CDlgMacro* dialog = KvModelessDlgs::instance().at(index);
    if (!dialog)
        return false;
    data = dialog->m_data;
    return true;
}

bool EndDlgMacroModeless(int index) { return KvModelessDlgs::instance().endMacroDlg(index); }

void DestroyAllMacroDlgs() { KvModelessDlgs::instance().endAllMacroDlgs(); }

void EndDlgEditConstraints() { KvModelessDlgs::instance().endConstraintsEditor(); }
