#pragma once
// A hidden standards window: the grid in which one standards evaluation runs, with the evaluation's record.
// The windows live in the pool gSSDlgsMgr and are never shown.
#include "cadhost/ErrorStatus.h"
#include "standards/KvCalcSS.h"
#include "standards/KvDlgStandardsData.h"
#include "ui/Dialog.h"

class CDlgSSStandards : public ui::Dialog {
public:
    explicit CDlgSSStandards(ui::Window* parent = nullptr);
    ~CDlgSSStandards() override;

    // Runs one evaluation on m_data: eOk, or eInvalidInput when a step failed (the steps say why).
    ErrorStatus evaluateStandards();

    KvCalcSS& grid() { return m_grid; }

    KvDlgStandardsData m_data;

protected:
    bool onInitDialog() override;

private:
    KvCalcSS m_grid;
};
