#include "seclib/CDlgEditLibSections.h"

#include "resources/resourceIds.h"

CDlgEditLibSections::CDlgEditLibSections(ui::Window* parent)
    : KvRecordDlg<DlgEditLibData>(IDD_EDIT_LIB_SECTIONS, parent) {}
