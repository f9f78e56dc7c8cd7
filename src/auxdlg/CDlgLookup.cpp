#include "auxdlg/CDlgLookup.h"

#include "resources/resourceIds.h"

CDlgLookup::CDlgLookup(ui::Window* parent) : KvRecordDlg<KvLookUpDlgData>(IDD_LOOKUP, parent) {}
