#include "auxdlg/Ork_DlgCSP2.h"

#include "resources/resourceIds.h"

Ork_DlgCSP2::Ork_DlgCSP2(ui::Window* parent) : KvRecordDlg<DlgCSP2Data>(IDD_CSP2, parent) {}
