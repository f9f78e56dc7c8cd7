#pragma once
// The image selection dialog: one thumbnail per offered picture; OK takes the chosen one.
// For now it holds its record and ends with OK or Cancel; its controls arrive with the dialog itself.
#include "auxdlg/KvSelectImageDlgData.h"
#include "base/KvRecordDlg.h"

class CDlgSelectImage : public KvRecordDlg<KvSelectImageDlgData> {
public:
    explicit CDlgSelectImage(ui::Window* parent = nullptr);
};
