#pragma once
// The CIS/2 information dialog: five choices of the CIS/2 export (what they select is the caller's), and
// the editing of the section-name translation table. The second radio button of the first pair enables the
// controls that only matter for it.
#include "auxdlg/KvDlgCis2Data.h"
#include "base/KvRecordDlg.h"

class CDlgCis2 : public KvRecordDlg<KvDlgCis2Data> {
public:
    explicit CDlgCis2(ui::Window* parent = nullptr);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code) override;
    void onOK() override;

private:
    void updateEnabling();
    void editTranslation();
};
