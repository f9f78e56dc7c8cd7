#pragma once
// The levels dialog: edits the host's levels record.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's KvLevelsDlgData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgLevels : public ui::Dialog {
public:
    explicit CDlgLevels(ui::Window* parent = nullptr);
};
