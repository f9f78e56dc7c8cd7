#include "auxdlg/CDlgProfFeatures.h"

#include "resources/resourceIds.h"

CDlgProfFeatures::CDlgProfFeatures(ui::Window* parent) : ui::Dialog(IDD_PROF_FEATURES, parent) {}
