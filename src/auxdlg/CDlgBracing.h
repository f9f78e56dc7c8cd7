#pragma once
// The bracing dialog: edits the host's bracing record.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's KvBracingDlgData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgBracing : public ui::Dialog {
public:
    explicit CDlgBracing(ui::Window* parent = nullptr);
};
