#include "macrodlg/CDlgMacroCuts.h"

#include "resources/resourceIds.h"

CDlgMacroCuts::CDlgMacroCuts(ui::Window* parent) : KvRecordDlg<DlgMacroCutsData>(IDD_MACRO_CUTS, parent) {}
