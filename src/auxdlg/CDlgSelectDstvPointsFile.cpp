#include "auxdlg/CDlgSelectDstvPointsFile.h"

#include "resources/resourceIds.h"

CDlgSelectDstvPointsFile::CDlgSelectDstvPointsFile(ui::Window* parent) : ui::Dialog(IDD_SELECT_DSTV_POINTS_FILE, parent) {}
