#pragma once
// A hidden standards window: the grid in which one standards evaluation runs, with the evaluation's record.
// The windows live in the pool gSSDlgsMgr and are never shown.
//
// For now it holds its record; the evaluation arrives with the standards engine.
#include "standards/KvDlgStandardsData.h"
#include "ui/Dialog.h"

class CDlgSSStandards : public ui::Dialog {
public:
    explicit CDlgSSStandards(ui::Window* parent = nullptr);

    // Runs the evaluation on m_data; false when it failed (the steps show why).
    bool evaluateStandards();

    KvDlgStandardsData m_data;
};
