#pragma once
// The general variables dialog: edits the general variables of a standards record.
// For now it ends with OK or Cancel; its controls arrive with the dialog itself.
// Its record, the host's KvAutoStandardsData, joins it when the host library provides that record.
#include "ui/Dialog.h"

class CDlgGenVars : public ui::Dialog {
public:
    explicit CDlgGenVars(ui::Window* parent = nullptr);
};
