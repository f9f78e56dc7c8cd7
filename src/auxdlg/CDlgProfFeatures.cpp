#include "auxdlg/CDlgProfFeatures.h"

#include "resources/resourceIds.h"

CDlgProfFeatures::CDlgProfFeatures(ui::Window* parent) : KvRecordDlg<DlgProfFeaturesData>(IDD_PROF_FEATURES, parent) {}
