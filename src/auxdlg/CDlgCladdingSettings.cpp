#include "auxdlg/CDlgCladdingSettings.h"

#include "resources/resourceIds.h"

CDlgCladdingSettings::CDlgCladdingSettings(ui::Window* parent) : KvRecordDlg<KvCladdingDlgData>(IDD_CLADDING_SETTINGS, parent) {}
