#include "auxdlg/CDlgEditProfCuts.h"

#include "resources/resourceIds.h"

CDlgEditProfCuts::CDlgEditProfCuts(ui::Window* parent) : ui::Dialog(IDD_EDIT_PROF_CUTS, parent) {}
