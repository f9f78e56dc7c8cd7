#pragma once
// The advanced profile dialog: how one profile (a group of profiles, or several selected objects) of a macro
// is placed. It reaches the profile only through its callback.
//
// For now it loads the profile through the callback when it opens and ends with OK or Cancel; its controls
// arrive with the dialog itself.
#include "cadhost/AcArray.h"
#include "cadhost/AcDbObjectId.h"
#include "macrodlg/KvMACallBackData.h"
#include "nuvo/macro/MacroTabRecords.h"
#include "ui/Dialog.h"

class CDlgMacroProfAdv : public ui::Dialog {
public:
    explicit CDlgMacroProfAdv(ui::Window* parent = nullptr);

    KvMACallBack m_callback = nullptr;
    KvMACallBackData m_callbackData;
    MacroProfData m_profile;
    bool m_multiObject = false;           // several selected objects instead of one macro profile
    AcArray<AcDbObjectId> m_objectIds;    // multi-object mode
    bool m_multiObjectResult = false;     // the multi-object check box at OK
    AcDbObjectId m_workingObject;         // a drawing object the dialog made while it ran, or null

protected:
    bool onInitDialog() override;
};
