#include "auxdlg/CDlgEditProfCuts.h"

#include "resources/resourceIds.h"

CDlgEditProfCuts::CDlgEditProfCuts(ui::Window* parent) : KvRecordDlg<DlgProfCutsData>(IDD_EDIT_PROF_CUTS, parent) {}
