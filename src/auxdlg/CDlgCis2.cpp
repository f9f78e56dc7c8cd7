#include "auxdlg/CDlgCis2.h"

#include "resources/resourceIds.h"

CDlgCis2::CDlgCis2(ui::Window* parent) : KvRecordDlg<KvDlgCis2Data>(IDD_CIS2, parent) {}
