#pragma once
// The grid dialog: two rows of grid lines (count, spacing, label) and an option. Nothing is validated: a
// count that is no number is 0, as the caller has always had it.
#include "auxdlg/KvGridDlgData.h"
#include "base/KvRecordDlg.h"

class CDlgGrid : public KvRecordDlg<KvGridDlgData> {
public:
    explicit CDlgGrid(ui::Window* parent = nullptr);

protected:
    bool onInitDialog() override;
    void onOK() override;
};
