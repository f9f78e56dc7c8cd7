#pragma once
// The array dialog: edits one dynamic array of a macro.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's DynArrayData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgArray : public ui::Dialog {
public:
    explicit CDlgArray(ui::Window* parent = nullptr);
};
