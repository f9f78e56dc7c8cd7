#pragma once
// The profile cuts dialog: edits the host's profile cuts record.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's DlgProfCutsData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgEditProfCuts : public ui::Dialog {
public:
    explicit CDlgEditProfCuts(ui::Window* parent = nullptr);
};
