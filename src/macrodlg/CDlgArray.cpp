#include "macrodlg/CDlgArray.h"

#include "resources/resourceIds.h"

CDlgArray::CDlgArray(ui::Window* parent) : ui::Dialog(IDD_ARRAY, parent) {}
