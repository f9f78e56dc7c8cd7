#include "auxdlg/CDlgCladdingSettings.h"

#include "resources/resourceIds.h"

CDlgCladdingSettings::CDlgCladdingSettings(ui::Window* parent) : ui::Dialog(IDD_CLADDING_SETTINGS, parent) {}
