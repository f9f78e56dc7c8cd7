#include "auxdlg/CDlgLevels.h"

#include "resources/resourceIds.h"

CDlgLevels::CDlgLevels(ui::Window* parent) : ui::Dialog(IDD_LEVELS, parent) {}
