#include "macrodlg/CDlgArray.h"

#include "resources/resourceIds.h"

CDlgArray::CDlgArray(ui::Window* parent) : KvRecordDlg<DynArrayData>(IDD_ARRAY, parent) {}
