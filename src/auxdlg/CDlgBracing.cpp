#include "auxdlg/CDlgBracing.h"

#include "resources/resourceIds.h"

CDlgBracing::CDlgBracing(ui::Window* parent) : KvRecordDlg<KvBracingDlgData>(IDD_BRACING, parent) {}
