// The exported entry points of the spreadsheet jobs.
#include "base/KvResourceGuard.h"
#include "frame/KvSSDlgsMgr.h"
#include "SS/SSExports.h"
#include "sheet/CDlgSSStandards.h"
#include "sheet/CDlgStringArray.h"
#include "sheet/CFormula.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvVarCell.h"

#include <utility>

bool StartDlgStandardsSS(KvDlgStandardsData& data) {
    KvResourceGuard guard;
    CDlgSSStandards* window = gSSDlgsMgr.getDlg();
    if (!window)
        return false;
    // The window is in use for the whole evaluation, so a child spreadsheet evaluated from inside it takes
    // another one; it goes back to the pool on every way out.
    struct Release {
        CDlgSSStandards* window;
        ~Release() { gSSDlgsMgr.releaseDlg(window); }
    } release{window};
    window->m_data = data;   // a copy: a failed evaluation leaves the caller's record as it was
    if (window->evaluateStandards() != eOk)
        return false;
    // The window's record is written afresh by its next evaluation.
    data = std::move(window->m_data);
    return true;
}

bool StartDlgStandardsSStest() {
    KvDlgStandardsData data;
    data.mode = KvDlgStandardsData::kDirectMode;
    data.file = u"c:\\a\\a\\a\\test.kvs";
    data.varCells.append(KvVarCell(u"Column", KvCellType::Input, KvValueType::String, u"IPE-200"));
    data.varCells.append(KvVarCell(u"Thickness", KvCellType::Input, KvValueType::Double, u"10"));
    data.varCells.append(KvVarCell(u"Width", KvCellType::Output, KvValueType::Double, u"212"));
    data.varCells.append(KvVarCell(u"Length", KvCellType::Output, KvValueType::Double, u"356"));
    return StartDlgStandardsSS(data);
}

bool startGridDialog(const Ork_StringArray& columnNames, const Ork_StringArray& rowNames,
                     Ork_Array<Ork_StringArray>& rows, bool addRemove, Ork_String sizeKey, Ork_String title) {
    if (columnNames.isEmpty())
        return false;
    KvResourceGuard guard;
    CDlgStringArray dialog;
    dialog.m_columnNames = columnNames;
    dialog.m_rowNames = rowNames;
    dialog.m_rows = rows;
    dialog.m_addRemove = addRemove;
    dialog.m_sizeKey = sizeKey.isEmpty() ? Ork_String(u"DLG_SS_STRINGARRAY") : sizeKey;
    dialog.m_title = title;
    if (dialog.doModal() != ui::IDOK)
        return false;
    rows.removeAll();
    for (const Ork_StringArray& row : dialog.m_rows)
        rows.append(row);
    return true;
}

void ReadSSFile(const Ork_String& path, Ork_String& firstCell, Ork_StringArray& headers,
                Ork_Array<Ork_StringArray>& rows) {
    KvResourceGuard guard;
    CFormula window;
    window.m_mode = CFormula::Mode::Read;
    window.m_path = path;
    window.doModal();
    firstCell = window.m_firstCell;
    headers = window.m_headers;
    rows = window.m_rows;
}

void EvaluateSS() {
    KvResourceGuard guard;
    CFormula window;
    window.m_mode = CFormula::Mode::SingleCell;
    window.m_path = u"c:\\a\\t3.sss";
    window.m_activeCol = 1;
    window.m_activeRow = 1;
    window.doModal();
}
