#include "auxdlg/CDlgSelectImage.h"

#include "resources/resourceIds.h"

CDlgSelectImage::CDlgSelectImage(ui::Window* parent) : KvRecordDlg<KvSelectImageDlgData>(IDD_SELECT_IMAGE, parent) {}
