#pragma once
// The cut dialog: edits one cut of a macro.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's DlgMacroCutsData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgMacroCuts : public ui::Dialog {
public:
    explicit CDlgMacroCuts(ui::Window* parent = nullptr);
};
