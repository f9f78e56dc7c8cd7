#include "sheet/CDlgGenVars.h"

#include "resources/resourceIds.h"

CDlgGenVars::CDlgGenVars(ui::Window* parent) : ui::Dialog(IDD_GEN_VARS, parent) {}
