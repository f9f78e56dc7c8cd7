#include "designer/CDlgDesigner.h"

#include "resources/resourceIds.h"

CDlgDesigner::CDlgDesigner(ui::Window* parent) : ui::Dialog(IDD_DESIGNER, parent) {}
