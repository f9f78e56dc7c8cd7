#include "auxdlg/CDlgBracing.h"

#include "resources/resourceIds.h"

CDlgBracing::CDlgBracing(ui::Window* parent) : ui::Dialog(IDD_BRACING, parent) {}
