#include "macrodlg/CDlgMacroCuts.h"

#include "resources/resourceIds.h"

CDlgMacroCuts::CDlgMacroCuts(ui::Window* parent) : ui::Dialog(IDD_MACRO_CUTS, parent) {}
