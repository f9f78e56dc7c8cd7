#include "sheet/CDlgGenVars.h"

#include "resources/resourceIds.h"

CDlgGenVars::CDlgGenVars(ui::Window* parent) : KvRecordDlg<KvAutoStandardsData>(IDD_GEN_VARS, parent) {}
