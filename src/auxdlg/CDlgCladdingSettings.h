#pragma once
// The cladding settings dialog: edits the host's cladding record.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's KvCladdingDlgData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgCladdingSettings : public ui::Dialog {
public:
    explicit CDlgCladdingSettings(ui::Window* parent = nullptr);
};
