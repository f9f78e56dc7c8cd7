#include "auxdlg/CDlgLevels.h"

#include "resources/resourceIds.h"

CDlgLevels::CDlgLevels(ui::Window* parent) : KvRecordDlg<KvLevelsDlgData>(IDD_LEVELS, parent) {}
